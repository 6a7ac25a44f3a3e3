#pragma once

#include "cellular/MmsAssignments.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "fleet/CameraSetup.h"
#include "fleet/ProfileStore.h"
#include "smtp/SmtpAssignments.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tamb::test {

// A fixed clock, English files, code page 437.
[[nodiscard]] inline FleetEnvironment FixedFleetEnvironment(int second = 9)
{
    FleetEnvironment environment;
    environment.app.language = kEnglish;
    environment.localTime = [second] { return ClockReading { 2024, 2, 3, 7, 5, second }; };
    environment.codePage = OemCodePage(437);
    return environment;
}

// MMS and SMTP settings that Generate accepts, marked for writing.
inline void MakeCellularSettingsValid(CameraSetup& setup)
{
    setup.writeCellularSettings();
    if (auto* mms = setup.mms()) {
        const std::vector<MmsAssignment> keys { { "phone1", "0123456789" }, { "picturesPerDay", "12" } };
        ASSERT_FALSE(ApplyMmsAssignments(*mms, keys, kEnglish).has_value());
    }
    if (auto* smtp = setup.smtp()) {
        const std::vector<SmtpAssignment> keys { { "mode", "manual" }, { "apn", "internet" },
            { "smtpServer", "smtp.example.org" }, { "smtpPort", "587" }, { "senderEmail", "cam@example.org" },
            { "senderPassword", "secret" }, { "recipientEmail", "me@example.org" } };
        ASSERT_TRUE(ApplySmtpAssignments(*smtp, keys).ok());
    }
}

[[nodiscard]] inline std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    const auto text = ReadSmallRegularFile(path, 1 << 20);
    return text ? std::vector<std::uint8_t>(text->begin(), text->end()) : std::vector<std::uint8_t> {};
}

[[nodiscard]] inline std::string FileText(const std::filesystem::path& path)
{
    return ReadSmallRegularFile(path, 1 << 20).value_or("");
}

inline void WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace tamb::test
