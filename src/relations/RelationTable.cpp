#include "relations/Relation.h"

namespace quorlex::relations {

namespace {

// Adding a relation: one entry in Relations() and the function that writes its formula, each input at
// its position's slot.

constexpr Range kNotNegative{0.0};
constexpr Range kPositive{0.0, std::numeric_limits<double>::infinity(), true};

// Fireline intensities observed in wildland fires run from about 15 to at least 100000 kW/m, and most
// crown fires burn at 10000 to 30000 kW/m: Alexander (1982), "Calculating and interpreting forest fire
// intensities", Can. J. Bot. 60, as the Forest Encyclopedia Network's page on fireline intensity quotes
// him. Neither Byram (1959) nor Thomas (1963) gives the range of the data under his fit in a form found
// for this program, so these observed ranges stand in for them, named as what they are.
constexpr PublishedRange kObservedIntensity(int slot) {
    return {slot, Range{15.0, 100000.0}, "kW/m",
            "the fireline intensities observed in wildland fires (Alexander 1982)"};
}
constexpr PublishedRange kCrownFireIntensity{0, Range{10000.0, 30000.0}, "kW/m",
                                             "where most crown fires burn (Alexander 1982)"};

// The ratio of the 10-m wind to the 20-ft (6.096 m) wind under the logarithmic wind profile,
// ln(10/z0) / ln(6.096/z0), over the Davenport-Wieringa roughness lengths z0 from 0.0002 m (open sea) to
// 2 m (chaotic: city centres, irregular forest with clearings) (Stull, Meteorology for Scientists and
// Engineers, table of aerodynamic roughness lengths; the WMO's Davenport classification names the same
// classes): 1.048 to 1.444, widened to two places. A ratio outside is no wind over real ground.
constexpr Range kWindRatio{1.04, 1.45};

Formula N(double value, std::string_view text) {
    return Formula::Number(value, text);
}

Formula In(const Relation &relation, std::size_t slot) {
    return Formula::Input(relation.inputs[slot].sign, slot);
}

// The quantities the relations share, in the units their formulas take.
Quantity Intensity(std::string_view unit) {
    return {"intensity", "fireline intensity", "I", "FireLineIntensity", unit, kNotNegative, {}};
}
Quantity FlameLength(std::string_view unit) {
    return {"flame-length", "flame length", "L", "Length", unit, kNotNegative, {}};
}
Quantity RateOfSpread(std::string_view unit, Range allowed = kNotNegative) {
    return {"ros", "rate of spread", "R", "Speed", unit, allowed, {}};
}
Quantity HeatPerUnitArea() {
    return {"hpa", "heat per unit area", "HPA", "HeatUnitArea", "kJ/m2", kNotNegative, {}};
}
Quantity HeatContent() {
    return {"heat", "heat content", "H", "HeatContent", "kJ/kg", kNotNegative, {}};
}
Quantity FuelConsumed() {
    return {"load", "fuel consumed", "w", "FuelLoad", "kg/m2", kNotNegative, {}};
}
Quantity Wind(std::string_view name, std::string_view title, std::string_view sign) {
    return {name, title, sign, "Speed", "mi/h", kNotNegative, {}};
}
Quantity WindRatio() {
    // 1.15: Turner and Lawson (1978), as the NWCG glossary and the Missoula fire lab's behave library
    // give it.
    return {"k", "ratio of the 10-m wind to the 20-ft wind", "k", "", "", kWindRatio, 1.15};
}
Quantity WetBasis() {
    return {"wet", "moisture content, wet basis", "Mw", "", "%", Range{0.0, 100.0, false, true}, {}};
}
Quantity DryBasis() {
    return {"dry", "moisture content, dry basis", "Md", "", "%", kNotNegative, {}};
}
Quantity Distance() {
    return {"distance", "distance", "D", "Length", "m", kNotNegative, {}};
}
Quantity Time() {
    return {"time", "time", "t", kTimeCategory, "min", kNotNegative, {}};
}

Formula FlameLengthOfIntensity(const Relation &r) {
    return N(0.45, "0.45") * Formula::Power(In(r, 0), N(0.46, "0.46"));
}
Formula IntensityOfFlameLength(const Relation &r) {
    return Formula::Power(In(r, 0) / N(0.45, "0.45"), N(1 / 0.46, "1/0.46"));
}
// Thomas's flame length as Rothermel (1991, INT-438) writes it for crown fires in English units: L in ft,
// I in BTU/ft/s. The metric 0.0266 (m, kW/m) is this coefficient converted and rounded.
Formula CrownFlameLength(const Relation &r) {
    return N(0.2, "0.2") * Formula::Power(In(r, 0), N(2.0 / 3.0, "2/3"));
}
Formula ProductOfInputs(const Relation &r) {
    Formula product = In(r, 0);
    for (std::size_t slot = 1; slot < r.inputs.size(); ++slot) {
        product = std::move(product) * In(r, slot);
    }
    return product;
}
Formula FirstTimesSecond(const Relation &r) {
    return In(r, 1) * In(r, 0);
}
Formula FirstOverSecond(const Relation &r) {
    return In(r, 0) / In(r, 1);
}
Formula DryOfWet(const Relation &r) {
    return N(100, "100") * In(r, 0) / (N(100, "100") - In(r, 0));
}
Formula WetOfDry(const Relation &r) {
    return N(100, "100") * In(r, 0) / (N(100, "100") + In(r, 0));
}

Relation Make(Relation relation, Formula (*formula)(const Relation &)) {
    relation.formula = formula(relation);
    return relation;
}

std::vector<Relation> MakeRelations() {
    const Formula none = Formula::Number(0, "0");
    std::vector<Relation> relations;
    const auto add = [&relations](Relation relation, Formula (*formula)(const Relation &)) {
        relations.push_back(Make(std::move(relation), formula));
    };
    add({"flame-length",
         "flame length from fireline intensity",
         {Intensity("BTU/ft/s")},
         FlameLength("ft"),
         none,
         "Byram 1959",
         "intensity-from-flame-length",
         ChartBy::Intensity,
         true,
         kObservedIntensity(0),
         ""},
        &FlameLengthOfIntensity);
    add({"intensity-from-flame-length",
         "fireline intensity from flame length",
         {FlameLength("ft")},
         Intensity("BTU/ft/s"),
         none,
         "Byram 1959",
         "flame-length",
         ChartBy::FlameLength,
         true,
         kObservedIntensity(-1),
         ""},
        &IntensityOfFlameLength);
    add({"crown-flame-length",
         "flame length of a crown fire",
         {Intensity("BTU/ft/s")},
         FlameLength("ft"),
         none,
         "Thomas 1963, in English units as Rothermel 1991 gives it",
         "",
         ChartBy::None,
         true,
         kCrownFireIntensity,
         "0.0266 with L in m and I in kW/m is the coefficient 0.2 converted and rounded"},
        &CrownFlameLength);
    add({"intensity",
         "fireline intensity from heat per unit area and rate of spread",
         {HeatPerUnitArea(), RateOfSpread("m/s")},
         Intensity("kW/m"),
         none,
         "Rothermel 1972; Andrews 1986",
         "",
         ChartBy::Intensity,
         false,
         {},
         ""},
        &ProductOfInputs);
    add({"byram-intensity",
         "fireline intensity from heat content, fuel consumed and rate of spread",
         {HeatContent(), FuelConsumed(), RateOfSpread("m/s")},
         Intensity("kW/m"),
         none,
         "Byram 1959",
         "",
         ChartBy::Intensity,
         false,
         {},
         ""},
        &ProductOfInputs);
    add({"heat-per-unit-area",
         "heat per unit area from heat content and fuel consumed",
         {HeatContent(), FuelConsumed()},
         HeatPerUnitArea(),
         none,
         "",
         "",
         ChartBy::None,
         false,
         {},
         ""},
        &ProductOfInputs);
    add({"wind-10m",
         "10-m open wind from 20-ft wind",
         {Wind("u20", "20-ft wind", "U20"), WindRatio()},
         Wind("u10", "10-m open wind", "U10"),
         none,
         "Turner and Lawson 1978",
         "wind-20ft",
         ChartBy::None,
         true,
         {},
         "k = 1.15 by default; some programs use 1.13"},
        &FirstTimesSecond);
    add({"wind-20ft",
         "20-ft wind from 10-m open wind",
         {Wind("u10", "10-m open wind", "U10"), WindRatio()},
         Wind("u20", "20-ft wind", "U20"),
         none,
         "Turner and Lawson 1978",
         "wind-10m",
         ChartBy::None,
         true,
         {},
         "k = 1.15 by default; some programs use 1.13"},
        &FirstOverSecond);
    add({"midflame-wind",
         "midflame wind from 20-ft wind and a wind adjustment factor",
         {Wind("u20", "20-ft wind", "U20"),
          {"waf", "wind adjustment factor", "WAF", "", "", Range{0.0, 1.0, true, false}, {}}},
         Wind("midflame", "midflame wind", "Umf"),
         none,
         "Albini and Baughman 1979",
         "",
         ChartBy::None,
         true,
         {},
         ""},
        &FirstTimesSecond);
    add({"dry-basis",
         "moisture content on a dry basis from the wet-basis percentage",
         {WetBasis()},
         DryBasis(),
         none,
         "",
         "wet-basis",
         ChartBy::None,
         false,
         {},
         ""},
        &DryOfWet);
    add({"wet-basis",
         "moisture content on a wet basis from the dry-basis percentage",
         {DryBasis()},
         WetBasis(),
         none,
         "",
         "dry-basis",
         ChartBy::None,
         false,
         {},
         ""},
        &WetOfDry);
    add({"spread-distance",
         "distance covered at a rate of spread in a time",
         {RateOfSpread("m/min"), Time()},
         Distance(),
         none,
         "",
         "spread-time",
         ChartBy::None,
         false,
         {},
         ""},
        &ProductOfInputs);
    add({"spread-time",
         "time to cover a distance at a rate of spread",
         {Distance(), RateOfSpread("m/min", kPositive)},
         Time(),
         none,
         "",
         "spread-distance",
         ChartBy::None,
         false,
         {},
         ""},
        &FirstOverSecond);
    for (Relation &relation : BurnPlanRelations()) {
        relations.push_back(std::move(relation));
    }
    return relations;
}

} // namespace

std::span<const Relation> Relations() {
    static const std::vector<Relation> relations = MakeRelations();
    return relations;
}

} // namespace quorlex::relations
