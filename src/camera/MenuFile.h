#pragma once

#include "camera/CameraRecord.h"
#include "common/AtomicFile.h"
#include "common/Status.h"

#include <string_view>

namespace tamb {

inline constexpr std::string_view kMenuFileName = "menu.dat";

// Writes `record` as the whole of "<folder>/menu.dat" (folder in UTF-8) with WriteFileLocked: one write of the
// file at a time, and the previous file stays untouched unless the new one was written and read back completely;
// a failure names the path and the system's reason. An empty folder is refused.
[[nodiscard]] Status WriteMenuFile(
    std::string_view folder, const CameraSettingsRecord& record, const WriteFaults& faults = {});

} // namespace tamb
