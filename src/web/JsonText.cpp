#include "web/JsonText.h"

namespace quorlex::web {

namespace {

// The length of the well-formed UTF-8 character at the start of text, or 0 for none (an ASCII byte is
// handled by the caller).
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i, unsigned char low = 0x80, unsigned char high = 0xBF) {
        return i < text.size() && byte(i) >= low && byte(i) <= high;
    };
    const unsigned char lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return continuation(1, low, high) && continuation(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return continuation(1, low, high) && continuation(2) && continuation(3) ? 4 : 0;
    }
    return 0;
}

} // namespace

void AppendJsonString(std::string &json, std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    json += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte == '"' || byte == '\\') {
                json += '\\';
                json += static_cast<char>(byte);
            } else if (byte < 0x20 || byte == 0x7F) {
                json += "\\u00";
                json += kHex[byte >> 4];
                json += kHex[byte & 0xF];
            } else {
                json += static_cast<char>(byte);
            }
            ++i;
            continue;
        }
        const std::size_t length = Utf8Length(text.substr(i));
        if (length == 0) {
            json += "\\ufffd";
            ++i;
            continue;
        }
        json.append(text.substr(i, length));
        i += length;
    }
    json += '"';
}

void AppendJsonKey(std::string &json, std::string_view key, bool first) {
    if (!first) {
        json += ',';
    }
    AppendJsonString(json, key);
    json += ':';
}

} // namespace quorlex::web
