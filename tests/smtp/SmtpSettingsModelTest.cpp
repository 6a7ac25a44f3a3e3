#include "smtp/SmtpSettingsModel.h"

#include "cellular/CellularRecord.h"
#include "cellular/OperatorDatabase.h"
#include "smtp/SmtpFile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tamb {
namespace {

using Setup = std::function<void(SmtpSettingsModel&)>;

constexpr int kQ200Phone = 1113;
constexpr int kQ400Phone = 1117;
constexpr int kQ200Hour = 1135;
constexpr int kQ400Hour = 1115;
constexpr int kStatusList = 1114;
constexpr int kOkAction = 1;

std::unique_ptr<SmtpSettingsModel> Open(SmtpFamily family, const std::string& folder, LanguageId language = kEnglish)
{
    SmtpEnvironment environment;
    environment.app.language = language;
    environment.app.model = family == SmtpFamily::Q400 ? 4 : 3;
    environment.startFolder = folder;
    environment.codePage = OemCodePage { 850 };
    return std::make_unique<SmtpSettingsModel>(family, environment);
}

int PhoneOf(const SmtpSettingsModel& model)
{
    return model.data().smsPhoneEditId;
}

int HourOf(const SmtpSettingsModel& model)
{
    return model.data().hourListId;
}

// Everything Generate asks for, typed as a user would.
void FillSender(SmtpSettingsModel& model)
{
    (void)model.editChanged(kSmtpServerEditId, "smtp.example.com");
    (void)model.editChanged(kSmtpPortEditId, "25");
    (void)model.editChanged(kSmtpSenderEmailEditId, "camera.one@example.com");
    (void)model.editChanged(kSmtpSenderPasswordEditId, "secret");
    (void)model.editChanged(kSmtpRecipientEmailEditId, "me@example.org");
}

Setup Then(Setup first, Setup second)
{
    return [first, second](SmtpSettingsModel& model) {
        first(model);
        second(model);
    };
}

Setup Type(int controlId, std::string text)
{
    return [controlId, text](SmtpSettingsModel& model) { (void)model.editChanged(controlId, text); };
}

Setup TypePhone(std::string text)
{
    return [text](SmtpSettingsModel& model) { (void)model.editChanged(PhoneOf(model), text); };
}

Setup Choose(int listId, int index)
{
    return [listId, index](SmtpSettingsModel& model) { (void)model.selectionChanged(listId, index); };
}

Setup ChooseHour(int index)
{
    return [index](SmtpSettingsModel& model) { (void)model.selectionChanged(HourOf(model), index); };
}

const Setup kManual = Choose(kSmtpModeListId, 1);
const Setup kFilled = FillSender;

std::string Text(MessageId id)
{
    return std::string { CatalogueEntry(id).name };
}

// The plain record `index` of a written file.
Record RecordOf(const std::vector<std::uint8_t>& bytes, std::size_t index)
{
    Record record {};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(index * kRecordSize), kRecordSize, record.begin());
    if (index < 11)
        ScrambleRecord(record);
    return record;
}

// --- Generate: the first failing check, or the file -------------------------------------------------------

struct GenerateCase
{
    std::string name;
    SmtpFamily family;
    Setup setup;
    MessageId message;
};

void PrintTo(const GenerateCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmtpGenerateTest : public ::testing::TestWithParam<GenerateCase>
{
};

TEST_P(SmtpGenerateTest, ShowsTheFirstFailureOrWritesTheFile)
{
    const test::TempFolder folder;
    const auto model = Open(GetParam().family, folder.text());
    GetParam().setup(*model);

    const DialogOutcome outcome = model->generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(Text(outcome.messages.front().id), Text(GetParam().message));
    const bool written = GetParam().message == MessageId::SmtpFileGenerated;
    EXPECT_EQ(folder.names(), written ? std::vector<std::string> { "smtp.dat" } : std::vector<std::string> {});
    if (written) {
        EXPECT_EQ(folder.read("smtp.dat").size(), 720U);
    }
}

const Setup kNothing = [](SmtpSettingsModel&) {};

INSTANTIATE_TEST_SUITE_P(Checks, SmtpGenerateTest,
    ::testing::Values(
        GenerateCase { "FreshDialogAsksForTheServer", SmtpFamily::Q200, kNothing, MessageId::SmtpServerMissing },
        GenerateCase { "ManualEmptyApnComesFirst", SmtpFamily::Q200, kManual, MessageId::GprsApnMissing },
        GenerateCase { "ManualApnOfOneCharacter", SmtpFamily::Q400,
            Then(Then(kManual, kFilled), Type(kSmtpApnEditId, "w")), MessageId::GprsApnMissing },
        GenerateCase { "ManualApnOfTwoCharacters", SmtpFamily::Q400,
            Then(Then(kManual, kFilled), Type(kSmtpApnEditId, "we")), MessageId::SmtpFileGenerated },
        GenerateCase { "ServerOfOneCharacter", SmtpFamily::Q200, Then(kFilled, Type(kSmtpServerEditId, "s")),
            MessageId::SmtpServerMissing },
        GenerateCase { "PortOfOneCharacter", SmtpFamily::Q200, Then(kFilled, Type(kSmtpPortEditId, "2")),
            MessageId::SmtpPortMissing },
        GenerateCase { "PortOfTwoCharacters", SmtpFamily::Q200, Then(kFilled, Type(kSmtpPortEditId, "25")),
            MessageId::SmtpFileGenerated },
        GenerateCase { "SenderOfOneCharacter", SmtpFamily::Q200, Then(kFilled, Type(kSmtpSenderEmailEditId, "a")),
            MessageId::EmailMissing },
        GenerateCase { "SenderWithoutAt", SmtpFamily::Q200, Then(kFilled, Type(kSmtpSenderEmailEditId, "cam.example")),
            MessageId::EmailWithoutAt },
        GenerateCase { "SenderWithAtButWithoutDot", SmtpFamily::Q200,
            Then(kFilled, Type(kSmtpSenderEmailEditId, "cam@example")), MessageId::EmailWithoutDot },
        GenerateCase { "SenderPasswordOfOneCharacter", SmtpFamily::Q400,
            Then(kFilled, Type(kSmtpSenderPasswordEditId, "x")), MessageId::SenderPasswordMissing },
        GenerateCase { "RecipientMissing", SmtpFamily::Q200, Then(kFilled, Type(kSmtpRecipientEmailEditId, "")),
            MessageId::EmailMissing },
        GenerateCase { "RecipientWithoutDot", SmtpFamily::Q400,
            Then(kFilled, Type(kSmtpRecipientEmailEditId, "me@example")), MessageId::EmailWithoutDot },
        GenerateCase { "Hour8WithAFourCharacterPhone", SmtpFamily::Q200,
            Then(Then(kFilled, ChooseHour(8)), TypePhone("1234")), MessageId::SmsPhoneError },
        GenerateCase { "Hour8WithAFiveCharacterPhone", SmtpFamily::Q200,
            Then(Then(kFilled, ChooseHour(8)), TypePhone("12345")), MessageId::SmtpFileGenerated },
        GenerateCase { "HourOffWithoutPhone", SmtpFamily::Q400, kFilled, MessageId::SmtpFileGenerated },
        GenerateCase { "Q200HourOffWithAThreeCharacterPhone", SmtpFamily::Q200, Then(kFilled, TypePhone("123")),
            MessageId::SmtpFileGenerated },
        GenerateCase { "Q400HourOffWithAThreeCharacterPhone", SmtpFamily::Q400, Then(kFilled, TypePhone("123")),
            MessageId::SmsPhoneError },
        GenerateCase { "Q400HourOffWithAOneCharacterPhone", SmtpFamily::Q400, Then(kFilled, TypePhone("1")),
            MessageId::SmsPhoneError },
        GenerateCase { "Q400HourOffWithAFourCharacterPhone", SmtpFamily::Q400, Then(kFilled, TypePhone("1234")),
            MessageId::SmsPhoneError },
        GenerateCase { "Q400HourOffWithAFiveCharacterPhone", SmtpFamily::Q400, Then(kFilled, TypePhone("12345")),
            MessageId::SmtpFileGenerated },
        GenerateCase { "EmptiedPictureLimitIsNotWrittenStale", SmtpFamily::Q200,
            Then(kFilled, Type(kSmtpPicturesEditId, "")), MessageId::PromptInteger },
        GenerateCase { "AutoOperatorWithoutAnApnAsksForManual", SmtpFamily::Q200,
            Then(kFilled,
                [](SmtpSettingsModel& model) {
                    (void)model.selectionChanged(kSmtpCountryListId, 6);
                    (void)model.selectionChanged(kSmtpOperatorListId, 2);
                }),
            MessageId::OperatorWithoutParameters },
        GenerateCase { "ACharacterTheCodePageLacks", SmtpFamily::Q200,
            Then(kFilled, Type(kSmtpSenderPasswordEditId, "密码密码")), MessageId::SmtpTextNotStorable }),
    [](const auto& row) { return row.param.name; });

// --- What the written file holds ----------------------------------------------------------------------------

struct ModelFileCase
{
    std::string name;
    SmtpFamily family;
    Setup setup;
    std::map<std::size_t, int> headerBytes;
    std::map<std::size_t, std::string> texts; // record -> text
};

void PrintTo(const ModelFileCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmtpFileContentTest : public ::testing::TestWithParam<ModelFileCase>
{
};

TEST_P(SmtpFileContentTest, WritesWhatTheDialogShows)
{
    const test::TempFolder folder;
    const auto model = Open(GetParam().family, folder.text());
    FillSender(*model);
    GetParam().setup(*model);

    ASSERT_EQ(model->generate().messages.front().id, MessageId::SmtpFileGenerated);
    const auto bytes = folder.read("smtp.dat");
    const Record header = RecordOf(bytes, 0);
    for (const auto& [at, value] : GetParam().headerBytes)
        EXPECT_EQ(header[at], value) << "header byte " << at;
    for (const auto& [index, text] : GetParam().texts)
        EXPECT_EQ(DecodeTextRecord(RecordOf(bytes, index), OemCodePage { 850 }), text) << "record " << index;
}

INSTANTIATE_TEST_SUITE_P(Files, SmtpFileContentTest,
    ::testing::Values(ModelFileCase { "AutoChinaMobileFromTheDatabase", SmtpFamily::Q200, kNothing,
                          { { 1, 0 }, { 2, 0 }, { 55, 1 } }, { { 1, "cmnet" }, { 9, "camera.one" } } },
        ModelFileCase { "IsraelIsPosition41", SmtpFamily::Q200, Choose(kSmtpCountryListId, 41), { { 2, 41 } },
            { { 1, std::string { GprsParamsFor(41, 0).apn } } } },
        ModelFileCase { "SecondOperatorOfTheUnitedKingdom", SmtpFamily::Q400,
            Then(Choose(kSmtpCountryListId, 3), Choose(kSmtpOperatorListId, 1)), { { 1, 1 }, { 2, 3 } },
            { { 1, std::string { GprsParamsFor(3, 1).apn } } } },
        ModelFileCase { "ManualWritesCountry128AndTheTypedParameters", SmtpFamily::Q400,
            Then(Then(kManual, kFilled), Then(Type(kSmtpApnEditId, "web"), Type(kSmtpAccountEditId, "me"))),
            { { 1, 0 }, { 2, 128 }, { 55, 0 } }, { { 1, "web" }, { 2, "me" }, { 4, "smtp.example.com" } } },
        ModelFileCase { "Q200HourSitsInByte8", SmtpFamily::Q200, Then(ChooseHour(7), TypePhone("13800000000")),
            { { 6, 1 }, { 7, 1 }, { 8, 7 } }, { { 8, "13800000000" } } },
        ModelFileCase { "Q400StartsAtVga", SmtpFamily::Q400, Then(ChooseHour(7), TypePhone("13800000000")),
            { { 6, 1 }, { 7, 7 }, { 8, 1 } }, {} },
        ModelFileCase { "Q400StatusSms", SmtpFamily::Q400, Choose(kStatusList, 2), { { 6, 2 }, { 7, 25 } }, {} },
        ModelFileCase {
            "PictureLimit", SmtpFamily::Q200, Type(kSmtpPicturesEditId, "37"), { { 3, 3 }, { 4, 7 } }, {} }),
    [](const auto& row) { return row.param.name; });

// --- Typing: limits and the picture correction ------------------------------------------------------------

struct TypingCase
{
    std::string name;
    SmtpFamily family;
    int controlId;
    std::string text;
    std::optional<DialogMessage> message;
    std::string shown; // what the edit shows afterwards
};

void PrintTo(const TypingCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmtpTypingTest : public ::testing::TestWithParam<TypingCase>
{
};

TEST_P(SmtpTypingTest, SyncsAndCorrects)
{
    const auto model = Open(GetParam().family, "/");
    const DialogOutcome outcome = model->editChanged(GetParam().controlId, GetParam().text);
    if (GetParam().message) {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages.front().text(kEnglish), GetParam().message->text(kEnglish));
        EXPECT_EQ(outcome.focusControl, GetParam().controlId);
    } else {
        EXPECT_TRUE(outcome.messages.empty());
    }
    EXPECT_EQ(model->editText(GetParam().controlId), GetParam().shown);
}

const std::string k35 = "a.sender.of.thirty.five@example.com";

INSTANTIATE_TEST_SUITE_P(Edits, SmtpTypingTest,
    ::testing::Values(TypingCase { "Pictures150ShowsTheRangePromptThen0", SmtpFamily::Q200, kSmtpPicturesEditId, "150",
                          DialogMessage::of(MessageId::PromptIntegerRange, 0, 99), "0" },
        TypingCase { "Pictures100ShowsTheRangePromptThen0", SmtpFamily::Q200, kSmtpPicturesEditId, "100",
            DialogMessage::of(MessageId::PromptIntegerRange, 0, 99), "0" },
        TypingCase { "Pictures99Stays", SmtpFamily::Q200, kSmtpPicturesEditId, "99", std::nullopt, "99" },
        TypingCase { "EmptyPicturesAsksForAnInteger", SmtpFamily::Q400, kSmtpPicturesEditId, "",
            DialogMessage::of(MessageId::PromptInteger), "" },
        TypingCase { "Q400SenderOf35", SmtpFamily::Q400, kSmtpSenderEmailEditId, k35, std::nullopt, k35 },
        TypingCase { "Q200SenderOf35", SmtpFamily::Q200, kSmtpSenderEmailEditId, k35,
            DialogMessage::of(MessageId::PromptTextTooLong, 32), k35 },
        TypingCase { "Q400RecipientOf41", SmtpFamily::Q400, kSmtpRecipientEmailEditId, std::string(41, 'r'),
            DialogMessage::of(MessageId::PromptTextTooLong, 40), std::string(41, 'r') },
        TypingCase { "ApnIsReadOnlyInAutoMode", SmtpFamily::Q200, kSmtpApnEditId, "web", std::nullopt, "" }),
    [](const auto& row) { return row.param.name; });

// --- Lists and modes --------------------------------------------------------------------------------------

TEST(SmtpSettingsModelTest, AFreshDialogStartsInAutoModeWithChina)
{
    for (const SmtpFamily family : { SmtpFamily::Q200, SmtpFamily::Q400 }) {
        const auto model = Open(family, "C:\\");
        EXPECT_EQ(model->listItems(kSmtpModeListId), (std::vector<std::string> { "Auto", "Manual" }));
        EXPECT_EQ(model->selection(kSmtpModeListId), 0);
        const auto countries = model->listItems(kSmtpCountryListId);
        ASSERT_EQ(countries.size(), kSmtpCountryCount);
        EXPECT_EQ(countries[0], "China");
        EXPECT_EQ(countries[41], "Israel") << "Cayman Islands is not offered";
        EXPECT_EQ(model->listItems(kSmtpOperatorListId), (std::vector<std::string> { "China Mobile", "China Unicom" }));
        EXPECT_EQ(model->listItems(HourOf(*model)).back(), "Off");
        EXPECT_EQ(model->selection(HourOf(*model)), 25);
        EXPECT_EQ(model->editText(kSmtpFolderEditId), "C:\\");
        EXPECT_EQ(model->editText(kSmtpPicturesEditId), "0");
        for (const int gprs : { kSmtpApnEditId, kSmtpAccountEditId, kSmtpPasswordEditId }) {
            EXPECT_TRUE(model->isReadOnly(gprs));
            EXPECT_EQ(model->editText(gprs), "");
        }
        EXPECT_EQ(model->selection(kStatusList), family == SmtpFamily::Q400 ? 1 : -1);
    }
    EXPECT_EQ(PhoneOf(*Open(SmtpFamily::Q200, "/")), kQ200Phone);
    EXPECT_EQ(HourOf(*Open(SmtpFamily::Q400, "/")), kQ400Hour);
    EXPECT_EQ(HourOf(*Open(SmtpFamily::Q200, "/")), kQ200Hour);
}

TEST(SmtpSettingsModelTest, ManualAndBackToAutoNamesChinasOperatorsFromTheSmtpList)
{
    for (const LanguageId language : { kEnglish, kChinese }) {
        const auto model = Open(SmtpFamily::Q200, "/", language);
        const auto first = model->listItems(kSmtpOperatorListId);
        EXPECT_EQ(first[0], language == kChinese ? "中国移动" : "China Mobile");

        (void)model->selectionChanged(kSmtpModeListId, 1);
        const std::vector<std::string> other { language == kChinese ? "其他" : "Other" };
        EXPECT_EQ(model->listItems(kSmtpCountryListId), other);
        EXPECT_EQ(model->listItems(kSmtpOperatorListId), other);
        EXPECT_FALSE(model->isReadOnly(kSmtpApnEditId));

        (void)model->selectionChanged(kSmtpModeListId, 0);
        EXPECT_EQ(model->listItems(kSmtpOperatorListId), (std::vector<std::string> { "China Mobile", "China Unicom" }));
        EXPECT_EQ(model->selection(kSmtpCountryListId), 0);
        EXPECT_TRUE(model->isReadOnly(kSmtpApnEditId));
    }
}

TEST(SmtpSettingsModelTest, AModeChangeEmptiesTheTextsButThePhonePicturesAndFolder)
{
    const auto model = Open(SmtpFamily::Q400, "/cards/one");
    FillSender(*model);
    (void)model->editChanged(kQ400Phone, "13800000000");
    (void)model->editChanged(kSmtpPicturesEditId, "12");
    (void)model->selectionChanged(kSmtpModeListId, 1);
    for (const int id : { kSmtpServerEditId, kSmtpPortEditId, kSmtpSenderEmailEditId, kSmtpSenderPasswordEditId,
             kSmtpRecipientEmailEditId })
        EXPECT_EQ(model->editText(id), "") << id;
    EXPECT_EQ(model->editText(kQ400Phone), "13800000000");
    EXPECT_EQ(model->editText(kSmtpPicturesEditId), "12");
    EXPECT_EQ(model->editText(kSmtpFolderEditId), "/cards/one");
}

TEST(SmtpSettingsModelTest, ChoosingTheModeShownAgainKeepsWhatWasTyped)
{
    const auto model = Open(SmtpFamily::Q200, "/");
    (void)model->selectionChanged(kSmtpCountryListId, 3);
    FillSender(*model);
    EXPECT_TRUE(model->selectionChanged(kSmtpModeListId, 0).messages.empty());
    EXPECT_EQ(model->editText(kSmtpServerEditId), "smtp.example.com");
    EXPECT_EQ(model->selection(kSmtpCountryListId), 3);
    EXPECT_EQ(model->listItems(kSmtpOperatorListId).size(), 8U);
}

TEST(SmtpSettingsModelTest, ACountryRefillsTheOperatorsInAutoModeOnly)
{
    const auto model = Open(SmtpFamily::Q200, "/");
    (void)model->selectionChanged(kSmtpOperatorListId, 1);
    (void)model->selectionChanged(kSmtpCountryListId, 3);
    const auto uk = model->listItems(kSmtpOperatorListId);
    EXPECT_EQ(uk.size(), 8U);
    EXPECT_EQ(uk[2], "T-Mobile");
    EXPECT_EQ(model->selection(kSmtpOperatorListId), 0);
    (void)model->selectionChanged(kSmtpOperatorListId, 9);
    EXPECT_EQ(model->selection(kSmtpOperatorListId), 0) << "no ninth operator";

    (void)model->selectionChanged(kSmtpModeListId, 1);
    (void)model->selectionChanged(kSmtpCountryListId, 3);
    EXPECT_EQ(model->selection(kSmtpCountryListId), 0) << "Manual mode lists only Other";
}

TEST(SmtpSettingsModelTest, EveryOfferedOperatorGivesItsDatabaseParameters)
{
    const auto model = Open(SmtpFamily::Q400, "/");
    for (std::size_t position = 0; position < kSmtpCountryCount; ++position) {
        (void)model->selectionChanged(kSmtpCountryListId, static_cast<int>(position));
        for (std::size_t op = 0; op < SmtpOperators(position).size(); ++op) {
            (void)model->selectionChanged(kSmtpOperatorListId, static_cast<int>(op));
            const SmtpSettings settings = model->collect();
            EXPECT_EQ(settings.countryIndex, position);
            EXPECT_EQ(settings.operatorIndex, op);
            const GprsParameters expected = SystemOperatorParameters().gprs(position, op);
            EXPECT_EQ(settings.apn, expected.apn) << position << "/" << op;
            EXPECT_EQ(settings.account, expected.account) << position << "/" << op;
            EXPECT_TRUE(TextFitsRecord(settings.apn, OemCodePage { 437 })) << position << "/" << op;
        }
    }
}

TEST(SmtpSettingsModelTest, EnterWritesNothingAndAFailedWriteKeepsThePreviousFile)
{
    const test::TempFolder folder;
    const auto model = Open(SmtpFamily::Q200, folder.text());
    FillSender(*model);
    const DialogOutcome ok = model->clicked(kOkAction);
    EXPECT_TRUE(ok.messages.empty());
    EXPECT_TRUE(folder.names().empty());

    folder.write("smtp.dat", { 1, 2, 3 });
    SmtpEnvironment failing;
    failing.startFolder = folder.text();
    failing.writeSmtpFile
        = [app = failing.app, codePage = failing.codePage](std::string_view target, const SmtpSettings& settings) {
              ScrambledFileFaults faults;
              faults.finalFile.failAfterBytes = 100;
              return WriteSmtpFile(target, settings, SmtpFamily::Q200, app, codePage, faults);
          };
    SmtpSettingsModel broken(SmtpFamily::Q200, failing);
    FillSender(broken);
    const DialogOutcome outcome = broken.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front().id, MessageId::CardFull); // the write stopped as on a full card
    EXPECT_EQ(folder.read("smtp.dat"), (std::vector<std::uint8_t> { 1, 2, 3 }));
    EXPECT_EQ(folder.names(), std::vector<std::string> { "smtp.dat" }) << "no working file stays";
}

TEST(SmtpSettingsModelTest, TheFolderChooserAnswerIsShownAndACancelKeepsTheFolder)
{
    const auto model = Open(SmtpFamily::Q200, "C:\\");
    EXPECT_EQ(model->clicked(kSmtpSelectFolderButtonId).chooseFolderFrom, "C:\\");
    (void)model->folderChosen("/media/card");
    EXPECT_EQ(model->editText(kSmtpFolderEditId), "/media/card");
    (void)model->folderChosen(std::nullopt);
    EXPECT_EQ(model->editText(kSmtpFolderEditId), "/media/card");
    (void)model->folderChosen("");
    EXPECT_EQ(model->editText(kSmtpFolderEditId), "C:\\");
}

// A fault the card meets while Generate writes smtp.dat (through the working file), and what the owner reads.
struct SmtpCardFaultCase
{
    const char* name;
    ScrambledFileFaults faults;
    MessageId expected;
    std::string russian; // a part of the Russian message
};

void PrintTo(const SmtpCardFaultCase& row, std::ostream* out)
{
    *out << row.name;
}

ScrambledFileFaults WorkingFileError(WriteStep step, int error)
{
    ScrambledFileFaults faults;
    faults.workingFile.systemError = InjectedWriteError { .step = step, .error = { error, std::generic_category() } };
    return faults;
}

ScrambledFileFaults FinalFileFaults(WriteFaults finalFile)
{
    ScrambledFileFaults faults;
    faults.finalFile = finalFile;
    return faults;
}

class SmtpWriteFailureTest : public ::testing::TestWithParam<SmtpCardFaultCase>
{
};

TEST_P(SmtpWriteFailureTest, TheOwnerReadsWhatIsWrongWithTheCardAndNoPlainSettingsStay)
{
    const test::TempFolder folder;
    folder.write("smtp.dat", { 1, 2, 3 });
    SmtpEnvironment environment;
    environment.app.language = 15;
    environment.app.model = 3;
    environment.startFolder = folder.text();
    environment.codePage = OemCodePage { 850 };
    environment.writeSmtpFile = [&environment](std::string_view target, const SmtpSettings& settings) {
        return WriteSmtpFile(
            target, settings, SmtpFamily::Q200, environment.app, environment.codePage, GetParam().faults);
    };
    SmtpSettingsModel model(SmtpFamily::Q200, environment);
    FillSender(model);

    const DialogOutcome outcome = model.generate();

    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front().id, GetParam().expected);
    const std::string russian = outcome.messages.front().text(environment.app.language);
    EXPECT_NE(russian.find(GetParam().russian), std::string::npos) << russian;
    EXPECT_NE(russian.find(folder.text()), std::string::npos) << russian;
    auto names = folder.names();
    std::ranges::sort(names);
    if (GetParam().expected == MessageId::WorkingFileWiped) {
        EXPECT_EQ(names, (std::vector<std::string> { "mms.dat", "smtp.dat" }));
        EXPECT_EQ(folder.read("smtp.dat").size(), 720U) << "the new file is written";
        const auto working = folder.read("mms.dat");
        EXPECT_TRUE(std::ranges::all_of(working, [](std::uint8_t byte) { return byte == 0; }))
            << "no plain setting stays in the working file";
    } else {
        EXPECT_EQ(names, std::vector<std::string> { "smtp.dat" });
        EXPECT_EQ(folder.read("smtp.dat"), (std::vector<std::uint8_t> { 1, 2, 3 })) << "the earlier file stays";
    }
}

INSTANTIATE_TEST_SUITE_P(CardFaults, SmtpWriteFailureTest,
    ::testing::Values(SmtpCardFaultCase { .name = "LockSwitchOn",
                          .faults = WorkingFileError(WriteStep::TakeLock, EROFS),
                          .expected = MessageId::CardWriteProtected,
                          .russian = "карта защищена от записи" },
        SmtpCardFaultCase { .name = "FullBeforeTheWorkingFileIsComplete",
            .faults = WorkingFileError(WriteStep::WriteBytes, ENOSPC),
            .expected = MessageId::CardFull,
            .russian = "карта заполнена" },
        SmtpCardFaultCase { .name = "CardPulledBeforeTheRename",
            .faults = FinalFileFaults(WriteFaults { .systemError
                = InjectedWriteError { .step = WriteStep::Rename, .error = { ENXIO, std::generic_category() } } }),
            .expected = MessageId::CardMissing,
            .russian = "карта или её папка больше недоступна" },
        SmtpCardFaultCase { .name = "FlakyCard",
            .faults = FinalFileFaults(WriteFaults { .corruptReadBackAt = 700 }),
            .expected = MessageId::CardReadBackDiffers,
            .russian = "Прежний файл сохранён" },
        SmtpCardFaultCase { .name = "WorkingFileCannotBeRemoved",
            .faults = WorkingFileError(WriteStep::RemoveFile, EIO),
            .expected = MessageId::WorkingFileWiped,
            .russian = "перезаписано нулями" }),
    [](const auto& row) { return std::string { row.param.name }; });

TEST(SmtpSettingsModelTest, FamiliesFollowTheModel)
{
    EXPECT_EQ(SmtpFamilyFor(3), SmtpFamily::Q200);
    EXPECT_EQ(SmtpFamilyFor(9), SmtpFamily::Q200);
    EXPECT_EQ(SmtpFamilyFor(13), SmtpFamily::Q400);
    EXPECT_EQ(SmtpFamilyFor(17), SmtpFamily::Q400);
    EXPECT_EQ(SmtpFamilyFor(2), std::nullopt) << "MMS only";
    EXPECT_EQ(SmtpFamilyFor(14), std::nullopt);
}

} // namespace
} // namespace tamb
