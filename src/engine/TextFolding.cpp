#include "engine/TextFolding.h"

namespace quorlex {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string BlanksFolded(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    bool blankPending = false;
    for (const char c : Trimmed(text)) {
        if (IsBlank(c)) {
            blankPending = true;
            continue;
        }
        if (blankPending) {
            folded += ' ';
            blankPending = false;
        }
        folded += Lower(c);
    }
    return folded;
}

std::string WithoutBlanksFolded(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) {
            folded += Lower(c);
        }
    }
    return folded;
}

} // namespace quorlex
