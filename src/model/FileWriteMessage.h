#pragma once

#include "common/Status.h"
#include "model/DialogOutcome.h"

#include <string_view>

namespace tamb {

// What a dialog says after writing its file `fileName` into `folder`: `success` when `written` is good,
// otherwise FileNotWritten with the file's path and the reason the writer gave.
[[nodiscard]] DialogMessage FileWriteMessage(
    std::string_view folder, std::string_view fileName, const Status& written, MessageId success);

} // namespace tamb
