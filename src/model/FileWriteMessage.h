#pragma once

#include "common/Status.h"
#include "model/DialogOutcome.h"

#include <string_view>

namespace tamb {

// What a dialog says after writing its file `fileName` into `folder`: `success` when `written` is good, or
// FileWrittenOwnerOnly with the file's path when the success carries that note; for a failure of a kind the owner
// can act on (a card write-protected, full, gone, busy or flaky, a file not confirmed, a working file left), the
// plain message of that kind with the file's path; otherwise FileNotWritten with the file's path and the reason the
// writer gave.
[[nodiscard]] DialogMessage FileWriteMessage(
    std::string_view folder, std::string_view fileName, const Status& written, MessageId success);

// True for every message FileWriteMessage gives for a failed write (also one whose new file is in place).
[[nodiscard]] bool IsFileWriteFailure(MessageId id);

} // namespace tamb
