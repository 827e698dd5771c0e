// The page's columns and files: a pasted column converted in one call, and a delimited file converted by
// the command line's own run, its bytes handed over in pieces as the browser reads them.
#include "web/TableApi.h"

#include "conversion/CategoryUnits.h"
#include "conversion/Quoted.h"
#include "conversion/ValueConverter.h"
#include "conversion/ValueText.h"
#include "delimited/ColumnConversion.h"
#include "delimited/CsvSplitter.h"
#include "engine/Catalogue.h"
#include "web/Answering.h"
#include "web/FileRun.h"
#include "web/JsonText.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorlex;
using namespace quorlex::web;
using conversion::DecimalMark;
using conversion::ValueConverter;

// A pasted line longer than this is no value: its message says so instead of quoting it.
constexpr std::size_t kLongestPastedLine = 10000;

std::string DescribeForPage(const ValueConverter &converter, ValueConverter::Refusal refusal,
                            std::string_view text) {
    std::string message = converter.Describe(refusal, text);
    if (refusal == ValueConverter::Refusal::NotNumber && converter.Mark() == DecimalMark::Period &&
        conversion::IsValueText(text, DecimalMark::Comma)) {
        message += " (for a decimal comma, turn on \"Decimal comma\")";
    }
    return message;
}

bool ValidChoice(int category, int from, int to) {
    return category >= 0 && category < kCategoryCount && from >= 0 &&
           from < conversion::UnitCount(category) && to >= 0 && to < conversion::UnitCount(category);
}

// The converter for a choice of units and places; null, with the refusal in json, for units or places the
// interface does not have, or the window's tables asked for a unit they lack.
std::unique_ptr<ValueConverter> ChosenConverter(std::string &json, int category, int from, int to, int places,
                                                int comma, int tables) {
    if (!ValidChoice(category, from, to)) {
        AppendRefusal(json, "bad-index", "no such unit");
        return nullptr;
    }
    if (const std::string bad = BadPlaces(places); !bad.empty()) {
        AppendRefusal(json, "bad-index", bad);
        return nullptr;
    }
    const auto [style, fixed] = PlacesChoiceOf(places);
    auto converter = std::make_unique<ValueConverter>(
        conversion::UnitChoice{category, from, to}, style, fixed,
        comma != 0 ? DecimalMark::Comma : DecimalMark::Period,
        tables != 0 ? conversion::Factors::Tables : conversion::Factors::Exact);
    if (std::string problem = converter->TablesProblem(); !problem.empty()) {
        AppendRefusal(json, "not-in-tables", problem);
        return nullptr;
    }
    return converter;
}

// The field `column` (1-based; 0 for the whole line) of a tab-separated line, or nullopt when it has fewer.
std::optional<std::string_view> FieldOf(std::string_view line, int column) {
    if (column <= 0) {
        return line;
    }
    for (int i = 1; i < column; ++i) {
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos) {
            return std::nullopt;
        }
        line.remove_prefix(tab + 1);
    }
    return line.substr(0, line.find('\t'));
}

} // namespace

namespace quorlex::web {

// The refusals of a run kept for the page to list; the rest are counted.
constexpr std::size_t kRefusalsKept = 1000;

void PageRefusals::Refuse(const std::string &where, const std::string &what) {
    std::string message = where;
    message += ": ";
    message += what;
    if (!keepGoing_) {
        throw delimited::InputFault(message);
    }
    ++count_;
    if (kept_.size() < kRefusalsKept) {
        kept_.push_back(std::move(message));
    }
}

void PageRefusals::TakeInto(std::string &json) {
    json += '[';
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        json += i == 0 ? "" : ",";
        AppendJsonString(json, kept_[i]);
    }
    json += ']';
    kept_.clear();
}

FileRun &TheFileRun() {
    static FileRun run;
    return run;
}

} // namespace quorlex::web

extern "C" {

// A pasted block converted line by line: {"copy": the results one a line (blank for a blank or refused
// value), "shown": the same with each refusal in its place, "refused": their count, "columns": the most
// tab-separated columns of a line}. column: 1-based, 0 for whole lines; header: the first line is kept as
// it is.
const char *qx_convert_lines(int category, int from, int to, const char *text, int textLength, int column,
                             int header, int places, int comma, int tables) {
    return Answering([=](std::string &json) {
        const auto converter = ChosenConverter(json, category, from, to, places, comma, tables);
        if (!converter) {
            return;
        }
        std::string_view rest = TextOf(text, textLength);
        // A final line ending ends the last line; it starts no line of its own.
        if (rest.ends_with('\n')) {
            rest.remove_suffix(1);
        }
        std::string copy;
        std::string shown;
        std::string result;
        long long refused = 0;
        std::size_t columns = 1;
        std::size_t line = 0;
        const auto refuse = [&](const std::string &why) {
            ++refused;
            shown += "\u2716 line ";
            shown += std::to_string(line);
            shown += ": ";
            shown += why;
        };
        while (!rest.empty() || line == 0) {
            ++line;
            const auto end = rest.find('\n');
            std::string_view whole = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            if (whole.ends_with('\r')) {
                whole.remove_suffix(1);
            }
            columns =
                std::max(columns, static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '\t')) + 1);
            if (line > 1) {
                copy += '\n';
                shown += '\n';
            }
            if (line == 1 && header != 0) {
                const auto field = FieldOf(whole, column);
                copy += field.value_or(std::string_view());
                shown += field.value_or(std::string_view());
                continue;
            }
            const auto field = FieldOf(whole, column);
            if (!field) {
                refuse("the line has no column " + std::to_string(column));
            } else if (field->size() > kLongestPastedLine) {
                refuse("a value of " + std::to_string(field->size()) + " bytes is no number");
            } else if (const auto refusal = converter->Convert(*field, result);
                       refusal != ValueConverter::Refusal::None) {
                refuse(DescribeForPage(*converter, refusal, *field));
            } else {
                copy += result;
                shown += result;
            }
        }
        json += '{';
        AppendJsonKey(json, "copy", true);
        AppendJsonString(json, copy);
        AppendJsonKey(json, "shown");
        AppendJsonString(json, shown);
        AppendJsonKey(json, "refused");
        json += std::to_string(refused);
        AppendJsonKey(json, "lines");
        json += std::to_string(line);
        AppendJsonKey(json, "columns");
        json += std::to_string(columns);
        json += '}';
    });
}

// The first records of a delimited file, for the page to show and to offer its columns:
// {"records": [[field, ...], ...], "fault": why they end early, or ""}.
const char *qx_table_preview(const char *bytes, int length, int delimiter, int records) {
    return Answering([=](std::string &json) {
        std::string_view data = TextOf(bytes, length);
        if (data.starts_with("\xEF\xBB\xBF")) {
            data.remove_prefix(3);
        }
        delimited::CsvSplitter splitter(static_cast<char>(delimiter));
        delimited::CsvRecord record;
        std::string scratch;
        std::string fault;
        json += "{\"records\":[";
        for (int count = 0; count < records;) {
            const auto result = splitter.Split(data, false, record);
            if (result != delimited::CsvSplitter::Result::Record) {
                if (result == delimited::CsvSplitter::Result::Malformed) {
                    fault = "line " + std::to_string(splitter.FaultLine()) + ": not delimited text";
                }
                break;
            }
            data.remove_prefix(record.Size());
            if (record.Blank()) {
                continue;
            }
            json += count++ == 0 ? "[" : ",[";
            for (std::size_t i = 0; i < record.fields.size(); ++i) {
                json += i == 0 ? "" : ",";
                AppendJsonString(json, delimited::CsvFieldText(record, record.fields[i], scratch));
            }
            json += ']';
        }
        json += ']';
        AppendJsonKey(json, "fault");
        AppendJsonString(json, fault);
        json += '}';
    });
}

// Starts converting a column of a delimited file, as quorlex-convert --csv FILE --column COLUMN FROM TO
// does (replace: --replace; header 0: --no-header; keepGoing: --keep-going).
const char *qx_table_begin(int category, int from, int to, const char *column, int columnLength, int header,
                           int delimiter, int replace, int places, int comma, int tables, int keepGoing) {
    return Answering([=](std::string &json) {
        FileRun &file = TheFileRun();
        file = FileRun();
        file.converter = ChosenConverter(json, category, from, to, places, comma, tables);
        if (!file.converter) {
            return;
        }
        delimited::ColumnLayout layout{std::string(TextOf(column, columnLength)),
                                       header != 0,
                                       static_cast<char>(delimiter),
                                       replace != 0,
                                       std::string(conversion::SymbolOf(category, to)),
                                       "Column"};
        if (layout.column.empty() || (!layout.header && !delimited::IsColumnPosition(layout.column))) {
            AppendRefusal(json, "layout",
                          "Column: without a header line, a column is a position (1 for the first)");
            return;
        }
        file.refusals = std::make_unique<PageRefusals>(keepGoing != 0);
        file.run = std::make_unique<delimited::ColumnConversion>(std::move(layout), *file.converter,
                                                                 *file.refusals, &DescribeForPage);
        json += "{\"ok\":true}";
    });
}

// The next piece of the file (final: the last); its output waits at qx_table_output, of the answer's
// "size" bytes: {"ok":true,"size":N,"rows":R,"finished":F,"refusals":[the new ones],"refused":count}, or a
// refusal of kind "layout" (the column) or "fault" (input that is not delimited text, or a refused row
// without keep going).
const char *qx_table_feed(const char *bytes, int length, int final) {
    return Answering([=](std::string &json) {
        FileRun &file = TheFileRun();
        if (!file.run) {
            AppendRefusal(json, "no-run", "no file is being converted");
            return;
        }
        file.output.clear();
        file.pending.append(TextOf(bytes, length));
        try {
            const std::size_t used = file.run->Feed(file.pending, final != 0, file.output);
            file.pending.erase(0, used);
        } catch (const delimited::LayoutError &error) {
            file.run.reset();
            AppendRefusal(json, "layout", error.what());
            return;
        } catch (const delimited::InputFault &error) {
            file.run.reset();
            AppendRefusal(json, "fault", error.what());
            return;
        }
        json += "{\"ok\":true";
        AppendJsonKey(json, "size");
        json += std::to_string(file.output.size());
        AppendJsonKey(json, "rows");
        json += std::to_string(file.run->Rows());
        AppendJsonKey(json, "finished");
        json += file.run->Finished() ? "true" : "false";
        AppendJsonKey(json, "refusals");
        file.refusals->TakeInto(json);
        AppendJsonKey(json, "refused");
        json += std::to_string(file.refusals->Count());
        json += '}';
    });
}

// The output of the last piece: qx_table_feed's "size" bytes.
const char *qx_table_output() {
    return TheFileRun().output.data();
}

} // extern "C"
