#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace quorlex::fuelmodels {

// The numeric fields of a fuel model, in the order a custom fuel model file's line holds them.
enum class Field {
    Load1h,
    Load10h,
    Load100h,
    LoadHerb,
    LoadWoody,
    Sav1h,
    SavHerb,
    SavWoody,
    Depth,
    Extinction,
    HeatDead,
    HeatLive,
};
inline constexpr int kFieldCount = 12;

// A standard fire behaviour fuel model, its numbers as the published table writes them (English units:
// ton/ac, 1/ft, ft, percent, BTU/lb), so that every digit shown is a published one.
struct StandardModel {
    int number;
    std::string_view code;
    std::string_view name;
    bool dynamic;
    std::array<std::string_view, kFieldCount> values;
    std::string_view source;
};

// The surface-area-to-volume ratios of the 10-h and 100-h classes, the same for every standard model and
// not held in a custom fuel model file (Anderson 1982, p. 3; Scott and Burgan 2005, p. 8).
inline constexpr std::string_view kSav10h = "109";
inline constexpr std::string_view kSav100h = "30";

// Where the standard models come from, in a sentence.
inline constexpr std::string_view kStandardSources =
    "Sources: Anderson (1982), INT-122, Table 1 (1 to 13); Scott and Burgan (2005), RMRS-GTR-153, Table 7 "
    "(101 to 204).";

// The 13 models of Anderson (1982) and the 40 of Scott and Burgan (2005), by number.
std::span<const StandardModel> StandardModels();

// A standard model by its code (any case: "sh5", "FM4") or its number ("145"); nullptr for none.
const StandardModel *FindStandardModel(std::string_view codeOrNumber);

// Whether a fuel model number is held by a standard model or kept for the non-burnable ones (90 to 99).
bool IsStandardNumber(long number);

} // namespace quorlex::fuelmodels
