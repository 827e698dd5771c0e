#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace quorlex::web {

// Keeps the JSON text of the last call and returns it: JavaScript copies it before its next call.
const char *Give(std::string json);

// A text argument with its length in bytes; empty for null or a length of 0 or less.
std::string_view TextOf(const char *text, int length);

// {"ok":false,"kind":KIND,"reason":REASON}
void AppendRefusal(std::string &json, std::string_view kind, std::string_view reason);

// Runs one call of the interface; an error no answer foresees becomes a refusal of its own kind, since
// an exception must not cross into JavaScript.
template <class Call>
const char *Answering(Call call) {
    std::string json;
    try {
        call(json);
    } catch (const std::exception &error) {
        json.clear();
        AppendRefusal(json, "internal", error.what());
    }
    return Give(std::move(json));
}

} // namespace quorlex::web
