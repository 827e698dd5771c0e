#pragma once

#include <string>
#include <string_view>

namespace quorlex::web {

// Appends a text as a JSON string: quoted, with the escapes JSON needs, and valid UTF-8 whatever the
// bytes (each byte that starts no well-formed UTF-8 character becomes U+FFFD), so that a JavaScript
// reader takes any reason or echo of a user's text.
void AppendJsonString(std::string &json, std::string_view text);

// "key": with the comma before it unless it is the object's first.
void AppendJsonKey(std::string &json, std::string_view key, bool first = false);

} // namespace quorlex::web
