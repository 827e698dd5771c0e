#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// The forms in which names typed by a person are compared: ASCII letters in lower case; blanks are space,
// tab, carriage return, line feed, vertical tab and form feed. Other bytes (UTF-8 included) stay as they are.

// Letter case folded, blanks around the text dropped and every run of blanks inside it made one space:
// "  Tons   per ACRE\n" gives "tons per acre".
std::string BlanksFolded(std::string_view text);

// Letter case folded and every blank dropped: "Area  Intensity" gives "areaintensity".
std::string WithoutBlanksFolded(std::string_view text);

// The text without the blanks around it.
std::string_view Trimmed(std::string_view text);

} // namespace quorlex
