#include "web/Answering.h"

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

} // namespace quorlex::web
