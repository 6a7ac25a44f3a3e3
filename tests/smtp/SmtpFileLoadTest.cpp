#include "smtp/SmtpFileLoad.h"

#include "smtp/SmtpAssignments.h"
#include "smtp/SmtpFile.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tamb {
namespace {

// The bytes Generate would write for `model` (nothing when it refuses), without a card.
std::optional<std::vector<std::uint8_t>> Generated(SmtpSettingsModel& model)
{
    DialogOutcome outcome;
    const std::optional<SmtpSettings> settings = model.checkedSettings(outcome);
    if (!settings)
        return std::nullopt;
    const SmtpEnvironment& environment = model.environment();
    return BuildScrambledSettingsBytes(
        BuildSmtpRecords(*settings, model.data().family, environment.app, environment.codePage), kSmtpChecksumBias);
}

std::unique_ptr<SmtpSettingsModel> Open(ModelId model)
{
    SmtpEnvironment environment;
    environment.app.model = model;
    environment.startFolder = "/card";
    environment.codePage = OemCodePage { 850 };
    return std::make_unique<SmtpSettingsModel>(model == 4 ? SmtpFamily::Q400 : SmtpFamily::Q200, environment);
}

const std::vector<SmtpAssignment> kAccount { { "smtpServer", "smtp.exämple.de" }, { "smtpPort", "465" },
    { "senderEmail", "kamera.süd@exämple.de" }, { "senderPassword", "gehéim" },
    { "recipientEmail", "förster@exämple.de" } };

struct SmtpRoundTrip
{
    std::string name;
    ModelId model; // 3 opens the Q200 SMTP dialog, 4 the Q400 one
    std::vector<SmtpAssignment> settings;
};

void PrintTo(const SmtpRoundTrip& trip, std::ostream* out)
{
    *out << trip.name;
}

class SmtpFileRoundTripTest : public ::testing::TestWithParam<SmtpRoundTrip>
{
};

TEST_P(SmtpFileRoundTripTest, LoadingThenGenerateWritesTheSameBytes)
{
    const auto original = Open(GetParam().model);
    std::vector<SmtpAssignment> settings = GetParam().settings;
    settings.insert(settings.end(), kAccount.begin(), kAccount.end());
    const Status applied = ApplySmtpAssignments(*original, settings);
    ASSERT_TRUE(applied.ok()) << applied.reason();
    const auto written = Generated(*original);
    ASSERT_TRUE(written);

    // A dialog already changed by hand: loading replaces every setting.
    const auto loaded = Open(GetParam().model);
    const std::vector<SmtpAssignment> byHand { { "mode", "manual" }, { "apn", "other" }, { "smsPhone", "5550001" },
        { "recipientEmail", "x@y.z" } };
    ASSERT_TRUE(ApplySmtpAssignments(*loaded, byHand).ok());
    const Status status = LoadSmtpFile(*loaded, *written);
    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(Generated(*loaded), written);
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, SmtpFileRoundTripTest,
    ::testing::Values(
        SmtpRoundTrip { "Q200Auto", 3, { { "country", "7" }, { "operator", "1" }, { "picturesPerDay", "20" } } },
        SmtpRoundTrip { "Q200ManualWithAccentedTexts", 3,
            { { "mode", "manual" }, { "apn", "internet.télé" }, { "account", "Jürgen" }, { "password", "pässwort" },
                { "smsPhone", "+4917012345" }, { "remoteControlHour", "6" } } },
        SmtpRoundTrip {
            "Q400AutoSms", 4, { { "country", "3" }, { "smtpStatus", "2" }, { "smsPhone", "13800138000" } } },
        SmtpRoundTrip { "Q400ManualOff", 4,
            { { "mode", "manual" }, { "apn", "web" }, { "smtpStatus", "0" }, { "picturesPerDay", "99" } } }),
    [](const auto& trip) { return trip.param.name; });

TEST(SmtpFileLoadTest, RefusesAFileWithAWrongChecksumOrOfTheOtherFamilyAndLeavesTheModelAsItWas)
{
    const auto q400 = Open(4);
    std::vector<SmtpAssignment> settings = kAccount;
    settings.emplace_back("smtpStatus", "2");
    settings.emplace_back("smsPhone", "13800138000");
    ASSERT_TRUE(ApplySmtpAssignments(*q400, settings).ok());
    const std::vector<std::uint8_t> bytes = *Generated(*q400);

    const auto q200 = Open(3);
    const auto before = Generated(*q200);
    EXPECT_FALSE(LoadSmtpFile(*q200, bytes).ok()) << "a Q400 SMTP status is no Q200 setting";
    std::vector<std::uint8_t> damaged = bytes;
    damaged[200] ^= 1U;
    const Status status = LoadSmtpFile(*q400, damaged);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.reason().find("checksum"), std::string::npos) << status.reason();
    EXPECT_EQ(Generated(*q200), before);
}

} // namespace
} // namespace tamb
