// The web binding's C interface, run natively: reads one call a line from standard input and writes its
// answer on one line to standard output, so that a Node.js test can put the same calls to the
// WebAssembly module and to this build of the same code and compare the answers.
//
// A call is its name and its arguments, tab-separated; a text argument is written as the hexadecimal
// digits of its UTF-8 bytes (so any text fits on the line):
//   count | catalogue | lookup NAME | convert C FROM TO VALUE PLACES COMMA TABLES
//   | all C FROM VALUE PLACES COMMA TABLES | explain C FROM TO VALUE COMMA TABLES
//   | line LINE CURRENT | start TEXT COMMA | relations | calc ID VALUES UNITS OUTPUT PLACES COMMA
//   | fuelmodels METRIC | fmdread BYTES | fmdconvert BYTES METRIC KEEPGOING (its answer, a tab and the
//   output's bytes in hexadecimal)
#include "web/EngineApi.h"
#include "web/FuelModelApi.h"
#include "web/RelationApi.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string FromHex(const std::string &hex) {
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return text;
}

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
        fields.emplace_back();
    }
    return fields;
}

std::string Answer(const std::vector<std::string> &f) {
    const auto number = [&f](std::size_t i) { return std::stoi(f.at(i)); };
    const auto text = [&f](std::size_t i) { return FromHex(f.at(i)); };
    const auto size = [&text](std::size_t i) { return static_cast<int>(text(i).size()); };
    const std::string &call = f.at(0);
    if (call == "count") {
        return std::to_string(qx_category_count());
    }
    if (call == "catalogue") {
        return qx_catalogue();
    }
    if (call == "lookup") {
        return qx_lookup(text(1).c_str(), size(1));
    }
    if (call == "convert") {
        return qx_convert(number(1), number(2), number(3), text(4).c_str(), size(4), number(5), number(6),
                          number(7));
    }
    if (call == "all") {
        return qx_convert_all(number(1), number(2), text(3).c_str(), size(3), number(4), number(5),
                              number(6));
    }
    if (call == "explain") {
        return qx_explain(number(1), number(2), number(3), text(4).c_str(), size(4), number(5), number(6));
    }
    if (call == "line") {
        return qx_read_line(text(1).c_str(), size(1), number(2));
    }
    if (call == "start") {
        return std::to_string(qx_is_number_start(text(1).c_str(), size(1), number(2)));
    }
    if (call == "relations") {
        return qx_relations();
    }
    if (call == "calc") {
        return qx_calculate(text(1).c_str(), size(1), text(2).c_str(), size(2), text(3).c_str(), size(3),
                            number(4), number(5), number(6));
    }
    if (call == "fuelmodels") {
        return qx_fuel_models(number(1));
    }
    if (call == "fmdread") {
        return qx_fmd_read(text(1).data(), size(1));
    }
    if (call == "fmdconvert") {
        std::string answer = qx_fmd_convert(text(1).data(), size(1), number(2), number(3));
        const std::size_t at = answer.find("\"size\":");
        const std::size_t bytes = at == std::string::npos ? 0 : std::stoul(answer.substr(at + 7));
        answer += '\t';
        constexpr const char *kHex = "0123456789abcdef";
        const char *output = qx_fmd_output();
        for (std::size_t i = 0; i < bytes; ++i) {
            const auto byte = static_cast<unsigned char>(output[i]);
            answer += kHex[byte >> 4];
            answer += kHex[byte & 15];
        }
        return answer;
    }
    return "unknown call " + call;
}

} // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::cout << Answer(Fields(line)) << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
