#include "smtp/SmtpFile.h"

#include "common/Crc16.h"
#include "support/CellularFileBytes.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

namespace tamb {
namespace {

using test::TempFolder;

using test::kUsPage;
using test::UnscrambledRecord;

struct HeaderCase
{
    const char* name;
    SmtpFamily family;
    bool autoMode;
    std::vector<std::uint8_t> bytes0to8;
};

void PrintTo(const HeaderCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmtpHeaderTest : public ::testing::TestWithParam<HeaderCase>
{
};

TEST_P(SmtpHeaderTest, PlacesTheHourAndStatusAsTheFamilyExpects)
{
    SmtpSettings settings;
    settings.autoMode = GetParam().autoMode;
    settings.countryIndex = settings.autoMode ? 41 : kManualCountryIndex;
    settings.operatorIndex = 0;
    settings.picturesPerDay = 37;
    settings.smtpStatus = 1;
    settings.remoteControlHour = 7;
    AppState app;
    app.language = 12;
    app.tvMode = 1;

    Record expected {};
    std::copy(GetParam().bytes0to8.begin(), GetParam().bytes0to8.end(), expected.begin());
    expected[55] = settings.autoMode ? 1 : 0;
    expected[58] = '\r';
    expected[59] = '\n';
    EXPECT_EQ(BuildSmtpHeader(settings, GetParam().family, app), expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SmtpHeaderTest,
    ::testing::Values(HeaderCase { "Q200Auto", SmtpFamily::Q200, true, { 0, 0, 41, 3, 7, 12, 1, 1, 7 } },
        HeaderCase { "Q400Auto", SmtpFamily::Q400, true, { 0, 0, 41, 3, 7, 12, 1, 7, 1 } },
        HeaderCase { "Q200Manual", SmtpFamily::Q200, false, { 0, 0, 128, 3, 7, 12, 1, 1, 7 } },
        HeaderCase { "Q400Manual", SmtpFamily::Q400, false, { 0, 0, 128, 3, 7, 12, 1, 7, 1 } }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SmtpHeaderTest, Q200IgnoresTheStatusAndQ400StoresIt)
{
    SmtpSettings settings;
    settings.smtpStatus = 2;
    EXPECT_EQ(BuildSmtpHeader(settings, SmtpFamily::Q200, AppState {})[6], 1);
    EXPECT_EQ(BuildSmtpHeader(settings, SmtpFamily::Q400, AppState {})[6], 2);
}

struct SenderCase
{
    const char* name;
    std::string address;
    int codePage;
    std::vector<std::uint8_t> copied;
};

void PrintTo(const SenderCase& row, std::ostream* stream)
{
    *stream << row.name << " " << row.address;
}

class SenderUserRecordTest : public ::testing::TestWithParam<SenderCase>
{
};

TEST_P(SenderUserRecordTest, CopiesTheBytesBeforeTheAtSign)
{
    Record expected {};
    std::copy(GetParam().copied.begin(), GetParam().copied.end(), expected.begin());
    expected[57] = static_cast<std::uint8_t>(GetParam().copied.size());
    expected[58] = '\r';
    expected[59] = '\n';
    EXPECT_EQ(SenderUserRecord(GetParam().address, OemCodePage { GetParam().codePage }), expected);
}

std::vector<std::uint8_t> BytesOf(std::string_view text)
{
    return { text.begin(), text.end() };
}

INSTANTIATE_TEST_SUITE_P(Addresses, SenderUserRecordTest,
    ::testing::Values(SenderCase { "EightCharacterLogin", "trailcam@example.com", 437, BytesOf("trailcam") },
        SenderCase { "NoAtSign", "trailcam", 437, BytesOf("trailcam") }, SenderCase { "Empty", "", 437, {} },
        SenderCase { "AtFirst", "@example.com", 437, {} },
        SenderCase { "AccentIn850", "josé@example.com", 850, { 'j', 'o', 's', 0x82 } },
        // Seven characters make nine bytes; only the first seven bytes are examined.
        SenderCase { "HanWithoutAtStopsAtTheCharacterCount", "张三李四王五赵", 936,
            { 0xD5, 0xC5, 0xC8, 0xFD, 0xC0, 0xEE, 0xCB } },
        SenderCase { "HanBeforeAt", "张三@qq.com", 936, { 0xD5, 0xC5, 0xC8, 0xFD } }),
    [](const auto& row) { return std::string(row.param.name); });

SmtpSettings SampleSmtpSettings()
{
    SmtpSettings settings;
    settings.apn = "cmnet";
    settings.smtpServer = "smtp.example.com";
    settings.smtpPort = "25";
    settings.senderEmail = "trailcam@example.com";
    settings.senderPassword = "secret";
    settings.smsPhone = "13800138000";
    settings.recipientEmail = "owner@example.com";
    return settings;
}

struct SmtpFileCase
{
    const char* name;
    SmtpSettings settings;
};

void PrintTo(const SmtpFileCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmtpFileWriteTest : public ::testing::TestWithParam<SmtpFileCase>
{
};

TEST_P(SmtpFileWriteTest, WritesTheRecordsInOrderWithTheChecksumPlusFifteen)
{
    const TempFolder folder;
    folder.write("mms.dat", std::vector<std::uint8_t>(5000, 0x41));
    folder.write("smtp.dat", std::vector<std::uint8_t>(5000, 0x42));
    const auto& settings = GetParam().settings;

    const auto status = WriteSmtpFile(folder.text(), settings, SmtpFamily::Q400, AppState {}, kUsPage);
    ASSERT_TRUE(status.ok()) << status.reason();

    EXPECT_EQ(folder.names(), std::vector<std::string> { "smtp.dat" });
    const auto file = folder.read("smtp.dat");
    ASSERT_EQ(file.size(), 720u);
    const auto crc = Crc16(0, std::span(file).first(660));
    EXPECT_EQ(file[716] | (file[717] << 8), static_cast<std::uint16_t>(crc + 15));
    const std::string order[] = { settings.apn, settings.account, settings.password, settings.smtpServer,
        settings.smtpPort, settings.senderEmail, settings.senderPassword, settings.smsPhone };
    for (std::size_t k = 1; k <= 8; ++k) {
        EXPECT_EQ(UnscrambledRecord(file, k), EncodeTextRecord(order[k - 1], kUsPage)) << "record " << k;
    }
    EXPECT_EQ(UnscrambledRecord(file, 9), SenderUserRecord(settings.senderEmail, kUsPage));
    EXPECT_EQ(UnscrambledRecord(file, 10), EncodeTextRecord(settings.recipientEmail, kUsPage));
}

INSTANTIATE_TEST_SUITE_P(Settings, SmtpFileWriteTest,
    ::testing::Values(SmtpFileCase { "Filled", SampleSmtpSettings() }, SmtpFileCase { "EveryTextEmpty", {} }),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace tamb
