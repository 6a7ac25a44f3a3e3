#include "cellular/MmsSettingsModel.h"

#include "cellular/OperatorDatabase.h"
#include "cellular/SetupFile.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace tamb {
namespace {

using namespace mms;

// Stands for the remote-control hour list, whose identifier differs between the two dialogs.
constexpr int kHourList = 0;

// One user action: a text typed into an edit, or (index set) an entry chosen in a list.
struct Step
{
    int control = 0;
    std::string text;
    std::optional<int> index;
};

Step Type(int control, std::string text)
{
    return Step { control, std::move(text), std::nullopt };
}

Step Choose(int control, int index)
{
    return Step { control, {}, index };
}

// What the writer was handed.
struct Written
{
    int count = 0;
    std::string folder;
    MmsSettings settings;
};

// A dialog of `model` with a writer that records and answers `writeResult`.
class TestDialog
{
public:
    TestDialog(
        ModelId model, LanguageId language = kEnglish, Status writeResult = Status::success(), int codePage = 850)
        : m_model(Environment(model, language, std::move(writeResult), codePage))
    {
    }

    DialogOutcome apply(const Step& step)
    {
        const int control = step.control == kHourList ? m_model.remoteHourListId() : step.control;
        return step.index ? m_model.selectionChanged(control, *step.index) : m_model.editChanged(control, step.text);
    }

    DialogOutcome run(const std::vector<Step>& steps)
    {
        DialogOutcome last;
        for (const Step& step : steps)
            last = apply(step);
        return last;
    }

    DialogOutcome generate() { return m_model.clicked(kGenerateButtonId); }

    [[nodiscard]] MmsSettingsModel& model() { return m_model; }
    [[nodiscard]] const Written& written() const { return m_written; }

    // The edits that are read-only now, of the ten parameter and recipient edits.
    [[nodiscard]] std::set<int> readOnlyEdits() const
    {
        std::set<int> readOnly;
        for (const int id : { kUrlEdit, kApnEdit, kGatewayEdit, kPortEdit, kPhone1Edit, kEmailEdit, kAccountEdit,
                 kPasswordEdit, kPhone2Edit, kPhone3Edit }) {
            if (m_model.isReadOnly(id))
                readOnly.insert(id);
        }
        return readOnly;
    }

private:
    MmsEnvironment Environment(ModelId model, LanguageId language, Status writeResult, int codePage)
    {
        MmsEnvironment environment {
            .app = AppState { .language = language, .model = model },
            .startFolder = "/card",
            .codePage = OemCodePage { codePage },
            .writeSetupFile = {},
        };
        environment.writeSetupFile = [this, writeResult](std::string_view folder, const MmsSettings& settings) {
            ++m_written.count;
            m_written.folder = folder;
            m_written.settings = settings;
            return writeResult;
        };
        return environment;
    }

    Written m_written;
    MmsSettingsModel m_model;
};

const std::set<int> kParameterEdits { kUrlEdit, kApnEdit, kGatewayEdit, kPortEdit, kAccountEdit, kPasswordEdit };

std::set<int> Union(std::set<int> a, const std::set<int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// --- A fresh dialog ---

struct FreshCase
{
    std::string name;
    ModelId model;
    LanguageId language;
    std::vector<std::string> statusItems;
    std::vector<std::string> operatorItems;
    int hourList;
    bool scopeShown;
};

void PrintTo(const FreshCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class MmsFreshDialogTest : public ::testing::TestWithParam<FreshCase>
{
};

TEST_P(MmsFreshDialogTest, StartsInAutoModeWithVgaAndOnlyTheFirstRecipientsEditable)
{
    const FreshCase& row = GetParam();
    TestDialog dialog(row.model, row.language);
    MmsSettingsModel& model = dialog.model();
    EXPECT_EQ(model.listItems(kStatusList), row.statusItems);
    EXPECT_EQ(model.listItems(kOperatorList), row.operatorItems);
    EXPECT_EQ(model.listItems(kLinkTypeList), std::vector<std::string> { "APN" });
    EXPECT_EQ(model.listItems(kCountryList).size(), kCountryCount);
    EXPECT_EQ(model.remoteHourListId(), row.hourList);
    EXPECT_EQ(model.listItems(row.hourList).size(), 26U);
    for (const auto& [list, selected] :
        std::vector<std::pair<int, int>> { { kModeList, 0 }, { kStatusList, 1 }, { kCountryList, 0 },
            { kOperatorList, 0 }, { row.hourList, 25 }, { kLinkTypeList, 0 }, { kPhoneScopeList, 0 } })
        EXPECT_EQ(model.selection(list), selected) << list;
    EXPECT_EQ(dialog.readOnlyEdits(), Union(kParameterEdits, { kPhone2Edit, kPhone3Edit }));
    EXPECT_TRUE(model.isReadOnly(kFolderEdit));
    EXPECT_FALSE(model.isReadOnly(kPicturesPerDayEdit));
    EXPECT_EQ(model.editText(kFolderEdit), "/card");
    EXPECT_EQ(model.editText(kPicturesPerDayEdit), "0");
    EXPECT_EQ(model.isShown(kPhoneScopeList), row.scopeShown);
}

INSTANTIATE_TEST_SUITE_P(Models, MmsFreshDialogTest,
    ::testing::Values(FreshCase { "Q200InEnglish", 1, kEnglish, { "Off", "VGA", "QVGA", "SMS" },
                          { "China Mobile", "China Unicom" }, 1134, true },
        FreshCase { "Q210InChinese", 5, kChinese, { "关闭", "VGA", "短信" }, { "中国移动", "中国联通" }, 1134, true },
        FreshCase {
            "Q400InEnglish", 4, kEnglish, { "Off", "VGA", "SMS" }, { "China Mobile", "China Unicom" }, 1061, true },
        FreshCase { "Q230Mg1080pWithoutPhoneScope", 17, kEnglish, { "Off", "VGA", "SMS" },
            { "China Mobile", "China Unicom" }, 1061, false }),
    [](const auto& row) { return row.param.name; });

// --- Generate ---

struct GenerateCase
{
    std::string name;
    ModelId model;
    std::vector<Step> steps;
    // The message Generate ends with; MmsFileGenerated when it writes.
    MessageId result;
    // Checks of the settings written (only when written).
    std::function<void(const MmsSettings&)> check = {};
    LanguageId language = kEnglish;
    std::string text = {}; // the result's text in `language`, when it matters
};

void PrintTo(const GenerateCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class MmsGenerateTest : public ::testing::TestWithParam<GenerateCase>
{
};

TEST_P(MmsGenerateTest, ValidatesInOrderAndWritesOnlyWhenSound)
{
    const GenerateCase& row = GetParam();
    TestDialog dialog(row.model, row.language);
    const DialogOutcome setup = dialog.run(row.steps);
    ASSERT_FALSE(setup.focusControl) << "a step failed its sync";
    const DialogOutcome outcome = dialog.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    const DialogMessage& message = outcome.messages.front();
    EXPECT_EQ(message.id, row.result) << message.text(kEnglish);
    if (!row.text.empty()) {
        EXPECT_EQ(message.text(row.language), row.text);
    }
    const bool written = row.result == MessageId::MmsFileGenerated;
    EXPECT_EQ(dialog.written().count, written ? 1 : 0);
    if (written) {
        EXPECT_EQ(dialog.written().folder, "/card");
        if (row.check) {
            row.check(dialog.written().settings);
        }
    }
}

const std::string kPhone = "13800138000";

INSTANTIATE_TEST_SUITE_P(Cases, MmsGenerateTest,
    ::testing::Values(GenerateCase { "FreshDialogHasNoRecipient", 1, {}, MessageId::PhoneAndEmailEmpty, {}, kEnglish,
                          "Phone & Email Error(0)" },
        GenerateCase { "OneCharacterFirstRecipient", 1, { Type(kPhone1Edit, "1") }, MessageId::Phone1TooShort },
        GenerateCase { "FiveCharacterFirstRecipient", 1, { Type(kPhone1Edit, "13800") }, MessageId::MmsFileGenerated },
        GenerateCase { "ShortSecondRecipient", 1, { Type(kPhone1Edit, kPhone), Type(kPhone2Edit, "1234") },
            MessageId::Phone2TooShort },
        GenerateCase { "InternationalPlusAndTwelveDigits", 1,
            { Choose(kPhoneScopeList, 1), Type(kPhone1Edit, "+441234567890") }, MessageId::MmsFileGenerated,
            [](const MmsSettings& s) {
                EXPECT_EQ(s.phone1, "+441234567890");
                EXPECT_EQ(s.phoneScope, PhoneScope::International);
            } },
        GenerateCase { "PlusInADomesticNumber", 1, { Type(kPhone1Edit, "+86138001") }, MessageId::Phone1NotDigits,
            {}, kEnglish, "Only numbers(+) are allowed phone number" },
        GenerateCase { "AddressAsSecondRecipient", 1, { Type(kPhone1Edit, kPhone), Type(kPhone2Edit, "me@home.net") },
            MessageId::MmsFileGenerated, [](const MmsSettings& s) { EXPECT_EQ(s.phone2, "me@home.net"); } },
        GenerateCase { "AddressAsSecondRecipientWithSms", 1,
            { Choose(kStatusList, 3), Type(kPhone1Edit, kPhone), Type(kPhone2Edit, "me@home.net") },
            MessageId::PhoneRecheck },
        GenerateCase { "EmailWithoutDot", 1, { Type(kEmailEdit, "me@home") }, MessageId::EmailWithoutDot },
        GenerateCase { "ManualGatewayWithoutDot", 1,
            { Choose(kModeList, 1), Type(kUrlEdit, "http://mms"), Type(kApnEdit, "mms"), Type(kGatewayEdit, "gateway"),
                Type(kPortEdit, "80"), Type(kPhone1Edit, kPhone) },
            MessageId::GatewayWithoutDot, {}, kEnglish, "GateWay Error(.)" },
        GenerateCase { "Q400ManualGatewayWithoutDotInChinese", 4,
            { Choose(kModeList, 1), Type(kUrlEdit, "http://mms"), Type(kApnEdit, "mms"), Type(kGatewayEdit, "gateway"),
                Type(kPortEdit, "80"), Type(kPhone1Edit, kPhone) },
            MessageId::Q400GatewayWithoutDot, {}, kChinese, "网关错误(.)" },
        GenerateCase { "ManualWithoutPort", 1,
            { Choose(kModeList, 1), Type(kUrlEdit, "http://mms"), Type(kApnEdit, "mms"),
                Type(kGatewayEdit, "10.0.0.1"), Type(kPhone1Edit, kPhone) },
            MessageId::PortEmpty },
        GenerateCase { "ManualHeaderHasNoCountry", 9,
            { Choose(kModeList, 1), Choose(kLinkTypeList, 1), Type(kUrlEdit, "http://mms"), Type(kApnEdit, "mms"),
                Type(kGatewayEdit, "10.0.0.1"), Type(kPortEdit, "80"), Type(kPhone1Edit, kPhone) },
            MessageId::MmsFileGenerated,
            [](const MmsSettings& s) {
                EXPECT_FALSE(s.autoMode);
                EXPECT_EQ(s.countryIndex, kManualCountryIndex);
                EXPECT_EQ(s.operatorIndex, kManualOperatorIndex);
                EXPECT_EQ(s.linkType, LinkType::Csd);
                EXPECT_EQ(s.gateway, "10.0.0.1");
            } },
        GenerateCase { "AutoTakesTheOperatorsParameters", 3,
            { Choose(kCountryList, 3), Choose(kOperatorList, 8), Type(kEmailEdit, "me@home.net") },
            MessageId::MmsFileGenerated,
            [](const MmsSettings& s) {
                EXPECT_TRUE(s.autoMode);
                EXPECT_EQ(s.countryIndex, 3);
                EXPECT_EQ(s.operatorIndex, 8);
                EXPECT_EQ(s.url, SystemOperatorParameters().mms(3, 8).url);
                EXPECT_EQ(s.apn, SystemOperatorParameters().mms(3, 8).apn);
                EXPECT_EQ(s.port, SystemOperatorParameters().mms(3, 8).port);
            } },
        GenerateCase { "Q210SmsIsCodeThree", 5, { Choose(kStatusList, 2), Type(kPhone1Edit, kPhone) },
            MessageId::MmsFileGenerated,
            [](const MmsSettings& s) {
                EXPECT_EQ(s.mmsStatusCode, 3);
                EXPECT_EQ(BuildMmsHeader(s, AppState {})[static_cast<std::size_t>(MmsHeaderByte::StatusPosition)], 3);
            } },
        GenerateCase { "Q200SmsIsCodeThree", 1, { Choose(kStatusList, 3), Type(kPhone1Edit, kPhone) },
            MessageId::MmsFileGenerated,
            [](const MmsSettings& s) {
                EXPECT_EQ(s.mmsStatusCode, 3);
                EXPECT_EQ(BuildMmsHeader(s, AppState {})[static_cast<std::size_t>(MmsHeaderByte::StatusPosition)], 4);
            } },
        GenerateCase { "Q400SmsIsCodeTwo", 4, { Choose(kStatusList, 2), Type(kPhone1Edit, kPhone) },
            MessageId::MmsFileGenerated, [](const MmsSettings& s) { EXPECT_EQ(s.mmsStatusCode, 2); } },
        GenerateCase { "Q420SmsRunsTheNormalChecks", 8, { Choose(kStatusList, 2) }, MessageId::PhoneAndEmailEmpty },
        GenerateCase { "RemoteHourWithoutFirstPhone", 1, { Choose(kHourList, 7), Type(kEmailEdit, "me@home.net") },
            MessageId::RemoteControlWithoutPhone, {}, kEnglish, "Phone No. Error(01)" },
        GenerateCase { "RemoteHourWithAFourCharacterPhone", 1,
            { Choose(kHourList, 7), Type(kPhone1Edit, "1380"), Type(kEmailEdit, "me@home.net") },
            MessageId::Phone1TooShort },
        GenerateCase { "Q230Mg1080pTwoCharacterRecipient", 17, { Type(kPhone1Edit, "12") },
            MessageId::MmsFileGenerated },
        GenerateCase { "Q230Mg1080pLetterInANumber", 17, { Type(kPhone1Edit, "1234a") },
            MessageId::PhoneOrEmailRecheck,
            {}, kEnglish, "Please re-check the phone number or email address is entered correctly" },
        GenerateCase { "Q230Mg1080pDigitsAsEmail", 17, { Type(kEmailEdit, "12345") }, MessageId::MmsFileGenerated },
        GenerateCase { "Q230Mg1080pHourWithAnAddress", 17,
            { Choose(kHourList, 6), Type(kPhone1Edit, "someone@example.com") }, MessageId::MmsFileGenerated,
            [](const MmsSettings& s) { EXPECT_EQ(s.remoteControlHour, 6); } },
        GenerateCase { "AutoOperatorWithoutParametersAsksForManual", 3,
            { Choose(kCountryList, 6), Choose(kOperatorList, 1), Type(kEmailEdit, "me@home.net") },
            MessageId::OperatorWithoutParameters, {}, kEnglish,
            "This operator has no built-in parameters: please choose \"Manual\" and type in the operator's "
            "parameters." },
        GenerateCase { "Q400AutoOperatorWithoutParametersInGerman", 4,
            { Choose(kCountryList, 10), Choose(kOperatorList, 2), Type(kPhone1Edit, kPhone) },
            MessageId::OperatorWithoutParameters, {}, LanguageId { 3 },
            "F\xC3\xBCr diesen Netzbetreiber sind keine Parameter hinterlegt: Bitte w\xC3\xA4hlen Sie "
            "\xE2\x80\x9EManuell\xE2\x80\x9C und geben Sie seine Parameter ein." },
        GenerateCase { "SmsNeedsNoOperatorParameters", 1,
            { Choose(kCountryList, 6), Choose(kOperatorList, 1), Choose(kStatusList, 3), Type(kPhone1Edit, kPhone) },
            MessageId::MmsFileGenerated },
        GenerateCase { "TextTheCodePageCannotStore", 1, { Type(kEmailEdit, "王@example.com") },
            MessageId::TextNotStorable, {}, kEnglish, "Email holds characters that the settings file cannot store" }),
    [](const auto& row) { return row.param.name; });

TEST(MmsGenerateTest, AFailedWriteIsShownWithItsReason)
{
    TestDialog dialog(1, kEnglish, Status::failure("the card is full"));
    dialog.run({ Type(kPhone1Edit, kPhone) });
    const DialogOutcome outcome = dialog.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front().id, MessageId::FileNotWritten);
    EXPECT_NE(outcome.messages.front().text(kEnglish).find("the card is full"), std::string::npos);
}

TEST(MmsGenerateTest, EveryOfferedOperatorIsWrittenWithItsParametersOrSendsTheUserToManual)
{
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        for (std::size_t op = 0; op < MmsOperators(country).size(); ++op) {
            TestDialog dialog(3, kEnglish, Status::success(), 437);
            dialog.run({ Choose(kCountryList, static_cast<int>(country)), Choose(kOperatorList, static_cast<int>(op)),
                Type(kEmailEdit, "me@home.net") });
            DialogOutcome outcome = dialog.generate();
            // An operator that ended MMS is written once the user says so.
            if (outcome.question)
                outcome = dialog.model().answeredTo(*outcome.question, true);
            ASSERT_FALSE(outcome.messages.empty()) << country << "/" << op;
            const MmsParameters params = SystemOperatorParameters().mms(country, op);
            if (params.url.empty() || params.apn.empty()) {
                EXPECT_EQ(outcome.messages.back().id, MessageId::OperatorWithoutParameters) << country << "/" << op;
                EXPECT_EQ(dialog.written().count, 0);
                continue;
            }
            ASSERT_EQ(outcome.messages.back().id, MessageId::MmsFileGenerated) << country << "/" << op;
            EXPECT_EQ(dialog.written().settings.gateway, params.gateway);
        }
    }
}

// The first character of an international number is skipped whole, whatever its UTF-8 length: a full-width
// plus passes the digit check as "+" does, and the code page then decides whether the file can hold it.
TEST(MmsGenerateTest, InternationalNumberMayStartWithAFullWidthPlus)
{
    const std::string fullWidthPlus = "\xEF\xBC\x8B"
                                      "8613812345678";
    for (const int codePage : { 936, 850 }) {
        TestDialog dialog(1, kEnglish, Status::success(), codePage);
        dialog.run({ Choose(kPhoneScopeList, 1), Type(kPhone1Edit, fullWidthPlus) });
        const DialogOutcome outcome = dialog.generate();
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(
            outcome.messages.front().id, codePage == 936 ? MessageId::MmsFileGenerated : MessageId::TextNotStorable)
            << codePage;
    }
    TestDialog domestic(1);
    domestic.run({ Type(kPhone1Edit,
        "\xEF\xBC\x8B"
        "8613812") });
    EXPECT_EQ(domestic.generate().messages.front().id, MessageId::Phone1NotDigits);
}

// --- Edits: the sync's checks and the corrections ---

struct EditCase
{
    std::string name;
    ModelId model;
    std::vector<Step> before;
    Step step;
    std::optional<DialogMessage> message; // what the sync says
    std::string shown; // what the edit shows afterwards
};

void PrintTo(const EditCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class MmsEditTest : public ::testing::TestWithParam<EditCase>
{
};

TEST_P(MmsEditTest, ChecksAndCorrectsAsTheUserTypes)
{
    const EditCase& row = GetParam();
    TestDialog dialog(row.model);
    dialog.run(row.before);
    const DialogOutcome outcome = dialog.apply(row.step);
    if (row.message) {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages.front(), *row.message);
        EXPECT_EQ(outcome.focusControl, row.step.control);
    } else {
        EXPECT_TRUE(outcome.messages.empty());
    }
    EXPECT_EQ(dialog.model().editText(row.step.control), row.shown);
}

const std::string kTwelveDigits = "138001380001";
const DialogMessage kElevenDigitsAtMost = DialogMessage::of(MessageId::PhoneTooManyDigits, 11);

INSTANTIATE_TEST_SUITE_P(Cases, MmsEditTest,
    ::testing::Values(
        EditCase { "TwelfthDigitInChina", 1, {}, Type(kPhone1Edit, kTwelveDigits), kElevenDigitsAtMost, "" },
        EditCase { "TwelveDigitsOnTheQ400", 4, {}, Type(kPhone1Edit, kTwelveDigits), std::nullopt, kTwelveDigits },
        EditCase { "ThirteenthDigitOnTheQ400", 4, {}, Type(kPhone1Edit, kTwelveDigits + "2"),
            DialogMessage::of(MessageId::PhoneTooManyDigits, 12), "" },
        EditCase { "ThirtyTwoDigitsInternational", 1, { Choose(kPhoneScopeList, 1) },
            Type(kPhone1Edit, std::string(32, '4')), std::nullopt, std::string(32, '4') },
        EditCase { "ThirtyThreeDigitsInternational", 1, { Choose(kPhoneScopeList, 1) },
            Type(kPhone1Edit, std::string(33, '4')), DialogMessage::of(MessageId::PhoneTooManyDigits, 32), "" },
        EditCase { "FortyCharactersOnTheQ230Mg1080p", 17, {}, Type(kPhone1Edit, std::string(40, 'a')), std::nullopt,
            std::string(40, 'a') },
        EditCase { "NinetyNinePictures", 1, {}, Type(kPicturesPerDayEdit, "99"), std::nullopt, "99" },
        EditCase { "HundredPictures", 1, {}, Type(kPicturesPerDayEdit, "100"),
            DialogMessage::of(MessageId::IntegerOutOfRange, 0, 99), "0" },
        EditCase { "HundredAndTwentyPictures", 1, {}, Type(kPicturesPerDayEdit, "120"),
            DialogMessage::of(MessageId::IntegerOutOfRange, 0, 99), "0" },
        EditCase { "PicturesNotANumber", 1, {}, Type(kPicturesPerDayEdit, ""),
            DialogMessage::of(MessageId::PromptInteger), "" },
        EditCase { "LongGatewayInManualMode", 1, { Choose(kModeList, 1) }, Type(kGatewayEdit, std::string(21, '1')),
            DialogMessage::of(MessageId::PromptTextTooLong, 20), std::string(21, '1') }),
    [](const auto& row) { return row.param.name; });

// --- Read-only states ---

struct ReadOnlyCase
{
    std::string name;
    ModelId model;
    std::vector<Step> steps;
    std::set<int> readOnly; // of the ten parameter and recipient edits
};

void PrintTo(const ReadOnlyCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class MmsReadOnlyTest : public ::testing::TestWithParam<ReadOnlyCase>
{
};

TEST_P(MmsReadOnlyTest, FollowTheModeTheStatusAndTheRecipients)
{
    TestDialog dialog(GetParam().model);
    dialog.run(GetParam().steps);
    EXPECT_EQ(dialog.readOnlyEdits(), GetParam().readOnly);
}

INSTANTIATE_TEST_SUITE_P(Cases, MmsReadOnlyTest,
    ::testing::Values(ReadOnlyCase { "FivePhoneCharactersOpenTheSecond", 1, { Type(kPhone1Edit, "13800") },
                          Union(kParameterEdits, { kPhone3Edit }) },
        ReadOnlyCase { "ShorteningThePhoneClosesTheRest", 1,
            { Type(kPhone1Edit, kPhone), Type(kPhone2Edit, kPhone), Type(kPhone1Edit, "1380") },
            Union(kParameterEdits, { kPhone2Edit, kPhone3Edit }) },
        ReadOnlyCase { "SecondRecipientOpensTheThird", 1, { Type(kPhone1Edit, kPhone), Type(kPhone2Edit, "13900") },
            kParameterEdits },
        ReadOnlyCase {
            "AddressOpensTheSecond", 1, { Type(kEmailEdit, "a@b.c") }, Union(kParameterEdits, { kPhone3Edit }) },
        ReadOnlyCase { "EmailWithoutAtOpensNothing", 1, { Type(kEmailEdit, "abcde") },
            Union(kParameterEdits, { kPhone2Edit, kPhone3Edit }) },
        ReadOnlyCase { "Q230Mg1080pAnyEmailOpensTheSecond", 17, { Type(kEmailEdit, "12345") },
            Union(kParameterEdits, { kPhone3Edit }) },
        ReadOnlyCase { "ManualOpensTheParameters", 1, { Choose(kModeList, 1) }, { kPhone2Edit, kPhone3Edit } },
        ReadOnlyCase { "SmsInManualLocksParametersAndEmail", 1, { Choose(kModeList, 1), Choose(kStatusList, 3) },
            Union(kParameterEdits, { kEmailEdit, kPhone2Edit, kPhone3Edit }) },
        ReadOnlyCase { "ManualWithSmsLocksParametersAndEmail", 1, { Choose(kStatusList, 3), Choose(kModeList, 1) },
            Union(kParameterEdits, { kEmailEdit, kPhone2Edit, kPhone3Edit }) },
        ReadOnlyCase { "SmsLockIsKeptInAutoUntilTheModeChanges", 1, { Choose(kStatusList, 3), Choose(kStatusList, 1) },
            Union(kParameterEdits, { kEmailEdit, kPhone2Edit, kPhone3Edit }) },
        ReadOnlyCase { "Q230SmsIsNoSpecialCase", 9, { Choose(kStatusList, 3) },
            Union(kParameterEdits, { kPhone2Edit, kPhone3Edit }) },
        ReadOnlyCase { "BackToAutoWithSmsLocksTheEmail", 1,
            { Choose(kStatusList, 3), Choose(kModeList, 1), Choose(kModeList, 0) },
            Union(kParameterEdits, { kEmailEdit, kPhone2Edit, kPhone3Edit }) }),
    [](const auto& row) { return row.param.name; });

// --- Lists ---

TEST(MmsListsTest, ModesRefillTheCountryOperatorAndLinkLists)
{
    TestDialog dialog(1);
    MmsSettingsModel& model = dialog.model();
    dialog.run({ Choose(kCountryList, 3), Type(kPhone1Edit, kPhone) });
    EXPECT_EQ(model.listItems(kOperatorList).size(), 9U) << "the United Kingdom's operators";

    dialog.run({ Choose(kModeList, 1) });
    EXPECT_EQ(model.listItems(kCountryList), std::vector<std::string> { "Other" });
    EXPECT_EQ(model.listItems(kOperatorList), std::vector<std::string> { "Other" });
    EXPECT_EQ(model.listItems(kLinkTypeList), (std::vector<std::string> { "APN", "CSD" }));
    EXPECT_EQ(model.editText(kPhone1Edit), "") << "a mode change empties the recipients";

    dialog.run({ Choose(kModeList, 0) });
    EXPECT_EQ(model.selection(kCountryList), 0);
    EXPECT_EQ(model.listItems(kOperatorList), (std::vector<std::string> { "China Mobile", "China Unicom" }));
    EXPECT_EQ(model.listItems(kLinkTypeList), std::vector<std::string> { "APN" });
}

TEST(MmsListsTest, ReturningToAutoListsTheOperatorsOfTheCountryShown)
{
    // Coming back from Manual puts the country list back on China; the operators must then be China's, or the
    // file would carry another operator than the one shown.
    TestDialog dialog(1);
    dialog.run({ Choose(kCountryList, 29), Choose(kModeList, 1), Choose(kModeList, 0) });
    EXPECT_EQ(dialog.model().selection(kCountryList), 0);
    EXPECT_EQ(dialog.model().listItems(kOperatorList), (std::vector<std::string> { "China Mobile", "China Unicom" }));
}

TEST(MmsListsTest, ChoosingTheModeShownKeepsWhatWasTyped)
{
    TestDialog dialog(1);
    MmsSettingsModel& model = dialog.model();
    dialog.run({ Choose(kCountryList, 29), Type(kPhone1Edit, kPhone), Type(kEmailEdit, "me@home.net"),
        Type(kPhone2Edit, "13900139000"), Choose(kModeList, 0) });
    EXPECT_EQ(model.selection(kCountryList), 29);
    EXPECT_EQ(model.editText(kPhone1Edit), kPhone);
    EXPECT_EQ(model.editText(kEmailEdit), "me@home.net");
    EXPECT_EQ(model.editText(kPhone2Edit), "13900139000");
    EXPECT_FALSE(model.isReadOnly(kPhone2Edit));

    dialog.run({ Choose(kModeList, 1), Type(kUrlEdit, "http://mms"), Type(kPhone1Edit, kPhone), Choose(kModeList, 1) });
    EXPECT_EQ(model.editText(kUrlEdit), "http://mms");
    EXPECT_EQ(model.editText(kPhone1Edit), kPhone);
}

TEST(MmsListsTest, InternationalScopeWarnsThatTheCameraWillNotShowTheNumber)
{
    TestDialog dialog(1);
    const DialogOutcome outcome = dialog.apply(Choose(kPhoneScopeList, 1));
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front().text(kEnglish), "Phone number will not be displayed in the camera setup menu");
    EXPECT_TRUE(dialog.apply(Choose(kPhoneScopeList, 0)).messages.empty());
}

} // namespace
} // namespace tamb
