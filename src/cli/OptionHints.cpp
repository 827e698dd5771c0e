#include "cli/OptionHints.h"

#include "cli/Failure.h"
#include "conversion/ValueText.h"

namespace quorlex::cli {

namespace {

using conversion::DecimalMark;
using conversion::RefusalKind;

// The refusal as a usage error, with the option that helps.
[[noreturn]] void ThrowWithHint(const conversion::Refusal &refusal) {
    std::string message = refusal.reason;
    switch (refusal.kind) {
    case RefusalKind::UnitIndex:
    case RefusalKind::UnknownUnit:
        message += refusal.category >= 0
                       ? " (see --list " + std::string(conversion::ClassNameOf(refusal.category)) + ")"
                       : std::string(" (see --list)");
        break;
    case RefusalKind::Ambiguous:
        message += ": choose the category with -c (--category)";
        break;
    case RefusalKind::None:
    case RefusalKind::Syntax:
    case RefusalKind::UnknownCategory:
    case RefusalKind::CategoriesDiffer:
        break;
    }
    throw UsageError(message);
}

} // namespace

int ChooseCategory(std::string_view name) {
    conversion::Refusal refusal;
    const int category = conversion::ChooseCategory(name, refusal);
    if (refusal) {
        ThrowWithHint(refusal);
    }
    return category;
}

conversion::UnitChoice ChooseUnits(std::string_view from, std::string_view to, std::string_view category) {
    const int chosen = category.empty() ? -1 : ChooseCategory(category);
    conversion::Refusal refusal;
    const conversion::UnitChoice units = conversion::ChooseUnits(from, to, chosen, -1, refusal);
    if (refusal) {
        ThrowWithHint(refusal);
    }
    return units;
}

std::string DescribeRefusal(const conversion::ValueConverter &converter,
                            conversion::ValueConverter::Refusal refusal, std::string_view text) {
    using Refusal = conversion::ValueConverter::Refusal;
    std::string message = converter.Describe(refusal, text);
    if (refusal == Refusal::NotNumber) {
        if (converter.Mark() == DecimalMark::Comma && text.find('.') != std::string_view::npos) {
            message += " (with --decimal-comma a comma is the decimal point, and a period is refused)";
        } else if (converter.Mark() == DecimalMark::Period && IsValueText(text, DecimalMark::Comma)) {
            message += " (for a decimal comma, use --decimal-comma)";
        }
    } else if (refusal == Refusal::ResultTooSmall) {
        message += "; -g (--general) writes it";
    }
    return message;
}

} // namespace quorlex::cli
