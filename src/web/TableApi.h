#pragma once

// The page's columns and files (TableApi.cpp says what each call gives).
extern "C" {

const char *qx_convert_lines(int category, int from, int to, const char *text, int textLength, int column,
                             int header, int places, int comma, int tables);
const char *qx_table_preview(const char *bytes, int length, int delimiter, int records);
const char *qx_table_begin(int category, int from, int to, const char *column, int columnLength, int header,
                           int delimiter, int replace, int places, int comma, int tables, int keepGoing);
const char *qx_table_feed(const char *bytes, int length, int final);
const char *qx_table_output();
}
