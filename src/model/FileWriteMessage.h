#pragma once

#include "common/Status.h"
#include "model/DialogOutcome.h"

#include <string_view>

namespace tamb {

// What a dialog says after writing its file `fileName` into `folder`: `success` when `written` is good; for a
// card that is write-protected, full, gone or gave other bytes back, the plain message of that kind with the
// file's path; otherwise FileNotWritten with the file's path and the reason the writer gave.
[[nodiscard]] DialogMessage FileWriteMessage(
    std::string_view folder, std::string_view fileName, const Status& written, MessageId success);

// True for every message FileWriteMessage gives for a failed write.
[[nodiscard]] bool IsFileWriteFailure(MessageId id);

} // namespace tamb
