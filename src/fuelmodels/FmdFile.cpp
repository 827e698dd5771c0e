#include "fuelmodels/FmdFile.h"

#include <algorithm>

namespace quorlex::fuelmodels {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool SameWord(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
    });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool IsModelType(std::string_view text) {
    return SameWord(text, "STATIC") || SameWord(text, "DYNAMIC");
}

namespace {

// Splits a model line: FlamMap's form when the second field is not a number, FARSITE 4's otherwise.
void SplitModel(FmdLine &line) {
    const std::string_view text = line.text;
    std::size_t i = 0;
    auto nextToken = [&]() -> std::optional<Token> {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            return std::nullopt;
        }
        Token token{i, i};
        while (i < text.size() && !IsBlank(text[i])) {
            ++i;
        }
        token.end = i;
        return token;
    };
    // The first eight fields tell the forms apart: FlamMap's second is a code and its eighth the type,
    // FARSITE 4's are all numbers. A code of digits alone still reads as FlamMap's by its type.
    constexpr std::size_t kTypeIndex = 7;
    while (line.tokens.size() <= kTypeIndex) {
        const auto token = nextToken();
        if (!token) {
            break;
        }
        line.tokens.push_back(*token);
    }
    const bool typed = line.tokens.size() > kTypeIndex && IsModelType(line.Text(line.tokens[kTypeIndex]));
    const bool coded = line.tokens.size() >= 2 && !ReadDecimal(line.Text(line.tokens[1]));
    line.form = typed || coded ? LineForm::FlamMap : LineForm::Farsite;
    const std::size_t wanted = line.form == LineForm::FlamMap ? kFlamMapFields : kFarsiteFields;
    while (line.tokens.size() < wanted) {
        const auto token = nextToken();
        if (!token) {
            break;
        }
        line.tokens.push_back(*token);
    }
    // FlamMap's name: the rest of the line, blanks inside kept; FARSITE 4's form has none, so anything
    // after its 13 fields is held as a name too, for the checks to report.
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    std::size_t end = text.size();
    while (end > i && IsBlank(text[end - 1])) {
        --end;
    }
    line.name = Token{i, end};
}

std::string ControlText(unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string text = "the control character 0x";
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
    text += ": this is not a text file";
    return text;
}

} // namespace

std::size_t TokenIndex(LineForm form, Field field) {
    const auto index = static_cast<std::size_t>(field);
    if (form == LineForm::Farsite) {
        return index + 1;
    }
    // FlamMap: number, code, five loads, the type, then the rest.
    return index < 5 ? index + 2 : index + 3;
}

std::optional<FmdFile> ReadFmd(std::string_view text, FmdFault &fault) {
    FmdFile file;
    if (text.starts_with("\xEF\xBB\xBF")) {
        file.byteOrderMark = text.substr(0, 3);
        text.remove_prefix(3);
    }
    std::size_t offset = 0;
    std::size_t number = 0;
    bool anyModel = false;
    while (offset < text.size()) {
        ++number;
        const std::size_t newline = text.find('\n', offset);
        const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
        // Bytes no text holds first, within the size limit, so that a binary file says so.
        const std::string_view head = text.substr(offset, std::min(stop, kMostFileBytes) - offset);
        const auto control = std::find_if(head.begin(), head.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return (byte < 0x20 && c != '\t' && c != '\r') || byte == 0x7F;
        });
        if (control != head.end()) {
            const auto byte = static_cast<unsigned char>(*control);
            fault = {number,
                     byte == 0 ? std::string("a NUL byte: this is not a text file") : ControlText(byte)};
            return std::nullopt;
        }
        if (stop > kMostFileBytes) {
            fault = {number, "the file goes on past " + std::to_string(kMostFileBytes >> 20) +
                                 " MiB; a custom fuel model file holds at most 256 models"};
            return std::nullopt;
        }
        FmdLine line;
        line.number = number;
        std::size_t contentEnd = stop;
        if (contentEnd > offset && text[contentEnd - 1] == '\r') {
            --contentEnd;
        }
        line.text = text.substr(offset, contentEnd - offset);
        line.ending = text.substr(contentEnd, newline == std::string_view::npos ? stop - contentEnd
                                                                                : stop + 1 - contentEnd);
        offset = newline == std::string_view::npos ? text.size() : stop + 1;
        if (line.text.find('\r') != std::string::npos) {
            fault = {number, "a carriage return inside the line: lines end with LF or CR LF, not CR alone"};
            return std::nullopt;
        }
        const std::string_view content = Trimmed(line.text);
        if (number == 1 && (SameWord(content, "ENGLISH") || SameWord(content, "METRIC"))) {
            line.kind = LineKind::Units;
            file.statesSystem = true;
            file.system = SameWord(content, "METRIC") ? UnitSystem::Metric : UnitSystem::English;
        } else if (content.empty()) {
            line.kind = LineKind::Blank;
        } else if (content.front() == '#') {
            line.kind = LineKind::Comment;
        } else {
            line.kind = LineKind::Model;
            SplitModel(line);
            anyModel = true;
        }
        file.lines.push_back(std::move(line));
    }
    if (!anyModel) {
        fault = {number, number == 0 ? std::string("the file is empty: it holds no fuel model")
                         : number == 1
                             ? std::string("the file holds no fuel model, only its first line")
                             : "the file holds no fuel model in its " + std::to_string(number) + " lines"};
        return std::nullopt;
    }
    return file;
}

} // namespace quorlex::fuelmodels
