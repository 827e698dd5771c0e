#pragma once

#include "delimited/TableRun.h"
#include "relations/Calculation.h"

#include <string>
#include <vector>

namespace quorlex::delimited {

// An input of a calculation over a delimited text: a column (a header name, or a 1-based position
// without a header), or one value for every row (empty when the input is not given).
struct CalculationInput {
    bool column = false;
    std::string text;
};

// Computes a fire calculation for each row of a delimited text, its inputs read from columns: the answer
// follows the rightmost input column, named "OUTPUT [UNIT]" in the header; with details, the row's chart
// class and warnings follow it. A refused row goes to the refusals and is written with an empty answer;
// a row without an input's column is written as read.
class CalculationColumns : public TableRun {
public:
    // outputHeader: "flame-length [ft]".
    CalculationColumns(const relations::Calculator &calculator, std::vector<CalculationInput> inputs,
                       std::string outputHeader, bool header, char delimiter, bool details,
                       RowRefusals &refusals);

private:
    void Header(const CsvRecord &header, std::string &out) override;
    void NoHeader() override;
    void Row(const CsvRecord &record, std::string &out) override;
    // The rightmost input column, once the columns are known; throws when no input comes from one.
    void SettleLast();

    const relations::Calculator &calculator_;
    std::vector<CalculationInput> inputs_;
    std::string outputHeader_;
    char delimiter_;
    bool details_;
    RowRefusals &refusals_;
    std::vector<std::size_t> columns_;
    std::size_t last_ = 0;
    std::vector<std::string> scratch_;
    std::vector<std::string_view> texts_;
};

} // namespace quorlex::delimited
