#include "conversion/ValueFromTo.h"

#include "conversion/Quoted.h"
#include "conversion/ValueText.h"

#include <vector>

namespace quorlex::conversion {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The words of a line: runs of non-blanks, where a double quote starts or ends a part that keeps its
// blanks (`"tons per acre"`, `a" "b` is one word "a b"). Nullopt for a quote left open.
std::optional<std::vector<std::string>> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
            if (line[i] == '"') {
                quoted = !quoted;
            } else {
                word += line[i];
            }
        }
        if (quoted) {
            return std::nullopt;
        }
        words.push_back(std::move(word));
    }
    return words;
}

// A word as a message names it: bare where it reads plainly ("kg"), quoted where it is empty, holds
// blanks or control characters, or is long enough to flood the message.
std::string AsWritten(const std::string &word) {
    constexpr std::size_t kLongestBare = 60;
    bool plain = !word.empty() && word.size() <= kLongestBare;
    for (const char c : word) {
        plain = plain && static_cast<unsigned char>(c) > ' ' && c != '\x7f';
    }
    return plain ? word : Quoted(word);
}

} // namespace

bool IsValueArgument(std::string_view word) {
    if (LooksLikeValue(word)) {
        return true;
    }
    if (word.size() < 2 || word[0] != '-') {
        return false;
    }
    const char second = word[1];
    const bool startsOption =
        second == '-' || (second >= 'a' && second <= 'z') || (second >= 'A' && second <= 'Z');
    return !startsOption;
}

std::optional<WordRoles> AssignWords(std::span<const std::string> words, Refusal &refusal) {
    const std::size_t count = words.size();
    if (count == 0) {
        refusal = {RefusalKind::Syntax, "FROM and TO units are needed", -1};
        return std::nullopt;
    }
    if (IsValueArgument(words[0])) {
        if (count != 3) {
            refusal = {RefusalKind::Syntax,
                       "VALUE FROM TO takes exactly three arguments; for many values write FROM TO VALUE...",
                       -1};
            return std::nullopt;
        }
        return WordRoles{1, 2, 0, 1};
    }
    if (count < 2) {
        refusal = {RefusalKind::Syntax, "a TO unit is needed after " + AsWritten(words[0]), -1};
        return std::nullopt;
    }
    return WordRoles{0, 1, 2, count};
}

std::optional<LineReading> ReadConversionLine(std::string_view line, int currentCategory, Refusal &refusal) {
    refusal = {};
    const auto words = SplitWords(line);
    if (!words) {
        refusal = {RefusalKind::Syntax, "a double quote is left open", -1};
        return std::nullopt;
    }
    const auto roles = AssignWords(*words, refusal);
    if (!roles) {
        return std::nullopt;
    }
    if (roles->valueEnd - roles->firstValue > 1) {
        refusal = {RefusalKind::Syntax, "one value at a time: VALUE FROM TO", -1};
        return std::nullopt;
    }
    LineReading reading;
    reading.units = ChooseUnits((*words)[roles->from], (*words)[roles->to], -1, currentCategory, refusal);
    if (refusal) {
        return std::nullopt;
    }
    if (roles->valueEnd > roles->firstValue) {
        reading.value = (*words)[roles->firstValue];
    }
    return reading;
}

} // namespace quorlex::conversion
