#include "cellular/TextFieldCheck.h"

#include "cellular/CellularRecord.h"
#include "common/Utf8Text.h"

#include <string>

namespace tamb {

Status CheckTextField(std::string_view name, std::string_view text, std::size_t limit, const OemCodePage& codePage)
{
    const std::string field { name };
    if (!IsValidUtf8(text)) {
        return Status::failure(field + " is not valid UTF-8 text");
    }
    const auto length = Utf16Length(text);
    if (length > limit) {
        return Status::failure(field + " holds " + std::to_string(length) + " characters; at most "
            + std::to_string(limit) + " are allowed");
    }
    const auto encoded = codePage.encode(text);
    const auto page = std::to_string(codePage.number());
    if (!encoded.lossless) {
        return Status::failure(
            field + " holds characters that code page " + page + " of the camera files cannot store");
    }
    if (encoded.bytes.size() > kTextAreaSize) {
        return Status::failure(field + " needs " + std::to_string(encoded.bytes.size()) + " bytes in code page " + page
            + "; the file holds at most " + std::to_string(kTextAreaSize));
    }
    return Status::success();
}

Status CheckFieldRange(std::string_view name, int value, int minimum, int maximum)
{
    if (value < minimum || value > maximum) {
        return Status::failure(std::string { name } + " must be from " + std::to_string(minimum) + " to "
            + std::to_string(maximum) + ", not " + std::to_string(value));
    }
    return Status::success();
}

} // namespace tamb
