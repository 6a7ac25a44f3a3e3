#pragma once

#include "cellular/OemCodePage.h"
#include "common/Status.h"

#include <cstddef>
#include <string_view>

namespace tamb {

// Checks that the text field `name` can be stored without loss: well-formed UTF-8, at most `limit` characters
// (UTF-16 code units, as the edits count), every character held by `codePage` and the encoded text within the
// 57 bytes of its record. A failure names the field and what is wrong.
[[nodiscard]] Status CheckTextField(
    std::string_view name, std::string_view text, std::size_t limit, const OemCodePage& codePage);

// Checks that `value` of the field `name` lies within [minimum, maximum].
[[nodiscard]] Status CheckFieldRange(std::string_view name, int value, int minimum, int maximum);

} // namespace tamb
