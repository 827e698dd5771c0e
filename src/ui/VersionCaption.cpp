#include "ui/VersionCaption.h"

#include <charconv>

namespace quorlex {

namespace {

void AppendDecimal(std::string &text, int number) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    text.append(digits, written.ptr);
}

} // namespace

std::string CaptionWithVersion(std::string_view caption, int major, int minor, int revision) {
    std::string text(caption);
    text += ", Version - ";
    AppendDecimal(text, major);
    text += '.';
    AppendDecimal(text, minor);
    text += '.';
    AppendDecimal(text, revision);
    return text;
}

} // namespace quorlex
