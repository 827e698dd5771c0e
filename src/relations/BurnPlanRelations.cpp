#include "numbers/Power.h"
#include "relations/RelationText.h"

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
        return "wet: the wet bulb reads above the dry bulb (are the two swapped?)";
    }
    if (!(vapour > 0.0)) {
        return "wet: the wet bulb reads too far below the dry bulb: the air would hold no water vapour";
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

// The fuel's warming over the air in °C: 25 °F in full sun to 5 °F in full shade, S in %.
double Warming(double shade) {
    return (25.0 - 0.2 * shade) * 5.0 / 9.0;
}
double AtMost400(double heat) {
    return std::min(heat, 400.0);
}
double AtMost100(double percent) {
    return std::min(percent, 100.0);
}

constexpr std::array<NamedFunction, 10> kFunctions{{
    {"exp", &Exp},
    {"\u221A", [](double x) { return std::sqrt(x); }},
    {"es", &SaturationPressure},
    {"dew", &DewPointOfPressure},
    {"min8", &AtMostEight},
    {"ecc", &Eccentricity},
    {"ellipse", &UnitEllipsePerimeter},
    {"warm", &Warming},
    {"min400", &AtMost400},
    {"min100", &AtMost100},
}};

// The relations, one a line, as ReadRelations reads them.
constexpr std::string_view kTable =
    // The psychrometric equation and the humidity from the dew point, above.
    "rh|relative humidity from dry-bulb and wet-bulb temperatures|dry~dry-bulb "
    "temperature~T~Temperature~degC~c;wet~wet-bulb "
    "temperature~Tw~Temperature~degC~c;elevation~elevation~z~Length~ft~|rh~relative humidity~RH~~%~%|100 "
    "7469 1.8 T * 430 + / 7469 1.8 Tw es 0.00066 1 0.00115 Tw * + * T Tw - * 1013 * -0.0000375 z * exp * - "
    "dew * 430 + / - exp *|Buck 1981; Marvin 1941; as BehavePlus 5 computes it||Fh|es: saturation vapour "
    "pressure (hPa), over ice below 0 °C; dew: its inverse\n"
    "dew-point|dew point from dry-bulb and wet-bulb temperatures|dry~dry-bulb "
    "temperature~T~Temperature~degC~c;wet~wet-bulb "
    "temperature~Tw~Temperature~degC~c;elevation~elevation~z~Length~ft~|dew-point~dew "
    "point~Td~Temperature~degC~c|Tw es 0.00066 1 0.00115 Tw * + * T Tw - * 1013 * -0.0000375 z * exp * - "
    "dew|Buck 1981; Marvin 1941; as BehavePlus 5 computes it||Fh|es: saturation vapour pressure (hPa), over "
    "ice below 0 °C; dew: its inverse\n"
    // Van Wagner (1977), "Conditions for the start and spread of crown fire", Can. J. For. Res. 7: the
    // critical surface intensity (equations 4 and 5: the heat of ignition 460 + 25.9 × FMC kJ/kg, C = 0.010
    // fitted to a fire under a 6 m crown base at 100 % foliar moisture that crowned at about 2500 kW/m), the
    // heat of ignition the Canadian Fire Behavior Prediction System uses too (Forestry Canada 1992, ST-X-3,
    // equation 60); the critical spread rate of active crowning, a mass flow of 3.0 kg/m²/min (equation 9).
    "crown-initiation|critical surface intensity for crown fire initiation|cbh~canopy base "
    "height~CBH~Length~m~n;fmc~foliar moisture content~FMC~~%~n;intensity~surface fireline "
    "intensity~Is~FireLineIntensity~kW/m~o|critical-intensity~critical surface "
    "intensity~I0~FireLineIntensity~kW/m~n|0.010 CBH * 460 25.9 FMC * + * 1.5 ^|Van Wagner 1977||Ft|FARSITE "
    "and the Canadian FBP System use 460 + 25.9 × FMC too; the Missoula lab's behave library 450 + 25.9 × "
    "FMC, with FMC ≥ 30 % and CBH ≥ 0.1 m\n"
    "crown-active|critical spread rate for active crown fire|cbd~canopy bulk "
    "density~CBD~BulkDensity~kg/m3~p|critical-ros~critical spread rate~R0~Speed~m/min~n|3.0 CBD /|Van Wagner "
    "1977||F|\n"
    // Van Wagner (1973), "Height of crown scorch in forest fires", Can. J. For. Res. 3, in English units as
    // Albini (1976, INT-30) and BehavePlus write it: foliage dies at 60 °C, 140 °F.
    "scorch-height|crown scorch height|intensity~fireline "
    "intensity~I~FireLineIntensity~BTU/ft/s~n;wind~midflame wind~U~Speed~mi/h~n;temp~air "
    "temperature~T~Temperature~degF~f|scorch-height~crown scorch height~hs~Length~ft~n|63 140 T - / I 7/6 ^ "
    "* I U 3 ^ + \u221A /|Van Wagner 1973, in English units as Albini 1976 gives it||Fs|\n"
    // Anderson (1983, INT-305) as BehavePlus 6's core computes it, U in mi/h, at most 8.
    "length-to-width|length-to-width ratio of a wind-driven fire|wind~midflame "
    "wind~U~Speed~mi/h~n|lw~length-to-width ratio~LW~~~1|0.936 0.1147 U * exp * 0.461 -0.0692 U * exp * + "
    "0.397 - min8|Anderson 1983, as BehavePlus 6 computes it||F|min8: at most 8; in m/s, 0.2566 and −0.1548; "
    "BehavePlus 5: 1 + 0.25 × U\n"
    // An ellipse with the point of ignition at its rear focus (Anderson 1983), 2D / (1 + ecc) long.
    "fire-area|area of an elliptical fire|distance~forward spread distance~D~Length~m~n;lw~length-to-width "
    "ratio~LW~~~1|area~fire area~A~Area~m2~n|\u03C0/4 2 D * 1 LW ecc + / 2 ^ * LW /|Anderson 1983|||ecc(LW) "
    "= √(1 − 1/LW²); the fire backs D × (1 − ecc) / (1 + ecc)\n"
    "fire-perimeter|perimeter of an elliptical fire|distance~forward spread "
    "distance~D~Length~m~n;lw~length-to-width ratio~LW~~~1|perimeter~fire perimeter~P~Length~m~n|2 D * 1 LW "
    "ecc + / LW ellipse *|Anderson 1983; Ramanujan 1914|||ellipse(LW): the perimeter of an ellipse 1 long "
    "and 1/LW wide\n"
    // Schroeder (1969), "Ignition probability", USDA Forest Service Office Report 2106-1, as BehavePlus
    // computes it: the fuel 25 °F warmer than the air in full sun to 5 °F in full shade (25 − 0.2 × S,
    // × 5/9 in °C); the heat of ignition Q (cal/g) of fine fuel at that temperature and moisture M / 100; the
    // chance that a firebrand brings 400 − Q, 0.000048 × (0.1 × (400 − Q))^4.3 / 50, at most 1.
    "ignition|probability of ignition|temp~air temperature~T~Temperature~degC~c;moisture~fine dead fuel "
    "moisture~M~~%~n;shade~shading of the fuel~S~~%~%|ignition~probability of ignition~P~~%~%|100 0.000048 * "
    "0.1 400 144.51 0.266 T S warm + * - 0.00058 T S warm + 2 ^ * - T S warm + M "
    "100 / * - 18.54 1 -15.1 M 100 / * exp - * + 640 M 100 / * + min400 - * 4.3 ^ * 50 / "
    "min100|Schroeder 1969, as BehavePlus computes it||F|warm(S) = (25 − 0.2 × S) × 5/9 °C\n"
    "map-distance|ground distance from a map|map~distance on the map~d~Length~m~n;scale~scale of the map "
    "(1:N)~N~Scale~~p|ground~ground distance~D~Length~m~n|d N *||||\n"
    "map-slope|slope from contour lines|interval~contour interval~CI~Length~m~n;count~number of "
    "intervals~n~~~n;distance~ground distance~D~Length~m~p|slope~slope~S~Slope~%~n|100 CI * n * D /||||\n";

// The checks and the verdict of the relations above, by their flags.
const std::array<RelationExtra, 3> kExtras{{
    {'h', {}, &CheckPsychrometer},
    {'t', {}, nullptr, &TorchingVerdict},
    // Van Wagner's fires burned at 16 to 300 kcal/s/m.
    {'s', PublishedRange{0, Range{16.0, 300.0}, "kcal/m/s",
                         "the intensities of Van Wagner's fires (Van Wagner 1973)"}},
}};

} // namespace

std::vector<Relation> BurnPlanRelations() {
    std::vector<Relation> relations;
    ReadRelations(kTable, kFunctions, kExtras, relations);
    return relations;
}

} // namespace quorlex::relations
