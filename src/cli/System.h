#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Every call into the operating system that the command line makes: the process set-up, the command line's
// arguments, terminals, reading and writing file descriptors, file identity and the temporary output file.
// Everything else in the command line is standard C++, so a port touches this pair of files only.
namespace quorlex::cli::sys {

inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;
inline constexpr int kStandardError = 2;

// Once at start: a write to a closed pipe reports an error instead of ending the process, and the standard
// streams carry bytes unchanged.
void PrepareProcess();

// The arguments as UTF-8 texts, the program name first.
std::vector<std::string> Arguments(int argc, char **argv);

bool IsTerminal(int fd);

// Opens a file for reading; throws InputOutputError naming the file and the reason.
int OpenForReading(const std::filesystem::path &path);
void Close(int fd);

// Reads up to size bytes; 0 at the end. Throws InputOutputError (naming `what`) on a failure.
std::size_t ReadSome(int fd, char *buffer, std::size_t size, const std::string &what);

// Writes every byte. False when the reader has gone (a closed pipe); throws InputOutputError (naming
// `what`) on any other failure.
bool WriteAll(int fd, const char *data, std::size_t size, const std::string &what);

// The size of the file behind a descriptor, when it is a regular file.
std::optional<std::uint64_t> RegularFileSize(int fd);

// Whether two paths name the same file (not the same text): both exist and are one file.
bool SameFile(const std::filesystem::path &a, const std::filesystem::path &b);

// Whether a descriptor reads the file a path names.
bool DescriptorIsFile(int fd, const std::filesystem::path &path);

// A new, empty file in the directory of target, for writing, removed when a signal ends the process.
struct TemporaryFile {
    int fd = -1;
    std::filesystem::path path;
};
TemporaryFile CreateTemporaryBeside(const std::filesystem::path &target);

// Closes the temporary file and renames it over target; throws InputOutputError on a failure.
void CommitTemporary(TemporaryFile &file, const std::filesystem::path &target);

// Closes and removes the temporary file; never throws.
void DiscardTemporary(TemporaryFile &file) noexcept;

// The reason of the last failed call, as a text ("No such file or directory").
std::string LastErrorText();

} // namespace quorlex::cli::sys
