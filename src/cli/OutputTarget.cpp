#include "cli/OutputTarget.h"

#include "cli/Failure.h"
#include "cli/Messages.h"

namespace quorlex::cli {

namespace {

sys::DirectOutput DirectFor(const std::string &path) {
    return path.empty() ? sys::DirectOutput{sys::kStandardOutput, false} : sys::OpenDirectOutput(path);
}

} // namespace

OutputTarget::OutputTarget(const std::string &path)
    : direct_(DirectFor(path)), file_(direct_.fd >= 0 ? std::string() : sys::FollowLinks(path)),
      temporary_(file_.empty() ? sys::TemporaryFile{} : sys::CreateTemporaryBeside(file_)),
      sink_(direct_.fd >= 0 ? direct_.fd : temporary_.fd,
            path.empty() ? std::string("standard output") : "\"" + path + "\"") {}

OutputTarget::~OutputTarget() {
    Abandon();
    sys::CloseDirectOutput(direct_);
}

void OutputTarget::Commit() {
    sink_.Flush();
    if (temporary_.fd >= 0) {
        sys::CommitTemporary(temporary_, file_);
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

void RefuseWritingOverInput(const std::string &inputPath, const std::string &output) {
    if (output.empty()) {
        return;
    }
    const bool standardInput = inputPath.empty() || inputPath == "-";
    if (standardInput ? sys::DescriptorIsFile(sys::kStandardInput, output)
                      : sys::SameFile(inputPath, output)) {
        throw UsageError("-o " + Quoted(output) + " is the input file itself; write to another file");
    }
}

} // namespace quorlex::cli
