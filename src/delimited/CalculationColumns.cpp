#include "delimited/CalculationColumns.h"

#include "conversion/Quoted.h"
#include "delimited/CsvWriter.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quorlex::delimited {

namespace {

constexpr std::size_t kNoColumn = std::numeric_limits<std::size_t>::max();

std::string ColumnLabel(const relations::Calculator &calculator, std::size_t input) {
    std::string label(calculator.Of().inputs[input].name);
    label += ": column";
    return label;
}

} // namespace

CalculationColumns::CalculationColumns(const relations::Calculator &calculator,
                                       std::vector<CalculationInput> inputs, std::string outputHeader,
                                       bool header, char delimiter, bool details, RowRefusals &refusals)
    : TableRun(delimiter, header), calculator_(calculator), inputs_(std::move(inputs)),
      outputHeader_(std::move(outputHeader)), delimiter_(delimiter), details_(details), refusals_(refusals),
      columns_(inputs_.size(), kNoColumn), scratch_(inputs_.size()), texts_(inputs_.size()) {}

void CalculationColumns::SettleLast() {
    bool any = false;
    for (const std::size_t column : columns_) {
        if (column != kNoColumn) {
            last_ = any ? std::max(last_, column) : column;
            any = true;
        }
    }
    if (!any) {
        throw LayoutError("with --csv, at least one input comes from a column: NAME=COLUMN[UNIT]");
    }
}

void CalculationColumns::Header(const CsvRecord &header, std::string &out) {
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        if (inputs_[i].column) {
            std::string name;
            columns_[i] = FindColumn(header, inputs_[i].text, ColumnLabel(calculator_, i), name);
        }
    }
    SettleLast();
    if (details_) {
        const std::array<std::string_view, 3> names{outputHeader_, "class", "warning"};
        WriteCsvRecord(out, header, last_, names, delimiter_);
    } else {
        WriteCsvRecord(out, header, last_, outputHeader_, false, delimiter_);
    }
}

void CalculationColumns::NoHeader() {
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        if (!inputs_[i].column) {
            continue;
        }
        const std::string &column = inputs_[i].text;
        if (!IsColumnPosition(column) || column.find_first_not_of('0') == std::string::npos) {
            throw LayoutError(ColumnLabel(calculator_, i) + " " + conversion::Quoted(column) +
                              ": with --no-header, a column is a position (1 for the first)");
        }
        columns_[i] = IndexOfPosition(column);
    }
    SettleLast();
}

void CalculationColumns::Row(const CsvRecord &record, std::string &out) {
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        if (columns_[i] == kNoColumn) {
            texts_[i] = inputs_[i].text;
        } else if (columns_[i] < record.fields.size()) {
            texts_[i] = CsvFieldText(record, record.fields[columns_[i]], scratch_[i]);
        } else {
            std::string what = "column for ";
            what += calculator_.Of().inputs[i].name;
            refusals_.Refuse(LineText(record), TooFewFields(record.fields.size(), what));
            out.append(record.bytes);
            out.append(record.ending);
            return;
        }
    }
    const relations::Answer answer = calculator_.Compute(texts_);
    if (!answer) {
        refusals_.Refuse(LineText(record), answer.message);
    }
    if (details_) {
        std::string warnings;
        for (const std::string &warning : answer.warnings) {
            warnings += warnings.empty() ? "" : "; ";
            warnings += warning;
        }
        const std::array<std::string_view, 3> fields{answer.text, answer.chartLine, warnings};
        WriteCsvRecord(out, record, last_, fields, delimiter_);
    } else {
        WriteCsvRecord(out, record, last_, answer.text, false, delimiter_);
    }
}

} // namespace quorlex::delimited
