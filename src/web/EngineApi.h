#pragma once

// The engine's plain C interface for JavaScript (and for the native probe that checks it): numbers in,
// numbers or JSON texts out. Every text returned is valid UTF-8 and stays valid until the next call.
//
// Every text argument comes with its length in bytes, so a text holding a NUL character is read whole
// (and refused as it should be) instead of ending at that character.
//
// places: -1 the automatic places, 0 to 25 that many, -2 the 15-digit general text. comma: 1 reads and
// writes a decimal comma (a period is refused), 0 reads as the window does ("1,000" is one thousand).
extern "C" {

int qx_category_count();

// [{"index","caption","className","formula","units":[{"index","name","symbol"}]}] in catalogue order.
const char *qx_catalogue();

// [[category,unit],...]: every unit the name names, by symbol, alias, list text or CATEGORY:INDEX.
const char *qx_lookup(const char *name, int nameLength);

// {"ok":true,"result","places","factor","formula"} or {"ok":false,"kind","reason"[,"general"]}. tables: 1
// converts by the window's factor tables, 0 by the units' exact definitions.
const char *qx_convert(int category, int from, int to, const char *value, int valueLength, int places,
                       int comma, int tables);

// [answer,...]: qx_convert's answer for every unit of the category as the To unit.
const char *qx_convert_all(int category, int from, const char *value, int valueLength, int places, int comma,
                           int tables);

// ["line",...]: how the conversion of the value is worked out (each unit's definition down to SI with its
// source, the exact factor and the window's table factor), or {"ok":false,"kind","reason"} for bad indexes.
const char *qx_explain(int category, int from, int to, const char *value, int valueLength, int comma,
                       int tables);

// {"ok":true,"category","from","to","value"} or {"ok":false,"kind","reason"}: a VALUE FROM TO line.
const char *qx_read_line(const char *line, int lineLength, int currentCategory);

// 1 when the text is a number or what is typed so far of one ("-", "1e", "&H").
int qx_is_number_start(const char *text, int textLength, int comma);
}
