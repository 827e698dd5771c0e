#include "cli/CsvRun.h"

#include "cli/Failure.h"
#include "cli/InputBuffer.h"
#include "cli/OutputSink.h"
#include "cli/Progress.h"
#include "cli/Refusals.h"
#include "delimited/TableRun.h"

#include <string>

namespace quorlex::cli {

void RunTable(InputBuffer &input, delimited::TableRun &run, OutputSink &out, Refusals &refusals,
              Progress &progress) {
    std::string written;
    // A refusal reported with --keep-going comes after the rows before it, these included.
    refusals.SetPending(&written);
    try {
        while (!run.Finished()) {
            input.Consume(run.Feed(input.Pending(), input.Ended(), written));
            out.Append(written);
            written.clear();
            progress.Update(input.ConsumedTotal(), run.Rows());
            if (!run.Finished() && !input.Ended()) {
                input.ReadMore();
            }
        }
    } catch (const delimited::LayoutError &error) {
        refusals.SetPending(nullptr);
        throw UsageError(error.what());
    } catch (const delimited::InputFault &error) {
        // What came before the fault stays written, as it would have been had the fault come later.
        out.Append(written);
        refusals.SetPending(nullptr);
        throw DataError(error.what());
    } catch (...) {
        out.Append(written);
        refusals.SetPending(nullptr);
        throw;
    }
    refusals.SetPending(nullptr);
}

} // namespace quorlex::cli
