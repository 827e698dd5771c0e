#include "fuelmodels/FmdConversion.h"

namespace quorlex::fuelmodels {

std::string ConvertFmd(const FmdFile &file, UnitSystem to) {
    std::string out = file.byteOrderMark;
    const bool addUnits = !file.statesSystem && to != file.system;
    for (const FmdLine &line : file.lines) {
        if (addUnits && line.number == 1) {
            out += SystemWord(to);
            // The first line's CR LF when it has one, else LF (a lone CR only ends the last line).
            out += line.ending == "\r\n" ? "\r\n" : "\n";
        }
        if (line.kind == LineKind::Units && to != file.system) {
            // The word in place of the old one, the blanks around it kept.
            const std::size_t begin = line.text.find_first_not_of(" \t");
            const std::size_t end = line.text.find_last_not_of(" \t") + 1;
            out.append(line.text, 0, begin);
            out += SystemWord(to);
            out.append(line.text, end);
        } else if (line.kind != LineKind::Model || to == file.system) {
            out += line.text;
        } else {
            std::size_t done = 0;
            for (int i = 0; i < kFieldCount; ++i) {
                const auto field = static_cast<Field>(i);
                const std::size_t index = TokenIndex(line.form, field);
                if (index >= line.tokens.size()) {
                    break;
                }
                const Token &token = line.tokens[index];
                const auto converted = ConvertField(QuantityOf(field), line.Text(token), file.system, to);
                out.append(line.text, done, token.begin - done);
                out += converted ? *converted : std::string(line.Text(token));
                done = token.end;
            }
            out.append(line.text, done);
        }
        out += line.ending;
    }
    return out;
}

std::string StandardValue(const StandardModel &model, Field field, UnitSystem system) {
    const std::string_view text = model.values[static_cast<std::size_t>(field)];
    return *ConvertField(QuantityOf(field), text, UnitSystem::English, system);
}

std::string FixedSav(std::string_view english, UnitSystem system) {
    return *ConvertField(Quantity::Sav, english, UnitSystem::English, system);
}

std::string StandardModelsFmd(std::span<const StandardModel *const> models, UnitSystem system,
                              std::optional<int> firstNumber) {
    std::string out(SystemWord(system));
    out += '\n';
    int next = firstNumber.value_or(0);
    for (const StandardModel *model : models) {
        out += std::to_string(firstNumber ? next++ : model->number);
        out += ' ';
        out += model->code;
        for (int i = 0; i < kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            if (field == Field::Sav1h) {
                out += model->dynamic ? " dynamic" : " static";
            }
            out += ' ';
            out += StandardValue(*model, field, system);
        }
        out += ' ';
        out += model->name;
        out += '\n';
    }
    return out;
}

} // namespace quorlex::fuelmodels
