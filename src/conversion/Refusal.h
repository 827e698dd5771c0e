#pragma once

#include <string>

namespace quorlex::conversion {

// Why a name, a line or a value gives no conversion.
enum class RefusalKind {
    None,
    Syntax,           // the words do not form VALUE FROM TO (or FROM TO VALUE...)
    UnknownCategory,  // a category name names no category
    UnknownUnit,      // a name names no unit (of the category asked for)
    UnitIndex,        // CATEGORY:INDEX with an index the category does not have
    CategoriesDiffer, // the two units are of different categories
    Ambiguous,        // both units fit more than one category and nothing settles which
};

// A refusal: its kind and the reason in words, without any advice on options, which belongs to the
// program that shows it ("\"x\" names no unit of Fuel Load"). `category` is the category the reason is
// about (-1 for none), for that advice ("see the list of Fuel Load").
struct Refusal {
    RefusalKind kind = RefusalKind::None;
    std::string reason;
    int category = -1;

    explicit operator bool() const { return kind != RefusalKind::None; }
};

} // namespace quorlex::conversion
