#pragma once

#include <string>
#include <string_view>

namespace quorlex::cli {

// UTF-16 (Windows' wide texts) as UTF-8. A surrogate without its partner becomes U+FFFD, so that a broken
// text can never turn into another, valid name.
std::string Utf8FromUtf16(std::u16string_view text);

} // namespace quorlex::cli
