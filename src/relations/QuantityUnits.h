#pragma once

#include "conversion/ValueText.h"
#include "relations/Relation.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorlex::relations {

// The units a quantity may be given in, by position: its catalogue category's units in list order, the
// time units (0 h, 1 min, 2 s), "%" alone for a percentage, and none for a plain number.
int UnitCount(const Quantity &quantity);
std::string_view UnitSymbol(const Quantity &quantity, int unit);
// The name a list shows for a unit: the catalogue's list text ("Tons Per Acre"), "Minutes", "Percent".
std::string UnitName(const Quantity &quantity, int unit);

// The catalogue index of the quantity's category; -1 for a time or a number.
int CategoryIndex(const Quantity &quantity);
// "Speed", "Time", "a number"
std::string CategoryCaption(const Quantity &quantity);

// The position of the unit the formula takes; -1 for a plain number.
int FormulaUnit(const Quantity &quantity);

// The position of the unit a name names, by the catalogue's names (and CATEGORY:INDEX) or the time units'
// names; -1 and the reason, naming the input, for none: "ros: kW/m is a Fireline Intensity unit, not a
// Speed unit".
int FindUnit(const Quantity &quantity, std::string_view name, std::string &problem);

// Whether a text is digits, a colon and digits ("1:30", "1:75", "1:5"): meant as hours and minutes, right
// or wrong.
bool LooksLikeHoursAndMinutes(std::string_view text);

// The value of a time text "H:MM" in hours ("1:30" is 1.5); nullopt for a text of another form.
std::optional<double> HoursAndMinutes(std::string_view text);

// The denominator of a map scale written "1:24000", "1:24,000" (commas grouping thousands) or "24000"; the
// denominator alone is read as any number with the run's decimal mark. nullopt for another form.
std::optional<double> MapScale(std::string_view text, conversion::DecimalMark mark);

// A value in one of the quantity's units expressed in another: times the units' exact factor rounded once
// (the time units by their lengths in seconds), by the window's formulas for temperature and slope; NaN for
// a result beyond the range of a double.
double ConvertUnits(const Quantity &quantity, int from, int to, double value);

} // namespace quorlex::relations
