#pragma once

#include "cellular/MmsSettings.h"
#include "cellular/ScrambledSettingsFile.h"
#include "cellular/SettingsFileReport.h"
#include "common/AppState.h"

#include <string_view>

namespace tamb {

inline constexpr std::string_view kSetupFileName = "setup.dat";
// Added to the checksum of setup.dat when the phone scope is international.
inline constexpr std::uint16_t kInternationalChecksumBias = 18;

// Header bytes of setup.dat (before scrambling).
enum class MmsHeaderByte : std::size_t
{
    StatusCode = 0,
    StatusPosition = 1, // the status list position + 1
    LinkType = 2,
    PicturesTens = 3,
    PicturesUnits = 4,
    Language = 5,
    TvMode = 6,
    PhoneScope = 7,
    Country = 8,
    OperatorPosition = 9,
    RemoteControlHour = 10,
};

// Record 0 of setup.dat, plain. The language and TV-out mode come from `app`.
[[nodiscard]] Record BuildMmsHeader(const MmsSettings& settings, const AppState& app);

// The 11 plain records of setup.dat: the header, then url, apn, gateway, port, phone1, email, account,
// password, phone2, phone3.
[[nodiscard]] PlainRecords BuildSetupRecords(
    const MmsSettings& settings, const AppState& app, const OemCodePage& codePage);

// The checksum bias of setup.dat: 18 for an international phone scope, else 0.
[[nodiscard]] std::uint16_t SetupChecksumBias(PhoneScope scope);

// Reads a setup.dat without trusting it: form, checksum (its bias follows the phone scope in the header),
// header values, the country and operator names in Auto mode and the texts decoded from `codePage`.
[[nodiscard]] SettingsFileReport InspectSetupFile(std::span<const std::uint8_t> bytes, const OemCodePage& codePage);

// The bytes of setup.dat for `settings`, as WriteSetupFile writes them.
[[nodiscard]] std::vector<std::uint8_t> SetupFileBytes(
    const MmsSettings& settings, const AppState& app, const OemCodePage& codePage);

// Writes setup.dat into `folder` through WriteScrambledSettingsFile; returns the reason of a failure.
[[nodiscard]] Status WriteSetupFile(std::string_view folder, const MmsSettings& settings, const AppState& app,
    const OemCodePage& codePage, const ScrambledFileFaults& faults = {});

} // namespace tamb
