#include "cli/Refusals.h"

#include "cli/Failure.h"
#include "cli/Messages.h"
#include "cli/OutputSink.h"
#include "cli/Progress.h"

namespace quorlex::cli {

void Refusals::Refuse(const std::string &where, const std::string &what) {
    ++count_;
    std::string message = where;
    message += ": ";
    message += what;
    if (!keepGoing_) {
        throw DataError(message);
    }
    // The results before the refusal go out first, so that a terminal shows them in order.
    if (pending_ != nullptr) {
        out_.Append(*pending_);
        pending_->clear();
    }
    out_.Flush();
    if (progress_ != nullptr) {
        progress_->Clear();
    }
    PrintMessage(message);
}

} // namespace quorlex::cli
