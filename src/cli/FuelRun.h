#pragma once

#include "cli/Failure.h"

namespace quorlex::cli {

struct Options;

// fmd --check FILE and fmd --to english|metric FILE [-o OUT] [--keep-going]: a custom fuel model file
// checked, or converted to the other unit system.
ExitCode RunFmd(const Options &options);

// fuel-model --list, fuel-model MODEL... [--metric] and fuel-model MODEL... --fmd [--metric]
// [--renumber N]: the standard fuel models.
ExitCode RunFuelModel(const Options &options);

} // namespace quorlex::cli
