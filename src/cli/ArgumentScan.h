#pragma once

#include "conversion/ValueFromTo.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::cli {

// A positional argument (a unit, a value, a category) and where it stood: 1 for the first argument after
// the program name, as messages count ("argument 3").
struct Positional {
    std::string text;
    int argument = 0;
};

// Whether an argument is meant as a value, the conversion library's rule: it passes the numeric test, or it
// starts with "-" and a character that starts no option ("-&H10", "-.", "-5x"), so that it is refused as a
// value instead of being taken for an option.
using conversion::IsValueArgument;

// The command line split before the option parser sees it: the options with their values, and the
// positional arguments. Every value argument (IsValueArgument) is positional, even "-40" or "-.5", unless
// it is the value of an option before it ("-p 5", "--column 2").
struct ScannedArguments {
    std::vector<std::string> options; // the program name first, then the options in their order
    std::vector<Positional> positionals;
};

// What the option parser knows of an option name ("-p", "--places", "-g"): whether it takes a value.
enum class OptionKind { Unknown, Flag, TakesValue };
using OptionKindOf = std::function<OptionKind(const std::string &name)>;

ScannedArguments ScanArguments(const std::vector<std::string> &arguments, const OptionKindOf &kindOf);

} // namespace quorlex::cli
