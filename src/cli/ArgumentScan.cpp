#include "cli/ArgumentScan.h"

namespace quorlex::cli {

namespace {

// Whether an option argument leaves the next argument to be its value. Long options: "--name" that takes
// a value (but not "--name=value"). Short ones: a cluster of flags ("-gx"), where the first letter taking
// a value takes the rest of the cluster, or the next argument when nothing of the cluster is left.
bool TakesNextArgument(const std::string &option, const OptionKindOf &kindOf) {
    if (option.starts_with("--")) {
        return option.find('=') == std::string::npos && kindOf(option) == OptionKind::TakesValue;
    }
    for (std::size_t i = 1; i < option.size(); ++i) {
        const OptionKind kind = kindOf(std::string{'-', option[i]});
        if (kind == OptionKind::TakesValue) {
            return i + 1 == option.size();
        }
        if (kind == OptionKind::Unknown) {
            // The parser refuses the cluster; the next argument keeps its own meaning.
            return false;
        }
    }
    return false;
}

} // namespace

ScannedArguments ScanArguments(const std::vector<std::string> &arguments, const OptionKindOf &kindOf) {
    ScannedArguments scanned;
    if (arguments.empty()) {
        return scanned;
    }
    scanned.options.push_back(arguments.front());
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const int position = static_cast<int>(i);
        if (optionsEnded || argument.size() < 2 || argument[0] != '-' || IsValueArgument(argument)) {
            scanned.positionals.push_back({argument, position});
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        scanned.options.push_back(argument);
        if (TakesNextArgument(argument, kindOf) && i + 1 < arguments.size()) {
            scanned.options.push_back(arguments[++i]);
        }
    }
    return scanned;
}

} // namespace quorlex::cli
