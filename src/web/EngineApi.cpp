#include "web/EngineApi.h"

#include "conversion/CategoryUnits.h"
#include "conversion/Explanation.h"
#include "conversion/Quoted.h"
#include "conversion/UnitChoice.h"
#include "conversion/ValueConverter.h"
#include "conversion/ValueFromTo.h"
#include "conversion/ValueText.h"
#include "engine/Catalogue.h"
#include "engine/UnitFormulas.h"
#include "web/Answering.h"
#include "web/JsonText.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;
using namespace quorlex::web;
using conversion::DecimalMark;
using conversion::ValueConverter;

bool ValidCategory(int category) {
    return category >= 0 && category < kCategoryCount;
}

bool ValidUnit(int category, int unit) {
    return unit >= 0 && unit < conversion::UnitCount(category);
}

std::string_view KindOf(ValueConverter::Refusal refusal) {
    switch (refusal) {
    case ValueConverter::Refusal::NotNumber:
        return "not-number";
    case ValueConverter::Refusal::ValueBeyondRange:
        return "value-beyond-range";
    case ValueConverter::Refusal::ResultBeyondRange:
        return "result-beyond-range";
    case ValueConverter::Refusal::ResultTooSmall:
        return "result-too-small";
    case ValueConverter::Refusal::NotInTables:
        return "not-in-tables";
    case ValueConverter::Refusal::None:
        break;
    }
    return "";
}

// One converter per category, made when the category is first asked for and kept: a conversion changes
// only its units and style.
ValueConverter &ConverterFor(int category, int from, int to, int places, bool comma,
                             conversion::Factors factors) {
    static std::array<std::unique_ptr<ValueConverter>, kCategoryCount> converters;
    const auto [style, fixed] = PlacesChoiceOf(places);
    const DecimalMark mark = comma ? DecimalMark::Comma : DecimalMark::Period;
    auto &converter = converters[static_cast<std::size_t>(category)];
    if (!converter) {
        converter = std::make_unique<ValueConverter>(conversion::UnitChoice{category, from, to}, style, fixed,
                                                     mark, factors);
    } else {
        converter->SetUnits(from, to);
        converter->SetStyle(style, fixed, mark);
        converter->SetFactors(factors);
    }
    return *converter;
}

// One conversion's answer, appended as a JSON object.
void AppendConversion(std::string &json, int category, int from, int to, std::string_view value, int places,
                      bool comma, conversion::Factors factors) {
    if (!ValidUnit(category, to)) {
        AppendRefusal(json, "bad-index", "no such unit: " + std::to_string(to));
        return;
    }
    if (conversion::IsBlankText(value)) {
        AppendRefusal(json, "blank", "no value: the text is blank");
        return;
    }
    ValueConverter &converter = ConverterFor(category, from, to, places, comma, factors);
    std::string result;
    const auto refusal = converter.Convert(value, result);
    if (refusal != ValueConverter::Refusal::None) {
        json += "{\"ok\":false";
        AppendJsonKey(json, "kind");
        AppendJsonString(json, KindOf(refusal));
        AppendJsonKey(json, "reason");
        AppendJsonString(json, converter.Describe(refusal, value));
        if (refusal == ValueConverter::Refusal::ResultTooSmall) {
            AppendJsonKey(json, "general");
            AppendJsonString(json, converter.TooSmallGeneralText());
        }
        json += '}';
        return;
    }
    json += "{\"ok\":true";
    AppendJsonKey(json, "result");
    AppendJsonString(json, result);
    AppendJsonKey(json, "places");
    AppendPlaces(json, result, places, comma);
    AppendJsonKey(json, "factor");
    AppendJsonString(json, converter.FactorLabel());
    AppendJsonKey(json, "formula");
    AppendJsonString(json, UnitFormulaText(category, from, to));
    json += '}';
}

// The refusal of arguments outside what the interface takes; empty when they are fine.
std::string BadArguments(int category, int from, int places) {
    if (!ValidCategory(category)) {
        return "no such category: " + std::to_string(category);
    }
    if (!ValidUnit(category, from)) {
        return "no such unit: " + std::to_string(from);
    }
    return BadPlaces(places);
}

// The factors a call's tables flag asks for: 1 the window's tables, 0 the exact definitions.
conversion::Factors FactorsOf(int tables) {
    return tables != 0 ? conversion::Factors::Tables : conversion::Factors::Exact;
}

std::string CatalogueJson() {
    std::string json = "[";
    for (const auto &category : Catalogue()) {
        json += category.index == 0 ? "{" : ",{";
        AppendJsonKey(json, "index", true);
        json += std::to_string(category.index);
        AppendJsonKey(json, "caption");
        AppendJsonString(json, category.caption);
        AppendJsonKey(json, "className");
        AppendJsonString(json, category.className);
        AppendJsonKey(json, "formula");
        json += UnitFormula(category.index, 0, 0) ? "true" : "false";
        AppendJsonKey(json, "units");
        json += '[';
        for (int unit = 0; unit < conversion::UnitCount(category.index); ++unit) {
            json += unit == 0 ? "{" : ",{";
            AppendJsonKey(json, "index", true);
            json += std::to_string(unit);
            AppendJsonKey(json, "name");
            AppendJsonString(json, conversion::ListNameOf(category.index, unit));
            AppendJsonKey(json, "symbol");
            AppendJsonString(json, conversion::SymbolOf(category.index, unit));
            if (!conversion::InWindow(category.index, unit)) {
                // Not in the desktop program's lists: its tables cannot convert it.
                AppendJsonKey(json, "window");
                json += "false";
            }
            json += '}';
        }
        json += "]}";
    }
    json += ']';
    return json;
}

} // namespace

extern "C" {

int qx_category_count() {
    return kCategoryCount;
}

const char *qx_catalogue() {
    return Answering([](std::string &json) { json = CatalogueJson(); });
}

const char *qx_lookup(const char *name, int nameLength) {
    return Answering([name, nameLength](std::string &json) {
        conversion::Refusal refusal;
        const auto units = conversion::UnitsNamed(TextOf(name, nameLength), refusal);
        if (refusal) {
            // A name refused for a reason of its own: a written unit amiss, a spelling that asks a question.
            json += '{';
            AppendJsonKey(json, "reason", true);
            AppendJsonString(json, refusal.reason);
            json += '}';
            return;
        }
        json += '[';
        for (const UnitRef &unit : units) {
            json += json.size() == 1 ? "[" : ",[";
            json += std::to_string(unit.category);
            json += ',';
            json += std::to_string(unit.unit);
            json += ']';
        }
        json += ']';
    });
}

const char *qx_convert(int category, int from, int to, const char *value, int valueLength, int places,
                       int comma, int tables) {
    return Answering([=](std::string &json) {
        if (const std::string bad = BadArguments(category, from, places); !bad.empty()) {
            AppendRefusal(json, "bad-index", bad);
            return;
        }
        AppendConversion(json, category, from, to, TextOf(value, valueLength), places, comma != 0,
                         FactorsOf(tables));
    });
}

const char *qx_convert_all(int category, int from, const char *value, int valueLength, int places, int comma,
                           int tables) {
    return Answering([=](std::string &json) {
        if (const std::string bad = BadArguments(category, from, places); !bad.empty()) {
            AppendRefusal(json, "bad-index", bad);
            return;
        }
        json += '[';
        for (int to = 0; to < conversion::UnitCount(category); ++to) {
            if (to > 0) {
                json += ',';
            }
            AppendConversion(json, category, from, to, TextOf(value, valueLength), places, comma != 0,
                             FactorsOf(tables));
        }
        json += ']';
    });
}

const char *qx_explain(int category, int from, int to, const char *value, int valueLength, int comma,
                       int tables) {
    return Answering([=](std::string &json) {
        if (const std::string bad = BadArguments(category, from, -1);
            !bad.empty() || !ValidUnit(category, to)) {
            AppendRefusal(json, "bad-index", bad.empty() ? "no such unit: " + std::to_string(to) : bad);
            return;
        }
        json += '[';
        for (const std::string &line :
             conversion::ExplainConversion(category, from, to, TextOf(value, valueLength), FactorsOf(tables),
                                           comma != 0 ? DecimalMark::Comma : DecimalMark::Period)) {
            if (json.size() > 1) {
                json += ',';
            }
            AppendJsonString(json, line);
        }
        json += ']';
    });
}

const char *qx_read_line(const char *line, int lineLength, int currentCategory) {
    return Answering([=](std::string &json) {
        conversion::Refusal refusal;
        const int current = ValidCategory(currentCategory) ? currentCategory : -1;
        const auto reading = conversion::ReadConversionLine(TextOf(line, lineLength), current, refusal);
        if (!reading) {
            static constexpr std::array<std::string_view, 7> kKinds{
                "",         "syntax", "unknown-category", "unknown-unit", "unit-index", "categories-differ",
                "ambiguous"};
            AppendRefusal(json, kKinds[static_cast<std::size_t>(refusal.kind)], refusal.reason);
            return;
        }
        json += "{\"ok\":true";
        AppendJsonKey(json, "category");
        json += std::to_string(reading->units.category);
        AppendJsonKey(json, "from");
        json += std::to_string(reading->units.from);
        AppendJsonKey(json, "to");
        json += std::to_string(reading->units.to);
        AppendJsonKey(json, "value");
        AppendJsonString(json, reading->value);
        json += '}';
    });
}

int qx_is_number_start(const char *text, int textLength, int comma) {
    return conversion::IsValueStart(TextOf(text, textLength),
                                    comma != 0 ? DecimalMark::Comma : DecimalMark::Period)
               ? 1
               : 0;
}
}
