#include "numbers/Power.h"
#include "relations/PostfixFormula.h"
#include "relations/Relation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quorlex::relations {

namespace {

// The calculations of a burn plan and a fire weather observation: humidity from a sling psychrometer, the
// probability of ignition, crown fire thresholds, crown scorch, the size of an elliptical fire and readings
// from a map. They are held as data, each formula as postfix text, so that the web page's engine carries
// one reader instead of the code that would build each formula.

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr Range kNotNegative{0.0};
constexpr Range kPositive{0.0, kInfinity, true};
constexpr Range kPercent{0.0, 100.0};
constexpr Range kAboveAbsoluteZero{-273.15, kInfinity, true}; // °C

// --- Humidity from dry-bulb and wet-bulb temperatures --------------------------------------------------
//
// The psychrometric equation: the vapour pressure e is the saturation pressure at the wet bulb less
// A × p × (T − Tw), A = 0.00066 × (1 + 0.00115 × Tw) per °C (the coefficient of the US Weather Bureau's
// psychrometric tables, Marvin 1941; BehavePlus 5 uses it), with the station pressure p in hPa from the
// elevation z in feet, p = 1013 × exp(−0.0000375 × z) (BehavePlus 5). Its scale height, 1/0.0000375 ft =
// 8128 m, is the standard atmosphere's near the ground (US Standard Atmosphere 1976: about 8 km); the same
// constant applied to metres would give 976 hPa at 1000 m instead of 896.

// The saturation vapour pressure in hPa at a temperature in °C: over water at and above 0 °C, over ice
// below, a wet bulb below freezing being coated with ice. Buck (1981), "New equations for computing vapor
// pressure and enhancement factor", J. Appl. Meteorol. 20, equations ew1 and ei1; BehavePlus 5 uses both.
double SaturationPressure(double celsius) {
    return celsius < 0.0 ? 6.1115 * Exp(22.452 * celsius / (272.55 + celsius))
                         : 6.1121 * Exp(17.502 * celsius / (240.97 + celsius));
}

// The dew point in °C of a vapour pressure in hPa: Buck's water curve solved for the temperature.
double DewPointOfPressure(double hectopascals) {
    return 240.97 / (17.502 / Log(hectopascals / 6.1121) - 1.0);
}

// A wet bulb cools below the air by evaporation: it never reads warmer than the dry bulb, and no reading
// can lie so far below it that the air would hold no water vapour at all.
std::string CheckPsychrometer(std::span<const double> inputs) {
    const double dry = inputs[0];
    const double wet = inputs[1];
    const double vapour = SaturationPressure(wet) - 0.00066 * (1.0 + 0.00115 * wet) * (dry - wet) * 1013.0 *
                                                        Exp(-0.0000375 * inputs[2]);
    if (wet > dry) {
        return "wet: the wet bulb reads above the dry bulb; a wet bulb is never warmer than the air (are the "
               "two swapped?)";
    }
    if (!(vapour > 0.0)) {
        return "wet: the wet bulb reads too far below the dry bulb: at that depression the air would hold no "
               "water vapour";
    }
    return {};
}

// The dew point, then the relative humidity from the dew point and the air temperature as BehavePlus 5
// computes it in °F, RH = exp(7469 / (T + 398) − 7469 / (Td + 398)), here in °C (1.8 × T + 32 + 398): within
// 0.06 % RH of the vapour pressure over Buck's saturation pressure at the air temperature from 35 to 120 °F.

// --- Crown fire -----------------------------------------------------------------------------------------

// Van Wagner (1977), "Conditions for the start and spread of crown fire", Can. J. For. Res. 7: the critical
// surface intensity (equations 4 and 5, the heat of ignition 460 + 25.9 × FMC kJ/kg, C = 0.010, fitted to a
// fire under a 6 m crown base at 100 % foliar moisture that crowned at about 2500 kW/m), the same heat of
// ignition as the Canadian Fire Behavior Prediction System's (Forestry Canada 1992, ST-X-3, equation 60);
// and the critical spread rate for active crowning, 3.0 kg/m²/min over the canopy bulk density (equation 9).
std::string TorchingVerdict(std::span<const double> inputs, double critical) {
    const double surface = inputs[2];
    if (std::isnan(surface)) {
        return {};
    }
    return surface >= critical ? "torching expected: the surface fire reaches the critical intensity for "
                                 "crown fire initiation (Van Wagner 1977)"
                               : "no torching expected: the surface fire stays below the critical intensity "
                                 "for crown fire initiation (Van Wagner 1977)";
}

// --- Fire size ------------------------------------------------------------------------------------------

double AtMostEight(double ratio) {
    return std::min(ratio, 8.0);
}

// The eccentricity of an ellipse of length-to-width ratio LW: √(1 − 1/LW²).
double Eccentricity(double ratio) {
    return std::sqrt(1.0 - 1.0 / (ratio * ratio));
}

// The perimeter of an ellipse of length 1 and width 1/LW, by Ramanujan's second approximation (Ramanujan
// 1914, "Modular equations and approximations to π", Q. J. Math. 45), within a few parts in a million of
// the elliptic integral for the ratios of fires.
double UnitEllipsePerimeter(double ratio) {
    const double a = 0.5;
    const double b = 0.5 / ratio;
    const double h = (a - b) * (a - b) / ((a + b) * (a + b));
    return std::numbers::pi * (a + b) * (1.0 + 3.0 * h / (10.0 + std::sqrt(4.0 - 3.0 * h)));
}

// --- Ignition -------------------------------------------------------------------------------------------

double AtMost400(double heat) {
    return std::min(heat, 400.0);
}
double AtMost100(double percent) {
    return std::min(percent, 100.0);
}

constexpr std::array<NamedFunction, 9> kFunctions{{
    {"exp", &Exp},
    {"\u221A", [](double x) { return std::sqrt(x); }},
    {"es", &SaturationPressure},
    {"dew", &DewPointOfPressure},
    {"min8", &AtMostEight},
    {"ecc", &Eccentricity},
    {"ellipse", &UnitEllipsePerimeter},
    {"min400", &AtMost400},
    {"min100", &AtMost100},
}};

// The relations, one a line; fields between '|': id, title, inputs (';' between them), output, formula
// (postfix, PostfixFormula), source, F for an empirical fit or X for an exact relation, note. A quantity's
// fields between ',': name, title, sign, catalogue category, unit, and the code of its allowed range
// (RangeOf). Data, not code, so that the web page's engine stays small.
constexpr std::string_view kTable =
    // The psychrometric equation and the humidity from the dew point, above.
    "rh|relative humidity from dry-bulb and wet-bulb temperatures|dry,dry-bulb "
    "temperature,T,Temperature,degC,k;"
    "wet,wet-bulb temperature,Tw,Temperature,degC,k;elevation,elevation,z,Length,ft,|rh,relative "
    "humidity,RH,,%,"
    "%|100 7469 1.8 T * 430 + / 7469 1.8 Tw es 0.00066 1 0.00115 Tw * + * T Tw - * 1013 * -0.0000375 z * exp "
    "* "
    "- dew * 430 + / - exp *|Buck 1981; Marvin 1941; as BehavePlus 5 computes it|F|es: saturation vapour "
    "pressure in hPa, over ice below 0 °C; dew: its inverse; z in feet\n"
    "dew-point|dew point from dry-bulb and wet-bulb temperatures|dry,dry-bulb "
    "temperature,T,Temperature,degC,k;"
    "wet,wet-bulb temperature,Tw,Temperature,degC,k;elevation,elevation,z,Length,ft,|dew-point,dew point,Td,"
    "Temperature,degC,k|Tw es 0.00066 1 0.00115 Tw * + * T Tw - * 1013 * -0.0000375 z * exp * - dew|Buck "
    "1981; "
    "Marvin 1941; as BehavePlus 5 computes it|F|es: saturation vapour pressure in hPa, over ice below 0 °C; "
    "dew: "
    "its inverse; z in feet\n"
    // Van Wagner (1977), "Conditions for the start and spread of crown fire", Can. J. For. Res. 7: the
    // critical surface intensity (equations 4 and 5: the heat of ignition 460 + 25.9 × FMC kJ/kg, C = 0.010
    // fitted to a fire under a 6 m crown base at 100 % foliar moisture that crowned at about 2500 kW/m), the
    // heat of ignition the Canadian Fire Behavior Prediction System uses too (Forestry Canada 1992, ST-X-3,
    // equation 60); the critical spread rate of active crowning, a mass flow of 3.0 kg/m²/min (equation 9).
    "crown-initiation|critical surface fireline intensity for crown fire initiation|cbh,canopy base "
    "height,CBH,"
    "Length,m,n;fmc,foliar moisture content,FMC,,%,n;intensity,surface fireline "
    "intensity,Is,FireLineIntensity,"
    "kW/m,o|critical-intensity,critical surface fireline intensity,I0,FireLineIntensity,kW/m,n|0.010 CBH * "
    "460 "
    "25.9 FMC * + * 1.5 ^|Van Wagner 1977|F|FARSITE and the Canadian FBP System use 460 + 25.9 × FMC too; "
    "the "
    "Missoula lab's behave library 450 + 25.9 × FMC, with FMC ≥ 30 % and CBH ≥ 0.1 m\n"
    "crown-active|critical spread rate for active crown fire|cbd,canopy bulk density,CBD,BulkDensity,kg/m3,p|"
    "critical-ros,critical spread rate,R0,Speed,m/min,n|3.0 CBD /|Van Wagner 1977|F|\n"
    // Van Wagner (1973), "Height of crown scorch in forest fires", Can. J. For. Res. 3, in English units as
    // Albini (1976, INT-30) and BehavePlus write it: foliage dies at 60 °C, 140 °F.
    "scorch-height|crown scorch height|intensity,fireline "
    "intensity,I,FireLineIntensity,BTU/ft/s,n;wind,midflame "
    "wind,U,Speed,mi/h,n;temp,air temperature,T,Temperature,degF,f|scorch-height,crown scorch "
    "height,hs,Length,"
    "ft,n|63 140 T - / I 7/6 ^ * I U 3 ^ + \u221A /|Van Wagner 1973, in English units as Albini 1976 gives "
    "it|F|\n"
    // Anderson (1983, INT-305) as BehavePlus 6's core computes it, U in mi/h, at most 8.
    "length-to-width|length-to-width ratio of a wind-driven fire|wind,midflame wind,U,Speed,mi/h,n|lw,"
    "length-to-width ratio,LW,,,1|0.936 0.1147 U * exp * 0.461 -0.0692 U * exp * + 0.397 - min8|Anderson "
    "1983, "
    "as BehavePlus 6 computes it|F|min8: at most 8; with U in m/s, 0.2566 and −0.1548; BehavePlus 5: 1 + "
    "0.25 × "
    "U\n"
    // An ellipse with the point of ignition at its rear focus (Anderson 1983), 2D / (1 + ecc) long.
    "fire-area|area of an elliptical fire from its forward spread distance|distance,forward spread "
    "distance,D,"
    "Length,m,n;lw,length-to-width ratio,LW,,,1|area,fire area,A,Area,m2,n|\u03C0/4 2 D * 1 LW ecc + / 2 ^ * "
    "LW "
    "/|Anderson 1983|X|ecc(LW) = √(1 − 1/LW²); the fire backs D × (1 − ecc) / (1 + ecc)\n"
    "fire-perimeter|perimeter of an elliptical fire from its forward spread distance|distance,forward spread "
    "distance,D,Length,m,n;lw,length-to-width ratio,LW,,,1|perimeter,fire perimeter,P,Length,m,n|2 D * 1 LW "
    "ecc "
    "+ / LW ellipse *|Anderson 1983; Ramanujan 1914|X|ellipse(LW): the perimeter of an ellipse 1 long and "
    "1/LW "
    "wide\n"
    // Schroeder (1969), "Ignition probability", USDA Forest Service Office Report 2106-1, as BehavePlus
    // computes it: the fuel 25 °F warmer than the air in full sun to 5 °F in full shade (25 − 0.2 × S,
    // × 5/9 in °C); the heat of ignition Q (cal/g) of fine fuel at that temperature and moisture M / 100; the
    // chance that a firebrand brings 400 − Q, 0.000048 × (0.1 × (400 − Q))^4.3 / 50, at most 1.
    "ignition|probability of ignition from a firebrand|temp,air "
    "temperature,T,Temperature,degC,k;moisture,fine "
    "dead fuel moisture,M,,%,n;shade,shading of the fuel,S,,%,%|ignition,probability of ignition,P,,%,%|100 "
    "0.000048 * 0.1 400 144.51 0.266 T 25 0.2 S * - 5/9 * + * - 0.00058 T 25 0.2 S * - 5/9 * + 2 ^ * - T 25 "
    "0.2 "
    "S * - 5/9 * + M 100 / * - 18.54 1 -15.1 M 100 / * exp - * + 640 M 100 / * + min400 - * 4.3 ^ * 50 / "
    "min100|"
    "Schroeder 1969, as BehavePlus computes it|F|min400 and min100 cap the heat of ignition and the "
    "probability\n"
    "map-distance|ground distance from a distance on a map|map,distance on the map,d,Length,m,n;scale,scale "
    "of "
    "the map (1:N),N,Scale,,p|ground,ground distance,D,Length,m,n|d N *||X|\n"
    "map-slope|slope from contour lines on a map|interval,contour interval,CI,Length,m,n;count,number of "
    "contour "
    "intervals,n,,,n;distance,ground distance,D,Length,m,p|slope,slope,S,Slope,%,n|100 CI * n * D /||X|\n";

// The text up to `separator` (or the end), and the rest after it.
std::string_view Next(std::string_view &text, char separator) {
    const auto end = text.find(separator);
    const std::string_view piece = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return piece;
}

// The allowed range of a code: none for the whole line, n not negative, p positive, % a percentage, k above
// absolute zero in °C, f below 140 °F (foliage dies at 60 °C), 1 at least 1, o not negative and optional.
Quantity QuantityOf(std::string_view text) {
    Quantity quantity{
        Next(text, ','), Next(text, ','), Next(text, ','), Next(text, ','), Next(text, ','), {}, {}};
    switch (text.empty() ? ' ' : text[0]) {
    case 'o':
        quantity.fallback = kNotGiven;
        [[fallthrough]];
    case 'n':
        quantity.allowed = kNotNegative;
        break;
    case 'p':
        quantity.allowed = kPositive;
        break;
    case '%':
        quantity.allowed = kPercent;
        break;
    case 'k':
        quantity.allowed = kAboveAbsoluteZero;
        break;
    case 'f':
        quantity.allowed = Range{-459.67, 140.0, true, true};
        break;
    case '1':
        quantity.allowed = Range{1.0};
        break;
    default:
        break;
    }
    return quantity;
}

} // namespace

std::vector<Relation> BurnPlanRelations() {
    std::vector<Relation> relations;
    std::string_view table = kTable;
    while (!table.empty()) {
        std::string_view line = Next(table, '\n');
        // The braces read the fields in order.
        Relation relation{Next(line, '|'), Next(line, '|'), {}, {}, Formula::Number(0, "0"), {}, {},
                          ChartBy::None,   false,           {}, {}};
        for (std::string_view inputs = Next(line, '|'); !inputs.empty();) {
            relation.inputs.push_back(QuantityOf(Next(inputs, ';')));
        }
        relation.output = QuantityOf(Next(line, '|'));
        const std::string_view postfix = Next(line, '|');
        relation.source = Next(line, '|');
        relation.fit = Next(line, '|') == "F";
        relation.note = line;
        bool ok = false;
        relation.formula = PostfixFormula(postfix, relation.inputs, kFunctions, ok);
        if (relation.id == "rh" || relation.id == "dew-point") {
            relation.check = &CheckPsychrometer;
        } else if (relation.id == "crown-initiation") {
            relation.verdict = &TorchingVerdict;
        } else if (relation.id == "scorch-height") {
            // Van Wagner's fires burned at 16 to 300 kcal/s/m.
            relation.published = PublishedRange{0, Range{16.0, 300.0}, "kcal/m/s",
                                                "the intensities of Van Wagner's fires (Van Wagner 1973)"};
        }
        relations.push_back(std::move(relation));
    }
    return relations;
}

} // namespace quorlex::relations
