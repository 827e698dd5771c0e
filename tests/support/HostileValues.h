#pragma once

#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorlex::test {

// One row of tests/data/hostile-values.tsv: a text a user might type or paste into the value box, and what
// the program must make of it: "refused", "overflow", or the number the text shows.
struct HostileValue {
    std::string name;
    std::string text;
    std::string expected;
};

// Test listings name a row by its name rather than its bytes.
inline void PrintTo(const HostileValue &row, std::ostream *os) {
    *os << row.name;
}

// The text of a row with its escapes (\t \n \r \0 \\) turned back into the characters.
inline std::string UnescapeHostileText(const std::string &escaped) {
    std::string text;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\' || i + 1 == escaped.size()) {
            text += escaped[i];
            continue;
        }
        switch (escaped[++i]) {
        case 't':
            text += '\t';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case '0':
            text += '\0';
            break;
        default:
            text += escaped[i];
            break;
        }
    }
    return text;
}

// Every row of the file; comment lines start with '#'. Throws when the file cannot be read or a row lacks a
// field, so a broken data file fails the tests instead of silently testing nothing.
inline std::vector<HostileValue> LoadHostileValues(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<HostileValue> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto first = line.find('\t');
        const auto second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) {
            std::string message = "a row without three fields in " + path;
            message += ": ";
            message += line;
            throw std::runtime_error(message);
        }
        rows.push_back({line.substr(0, first),
                        UnescapeHostileText(line.substr(first + 1, second - first - 1)),
                        line.substr(second + 1)});
    }
    return rows;
}

} // namespace quorlex::test
