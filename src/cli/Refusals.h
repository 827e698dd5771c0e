#pragma once

#include "delimited/TableRun.h"

#include <string>

namespace quorlex::cli {

class OutputSink;
class Progress;

// What a run does with a refused value or row: by default it stops (DataError); with --keep-going it
// reports the refusal on standard error, after what is already written, and goes on.
class Refusals : public delimited::RowRefusals {
public:
    Refusals(bool keepGoing, OutputSink &out) : keepGoing_(keepGoing), out_(out) {}

    void SetProgress(Progress *progress) { progress_ = progress; }
    // Output not in the sink yet, which goes out before a reported refusal; null for none.
    void SetPending(std::string *pending) { pending_ = pending; }

    // where: "line 17, column \"fuel_load\"", "argument 3"; what: "\"12,5\" is not a number".
    void Refuse(const std::string &where, const std::string &what) override;

    bool Any() const { return count_ > 0; }

private:
    bool keepGoing_;
    OutputSink &out_;
    Progress *progress_ = nullptr;
    std::string *pending_ = nullptr;
    long long count_ = 0;
};

} // namespace quorlex::cli
