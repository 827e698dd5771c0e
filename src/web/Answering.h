#pragma once

#include "conversion/ResultStyle.h"

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

// The interface's decimal places: -1 the automatic places, -2 the 15-digit general text, 0 to 25 that
// many. The style and fixed places of a valid code.
struct PlacesChoice {
    conversion::ResultStyle style;
    int fixed;
};
PlacesChoice PlacesChoiceOf(int places);
// Why a places code is none of the interface's; empty when it is one.
std::string BadPlaces(int places);
// An answer's "places" value: null for the general text, else the places the result text shows (the
// characters after its decimal mark).
void AppendPlaces(std::string &json, std::string_view result, int places, bool comma);

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
