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

std::string JoinedWords(const std::vector<std::string> &words, std::size_t first, std::size_t end) {
    std::string joined;
    for (std::size_t i = first; i < end; ++i) {
        joined += i == first ? "" : " ";
        joined += words[i];
    }
    return joined;
}

// A value followed by units copied from a paper without quotes ("12.5 ton/ac Mg ha-1"): where exactly one
// way of parting the words after the value gives two units of one category, that one; nullopt otherwise
// (the words are then read as they stand). A unit is a few words at most, so a longer line is not tried.
std::optional<LineReading> UnquotedUnits(const std::vector<std::string> &words, int currentCategory) {
    constexpr std::size_t kMostWords = 8;
    if (words.size() <= 3 || words.size() > kMostWords || !IsValueArgument(words[0])) {
        return std::nullopt;
    }
    std::optional<LineReading> found;
    for (std::size_t split = 2; split < words.size(); ++split) {
        Refusal refusal;
        const UnitChoice units =
            ChooseUnits(JoinedWords(words, 1, split), JoinedWords(words, split, words.size()), -1,
                        currentCategory, refusal);
        if (!refusal) {
            if (found) {
                return std::nullopt;
            }
            found = LineReading{units, words[0]};
        }
    }
    return found;
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
    if (auto split = UnquotedUnits(*words, currentCategory)) {
        return split;
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
