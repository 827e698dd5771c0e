#pragma once

#include "conversion/ValueConverter.h"
#include "delimited/TableRun.h"
#include "relations/Calculation.h"

#include <memory>
#include <string>
#include <vector>

namespace quorlex::web {

// The refusals of the page's file run: with keep going, the first ones are kept for the page to list and
// all are counted; without, the first stops the run.
class PageRefusals : public delimited::RowRefusals {
public:
    explicit PageRefusals(bool keepGoing) : keepGoing_(keepGoing) {}
    void Refuse(const std::string &where, const std::string &what) override;
    // The refusals kept since the last call, as a JSON array; forgets them.
    void TakeInto(std::string &json);
    long long Count() const { return count_; }

private:
    bool keepGoing_;
    std::vector<std::string> kept_;
    long long count_ = 0;
};

// The one file run of the module (the page runs one file at a time): a column converted or a fire
// calculation over columns, and what it keeps between the pieces of the file.
struct FileRun {
    std::unique_ptr<conversion::ValueConverter> converter;
    std::unique_ptr<relations::Calculator> calculator;
    std::unique_ptr<PageRefusals> refusals;
    std::unique_ptr<delimited::TableRun> run;
    std::string pending; // the start of a record not whole yet
    std::string output;  // what the last piece gave
};

FileRun &TheFileRun();

} // namespace quorlex::web
