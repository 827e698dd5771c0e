// Runs the command line's cases through the built program and compares what it does with what each case
// expects: standard output byte for byte, standard error against a pattern, the exit status, and the
// files left in the case's directory.
//
//   cli_case_driver --program PATH [--launcher "COMMAND ARGS"] [--locale NAME] [--system posix|windows]
//                   CASEFILE...
//
// --launcher runs the program through another (an emulator); --locale fails the run unless that locale
// exists, so that a run meant for a decimal-comma locale cannot pass without one; --system names the system
// the program is built for (posix when not given). A case file holds cases one after the other:
//
//   === what the case shows
//   args: --csv "in put.csv" --column 2 kg lb       arguments, split at blanks; "..." keeps blanks
//   file in put.csv: a,b\n1,2\n                     a file created in the case's fresh directory
//   link out.csv: real.csv                          a symbolic link created there, to that target
//   fifo out.pipe:                                  a FIFO created there, read while the program runs
//   device out.null: 1,3                            a character device (major,minor) created there;
//                                                   the case is skipped, saying why, when it cannot be
//   system: posix                                   the case runs only for a program of that system
//   stdin: 1\n2\n                                   standard input (none: empty)
//   stdin-file: in.csv                              standard input read from a file of the case
//   close-stdout: yes                               standard output is a pipe nobody reads
//   env: NAME=VALUE                                 one more environment variable
//   stdout: ...                                     expected standard output (none: empty)
//   stdout-matches: REGEX                           instead: a pattern standard output must contain
//   stderr: REGEX                                   a pattern standard error must contain (none: empty)
//   exit: 2                                         expected exit status (none: 0)
//   after out.csv: ...                              the file's content afterwards
//   files: in.csv out.csv                           exactly these files afterwards, nothing else
//
// A link, a FIFO or a device a case makes must be just that afterwards (the link to the same target); the
// "after" of a FIFO is what the driver read from it.
//
// Patterns are POSIX extended regular expressions, with \n and \t for a line feed and a tab. Values take
// the escapes \n \r \t \0 \\ \" and \xHH. A key with nothing after its colon takes the lines
// that follow and start with "| ", each with a line feed.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex.h>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Case {
    std::string name;
    std::string where; // file:line
    std::vector<std::string> args;
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::pair<std::string, std::string>> links;
    std::vector<std::string> fifos;
    std::vector<std::pair<std::string, std::string>> devices;
    std::string system;
    std::string stdinText;
    std::string stdinFile;
    bool closeStdout = false;
    std::vector<std::string> env;
    std::string stdoutText;
    std::string stdoutPattern;
    bool stdoutPatternGiven = false;
    std::string stderrPattern;
    bool stderrGiven = false;
    int exitCode = 0;
    std::vector<std::pair<std::string, std::string>> after;
    bool filesGiven = false;
    std::set<std::string> filesAfter;
};

std::string Unescape(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        switch (c) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        case 'x':
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

// Arguments split at blanks; double quotes keep blanks (and make an empty argument); escapes apply.
std::vector<std::string> SplitArguments(const std::string &text) {
    std::vector<std::string> args;
    std::string current;
    bool inQuotes = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            current += c;
            current += text[++i];
            any = true;
        } else if (c == '"') {
            inQuotes = !inQuotes;
            any = true;
        } else if (c == ' ' && !inQuotes) {
            if (any) {
                args.push_back(Unescape(current));
            }
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) {
        args.push_back(Unescape(current));
    }
    return args;
}

std::vector<Case> ReadCases(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    std::vector<Case> cases;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string where = path + ":" + std::to_string(i + 1);
        if (line.starts_with("=== ")) {
            cases.push_back({});
            cases.back().name = line.substr(4);
            cases.back().where = where;
            continue;
        }
        const auto colon = line.find(':');
        if (cases.empty() || colon == std::string::npos) {
            throw std::runtime_error(where + ": not a case line");
        }
        const std::string key = line.substr(0, colon);
        std::string value = colon + 1 < line.size() && line[colon + 1] == ' ' ? line.substr(colon + 2) : "";
        if (colon + 1 == line.size()) {
            // The block of "| " lines that follows.
            while (i + 1 < lines.size() && (lines[i + 1].starts_with("| ") || lines[i + 1] == "|")) {
                ++i;
                value += lines[i].substr(std::min<std::size_t>(2, lines[i].size())) + "\n";
            }
        }
        Case &c = cases.back();
        if (key == "args") {
            c.args = SplitArguments(value);
        } else if (key.starts_with("file ")) {
            c.files.emplace_back(key.substr(5), Unescape(value));
        } else if (key.starts_with("link ")) {
            c.links.emplace_back(key.substr(5), value);
        } else if (key.starts_with("fifo ")) {
            c.fifos.push_back(key.substr(5));
        } else if (key.starts_with("device ")) {
            c.devices.emplace_back(key.substr(7), value);
        } else if (key == "system") {
            c.system = value;
        } else if (key == "stdin") {
            c.stdinText = Unescape(value);
        } else if (key == "stdin-file") {
            c.stdinFile = value;
        } else if (key == "close-stdout") {
            c.closeStdout = value == "yes";
        } else if (key == "env") {
            c.env.push_back(value);
        } else if (key == "stdout") {
            c.stdoutText = Unescape(value);
        } else if (key == "stdout-matches") {
            c.stdoutPattern = value;
            c.stdoutPatternGiven = true;
        } else if (key == "stderr") {
            c.stderrPattern = value;
            c.stderrGiven = true;
        } else if (key == "exit") {
            c.exitCode = std::stoi(value);
        } else if (key.starts_with("after ")) {
            c.after.emplace_back(key.substr(6), Unescape(value));
        } else if (key == "files") {
            c.filesGiven = true;
            std::istringstream names(value);
            for (std::string name; names >> name;) {
                c.filesAfter.insert(name);
            }
        } else {
            std::string message = where;
            message += ": unknown key ";
            message += key;
            throw std::runtime_error(message);
        }
    }
    return cases;
}

std::string ReadFile(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const fs::path &path, const std::string &content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
}

// A text with its control bytes escaped, for reports.
std::string Shown(const std::string &text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

// Makes the links, FIFOs and devices of a case in its directory; the reason when the case cannot run here
// (a device needs root), else empty.
std::string MakeSpecialFiles(const Case &c, const fs::path &directory) {
    for (const auto &[name, target] : c.links) {
        fs::create_symlink(target, directory / name);
    }
    for (const auto &name : c.fifos) {
        if (::mkfifo((directory / name).c_str(), 0600) != 0) {
            throw std::runtime_error("cannot make the FIFO " + name + ": " + std::strerror(errno));
        }
    }
    for (const auto &[name, numbers] : c.devices) {
        if (::geteuid() != 0) {
            return "making the device " + name + " needs root";
        }
        const auto comma = numbers.find(',');
        const dev_t number =
            ::makedev(std::stoul(numbers.substr(0, comma)), std::stoul(numbers.substr(comma + 1)));
        if (::mknod((directory / name).c_str(), S_IFCHR | 0666, number) != 0) {
            return "cannot make the device " + name + ": " + std::strerror(errno);
        }
    }
    return {};
}

// Whether a text contains a match of a POSIX extended regular expression, in which \n and \t stand for a
// line feed and a tab, and "." matches line feeds too. Throws for a pattern that does not compile.
bool Contains(const std::string &text, const std::string &pattern) {
    std::string expression;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\\' && i + 1 < pattern.size()) {
            const char next = pattern[++i];
            if (next == 'n') {
                expression += '\n';
            } else if (next == 't') {
                expression += '\t';
            } else {
                expression += '\\';
                expression += next;
            }
            continue;
        }
        expression += pattern[i];
    }
    regex_t compiled;
    if (::regcomp(&compiled, expression.c_str(), REG_EXTENDED | REG_NOSUB) != 0) {
        throw std::runtime_error("not a regular expression: " + pattern);
    }
    const bool found = ::regexec(&compiled, text.c_str(), 0, nullptr, 0) == 0;
    ::regfree(&compiled);
    return found;
}

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
    std::map<std::string, std::string> fifos; // what was read from each FIFO
};

Outcome Run(const Case &c, const std::vector<std::string> &command, const fs::path &directory,
            const fs::path &scratch) {
    const fs::path inPath = scratch / "stdin";
    const fs::path outPath = scratch / "stdout";
    const fs::path errPath = scratch / "stderr";
    WriteFile(inPath, c.stdinText);
    int closedPipe[2] = {-1, -1};
    if (c.closeStdout && ::pipe(closedPipe) != 0) {
        throw std::runtime_error("no pipe");
    }
    // Open before the program starts, without waiting for a writer, so that its open for writing finds a
    // reader.
    std::vector<std::pair<std::string, int>> readers;
    for (const auto &name : c.fifos) {
        const int fd = ::open((directory / name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            throw std::runtime_error("cannot open the FIFO " + name);
        }
        readers.emplace_back(name, fd);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(directory.c_str()) != 0) {
            std::_Exit(120);
        }
        const int in = ::open(c.stdinFile.empty() ? inPath.c_str() : c.stdinFile.c_str(), O_RDONLY);
        const int out =
            c.closeStdout ? closedPipe[1] : ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (c.closeStdout) {
            ::close(closedPipe[0]);
        }
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        // The program starts as from a shell: SIGPIPE at its default.
        std::signal(SIGPIPE, SIG_DFL);
        for (const auto &variable : c.env) {
            ::putenv(const_cast<char *>(variable.c_str()));
        }
        std::vector<char *> argv;
        argv.reserve(command.size() + c.args.size() + 1);
        for (const auto &word : command) {
            argv.push_back(const_cast<char *>(word.c_str()));
        }
        for (const auto &arg : c.args) {
            argv.push_back(const_cast<char *>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        std::_Exit(121);
    }
    if (c.closeStdout) {
        ::close(closedPipe[0]);
        ::close(closedPipe[1]);
    }
    Outcome outcome;
    int status = 0;
    // The FIFOs are read while the program writes into them, and what is left in them once it has ended.
    for (bool running = true; running;) {
        running = ::waitpid(child, &status, readers.empty() ? 0 : WNOHANG) == 0;
        bool readSome = false;
        for (const auto &[name, fd] : readers) {
            char buffer[4096];
            for (ssize_t count = 0; (count = ::read(fd, buffer, sizeof buffer)) > 0;) {
                outcome.fifos[name].append(buffer, static_cast<std::size_t>(count));
                readSome = true;
            }
        }
        if (running && !readSome) {
            ::usleep(1000);
        }
    }
    for (const auto &reader : readers) {
        ::close(reader.second);
    }
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.out = c.closeStdout ? std::string() : ReadFile(outPath);
    outcome.err = ReadFile(errPath);
    return outcome;
}

// What is wrong with a case's run; empty when nothing is.
std::string Check(const Case &c, const Outcome &outcome, const fs::path &directory) {
    std::string problems;
    if (outcome.status != c.exitCode) {
        problems += "  exit status " + std::to_string(outcome.status) + ", expected " +
                    std::to_string(c.exitCode) + "\n";
    }
    if (c.stdoutPatternGiven ? !Contains(outcome.out, c.stdoutPattern) : outcome.out != c.stdoutText) {
        problems += "  standard output: " + Shown(outcome.out) + "\n  expected:        " +
                    (c.stdoutPatternGiven ? "/" + c.stdoutPattern + "/" : Shown(c.stdoutText)) + "\n";
    }
    const bool errMatches = c.stderrGiven ? Contains(outcome.err, c.stderrPattern) : outcome.err.empty();
    if (!errMatches) {
        problems += "  standard error: " + Shown(outcome.err) + "\n  expected:       " +
                    (c.stderrGiven ? "/" + c.stderrPattern + "/" : std::string("nothing")) + "\n";
    }
    for (const auto &[name, content] : c.after) {
        const fs::path path = directory / name;
        const auto fifo = outcome.fifos.find(name);
        const bool isFifo = fs::is_fifo(fs::symlink_status(path));
        const std::string actual = isFifo             ? (fifo != outcome.fifos.end() ? fifo->second : "")
                                   : fs::exists(path) ? ReadFile(path)
                                                      : std::string("(no such file)");
        if (actual != content) {
            problems += "  " + name + ": " + Shown(actual) + "\n  expected: " + Shown(content) + "\n";
        }
    }
    for (const auto &[name, target] : c.links) {
        std::error_code error;
        if (!fs::is_symlink(directory / name) || fs::read_symlink(directory / name, error) != target) {
            problems += "  " + name + " is no longer a link to ";
            problems += target + "\n";
        }
    }
    for (const auto &name : c.fifos) {
        if (!fs::is_fifo(fs::symlink_status(directory / name))) {
            problems += "  " + name + " is no longer a FIFO\n";
        }
    }
    for (const auto &device : c.devices) {
        if (!fs::is_character_file(fs::symlink_status(directory / device.first))) {
            problems += "  " + device.first + " is no longer a device\n";
        }
    }
    if (c.filesGiven) {
        std::set<std::string> present;
        for (const auto &entry : fs::directory_iterator(directory)) {
            present.insert(entry.path().filename().string());
        }
        if (present != c.filesAfter) {
            problems += "  files afterwards:";
            for (const auto &name : present) {
                problems += " " + name;
            }
            problems += "\n";
        }
    }
    return problems;
}

} // namespace

int main(int argc, char **argv) {
    std::vector<std::string> command;
    std::string program;
    std::string locale;
    std::string system = "posix";
    std::vector<std::string> caseFiles;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program" && i + 1 < argc) {
            program = fs::absolute(argv[++i]).string();
        } else if (arg == "--launcher" && i + 1 < argc) {
            command = SplitArguments(argv[++i]);
        } else if (arg == "--locale" && i + 1 < argc) {
            locale = argv[++i];
        } else if (arg == "--system" && i + 1 < argc) {
            system = argv[++i];
        } else {
            caseFiles.push_back(arg);
        }
    }
    if (program.empty() || caseFiles.empty()) {
        std::cerr << "usage: cli_case_driver --program PATH [--launcher COMMAND] [--locale NAME] [--system "
                     "posix|windows] CASEFILE...\n";
        return 2;
    }
    if (!locale.empty() && std::setlocale(LC_ALL, locale.c_str()) == nullptr) {
        std::cerr << "the locale " << locale << " is missing (./test generates de_DE.UTF-8)\n";
        return 1;
    }
    command.push_back(program);
    if (command.size() > 1 && !command.front().starts_with("/")) {
        // A launcher named without a path is looked up once, here.
        const char *path = std::getenv("PATH");
        std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
        for (std::string folder; std::getline(folders, folder, ':');) {
            if (fs::exists(fs::path(folder) / command.front())) {
                command.front() = (fs::path(folder) / command.front()).string();
                break;
            }
        }
    }

    char scratchTemplate[] = "/tmp/quorlex-cli-cases.XXXXXX";
    const fs::path scratch = ::mkdtemp(scratchTemplate);
    int total = 0;
    int failed = 0;
    int skipped = 0;
    try {
        for (const auto &caseFile : caseFiles) {
            for (const Case &c : ReadCases(caseFile)) {
                ++total;
                const fs::path directory = scratch / ("case" + std::to_string(total));
                fs::create_directory(directory);
                for (const auto &[name, content] : c.files) {
                    WriteFile(directory / name, content);
                }
                std::string skip = c.system.empty() || c.system == system
                                       ? MakeSpecialFiles(c, directory)
                                       : "only for a program built for " + c.system;
                if (!skip.empty()) {
                    ++skipped;
                    std::cout << "skipped " << c.where << ": " << c.name << ": " << skip << "\n";
                    continue;
                }
                Outcome outcome = Run(c, command, directory, scratch);
                // Wine now and then ends a program it failed to start with status 1 and not a byte of
                // output; quorlex-convert itself never exits 1 without a message. Such a run, through a
                // launcher only, is tried again, at most twice, and the retry is reported.
                for (int retry = 1; retry <= 2 && command.size() > 1 && outcome.status == 1 &&
                                    outcome.out.empty() && outcome.err.empty();
                     ++retry) {
                    std::cout << "retried " << c.where << ": " << c.name
                              << ": the launcher ended with status 1 and no output\n";
                    outcome = Run(c, command, directory, scratch);
                }
                const std::string problems = Check(c, outcome, directory);
                if (!problems.empty()) {
                    ++failed;
                    std::cout << "FAILED " << c.where << ": " << c.name << "\n" << problems;
                }
            }
        }
    } catch (const std::exception &error) {
        std::cout << "cannot run the cases: " << error.what() << "\n";
        fs::remove_all(scratch);
        return 1;
    }
    fs::remove_all(scratch);
    std::cout << total << " cases, " << failed << " failed";
    if (skipped > 0) {
        std::cout << ", " << skipped << " skipped";
    }
    std::cout << "\n";
    return failed == 0 && total > 0 ? 0 : 1;
}
