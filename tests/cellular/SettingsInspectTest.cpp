#include "cellular/SetupFile.h"
#include "smtp/SmtpFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tamb {
namespace {

const OemCodePage kCyrillicPage { 866 };

const ReportField* Find(const SettingsFileReport& report, const std::string& name)
{
    for (const auto& field : report.fields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

std::vector<std::uint8_t> SetupBytes(PhoneScope scope)
{
    MmsSettings settings;
    settings.countryIndex = 12;
    settings.operatorIndex = 0;
    settings.phoneScope = scope;
    settings.phone1 = "79001234567";
    settings.email = "дача@example.ru";
    const auto records = BuildSetupRecords(settings, AppState {}, kCyrillicPage);
    return BuildScrambledSettingsBytes(records, SetupChecksumBias(scope));
}

std::vector<std::uint8_t> SmtpBytes(SmtpFamily family)
{
    SmtpSettings settings;
    settings.countryIndex = 41;
    settings.remoteControlHour = 7;
    settings.senderEmail = "camera@example.ru";
    return BuildScrambledSettingsBytes(
        BuildSmtpRecords(settings, family, AppState {}, kCyrillicPage), kSmtpChecksumBias);
}

TEST(SettingsInspectTest, ReadsBackWhatTheWritersStore)
{
    for (const auto scope : { PhoneScope::China, PhoneScope::International }) {
        const auto report = InspectSetupFile(SetupBytes(scope), kCyrillicPage);
        EXPECT_TRUE(report.valid()) << report.problems.front();
        EXPECT_EQ(std::get<std::int64_t>(Find(report, "bias")->value), scope == PhoneScope::International ? 18 : 0);
        EXPECT_EQ(std::get<std::string>(Find(report, "countryName")->value), "Russia");
        EXPECT_EQ(std::get<std::string>(Find(report, "operatorName")->value), "Мегафон");
        EXPECT_EQ(std::get<std::string>(Find(report, "email")->value), "дача@example.ru");
    }
    const auto q200 = InspectSmtpFile(SmtpBytes(SmtpFamily::Q200), kCyrillicPage);
    EXPECT_TRUE(q200.valid()) << q200.problems.front();
    EXPECT_EQ(std::get<std::string>(Find(q200, "family")->value), "q200");
    EXPECT_EQ(std::get<std::int64_t>(Find(q200, "remoteControlHour")->value), 7);
    EXPECT_EQ(std::get<std::string>(Find(q200, "countryName")->value), "Israel");
    EXPECT_EQ(std::get<std::string>(Find(q200, "senderUser")->value), "camera");
    const auto q400 = InspectSmtpFile(SmtpBytes(SmtpFamily::Q400), kCyrillicPage);
    EXPECT_EQ(std::get<std::string>(Find(q400, "family")->value), "q400");
    EXPECT_EQ(std::get<std::int64_t>(Find(q400, "remoteControlHour")->value), 7);
}

TEST(SettingsInspectTest, EverySingleFlippedByteMakesTheFileInvalid)
{
    const auto setup = SetupBytes(PhoneScope::International);
    const auto smtp = SmtpBytes(SmtpFamily::Q400);
    for (std::size_t at = 0; at < setup.size(); ++at) {
        auto damaged = setup;
        damaged[at] ^= 0x01;
        EXPECT_FALSE(InspectSetupFile(damaged, kCyrillicPage).valid()) << "setup.dat byte " << at;
        damaged = smtp;
        damaged[at] ^= 0x01;
        EXPECT_FALSE(InspectSmtpFile(damaged, kCyrillicPage).valid()) << "smtp.dat byte " << at;
    }
}

TEST(SettingsInspectTest, JsonNamesTheKindAndEscapesTexts)
{
    SettingsFileReport report { "setup", { "record 3 does not end with CR LF" }, {} };
    report.fields.push_back({ "url", std::string("a\"b\\c\n") });
    report.fields.push_back({ "autoMode", true });
    report.fields.push_back({ "country", std::int64_t { 42 } });
    EXPECT_EQ(FormatReportJson(report, "E:\\setup.dat"),
        R"({"file": "E:\\setup.dat", "kind": "setup", "valid": false, )"
        R"("problems": ["record 3 does not end with CR LF"], )"
        R"("fields": {"url": "a\"b\\c\u000a", "autoMode": true, "country": 42}})");
}

} // namespace
} // namespace tamb
