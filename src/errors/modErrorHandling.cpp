#include "errors/modErrorHandling.h"

#include "errors/RuntimeError.h"

#include <limits>
#include <map>

namespace quorlex::modErrorHandling {

namespace {

// The program's own string table, looked up by error number. It holds no entries: every lookup misses
// and the caller gets the fallback text.
const std::map<std::int32_t, std::string> &StringTable() {
    static const std::map<std::int32_t, std::string> table;
    return table;
}

} // namespace

std::string GetErrorText(std::int32_t number) {
    const auto &table = StringTable();
    if (const auto found = table.find(number); found != table.end()) {
        return found->second;
    }
    return kUnknownErrorText;
}

void RaiseError(std::int32_t number, const std::string &source) {
    const std::int64_t raised = std::int64_t{number} + vbObjectError;
    if (raised < std::numeric_limits<std::int32_t>::min() ||
        raised > std::numeric_limits<std::int32_t>::max()) {
        RaiseStandardError(kErrOverflow, source);
    }
    throw RuntimeError(static_cast<std::int32_t>(raised), source, GetErrorText(number));
}

} // namespace quorlex::modErrorHandling
