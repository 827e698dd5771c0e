#include "web/Answering.h"

#include "numbers/DecimalPlaces.h"
#include "web/JsonText.h"

namespace quorlex::web {

const char *Give(std::string json) {
    static std::string answer;
    answer = std::move(json);
    return answer.c_str();
}

std::string_view TextOf(const char *text, int length) {
    return text == nullptr || length <= 0 ? std::string_view()
                                          : std::string_view(text, static_cast<std::size_t>(length));
}

void AppendRefusal(std::string &json, std::string_view kind, std::string_view reason) {
    json += "{\"ok\":false";
    AppendJsonKey(json, "kind");
    AppendJsonString(json, kind);
    AppendJsonKey(json, "reason");
    AppendJsonString(json, reason);
    json += '}';
}

namespace {

constexpr int kAutomaticPlaces = -1;
constexpr int kGeneralText = -2;

} // namespace

PlacesChoice PlacesChoiceOf(int places) {
    if (places == kAutomaticPlaces) {
        return {conversion::ResultStyle::Automatic, 0};
    }
    if (places == kGeneralText) {
        return {conversion::ResultStyle::General, 0};
    }
    return {conversion::ResultStyle::Places, places};
}

std::string BadPlaces(int places) {
    if (places >= kGeneralText && places <= kMaxDecimalPlaces) {
        return {};
    }
    return "decimal places are 0 to " + std::to_string(kMaxDecimalPlaces) + ", or -1 or -2, not " +
           std::to_string(places);
}

void AppendPlaces(std::string &json, std::string_view result, int places, bool comma) {
    if (places == kGeneralText) {
        json += "null";
        return;
    }
    const auto mark = result.find(comma ? ',' : '.');
    json += std::to_string(mark == std::string_view::npos ? 0 : result.size() - mark - 1);
}

} // namespace quorlex::web
