#include "cellular/MmsValidation.h"

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
    std::function<void(MmsSettings&)> change;
    std::string message; // a part of the reason
};

class MmsValidationRejectTest : public ::testing::TestWithParam<RejectCase>
{
};

TEST_P(MmsValidationRejectTest, NamesTheFaultyField)
{
    MmsSettings settings;
    settings.phone1 = "13800138000";
    // Sound for every model that has MMS settings; the change alone makes it faulty.
    ASSERT_TRUE(ValidateMmsSettings(settings, 1, kWesternPage).ok());

    GetParam().change(settings);
    const auto status = ValidateMmsSettings(settings, GetParam().model, kWesternPage);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.reason().find(GetParam().message), std::string::npos) << status.reason();
}

INSTANTIATE_TEST_SUITE_P(Faults, MmsValidationRejectTest,
    ::testing::Values(RejectCase { "ModelWithoutMms", 11, [](MmsSettings&) {}, "no MMS settings" },
        RejectCase { "StatusBeyondTheShortList", 5,
            [](MmsSettings& s) {
                s.mmsStatusIndex = 3;
                s.mmsStatusCode = 3;
            },
            "mmsStatus" },
        RejectCase { "CodeNotDerivedFromTheList", 5,
            [](MmsSettings& s) {
                s.mmsStatusIndex = 2;
                s.mmsStatusCode = 2;
            },
            "status code 2" },
        RejectCase { "Q400SmsIsNotThree", 4,
            [](MmsSettings& s) {
                s.mmsStatusIndex = 2;
                s.mmsStatusCode = 3;
            },
            "status code 3" },
        RejectCase { "HundredPictures", 1, [](MmsSettings& s) { s.picturesPerDay = 100; }, "picturesPerDay" },
        RejectCase { "HourBeyondOff", 1, [](MmsSettings& s) { s.remoteControlHour = 26; }, "remoteControlHour" },
        RejectCase { "CountryBeyondTheList", 1, [](MmsSettings& s) { s.countryIndex = 44; }, "country" },
        RejectCase { "OperatorNotOffered", 1,
            [](MmsSettings& s) {
                s.countryIndex = 42;
                s.operatorIndex = 1;
            },
            "operator" },
        RejectCase { "CsdInAutoMode", 1, [](MmsSettings& s) { s.linkType = LinkType::csd; }, "APN" },
        RejectCase { "ManualWithACountry", 1, [](MmsSettings& s) { s.autoMode = false; }, "128" },
        RejectCase { "TwelveDigitsInChina", 3, [](MmsSettings& s) { s.phone1 = "138001380001"; }, "phone1" },
        RejectCase { "ThirteenDigitsOnQ400", 4, [](MmsSettings& s) { s.phone1 = "1380013800012"; }, "phone1" },
        RejectCase { "LongPhone2", 1, [](MmsSettings& s) { s.phone2 = std::string(33, '1'); }, "phone2" },
        RejectCase { "LongGateway", 1,
            [](MmsSettings& s) {
                s.autoMode = false;
                s.countryIndex = kManualCountryIndex;
                s.gateway = std::string(21, '1');
            },
            "gateway" },
        RejectCase {
            "CharacterTheCodePageLacks", 1, [](MmsSettings& s) { s.email = "王@example.com"; }, "code page 850" },
        RejectCase { "MalformedUtf8", 1, [](MmsSettings& s) { s.phone3 = "a\xC3"; }, "UTF-8" }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MmsValidationTest, LimitsFollowThePhoneScopeAndTheModel)
{
    MmsSettings settings;
    settings.phoneScope = PhoneScope::international;
    settings.phone1 = "+" + std::string(31, '4');
    EXPECT_TRUE(ValidateMmsSettings(settings, 1, kWesternPage).ok());
    settings.phoneScope = PhoneScope::china;
    settings.phone1 = "138001380001";
    EXPECT_TRUE(ValidateMmsSettings(settings, 4, kWesternPage).ok()) << "twelve digits on the Q400 family";
    settings.phone1 = "someone.with.a.long.name@example.com";
    settings.phone2 = std::string(40, '5');
    EXPECT_TRUE(ValidateMmsSettings(settings, 17, kWesternPage).ok()) << "forty characters on model 17";
}

TEST(MmsValidationTest, EveryOfferedOperatorFillsValidSettings)
{
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        for (std::size_t op = 0; op < MmsOperators(country).size(); ++op) {
            MmsSettings settings;
            settings.countryIndex = static_cast<std::uint8_t>(country);
            settings.operatorIndex = static_cast<std::uint8_t>(op);
            ASSERT_TRUE(ApplyMmsOperatorParams(settings).ok());
            EXPECT_EQ(settings.apn, MmsParams(country, op).apn);
            const auto status = ValidateMmsSettings(settings, 1, OemCodePage { 437 });
            EXPECT_TRUE(status.ok()) << country << "/" << op << ": " << status.reason();
        }
    }
}

TEST(MmsValidationTest, ManualModeKeepsTheTypedParameters)
{
    MmsSettings settings;
    settings.autoMode = false;
    settings.countryIndex = kManualCountryIndex;
    settings.url = "http://typed";
    ASSERT_TRUE(ApplyMmsOperatorParams(settings).ok());
    EXPECT_EQ(settings.url, "http://typed");

    MmsSettings unknown;
    unknown.countryIndex = 43;
    unknown.operatorIndex = 3;
    EXPECT_FALSE(ApplyMmsOperatorParams(unknown).ok());
    EXPECT_TRUE(unknown.url.empty());
}

} // namespace
} // namespace tamb
