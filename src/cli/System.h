#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Every call into the operating system that the command line makes: the process set-up, the command line's
// arguments, terminals, reading and writing file descriptors, file identity and the temporary output file.
// Everything else in the command line is standard C++. SystemPosix.cpp and SystemWindows.cpp hold the two
// systems' calls, System.cpp what both share. File names are UTF-8 texts everywhere above this layer.
namespace quorlex::cli::sys {

inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;
inline constexpr int kStandardError = 2;

// Once at start: a write to a closed pipe reports an error instead of ending the process, and the standard
// streams carry bytes unchanged (no line endings added or taken away on Windows).
void PrepareProcess();

// The arguments as UTF-8 texts, the program name first. On Windows they come from the wide command line,
// so that °F, m² and file names outside the code page arrive whole.
#ifdef _WIN32
std::vector<std::string> Arguments(int argc, wchar_t **argv);
#else
std::vector<std::string> Arguments(int argc, char **argv);
#endif

// The file a UTF-8 file name names.
std::filesystem::path PathOf(const std::string &name);

bool IsTerminal(int fd);

// Opens a file for reading; throws InputOutputError naming the file and the reason.
int OpenForReading(const std::string &path);
void Close(int fd);

// Reads up to size bytes; 0 at the end. Throws InputOutputError (naming `what`) on a failure.
std::size_t ReadSome(int fd, char *buffer, std::size_t size, const std::string &what);

// Writes every byte. False when the reader has gone (a closed pipe); throws InputOutputError (naming
// `what`) on any other failure.
bool WriteAll(int fd, const char *data, std::size_t size, const std::string &what);

// The size of the file behind a descriptor, when it is a regular file.
std::optional<std::uint64_t> RegularFileSize(int fd);

// Whether two paths name the same regular file (not the same text): both exist and are one file. A device
// or a pipe read and written at once is no file written over.
bool SameFile(const std::string &a, const std::string &b);

// Whether a descriptor reads the regular file a path names. On Windows, whose C runtime has no file
// numbers, a regular file of the same size and the same creation and modification times counts as the
// same file.
bool DescriptorIsFile(int fd, const std::string &path);

// Output that goes straight into what a path names rather than through a temporary file: a character or
// block device, a FIFO or a socket (on Linux also a descriptor of this process named by /dev/stdout,
// /dev/fd/N or /proc/self/fd/N), for which a renamed file would take the place of the device or the pipe.
// `closes`: the descriptor was opened here, and is closed by CloseDirectOutput.
struct DirectOutput {
    int fd = -1;
    bool closes = false;
};

// The direct output a path names, opened for writing as a shell's `>` opens it; fd -1 for a regular file, a
// directory or a name that names nothing, which are written through a temporary file. Throws
// InputOutputError when the device or the pipe cannot be opened.
DirectOutput OpenDirectOutput(const std::string &path);

// Closes a direct output opened here; leaves a descriptor the process had open.
void CloseDirectOutput(DirectOutput &output) noexcept;

// The name of the file a path leads to once its symbolic links are followed, the path itself when it is no
// link: the file that an output's temporary file replaces, so that the link stays a link. A link to a
// missing file leads to that missing file. Throws InputOutputError for a loop of links.
std::string FollowLinks(const std::string &path);

// A new, empty file in the directory of target, for writing, removed when a signal ends the process.
struct TemporaryFile {
    int fd = -1;
    std::string path;
};
TemporaryFile CreateTemporaryBeside(const std::string &target);

// Closes the temporary file and renames it over target; throws InputOutputError on a failure.
void CommitTemporary(TemporaryFile &file, const std::string &target);

// Closes and removes the temporary file; never throws.
void DiscardTemporary(TemporaryFile &file) noexcept;

// The reason of the last failed call, as a text ("No such file or directory").
std::string LastErrorText();

} // namespace quorlex::cli::sys
