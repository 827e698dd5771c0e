#pragma once

#include "conversion/UnitChoice.h"
#include "conversion/ValueConverter.h"

#include <string>
#include <string_view>

namespace quorlex::cli {

// The conversion library's answers in the command line's words: its refusals with the options that help
// ("(see --list FuelLoad)", "choose the category with -c (--category)", "-g (--general) writes it").

// The units FROM and TO name, settled by the category -c names (a caption or class name; empty for none).
// Throws UsageError for a refusal.
conversion::UnitChoice ChooseUnits(std::string_view from, std::string_view to, std::string_view category);

// The category a name stands for; throws UsageError listing them for none.
int ChooseCategory(std::string_view name);

// What a refused value says: "\"12,5\" is not a number (for a decimal comma, use --decimal-comma)".
std::string DescribeRefusal(const conversion::ValueConverter &converter,
                            conversion::ValueConverter::Refusal refusal, std::string_view text);

} // namespace quorlex::cli
