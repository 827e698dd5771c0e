#include "cli/ArgumentScan.h"

#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using quorlex::test::PrintTo;

using quorlex::cli::OptionKind;
using quorlex::cli::ScanArguments;

struct ScanCase {
    const char *name;
    std::vector<std::string> arguments; // after the program name
    std::vector<std::string> options;
    std::vector<std::string> positionals;
};

// The options of the program as the parser describes them.
OptionKind KindOf(const std::string &name) {
    for (const char *flag : {"-g", "--general", "--csv-like-flag", "-h"}) {
        if (name == flag) {
            return OptionKind::Flag;
        }
    }
    for (const char *valued : {"-p", "--places", "-c", "--category", "--column", "--csv", "-o"}) {
        if (name == valued) {
            return OptionKind::TakesValue;
        }
    }
    return OptionKind::Unknown;
}

class ArgumentScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ArgumentScanTest, SetsValuesApartFromOptions) {
    std::vector<std::string> arguments{"quorlex-convert"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const auto scanned = ScanArguments(arguments, KindOf);
    std::vector<std::string> options(scanned.options.begin() + 1, scanned.options.end());
    std::vector<std::string> positionals;
    for (const auto &positional : scanned.positionals) {
        positionals.push_back(positional.text);
        EXPECT_EQ(arguments[static_cast<std::size_t>(positional.argument)], positional.text);
    }
    EXPECT_EQ(options, GetParam().options);
    EXPECT_EQ(positionals, GetParam().positionals);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ArgumentScanTest,
    ::testing::Values(
        ScanCase{"NegativeValueFirst", {"-40", "degC", "degF"}, {}, {"-40", "degC", "degF"}},
        ScanCase{"NegativeFractionAndHex",
                 {"kg", "lb", "-.5", "-&H10", "-1e-3"},
                 {},
                 {"kg", "lb", "-.5", "-&H10", "-1e-3"}},
        ScanCase{"DecimalCommaValue",
                 {"--decimal-comma", "-1,5", "kg", "lb"},
                 {"--decimal-comma"},
                 {"-1,5", "kg", "lb"}},
        ScanCase{"OptionValueIsNotPositional", {"-p", "5", "kg", "lb", "3"}, {"-p", "5"}, {"kg", "lb", "3"}},
        ScanCase{"NegativeOptionValue", {"-p", "-1", "kg", "lb"}, {"-p", "-1"}, {"kg", "lb"}},
        ScanCase{"AttachedValues", {"-p5", "--places=2", "kg", "lb"}, {"-p5", "--places=2"}, {"kg", "lb"}},
        ScanCase{"FlagClusterEndingInValueOption", {"-gp", "3", "kg", "lb"}, {"-gp", "3"}, {"kg", "lb"}},
        ScanCase{"StandardInputAsFile",
                 {"--csv", "-", "--column", "2", "a", "b"},
                 {"--csv", "-", "--column", "2"},
                 {"a", "b"}},
        ScanCase{"AfterDoubleDash", {"--", "-x", "kg"}, {}, {"-x", "kg"}},
        ScanCase{"UnknownOptionTakesNothing", {"-x", "5", "kg"}, {"-x"}, {"5", "kg"}},
        ScanCase{"LoneDashIsPositional", {"-", "kg"}, {}, {"-", "kg"}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
