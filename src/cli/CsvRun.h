#pragma once

namespace quorlex::delimited {
class TableRun;
}

namespace quorlex::cli {

class InputBuffer;
class OutputSink;
class Progress;
class Refusals;

// Runs a delimited-file run over an input read in blocks: each block's whole records go to the run, and
// what it writes to the output. The run's layout errors end the program as usage errors, input that is not
// delimited text as a data error.
void RunTable(InputBuffer &input, delimited::TableRun &run, OutputSink &out, Refusals &refusals,
              Progress &progress);

} // namespace quorlex::cli
