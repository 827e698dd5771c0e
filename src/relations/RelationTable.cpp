#include "relations/RelationText.h"

#include <array>

namespace quorlex::relations {

namespace {

// Adding a relation: one line of kTable (RelationText.h says how it reads), and any check, verdict or
// published range in kExtras.

// Thomas's flame length of crown fires is written as Rothermel (1991, INT-438) gives it in English units: L
// in ft, I in BTU/ft/s. The metric 0.0266 (m, kW/m) is this coefficient converted and rounded.
constexpr std::string_view kTable =
    "flame-length|flame length from fireline intensity|intensity~fireline "
    "intensity~I~FireLineIntensity~BTU/ft/s~n|flame-length~flame length~L~Length~ft~n|0.45 I 0.46 ^ *|Byram "
    "1959|intensity-from-flame-length|FIo|\n"
    "intensity-from-flame-length|fireline intensity from flame length|flame-length~flame "
    "length~L~Length~ft~n|intensity~fireline intensity~I~FireLineIntensity~BTU/ft/s~n|L 0.45 / 1/0.46 "
    "^|Byram 1959|flame-length|FLO|\n"
    "crown-flame-length|flame length of a crown fire|intensity~fireline "
    "intensity~I~FireLineIntensity~BTU/ft/s~n|flame-length~flame length~L~Length~ft~n|0.2 I 2/3 ^ *|Thomas "
    "1963, in English units as Rothermel 1991 gives it||Fc|0.0266 with L in m and I in kW/m is the "
    "coefficient 0.2 converted and rounded\n"
    "intensity|fireline intensity from heat per unit area and rate of spread|hpa~heat per unit "
    "area~HPA~HeatUnitArea~kJ/m2~n;ros~rate of spread~R~Speed~m/s~n|intensity~fireline "
    "intensity~I~FireLineIntensity~kW/m~n|HPA R *|Rothermel 1972; Andrews 1986||I|\n"
    "byram-intensity|fireline intensity from heat content, fuel consumed and rate of spread|heat~heat "
    "content~H~HeatContent~kJ/kg~n;load~fuel consumed~w~FuelLoad~kg/m2~n;ros~rate of "
    "spread~R~Speed~m/s~n|intensity~fireline intensity~I~FireLineIntensity~kW/m~n|H w * R *|Byram 1959||I|\n"
    "heat-per-unit-area|heat per unit area from heat content and fuel consumed|heat~heat "
    "content~H~HeatContent~kJ/kg~n;load~fuel consumed~w~FuelLoad~kg/m2~n|hpa~heat per unit "
    "area~HPA~HeatUnitArea~kJ/m2~n|H w *||||\n"
    // Turner and Lawson (1978): the 10-m open wind is k = 1.15 times the 20-ft wind.
    "wind-10m|10-m open wind from 20-ft wind|u20~20-ft wind~U20~Speed~mi/h~n;k~ratio of the 10-m wind to the "
    "20-ft wind~k~~~k|u10~10-m open wind~U10~Speed~mi/h~n|k U20 *|Turner and Lawson 1978|wind-20ft|F|k = "
    "1.15 by default; some programs use 1.13\n"
    "wind-20ft|20-ft wind from 10-m open wind|u10~10-m open wind~U10~Speed~mi/h~n;k~ratio of the 10-m wind "
    "to the 20-ft wind~k~~~k|u20~20-ft wind~U20~Speed~mi/h~n|U10 k /|Turner and Lawson 1978|wind-10m|F|k = "
    "1.15 by default; some programs use 1.13\n"
    "midflame-wind|midflame wind from 20-ft wind and a wind adjustment factor|u20~20-ft "
    "wind~U20~Speed~mi/h~n;waf~wind adjustment factor~WAF~~~a|midflame~midflame wind~Umf~Speed~mi/h~n|WAF "
    "U20 *|Albini and Baughman 1979||F|\n"
    "dry-basis|moisture content on a dry basis from the wet-basis percentage|wet~moisture content, wet "
    "basis~Mw~~%~w|dry~moisture content, dry basis~Md~~%~n|100 Mw * 100 Mw - /||wet-basis||\n"
    "wet-basis|moisture content on a wet basis from the dry-basis percentage|dry~moisture content, dry "
    "basis~Md~~%~n|wet~moisture content, wet basis~Mw~~%~w|100 Md * 100 Md + /||dry-basis||\n"
    "spread-distance|distance covered at a rate of spread in a time|ros~rate of "
    "spread~R~Speed~m/min~n;time~time~t~Time~min~n|distance~distance~D~Length~m~n|R t *||spread-time||\n"
    "spread-time|time to cover a distance at a rate of spread|distance~distance~D~Length~m~n;ros~rate of "
    "spread~R~Speed~m/min~p|time~time~t~Time~min~n|D R /||spread-distance||\n";

// Fireline intensities observed in wildland fires run from about 15 to at least 100000 kW/m, and most
// crown fires burn at 10000 to 30000 kW/m: Alexander (1982), "Calculating and interpreting forest fire
// intensities", Can. J. Bot. 60, as the Forest Encyclopedia Network's page on fireline intensity quotes
// him. Neither Byram (1959) nor Thomas (1963) gives the range of the data under his fit in a form found
// for this program, so these observed ranges stand in for them, named as what they are.
constexpr std::string_view kObserved = "the fireline intensities observed in wildland fires (Alexander 1982)";
const std::array<RelationExtra, 3> kExtras{{
    {'o', PublishedRange{0, Range{15.0, 100000.0}, "kW/m", kObserved}},
    {'O', PublishedRange{-1, Range{15.0, 100000.0}, "kW/m", kObserved}},
    {'c', PublishedRange{0, Range{10000.0, 30000.0}, "kW/m", "where most crown fires burn (Alexander 1982)"}},
}};

std::vector<Relation> MakeRelations() {
    std::vector<Relation> relations;
    ReadRelations(kTable, {}, kExtras, relations);
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
