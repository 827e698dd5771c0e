// With the window's factor tables (--tables), the command line writes what the window shows: for every
// category, every pair of its units and a set of values (ordinary, negative, tiny, huge, and the hostile
// value texts), the text of one converter kept for the whole run equals the window's text from a fresh
// registry per Compute: after Compute (the automatic places), after Decimal Places is set, and the general
// text. Refusals agree with the window's.
#include "conversion/ValueConverter.h"
#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"
#include "numbers/RenderWithMask.h"
#include "support/HostileValues.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace quorlex;
using conversion::ResultStyle;
using conversion::ValueConverter;
using Refusal = ValueConverter::Refusal;

std::vector<std::string> Values() {
    std::vector<std::string> values{"1",
                                    "0.03527",
                                    "12.5",
                                    "453.6",
                                    "-40",
                                    "-17.7777777777778",
                                    "1E-30",
                                    "1.5E-05",
                                    "2.5E-22",
                                    "1E15",
                                    "999999999999999",
                                    "1E300",
                                    "1E307",
                                    "-1E308",
                                    "1.7976931348623E308",
                                    "4.9E-324",
                                    "2.2250738585072E-308",
                                    "1E-8",
                                    "9.99999999999999E-9",
                                    "0",
                                    "-0",
                                    "0.5",
                                    "2.5",
                                    "1.005",
                                    "99999999999999.95"};
    for (const auto &row : test::LoadHostileValues(QUORLEX_TEST_DATA_DIR "/hostile-values.tsv")) {
        values.push_back(row.text);
    }
    return values;
}

bool AllZeros(const std::string &text) {
    return text.find_first_of("123456789") == std::string::npos;
}

struct Style {
    ResultStyle style;
    int places;
};

// What the command line must make of a value in a style, from the window's outcome.
std::pair<Refusal, std::string> Expected(const std::string &text, const ConversionOutcome &window,
                                         Style style) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return {Refusal::None, ""}; // missing data: an empty result where the window would refuse
    }
    if (window.refusal == ConversionRefusal::NotNumeric) {
        return {Refusal::NotNumber, ""};
    }
    if (window.refusal == ConversionRefusal::OutOfRange) {
        return {Refusal::ValueBeyondRange, ""}; // or ResultBeyondRange: compared loosely below
    }
    switch (style.style) {
    case ResultStyle::General:
        return {Refusal::None, window.resultText};
    case ResultStyle::Places:
        return {Refusal::None, RenderFixed(window.resultValue, style.places)};
    case ResultStyle::Automatic:
        break;
    }
    const std::string shown = RenderFixed(window.resultValue, window.decimalPlaces);
    if (window.resultValue != 0.0 && AllZeros(shown)) {
        return {Refusal::ResultTooSmall, ""};
    }
    return {Refusal::None, shown};
}

TEST(WindowRules, EveryUnitPairAndValueIsWrittenAsTheWindowShowsIt) {
    const std::vector<std::string> values = Values();
    const std::vector<Style> styles{{ResultStyle::Automatic, 0}, {ResultStyle::General, 0},
                                    {ResultStyle::Places, 0},    {ResultStyle::Places, 2},
                                    {ResultStyle::Places, 13},   {ResultStyle::Places, 25}};
    int compared = 0;
    int mismatches = 0;
    for (const auto &category : Catalogue()) {
        const int units = static_cast<int>(category.units.size());
        for (int from = 0; from < units; ++from) {
            for (int to = 0; to < units; ++to) {
                std::vector<ConversionOutcome> window;
                window.reserve(values.size());
                for (const auto &text : values) {
                    window.push_back(RunConversion({category.index, from, to, text}));
                }
                for (const Style style : styles) {
                    ValueConverter converter({category.index, from, to}, style.style, style.places,
                                             conversion::DecimalMark::Period, conversion::Factors::Tables);
                    std::string result;
                    for (std::size_t i = 0; i < values.size(); ++i) {
                        const auto [refusal, text] = Expected(values[i], window[i], style);
                        Refusal actual = converter.Convert(values[i], result);
                        if (refusal == Refusal::ValueBeyondRange && actual == Refusal::ResultBeyondRange) {
                            actual = Refusal::ValueBeyondRange;
                        }
                        ++compared;
                        if ((actual != refusal || result != text) && ++mismatches <= 20) {
                            ADD_FAILURE() << category.className << " " << from << " to " << to << ", style "
                                          << static_cast<int>(style.style) << "/" << style.places
                                          << ", value \"" << values[i] << "\": \"" << result << "\" (refusal "
                                          << static_cast<int>(actual) << "), the window: \"" << text
                                          << "\" (refusal " << static_cast<int>(refusal) << ")";
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << compared << " conversions";
    EXPECT_GT(compared, 100000);
}

} // namespace
