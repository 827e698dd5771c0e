#include "conversion/Quoted.h"

namespace quorlex::conversion {

std::string Quoted(std::string_view text) {
    constexpr std::size_t kMostShown = 60;
    const bool cut = text.size() > kMostShown;
    if (cut) {
        // Cut before a character, not inside the bytes of one.
        std::size_t length = kMostShown;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            --length;
        }
        text = text.substr(0, length);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789ABCDEF";
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    quoted += cut ? "...\"" : "\"";
    return quoted;
}

} // namespace quorlex::conversion
