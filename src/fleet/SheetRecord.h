#pragma once

#include "common/AtomicFile.h"
#include "common/Status.h"
#include "fleet/CameraSheet.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace tamb {

// The local time `moment` in ISO 8601 with the offset from UTC: "2026-12-11T05:07:09+01:00".
[[nodiscard]] std::string IsoLocalTime(std::time_t moment);

// The sheet at `path`, read and checked as ReadCameraSheet does; a file that cannot be read fails alone.
[[nodiscard]] std::vector<SheetProblem> LoadCameraSheet(const std::filesystem::path& path,
    const ProfileLookup& profiles, const FleetEnvironment& environment, CameraSheet& sheet);

// Records that the card of camera `serial` was written: the sheet at `path` is read afresh, its row of that camera
// gets `written` and `card` in the columns of those names (added at the end of the header when missing) and the
// sheet is replaced whole through the safe write path, keeping every other cell, its separator, line ends and
// byte order mark. Two runs recording at once take turns: a lock file beside the sheet is held from the reading to
// the replacing (up to 10 seconds of waiting).
[[nodiscard]] Status RecordCardWritten(const std::filesystem::path& path, std::string_view serial,
    std::string_view written, std::string_view card, const WriteFaults& faults = {});

} // namespace tamb
