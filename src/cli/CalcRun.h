#pragma once

#include "cli/Failure.h"

namespace quorlex::cli {

struct Options;

// calc --list: every fire calculation with its inputs, output, formula and source.
ExitCode ListCalculations(const Options &options);

// calc ID INPUTS...: one answer from the inputs on the command line, or with --csv an answer for every
// row of a delimited file, its inputs taken from columns (NAME=COLUMN[UNIT]).
ExitCode RunCalculation(const Options &options);

} // namespace quorlex::cli
