#include "cellular/MmsChecks.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace tamb {
namespace {

// Which check of Generate a row asks.
enum class Check
{
    Recipients,
    SmsRecipients,
    ManualParameters,
    RemoteControl,
};

struct MmsCheckCase
{
    std::string name;
    ModelId model;
    Check check;
    std::function<void(MmsSettings&)> fill;
    std::optional<MessageId> expected;
};

void PrintTo(const MmsCheckCase& row, std::ostream* out)
{
    *out << row.name;
}

// Typed as a user of the dialog would, in Manual mode: every check passes.
MmsSettings Sound()
{
    MmsSettings settings;
    settings.url = "http://mms.example.org";
    settings.apn = "mms";
    settings.gateway = "10.0.0.1";
    settings.port = "80";
    settings.phone1 = "13800138000";
    settings.email = "me@example.org";
    return settings;
}

class MmsChecksTest : public ::testing::TestWithParam<MmsCheckCase>
{
};

TEST_P(MmsChecksTest, GivesTheFirstMessageOfGenerate)
{
    const MmsCheckCase& row = GetParam();
    MmsSettings settings = Sound();
    row.fill(settings);
    const MmsDialogRules rules = MmsDialogRulesFor(row.model);
    std::optional<DialogMessage> fault;
    switch (row.check) {
    case Check::Recipients:
    case Check::SmsRecipients:
        fault = RecipientFault(settings, rules, row.check == Check::SmsRecipients);
        break;
    case Check::ManualParameters:
        fault = ManualParameterFault(settings, rules);
        break;
    case Check::RemoteControl:
        fault = RemoteControlFault(settings, rules);
        break;
    }
    EXPECT_EQ(fault ? std::optional { fault->id } : std::nullopt, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, MmsChecksTest,
    ::testing::Values(MmsCheckCase { "SoundRecipients", 3, Check::Recipients, [](MmsSettings&) {}, std::nullopt },
        MmsCheckCase { "NoRecipient", 3, Check::Recipients,
            [](MmsSettings& s) {
                s.phone1.clear();
                s.email.clear();
            },
            MessageId::PhoneAndEmailEmpty },
        MmsCheckCase { "ShortSecondPhone", 3, Check::Recipients, [](MmsSettings& s) { s.phone2 = "1234"; },
            MessageId::Phone2TooShort },
        MmsCheckCase { "PlusInADomesticNumber", 3, Check::Recipients, [](MmsSettings& s) { s.phone1 = "+8613800"; },
            MessageId::Phone1NotDigits },
        MmsCheckCase { "PlusAbroad", 3, Check::Recipients,
            [](MmsSettings& s) {
                s.phone1 = "+8613800";
                s.phoneScope = PhoneScope::International;
            },
            std::nullopt },
        MmsCheckCase { "AddressWithoutDot", 3, Check::Recipients, [](MmsSettings& s) { s.email = "me@example"; },
            MessageId::EmailWithoutDot },
        MmsCheckCase { "EitherKindInTheFirstEdit", 17, Check::Recipients,
            [](MmsSettings& s) { s.phone1 = "me@example.org"; }, std::nullopt },
        MmsCheckCase { "NeitherKindInTheFirstEdit", 17, Check::Recipients,
            [](MmsSettings& s) { s.phone1 = "me at home"; }, MessageId::PhoneOrEmailRecheck },
        MmsCheckCase { "SmsToALetteredNumber", 3, Check::SmsRecipients,
            [](MmsSettings& s) { s.phone2 = "0800-FLOWERS"; }, MessageId::PhoneRecheck },
        MmsCheckCase { "SmsWithoutAddressCheck", 3, Check::SmsRecipients, [](MmsSettings& s) { s.email = "nowhere"; },
            std::nullopt },
        MmsCheckCase { "SoundParameters", 3, Check::ManualParameters, [](MmsSettings&) {}, std::nullopt },
        MmsCheckCase {
            "NoPort", 3, Check::ManualParameters, [](MmsSettings& s) { s.port.clear(); }, MessageId::PortEmpty },
        MmsCheckCase { "GatewayWithoutDot", 3, Check::ManualParameters, [](MmsSettings& s) { s.gateway = "localhost"; },
            MessageId::GatewayWithoutDot },
        MmsCheckCase { "Q400GatewayWithoutDot", 4, Check::ManualParameters,
            [](MmsSettings& s) { s.gateway = "localhost"; }, MessageId::Q400GatewayWithoutDot },
        MmsCheckCase { "RemoteControlWithoutPhone", 3, Check::RemoteControl,
            [](MmsSettings& s) {
                s.phone1.clear();
                s.remoteControlHour = 5;
            },
            MessageId::RemoteControlWithoutPhone },
        MmsCheckCase { "RemoteControlByAddressWhereEitherKindCounts", 17, Check::RemoteControl,
            [](MmsSettings& s) {
                s.phone1.clear();
                s.remoteControlHour = 5;
            },
            std::nullopt }),
    [](const ::testing::TestParamInfo<MmsCheckCase>& row) { return row.param.name; });

} // namespace
} // namespace tamb
