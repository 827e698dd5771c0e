#pragma once

#include "cli/OutputSink.h"
#include "cli/System.h"

#include <string>

namespace quorlex::cli {

// Where a run writes: standard output, or a file (-o) that is written as a temporary file beside it and
// renamed over it only by Commit. A target destroyed without Commit removes its temporary file, so a
// failed run leaves the old file as it was and nothing beside it. A symbolic link is followed: the file it
// leads to is replaced and the link stays. A device, a FIFO or a socket is written into directly, as
// standard output is: a file renamed over it would take its place.
class OutputTarget {
public:
    // Standard output for an empty path.
    explicit OutputTarget(const std::string &path);
    OutputTarget(const OutputTarget &) = delete;
    OutputTarget &operator=(const OutputTarget &) = delete;
    ~OutputTarget();

    OutputSink &Sink() { return sink_; }

    // Writes out everything; for a file, puts it in place of the old one.
    void Commit();

    // Writes out what is collected for standard output or a device (a failed run keeps what it wrote
    // there); for a file, drops it.
    void Abandon() noexcept;

private:
    sys::DirectOutput direct_;
    std::string file_; // the file the temporary file replaces, its links followed
    sys::TemporaryFile temporary_;
    OutputSink sink_;
};

// Refuses (UsageError) an output file that is the input file itself, by identity, not by name: the input
// would be gone before it is read. An empty output is standard output; an input of "" or "-" standard input.
void RefuseWritingOverInput(const std::string &inputPath, const std::string &output);

} // namespace quorlex::cli
