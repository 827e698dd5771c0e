#pragma once

#include "fuelmodels/FmdFile.h"

#include <optional>
#include <span>
#include <string>

namespace quorlex::fuelmodels {

// The file in the other system: the first line says so (added when the file had none), every numeric
// field converted exactly with the decimals its value needs to come back as written, and everything else
// (numbers, codes, types, names, blanks, comments, line endings) byte for byte. A field that is not a
// number stays as it is.
std::string ConvertFmd(const FmdFile &file, UnitSystem to);

// A standard model's field in a system: the published text in English, its exact conversion in metric.
std::string StandardValue(const StandardModel &model, Field field, UnitSystem system);
// The 10-h and 100-h ratios, which every standard model shares, in a system.
std::string FixedSav(std::string_view english, UnitSystem system);

// Standard models as a custom fuel model file in FlamMap's form, one line each in the order given, after
// the line naming the system. With a first number, they are numbered from it instead of their own.
std::string StandardModelsFmd(std::span<const StandardModel *const> models, UnitSystem system,
                              std::optional<int> firstNumber);

} // namespace quorlex::fuelmodels
