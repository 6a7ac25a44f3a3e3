#include "cellular/SetupFileLoad.h"

#include "cellular/MmsAssignments.h"
#include "cellular/SetupFile.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tamb {
namespace {

constexpr int kCodePage = 850;

// An MMS dialog whose Generate hands its file's bytes to the test instead of a card.
class CapturingDialog
{
public:
    explicit CapturingDialog(ModelId model)
        : m_model(MmsEnvironment {
            .app = AppState { .language = kEnglish, .model = model },
            .startFolder = "/card",
            .codePage = OemCodePage { kCodePage },
            .writeSetupFile =
                [this](std::string_view, const MmsSettings& settings) {
                    const PlainRecords records = BuildSetupRecords(settings, m_model.app(), OemCodePage { kCodePage });
                    m_bytes = BuildScrambledSettingsBytes(records, SetupChecksumBias(settings.phoneScope));
                    return Status::success();
                },
        })
    {
    }

    [[nodiscard]] MmsSettingsModel& model() { return m_model; }

    // The bytes Generate wrote, or nothing when it refused.
    std::optional<std::vector<std::uint8_t>> generate()
    {
        m_bytes.reset();
        static_cast<void>(m_model.clicked(kGenerateButtonId));
        return m_bytes;
    }

private:
    std::optional<std::vector<std::uint8_t>> m_bytes;
    MmsSettingsModel m_model;
};

struct MmsRoundTrip
{
    std::string name;
    ModelId model;
    std::vector<MmsAssignment> settings;
};

void PrintTo(const MmsRoundTrip& trip, std::ostream* out)
{
    *out << trip.name;
}

class SetupFileRoundTripTest : public ::testing::TestWithParam<MmsRoundTrip>
{
};

TEST_P(SetupFileRoundTripTest, LoadingThenGenerateWritesTheSameBytes)
{
    CapturingDialog original(GetParam().model);
    // One setting after the other, in the order given, as a user makes them.
    for (const MmsAssignment& setting : GetParam().settings) {
        const auto refused = ApplyMmsAssignments(original.model(), std::span { &setting, 1 }, kEnglish);
        ASSERT_FALSE(refused) << setting.first << ": " << refused->reason;
    }
    const auto written = original.generate();
    ASSERT_TRUE(written);

    // A dialog already changed by hand: loading replaces every setting.
    CapturingDialog loaded(GetParam().model);
    const std::vector<MmsAssignment> byHand { { "phone1", "13122223333" }, { "email", "x@y.z" },
        { "picturesPerDay", "3" }, { "remoteControlHour", "9" } };
    ASSERT_FALSE(ApplyMmsAssignments(loaded.model(), byHand, kEnglish));
    const Status status = LoadSetupFile(loaded.model(), *written);
    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(loaded.generate(), written);
}

// The two MMS dialogs: model 1 (phone and e-mail recipients) and model 2 (the Q400 one).
INSTANTIATE_TEST_SUITE_P(BothDialogs, SetupFileRoundTripTest,
    ::testing::Values(MmsRoundTrip { "AutoWithCountryOperatorAndRecipients", 1,
                          { { "country", "5" }, { "operator", "1" }, { "phone1", "13800138000" }, { "email", "a@b.cn" },
                              { "remoteControlHour", "7" }, { "picturesPerDay", "12" } } },
        MmsRoundTrip { "ManualWithTextsOfTheCodePage", 1,
            { { "mode", "manual" }, { "url", "http://mms.example/ü" }, { "apn", "cmwap" }, { "gateway", "10.0.0.172" },
                { "port", "80" }, { "account", "Jürgen" }, { "password", "pässwort" }, { "phone1", "13800138000" },
                { "phone2", "13900139000" }, { "phone3", "+4917012345" }, { "phoneScope", "1" },
                { "linkType", "1" } } },
        MmsRoundTrip { "Q400AutoInternational", 2,
            { { "country", "12" }, { "phoneScope", "1" }, { "phone1", "+447700900123" }, { "mmsStatus", "0" },
                { "picturesPerDay", "99" } } },
        MmsRoundTrip { "PhoneOrEmailModelWithoutTheScopeList", 17,
            { { "phone1", "someone@example.com" }, { "phone2", "12345678901234567890123456789012345678" },
                { "email", "12345" } } },
        MmsRoundTrip { "ManualParametersAndEmailTypedBeforeSms", 1,
            { { "mode", "manual" }, { "url", "http://mms.example" }, { "apn", "cmwap" }, { "phone1", "13800138000" },
                { "email", "a@b.cn" }, { "phone2", "13900139000" }, { "mmsStatus", "3" } } },
        MmsRoundTrip { "AddressWithoutAtTypedOverAnUnlockingOne", 2,
            { { "email", "a@b.cn" }, { "phone2", "13900139000" }, { "email", "abcdefg" }, { "mmsStatus", "2" } } },
        MmsRoundTrip { "ShortAddressUnderAnUnlockingPhone", 17,
            { { "email", "a@b" }, { "phone1", "13800138000" }, { "phone2", "13900139000" } } },
        MmsRoundTrip { "Q400ManualWithAnAccentedAddress", 2,
            { { "mode", "manual" }, { "url", "http://mms.exämple.de" }, { "apn", "internet" },
                { "gateway", "192.168.1.1" }, { "port", "8080" }, { "phone1", "13800138000" },
                { "email", "jörg@exämple.de" }, { "remoteControlHour", "0" } } }),
    [](const auto& trip) { return trip.param.name; });

// Whatever the user did before answering the offer, loading makes the whole file or nothing: it starts from the
// fresh dialog the check was made on.
TEST(SetupFileLoadTest, LoadingIntoADialogWithSmsChosenMakesTheWholeFile)
{
    CapturingDialog original(1);
    ASSERT_FALSE(ApplyMmsAssignments(
        original.model(), std::vector<MmsAssignment> { { "phone1", "13800138000" }, { "email", "a@b.cn" } }, kEnglish));
    const auto written = original.generate();
    ASSERT_TRUE(written);

    CapturingDialog target(1);
    ASSERT_FALSE(ApplyMmsAssignments(
        target.model(), std::vector<MmsAssignment> { { "mmsStatus", "3" }, { "phone1", "13911112222" } }, kEnglish));
    const Status status = LoadSetupFile(target.model(), *written);
    ASSERT_TRUE(status.ok()) << status.reason();
    EXPECT_EQ(target.model().selection(mms::kStatusList), 1);
    EXPECT_EQ(target.model().editText(mms::kEmailEdit), "a@b.cn");
    EXPECT_FALSE(target.model().isReadOnly(mms::kEmailEdit));
    EXPECT_EQ(target.generate(), written);
}

TEST(SetupFileLoadTest, RefusesAFileOfTheOtherKindOrWithAWrongChecksumAndLeavesTheModelAsItWas)
{
    CapturingDialog original(1);
    ASSERT_FALSE(
        ApplyMmsAssignments(original.model(), std::vector<MmsAssignment> { { "phone1", "13800138000" } }, kEnglish));
    std::vector<std::uint8_t> bytes = *original.generate();
    bytes[100] ^= 1U;

    CapturingDialog target(1);
    ASSERT_FALSE(
        ApplyMmsAssignments(target.model(), std::vector<MmsAssignment> { { "phone1", "13911112222" } }, kEnglish));
    const Status status = LoadSetupFile(target.model(), bytes);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.reason().find("checksum"), std::string::npos) << status.reason();
    EXPECT_EQ(target.model().editText(mms::kPhone1Edit), "13911112222");

    EXPECT_FALSE(LoadSetupFile(target.model(), std::vector<std::uint8_t>(60, 0)).ok());
}

} // namespace
} // namespace tamb
