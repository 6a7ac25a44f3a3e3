#include "smtp/SmtpValidation.h"

#include "cellular/OperatorDatabase.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace tamb {
namespace {

const OemCodePage kWesternPage { 850 };

struct RejectCase
{
    const char* name;
    ModelId model;
    std::function<void(SmtpSettings&)> change;
    std::string message; // a part of the reason
};

class SmtpValidationRejectTest : public ::testing::TestWithParam<RejectCase>
{
};

TEST_P(SmtpValidationRejectTest, NamesTheFaultyField)
{
    SmtpSettings settings;
    ASSERT_TRUE(ValidateSmtpSettings(settings, GetParam().model, kWesternPage).ok());

    GetParam().change(settings);
    const auto status = ValidateSmtpSettings(settings, GetParam().model, kWesternPage);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.reason().find(GetParam().message), std::string::npos) << status.reason();
}

INSTANTIATE_TEST_SUITE_P(Faults, SmtpValidationRejectTest,
    ::testing::Values(RejectCase { "StatusBeyondSms", 4, [](SmtpSettings& s) { s.smtpStatus = 3; }, "smtpStatus" },
        RejectCase { "PositionBeyondTheList", 3, [](SmtpSettings& s) { s.countryIndex = 43; }, "country" },
        RejectCase { "OperatorNotOffered", 3,
            [](SmtpSettings& s) {
                s.countryIndex = 41;
                s.operatorIndex = 1;
            },
            "operator" },
        RejectCase { "ManualWithAPosition", 3, [](SmtpSettings& s) { s.autoMode = false; }, "128" },
        RejectCase {
            "Q200SenderOf33", 3, [](SmtpSettings& s) { s.senderEmail = std::string(33, 'a'); }, "senderEmail" },
        RejectCase { "Q400RecipientOf41", 4, [](SmtpSettings& s) { s.recipientEmail = std::string(41, 'a'); },
            "recipientEmail" },
        RejectCase { "HundredPictures", 4, [](SmtpSettings& s) { s.picturesPerDay = 100; }, "picturesPerDay" }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SmtpValidationTest, FamiliesFollowTheModel)
{
    EXPECT_EQ(SmtpFamilyFor(3), SmtpFamily::q200);
    EXPECT_EQ(SmtpFamilyFor(13), SmtpFamily::q400);
    EXPECT_EQ(SmtpFamilyFor(2), std::nullopt) << "MMS only";
    EXPECT_EQ(SmtpFamilyFor(14), std::nullopt);
    const auto status = ValidateSmtpSettings(SmtpSettings {}, 1, kWesternPage);
    EXPECT_NE(status.reason().find("no SMTP settings"), std::string::npos) << status.reason();
}

TEST(SmtpValidationTest, EveryOfferedOperatorFillsValidSettings)
{
    for (std::size_t position = 0; position < kSmtpCountryCount; ++position) {
        for (std::size_t op = 0; op < SmtpOperators(position).size(); ++op) {
            SmtpSettings settings;
            settings.countryIndex = static_cast<std::uint8_t>(position);
            settings.operatorIndex = static_cast<std::uint8_t>(op);
            ASSERT_TRUE(ApplyGprsOperatorParams(settings).ok());
            EXPECT_EQ(settings.apn, GprsParamsFor(position, op).apn);
            const auto status = ValidateSmtpSettings(settings, 4, OemCodePage { 437 });
            EXPECT_TRUE(status.ok()) << position << "/" << op << ": " << status.reason();
        }
    }
}

} // namespace
} // namespace tamb
