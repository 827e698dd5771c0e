#include "cli/OutputTarget.h"

#include "cli/Failure.h"

namespace quorlex::cli {

namespace {

sys::TemporaryFile TemporaryFor(const std::string &path) {
    return path.empty() ? sys::TemporaryFile{} : sys::CreateTemporaryBeside(path);
}

} // namespace

OutputTarget::OutputTarget(const std::string &path)
    : path_(path), temporary_(TemporaryFor(path)),
      sink_(path.empty() ? sys::kStandardOutput : temporary_.fd,
            path.empty() ? std::string("standard output") : "\"" + path + "\"") {}

OutputTarget::~OutputTarget() {
    Abandon();
}

void OutputTarget::Commit() {
    sink_.Flush();
    if (temporary_.fd >= 0) {
        sys::CommitTemporary(temporary_, path_);
    }
}

void OutputTarget::Abandon() noexcept {
    if (temporary_.fd >= 0 || !temporary_.path.empty()) {
        sink_.Discard();
        sys::DiscardTemporary(temporary_);
        return;
    }
    try {
        sink_.Flush();
    } catch (...) {
        // The reader has gone or the output failed: nothing more can reach it.
    }
}

} // namespace quorlex::cli
