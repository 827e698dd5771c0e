// Runs every quorlex-convert example the user is shown, so that none can stop working unnoticed: the
// command lines of the README (its sh blocks and its inline code), the manual page's EXAMPLES and the
// examples of --help. Each runs through /bin/sh in a fresh directory holding the small files it reads, with
// the built program first on PATH, and must exit with status 0. Where the text gives the result, as a
// comment (`quorlex-convert 12.5 ton/ac kg/m2   # 2.802125`) or in prose (`... m m` gives `0.000015`),
// standard output must be that result and a line feed.
//
//   documented_examples --program PATH --readme README.md --manual quorlex-convert.1
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Example {
    std::string where; // the document and line
    std::string command;
    std::string result; // the documented standard output without its line feed; empty when not given
};

std::string ReadFile(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether a shell command line runs quorlex-convert (first, or at the end of a pipe).
bool RunsTheProgram(const std::string &command) {
    return command.starts_with("quorlex-convert ") || command.find("| quorlex-convert ") != std::string::npos;
}

// A command line with an optional "# comment": the comment is its documented result when it is a number.
Example FromCommandLine(const std::string &where, const std::string &line) {
    static const std::regex number("-?[0-9][0-9.,]*(E[-+][0-9]+)?");
    const auto hash = line.find(" #");
    Example example{where, Trimmed(line.substr(0, hash)), {}};
    if (hash != std::string::npos) {
        const std::string comment = Trimmed(line.substr(hash + 2));
        if (std::regex_match(comment, number)) {
            example.result = comment;
        }
    }
    return example;
}

// The README's sh blocks, and its inline code `quorlex-convert ...`, optionally followed by gives `RESULT`.
void ReadmeExamples(const fs::path &path, std::vector<Example> &examples) {
    static const std::regex inlineCode("`(quorlex-convert [^`]+)`( gives `([^`]+)`)?");
    const auto lines = Lines(ReadFile(path));
    bool inBlock = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where = path.filename().string() + ":" + std::to_string(i + 1);
        const std::string &line = lines[i];
        if (line.starts_with("```")) {
            inBlock = !inBlock && line == "```sh";
            continue;
        }
        if (inBlock) {
            const Example example = FromCommandLine(where, line);
            if (RunsTheProgram(example.command)) {
                examples.push_back(example);
            }
            continue;
        }
        for (std::sregex_iterator match(line.begin(), line.end(), inlineCode), end; match != end; ++match) {
            examples.push_back({where, (*match)[1].str(), (*match)[3].str()});
        }
    }
}

// The manual page's example blocks (.EX to .EE), with roff's escapes undone and continued lines joined.
void ManualExamples(const fs::path &path, std::vector<Example> &examples) {
    const auto lines = Lines(ReadFile(path));
    bool inBlock = false;
    std::string pending;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where = path.filename().string() + ":" + std::to_string(i + 1);
        if (lines[i] == ".EX" || lines[i] == ".EE") {
            inBlock = lines[i] == ".EX";
            continue;
        }
        if (!inBlock) {
            continue;
        }
        std::string line = lines[i];
        for (const auto &[escape, plain] :
             {std::pair{"\\-", "-"}, {"\\(aq", "'"}, {"\\(dq", "\""}, {"\\e", "\\"}}) {
            for (auto at = line.find(escape); at != std::string::npos; at = line.find(escape, at + 1)) {
                line.replace(at, std::strlen(escape), plain);
            }
        }
        if (line.ends_with("\\")) {
            pending += line.substr(0, line.size() - 1);
            continue;
        }
        const Example example = FromCommandLine(where, pending + line);
        pending.clear();
        if (RunsTheProgram(example.command)) {
            examples.push_back(example);
        }
    }
}

// The examples of --help: the lines under "Examples:" up to the next blank line that run the program,
// each up to the two blanks that start its description.
void HelpExamples(const std::string &help, std::vector<Example> &examples) {
    bool inExamples = false;
    for (const auto &line : Lines(help)) {
        if (line == "Examples:") {
            inExamples = true;
            continue;
        }
        if (inExamples && Trimmed(line).empty()) {
            break;
        }
        const std::string text = Trimmed(line);
        if (inExamples && RunsTheProgram(text)) {
            examples.push_back({"--help", text.substr(0, text.find("  ")), {}});
        }
    }
}

// The small files the examples read, with the columns they name: plots with fuel loads in the third
// column (with semicolons and decimal commas for the example that reads those), fuel models with a
// surface-to-volume column that misses a value, weather with wind speeds in the third column, fire
// behaviour with heat per unit area and rate of spread, and a custom fuel model file (FARSITE 4's sample).
void MakeFiles(const Example &example, const fs::path &directory) {
    const bool semicolons = example.command.find("--delimiter ';'") != std::string::npos;
    const std::pair<const char *, std::string> files[] = {
        {"plots.csv", semicolons ? "plot;aspect;fuel_load\n1;N;12,5\n2;S;0,75\n"
                                 : "plot,aspect,fuel_load\n1,N,12.5\n2,S,0.75\n"},
        {"models.csv", "model,sav\nGR1,2200\nGR2,\n"},
        {"weather.csv", "station,time,wind\nA,1200,5\nB,1300,12.5\n"},
        {"fire.csv", "plot,heat_ua,ros\n1,2000,10\n2,1500,4\n"},
        {"custom.fmd", "ENGLISH\n19 2.250 1.500 3.710 0.000 1.000 2000 1800 1500 0.600 25 8000 8000\n"},
    };
    for (const auto &[name, content] : files) {
        std::ofstream(directory / name, std::ios::binary) << content;
    }
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome RunShell(const std::string &command, const fs::path &directory, const std::string &path) {
    const fs::path outPath = directory / ".stdout";
    const fs::path errPath = directory / ".stderr";
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::chdir(directory.c_str()) != 0 || in < 0 || out < 0 || err < 0) {
            std::_Exit(120);
        }
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::setenv("PATH", path.c_str(), 1);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
        std::_Exit(121);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadFile(outPath),
            ReadFile(errPath)};
}

} // namespace

int main(int argc, char **argv) {
    std::string program;
    std::string readme;
    std::string manual;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        (option == "--program" ? program : option == "--readme" ? readme : manual) = argv[i + 1];
    }
    if (program.empty() || readme.empty() || manual.empty()) {
        std::cerr
            << "usage: documented_examples --program PATH --readme README.md --manual quorlex-convert.1\n";
        return 2;
    }
    char scratchTemplate[] = "/tmp/quorlex-examples.XXXXXX";
    const fs::path scratch = ::mkdtemp(scratchTemplate);
    const char *systemPath = std::getenv("PATH");
    const std::string path = fs::absolute(program).parent_path().string() + ":" +
                             (systemPath != nullptr ? systemPath : "/usr/bin:/bin");
    int failed = 0;
    std::vector<Example> examples;
    try {
        const Outcome help = RunShell("quorlex-convert --help", scratch, path);
        HelpExamples(help.out, examples);
        ReadmeExamples(readme, examples);
        ManualExamples(manual, examples);
        for (std::size_t i = 0; i < examples.size(); ++i) {
            const Example &example = examples[i];
            const fs::path directory = scratch / ("example" + std::to_string(i));
            fs::create_directory(directory);
            MakeFiles(example, directory);
            const Outcome outcome = RunShell(example.command, directory, path);
            const bool resultRight = example.result.empty() || outcome.out == example.result + "\n";
            if (outcome.status != 0 || !resultRight) {
                ++failed;
                std::cout << "FAILED " << example.where << ": " << example.command << "\n  exit status "
                          << outcome.status << ", standard output:\n"
                          << outcome.out << "  standard error:\n"
                          << outcome.err;
                if (!resultRight) {
                    std::cout << "  expected: " << example.result << "\n";
                }
            }
        }
    } catch (const std::exception &error) {
        std::cout << "cannot run the examples: " << error.what() << "\n";
        fs::remove_all(scratch);
        return 1;
    }
    fs::remove_all(scratch);
    std::cout << examples.size() << " documented examples, " << failed << " failed\n";
    return failed == 0 && !examples.empty() ? 0 : 1;
}
