// Custom fuel model files: any text is read or refused with a line, checked, and converted to both unit
// systems without fault. Converting a file to the system it is in gives it back byte for byte; a
// conversion keeps every line, its ending and its kind; a file with no errors converted to the other
// system and back reads with the same numbers of lines and models.
#include "FuzzCheck.h"
#include "fuelmodels/FmdChecks.h"
#include "fuelmodels/FmdConversion.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace quorlex::fuelmodels;
using namespace quorlex::fuzz;

void SameShape(const FmdFile &a, const FmdFile &b, const std::string &detail) {
    Require(b.lines.size() == a.lines.size() || b.lines.size() == a.lines.size() + 1,
            "a conversion keeps every line, and adds at most the first", detail);
    const std::size_t added = b.lines.size() - a.lines.size();
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
        const FmdLine &before = a.lines[i];
        const FmdLine &after = b.lines[i + added];
        Require(before.ending == after.ending, "a conversion keeps line endings", detail);
        Require(before.kind == after.kind, "a conversion keeps the kind of every line", detail);
        if (before.kind == LineKind::Model) {
            Require(before.Text(before.name) == after.Text(after.name), "a conversion keeps names", detail);
            Require(before.tokens.size() == after.tokens.size(), "a conversion keeps the fields", detail);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(bytes), size);
    FmdFault fault;
    const auto file = ReadFmd(text, fault);
    if (!file) {
        Require(!fault.message.empty(), "a refused file says why");
        return 0;
    }
    const std::string detail = Printable(text);
    const std::vector<Finding> findings = CheckFmd(*file);
    for (const Finding &finding : findings) {
        Require(finding.line >= 1 && finding.line <= file->lines.size(), "a finding names a line of the file",
                detail);
        Require(finding.message.size() < 400, "a finding's message stays short", detail);
    }
    if (file->statesSystem || file->system == UnitSystem::English) {
        Require(ConvertFmd(*file, file->system) == text, "a file in the system asked for comes back as it is",
                detail);
    }
    const UnitSystem other = file->system == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
    const std::string converted = ConvertFmd(*file, other);
    FmdFault again;
    const auto reread = ReadFmd(converted, again);
    Require(reread.has_value() || again.message.find("past") != std::string::npos,
            "a converted file reads again", detail);
    if (reread) {
        Require(reread->system == other && reread->statesSystem, "a converted file names its system", detail);
        SameShape(*file, *reread, detail);
        if (!HasErrors(findings)) {
            const std::string back = ConvertFmd(*reread, file->system);
            FmdFault fault2;
            const auto round = ReadFmd(back, fault2);
            Require(!round || round->lines.size() == reread->lines.size(), "a round trip keeps every line",
                    detail);
        }
    }
    return 0;
}
