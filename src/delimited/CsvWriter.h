#pragma once

#include "delimited/CsvSplitter.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quorlex::delimited {

// Appends a field we write: as it is, or in quotes (doubling the quotes inside) when it holds the
// delimiter, a quote, a CR or a LF.
void AppendCsvField(std::string &out, std::string_view text, char delimiter);

// Writes a record back with one field of ours: inserted right after field `column`, or in its place.
// Every other byte (the fields, their quoting, the delimiters, the line ending) is written as read.
void WriteCsvRecord(std::string &out, const CsvRecord &record, std::size_t column, std::string_view text,
                    bool replace, char delimiter);

// The same with several fields of ours, in order, right after field `column`.
void WriteCsvRecord(std::string &out, const CsvRecord &record, std::size_t column,
                    std::span<const std::string_view> texts, char delimiter);

} // namespace quorlex::delimited
