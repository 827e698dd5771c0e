#pragma once

#include "fuelmodels/FmdFile.h"

#include <string>
#include <vector>

namespace quorlex::fuelmodels {

// What the checks of a custom fuel model file find on a line. An error makes the file wrong for FARSITE
// or FlamMap or its numbers wrong for its units; a warning is worth knowing but loads as it is.
enum class Severity { Error, Warning };

struct Finding {
    std::size_t line = 0;
    Severity severity = Severity::Error;
    std::string message;
};

// The largest values FARSITE's reader takes: a line of 255 characters, a name of 64, a 1-h or live
// surface-area-to-volume ratio of 4000 1/ft; it keeps 4 characters of a code (FARSITE 4 help, custom fuel
// model editor).
inline constexpr std::size_t kLongestLine = 255;
inline constexpr std::size_t kLongestName = 64;
inline constexpr double kLargestSav = 4000;
inline constexpr std::size_t kLongestCode = 7;
inline constexpr std::size_t kCodeKept = 4;

// Every finding of every model line, in line order.
std::vector<Finding> CheckFmd(const FmdFile &file);

// Whether any finding is an error.
bool HasErrors(const std::vector<Finding> &findings);

// What the checks found in a sentence: "3 models in METRIC units, 1 error, 0 warnings", with
// " (no first line ENGLISH or METRIC)" after the units where the file does not name them.
std::string CheckSummary(const FmdFile &file, const std::vector<Finding> &findings);

// The lines with errors, each once: "line 3" or "lines 3, 5, 8"; empty for none.
std::string ErrorLines(const std::vector<Finding> &findings);

} // namespace quorlex::fuelmodels
