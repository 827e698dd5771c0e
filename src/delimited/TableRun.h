#pragma once

#include "delimited/CsvSplitter.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorlex::delimited {

// A layout the input does not fit: a column the header lacks or names twice, a position beyond the
// header. Nothing has been written for it.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input that is not delimited text (an unclosed quote, a record over 1 MiB, a NUL byte), or a row refused
// with no going on: "line 7: ...".
class InputFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a run does with a refused row: stop (throw InputFault with the message) or report it and go on.
class RowRefusals {
public:
    virtual ~RowRefusals() = default;
    // where: "line 17, column \"fuel_load\""; what: "\"12,5\" is not a number".
    virtual void Refuse(const std::string &where, const std::string &what) = 0;
};

// Stops the run at the first refused row.
class StopAtFirst : public RowRefusals {
public:
    void Refuse(const std::string &where, const std::string &what) override;
};

// A run over the records of a delimited text handed over in pieces, as they are read: every record is
// written back as read, with fields of the run's own, and the header names them. A UTF-8 byte order mark
// and blank lines go through unchanged. The same code serves the command line (its input read in blocks)
// and the web page (a file read in pieces by the browser).
class TableRun {
public:
    TableRun(char delimiter, bool header) : splitter_(delimiter), header_(header) {}
    TableRun(const TableRun &) = delete;
    TableRun &operator=(const TableRun &) = delete;
    virtual ~TableRun() = default;

    // Runs over every whole record at the start of data and appends what it writes to out; `final` says
    // that no byte follows data. Returns how many bytes of data it used: the rest (the start of a record
    // not whole yet) must come again at the start of the next call, with the bytes that follow it.
    // Throws LayoutError, or InputFault for input that is not delimited text.
    std::size_t Feed(std::string_view data, bool final, std::string &out);

    // The records after the header so far, blank ones included.
    std::uint64_t Rows() const { return rows_; }
    // Whether the whole input has been run over.
    bool Finished() const { return finished_; }
    char Delimiter() const { return splitter_.Delimiter(); }

protected:
    // The header: finds the run's columns in it and writes it back with the run's own header fields.
    virtual void Header(const CsvRecord &header, std::string &out) = 0;
    // Without a header: finds the run's columns by their positions.
    virtual void NoHeader() = 0;
    // One record after the header that is not blank.
    virtual void Row(const CsvRecord &record, std::string &out) = 0;

private:
    CsvSplitter splitter_;
    bool header_;
    bool started_ = false; // the byte order mark has been looked for
    bool headerDone_ = false;
    bool finished_ = false;
    std::string_view byteOrderMark_;
    std::uint64_t rows_ = 0;
};

// "line 7": where a record starts.
std::string LineText(const CsvRecord &record);

// "the row has 2 fields, no column \"load\"": a row too short for a column.
std::string TooFewFields(std::size_t count, const std::string &what);

// The 0-based index a position text states (digits only); positions beyond any record give the largest
// index.
std::size_t IndexOfPosition(const std::string &position);
// Whether a column text is a position (digits only) rather than a header name.
bool IsColumnPosition(const std::string &column);

// The column of the header that `column` names (a 1-based position or a header name), and its header
// text. label: how messages name the option ("--column", "load: column"). Throws LayoutError for a
// column the header lacks or names twice.
std::size_t FindColumn(const CsvRecord &header, const std::string &column, const std::string &label,
                       std::string &name);

} // namespace quorlex::delimited
