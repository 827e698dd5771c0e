#pragma once

#include "cli/ArgumentScan.h"

#include <vector>

namespace quorlex::conversion {
class ValueConverter;
}

namespace quorlex::cli {

class InputBuffer;
class OutputSink;
class Progress;
class Refusals;

// The values on the command line, one result per line. An empty argument is refused: it is no value.
void ConvertArguments(const std::vector<Positional> &values, conversion::ValueConverter &converter,
                      OutputSink &out, Refusals &refusals);

// The values of an input, one per line, each result on a line as soon as its value is read; a blank line
// gives an empty line. A line ending in CR LF gives a result line ending in CR LF. Throws DataError for a
// line longer than 1 MiB.
void ConvertLines(InputBuffer &input, conversion::ValueConverter &converter, OutputSink &out,
                  Refusals &refusals, Progress &progress);

} // namespace quorlex::cli
