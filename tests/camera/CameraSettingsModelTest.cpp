#include "CameraModelFixture.h"
#include "camera/MenuFileLoad.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tamb {
namespace {

using test::CameraModelFixture;
using N = CameraNumber;
using L = CameraList;

// The template identifiers of the image-size and video-size lists.
constexpr int kImageSizeListId = 1014;
constexpr int kVideoSizeListId = 1015;

// One edit typed by the user: which edit, the new text, and what the dialog must do about it.
struct EditCase
{
    std::string name;
    ModelId model;
    std::vector<std::pair<L, int>> selections; // picked before the typing
    std::vector<std::pair<N, std::string>> typedBefore;
    N number;
    std::string text;
    std::optional<DialogMessage> message;
    std::optional<int> focus;
    std::vector<std::pair<N, int>> values; // values afterwards
    std::string shown; // what the edited field shows afterwards
};

void PrintTo(const EditCase& row, std::ostream* stream)
{
    *stream << row.name << " model " << row.model;
}

class CameraEditTest : public CameraModelFixture, public ::testing::TestWithParam<EditCase>
{
};

TEST_P(CameraEditTest, SyncsCorrectsAndShows)
{
    const EditCase& edit = GetParam();
    CameraSettingsModel model = makeModel(edit.model);
    for (const auto& [list, index] : edit.selections)
        (void)model.selectOption(list, index);
    for (const auto& [number, text] : edit.typedBefore)
        (void)model.changeNumber(number, text);

    const DialogOutcome outcome = model.changeNumber(edit.number, edit.text);

    if (edit.message) {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages.front(), *edit.message);
        EXPECT_EQ(outcome.focusControl, edit.focus);
    } else {
        EXPECT_TRUE(outcome.messages.empty());
    }
    for (const auto& [number, value] : edit.values)
        EXPECT_EQ(model.value(number), value) << KeyOf(number);
    EXPECT_EQ(model.editText(edit.number), edit.shown);
}

DialogMessage kRange(int minimum, int maximum)
{
    return DialogMessage::of(MessageId::IntegerOutOfRange, minimum, maximum);
}

std::vector<std::uint8_t> FactoryBytes()
{
    const CameraSettingsRecord record = FactoryResetRecord();
    return { record.begin(), record.end() };
}

INSTANTIATE_TEST_SUITE_P(Edits, CameraEditTest,
    ::testing::Values(EditCase { "VideoLength75Gives10", 1, {}, {}, N::VideoLength, "75", kRange(1, 60), 1002,
                          { { N::VideoLength, 10 } }, "10" },
        EditCase { "VideoLength0Gives10", 1, {}, {}, N::VideoLength, "0", kRange(1, 60), 1002,
            { { N::VideoLength, 10 } }, "10" },
        EditCase { "VideoLength60Stays", 1, {}, {}, N::VideoLength, "60", {}, {}, { { N::VideoLength, 60 } }, "60" },
        EditCase { "IntervalZeroInMinutesGives1", 1, {}, {}, N::Interval, "0", {}, {}, { { N::Interval, 1 } }, "1" },
        EditCase { "IntervalZeroInSecondsStays", 1, { { L::IntervalUnit, 0 } }, {}, N::Interval, "0", {}, {},
            { { N::Interval, 0 } }, "0" },
        EditCase { "Interval61Gives1", 1, { { L::IntervalUnit, 0 } }, {}, N::Interval, "61", kRange(0, 60), 1003,
            { { N::Interval, 1 } }, "1" },
        EditCase { "EmptiedEditAsksForAnInteger", 1, {}, { { N::Timer1StartHour, "7" } }, N::Timer1StartHour, "",
            DialogMessage::of(MessageId::PromptInteger), 1017, { { N::Timer1StartHour, 7 } }, "" },
        EditCase { "Hour24Gives0", 1, {}, {}, N::Timer1StartHour, "24", kRange(0, 23), 1017,
            { { N::Timer1StartHour, 0 } }, "0" },
        EditCase { "Hour23Stays", 1, {}, {}, N::Timer2StopHour, "23", {}, {}, { { N::Timer2StopHour, 23 } }, "23" },
        EditCase { "Second60Gives0", 1, {}, {}, N::TimeLapseSecond, "60", kRange(0, 59), 1040,
            { { N::TimeLapseSecond, 0 } }, "0" },
        EditCase { "Q400Timer2HourOnItsOwnEdit", 2, {}, {}, N::Timer2StartHour, "24", kRange(0, 23), 1048,
            { { N::Timer2StartHour, 0 } }, "0" },
        // A failed sync stops at the first bad edit: the edits after it keep their values.
        EditCase { "EarlierFailureStopsTheSync", 1, {}, { { N::VideoLength, "x" } }, N::Timer1StopMinute, "30",
            DialogMessage::of(MessageId::PromptInteger), 1002, { { N::Timer1StopMinute, 0 } }, "30" },
        EditCase { "LongitudeAboveLimitClampsTheGroup", 13, {},
            { { N::LongitudeMinutes, "30" }, { N::LongitudeSeconds, "15" } }, N::LongitudeDegrees, "200",
            kRange(0, 180), 1056,
            { { N::LongitudeDegrees, 180 }, { N::LongitudeMinutes, 0 }, { N::LongitudeSeconds, 0 } }, "180" },
        EditCase { "Longitude180ClearsMinutesAndSeconds", 13, {},
            { { N::LongitudeMinutes, "30" }, { N::LongitudeSeconds, "15" } }, N::LongitudeDegrees, "180", {}, {},
            { { N::LongitudeDegrees, 180 }, { N::LongitudeMinutes, 0 }, { N::LongitudeSeconds, 0 } }, "180" },
        EditCase { "Longitude179KeepsMinutesAndSeconds", 13, {},
            { { N::LongitudeMinutes, "30" }, { N::LongitudeSeconds, "15" } }, N::LongitudeDegrees, "179", {}, {},
            { { N::LongitudeDegrees, 179 }, { N::LongitudeMinutes, 30 }, { N::LongitudeSeconds, 15 } }, "179" },
        EditCase { "Latitude90ClearsMinutesAndSeconds", 13, {},
            { { N::LatitudeMinutes, "59" }, { N::LatitudeSeconds, "5" } }, N::LatitudeDegrees, "90", {}, {},
            { { N::LatitudeDegrees, 90 }, { N::LatitudeMinutes, 0 }, { N::LatitudeSeconds, 0 } }, "90" },
        EditCase { "MinutesAtLongitude180Give0", 13, {}, { { N::LongitudeDegrees, "180" } }, N::LongitudeMinutes, "30",
            {}, {}, { { N::LongitudeMinutes, 0 } }, "0" },
        EditCase { "MinutesAbove59ClampTo59", 13, {}, { { N::LongitudeDegrees, "179" } }, N::LongitudeMinutes, "75",
            kRange(0, 59), 1058, { { N::LongitudeMinutes, 59 } }, "59" },
        EditCase { "Latitude91Gives90", 13, {}, { { N::LatitudeSeconds, "5" } }, N::LatitudeDegrees, "91",
            kRange(0, 90), 1051, { { N::LatitudeDegrees, 90 }, { N::LatitudeSeconds, 0 } }, "90" }),
    [](const ::testing::TestParamInfo<EditCase>& row) { return row.param.name; });

class CameraModelTest : public CameraModelFixture, public ::testing::Test
{
};

TEST_F(CameraModelTest, SwitchingTheUnitToMinutesTurnsZeroIntoOne)
{
    CameraSettingsModel model = makeModel(1);
    (void)model.selectOption(L::IntervalUnit, 0);
    (void)model.changeNumber(N::Interval, "0");
    EXPECT_EQ(model.collect().interval, 128);

    const DialogOutcome outcome = model.selectOption(L::IntervalUnit, 1);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(model.value(N::Interval), 1);
    EXPECT_EQ(model.editText(N::Interval), "1");
    EXPECT_EQ(model.collect().interval, 1);
}

TEST_F(CameraModelTest, OnOffListsChangeOnlyTheLockedStates)
{
    CameraSettingsModel model = makeModel(1);
    (void)model.selectOption(L::Timer1, 1);
    ASSERT_FALSE(model.isReadOnly(N::Timer1StartHour));
    (void)model.changeNumber(N::Timer1StartHour, "6");
    (void)model.selectOption(L::Timer1, 0);
    EXPECT_TRUE(model.isReadOnly(N::Timer1StartHour));
    EXPECT_EQ(model.value(N::Timer1StartHour), 6);
    EXPECT_EQ(model.collect().timer1StartHour, 6); // an Off timer still writes its times

    EXPECT_TRUE(model.isReadOnly(N::TimeLapseHour));
    (void)model.selectOption(L::TimeLapse, 0);
    EXPECT_FALSE(model.isReadOnly(N::TimeLapseMinute));
    EXPECT_TRUE(model.isReadOnly(N::Timer2StopMinute));
    (void)model.selectOption(L::Timer2, 1);
    EXPECT_FALSE(model.isReadOnly(N::Timer2StopMinute));

    EXPECT_FALSE(model.areSerialCharactersEnabled());
    (void)model.selectOption(L::SerialNumber, 1);
    EXPECT_TRUE(model.areSerialCharactersEnabled());
}

TEST_F(CameraModelTest, ClockTextFollowsGetTimeAndTheDateFormat)
{
    CameraSettingsModel model = makeModel(1);
    EXPECT_EQ(model.editText(CameraText::Clock), "2024/02/03 07:05:09"); // year first until the first reading
    EXPECT_EQ(model.selection(L::DateFormat), 1);

    (void)model.selectOption(L::DateFormat, 2);
    EXPECT_EQ(model.editText(CameraText::Clock), "03/02/2024 07:05:09");
    m_localTime.second = 10;
    (void)model.getTime();
    EXPECT_EQ(model.editText(CameraText::Clock), "03/02/2024 07:05:10");
    (void)model.selectOption(L::DateFormat, 0);
    EXPECT_EQ(model.editText(CameraText::Clock), "2024/02/03 07:05:10");
}

TEST_F(CameraModelTest, ClockBefore2010IsShownAs2011)
{
    m_localTime = ClockReading { 2009, 12, 31, 23, 59, 58 };
    const CameraSettingsModel model = makeModel(1);
    EXPECT_EQ(model.editText(CameraText::Clock), "2011/12/31 23:59:58");
    EXPECT_EQ(model.clock().year, 2011);
}

TEST_F(CameraModelTest, OverlongChosenFolderIsShownAndTheNextSyncReportsTheLimit)
{
    CameraSettingsModel model = makeModel(1);
    const std::string longFolder = "/" + std::string(80, 'f');
    (void)model.chooseFolder(longFolder);
    EXPECT_EQ(model.editText(CameraText::Folder), longFolder);

    const DialogOutcome outcome = model.changeNumber(N::VideoLength, "20");
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front(), DialogMessage::of(MessageId::PromptTextTooLong, 80));
    EXPECT_EQ(outcome.focusControl, kFolderEditId);
}

TEST_F(CameraModelTest, DefaultRefusesAFolderBeyondTheLimitAsGenerateDoesAndResetsNothing)
{
    const std::filesystem::path deep = m_folder / std::string(80, 'f');
    std::filesystem::create_directory(deep);
    CameraSettingsModel model = makeModel(1);
    (void)model.chooseFolder(Utf8FromPath(deep));
    (void)model.changeNumber(N::VideoLength, "20");

    const DialogOutcome generated = model.clicked(kGenerateButtonId);
    const DialogOutcome defaulted = model.clicked(kDefaultButtonId);
    EXPECT_EQ(defaulted.messages, generated.messages);
    EXPECT_EQ(defaulted.messages, std::vector { DialogMessage::of(MessageId::PromptTextTooLong, 80) });
    EXPECT_EQ(defaulted.focusControl, kFolderEditId);
    EXPECT_FALSE(std::filesystem::exists(deep / "menu.dat"));
    EXPECT_EQ(model.value(N::VideoLength), 20);
}

// A chosen folder and whether the next sync accepts it: the limit is 80 UTF-16 units, not bytes.
struct FolderLimitCase
{
    std::string name;
    std::string piece;
    std::size_t count;
    bool accepted;
};

void PrintTo(const FolderLimitCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class CameraFolderLimitTest : public CameraModelFixture, public ::testing::TestWithParam<FolderLimitCase>
{
};

TEST_P(CameraFolderLimitTest, NextSyncChecksTheChosenFolder)
{
    std::string chosen;
    for (std::size_t i = 0; i < GetParam().count; ++i)
        chosen += GetParam().piece;
    CameraSettingsModel model = makeModel(1);
    (void)model.chooseFolder(chosen);
    const DialogOutcome outcome = model.changeNumber(N::VideoLength, "20");
    if (GetParam().accepted) {
        EXPECT_TRUE(outcome.messages.empty());
    } else {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages.front(), DialogMessage::of(MessageId::PromptTextTooLong, 80));
    }
    EXPECT_EQ(model.folderValue(), chosen);
}

INSTANTIATE_TEST_SUITE_P(Folders, CameraFolderLimitTest,
    ::testing::Values(FolderLimitCase { "EightyLetters", "f", 80, true },
        FolderLimitCase { "EightyOneLetters", "f", 81, false },
        FolderLimitCase { "EightyAccentedLettersOfTwoBytes", "\xC3\xA9", 80, true },
        FolderLimitCase { "EightyOneAccentedLetters", "\xC3\xA9", 81, false },
        FolderLimitCase { "FortyCharactersOfTwoUnits", "\xF0\x9F\x98\x80", 40, true },
        FolderLimitCase { "FortyOneCharactersOfTwoUnits", "\xF0\x9F\x98\x80", 41, false }),
    [](const ::testing::TestParamInfo<FolderLimitCase>& row) { return row.param.name; });

TEST_F(CameraModelTest, CancelledFolderChoiceKeepsTheFolderAndAnEmptyOneTakesTheStartFolder)
{
    CameraSettingsModel model = makeModel(1);
    (void)model.chooseFolder(std::string { "/somewhere" });
    (void)model.chooseFolder(std::nullopt);
    EXPECT_EQ(model.folderValue(), "/somewhere");
    (void)model.chooseFolder(std::string {});
    EXPECT_EQ(model.folderValue(), folder());
}

TEST_F(CameraModelTest, GenerateWritesWhatTheEditsShowIntoTheFolderTheEditShows)
{
    CameraSettingsModel model = makeModel(1);
    const std::filesystem::path typed = m_folder / "typed";
    std::filesystem::create_directories(typed);
    model.changeText(CameraText::Folder, Utf8FromPath(typed));
    (void)model.changeNumber(N::VideoLength, "30");

    // An emptied edit fails the sync: its message, its edit focused and selected, and no file anywhere.
    (void)model.changeNumber(N::VideoLength, "");
    DialogOutcome outcome = model.generate();
    EXPECT_EQ(outcome.messages, std::vector { DialogMessage::of(MessageId::PromptInteger) });
    EXPECT_EQ(outcome.focusControl, 1002);
    EXPECT_TRUE(outcome.selectFocusedText);
    EXPECT_FALSE(std::filesystem::exists(typed / "menu.dat"));
    EXPECT_FALSE(std::filesystem::exists(menuFile()));

    (void)model.changeNumber(N::VideoLength, "25");
    outcome = model.generate();
    EXPECT_EQ(outcome.messages, std::vector { DialogMessage::of(MessageId::MenuFileGenerated) });
    EXPECT_FALSE(std::filesystem::exists(menuFile()));
    std::ifstream written(typed / "menu.dat", std::ios::binary);
    const std::vector<char> bytes { std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>() };
    ASSERT_EQ(bytes.size(), kCameraRecordSize);
    EXPECT_EQ(bytes[4], 24); // the video length byte holds the seconds less one
}

TEST_F(CameraModelTest, FamiliesThatReadTheFolderEditUseTypedTextAtOnce)
{
    CameraSettingsModel model = makeModel(14);
    const std::filesystem::path typed = m_folder / "typed";
    std::filesystem::create_directories(typed);
    model.changeText(CameraText::Folder, Utf8FromPath(typed));
    (void)model.generate();
    EXPECT_TRUE(std::filesystem::exists(typed / "menu.dat"));
}

TEST_F(CameraModelTest, GenerateReportsSuccessOnlyAfterACompleteWrite)
{
    CameraSettingsModel model = makeModel(1);
    DialogOutcome outcome = model.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front(), DialogMessage::of(MessageId::MenuFileGenerated));
    const std::vector<std::uint8_t> first = writtenFile();
    ASSERT_EQ(first.size(), kCameraRecordSize);

    // Pressing Generate again without changes writes the same bytes: the clock does not run by itself.
    m_localTime.minute = 59;
    (void)model.generate();
    EXPECT_EQ(writtenFile(), first);

    CameraEnvironment failing = environment(1);
    failing.writeMenuFile = [](std::string_view folder, const CameraSettingsRecord& record) {
        // An error without a plain meaning keeps the system's reason.
        const InjectedWriteError ioError { .step = WriteStep::WriteBytes,
            .error = std::make_error_code(std::errc::io_error) };
        return WriteMenuFile(folder, record, WriteFaults { .systemError = ioError });
    };
    CameraSettingsModel cardPulled(CameraFamily::Generic, failing);
    (void)cardPulled.changeNumber(N::VideoLength, "30");
    outcome = cardPulled.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front().id, MessageId::FileNotWritten);
    const std::vector<std::string>& pathAndReason = outcome.messages.front().arguments;
    ASSERT_EQ(pathAndReason.size(), 2U);
    EXPECT_EQ(pathAndReason[0], FileInFolder(folder(), "menu.dat"));
    EXPECT_FALSE(pathAndReason[1].empty());
    EXPECT_EQ(pathAndReason[1].find("menu.dat"), std::string::npos); // the path is not repeated
    EXPECT_EQ(writtenFile(), first);
}

TEST_F(CameraModelTest, MissingFolderIsReportedWithItsPath)
{
    CameraSettingsModel model = makeModel(8);
    const std::string missing = "/nonexistent-tamb-folder/card";
    (void)model.chooseFolder(missing);
    for (const DialogOutcome& outcome : { model.generate(), model.restoreDefaults() }) {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages.back().id, MessageId::CardMissing);
        EXPECT_EQ(outcome.messages.back().arguments.front(), FileInFolder(missing, "menu.dat"));
    }
}

TEST_F(CameraModelTest, EmptiedFolderIsReportedWithoutPointingAtTheRoot)
{
    CameraSettingsModel model = makeModel(1);
    model.changeText(CameraText::Folder, "");
    (void)model.changeNumber(N::VideoLength, "12"); // the sync takes the empty folder
    const DialogOutcome outcome = model.generate();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front().text(kEnglish), "The file menu.dat could not be written: no folder was chosen");
}

TEST_F(CameraModelTest, GenericDefaultWritesTheResetControls)
{
    CameraSettingsModel model = makeModel(1);
    (void)model.selectOption(L::ImageSize, 2);
    (void)model.selectOption(L::SidePir, 0);
    (void)model.selectOption(L::Timer2, 1);
    (void)model.changeNumber(N::Timer2StartHour, "5");
    (void)model.selectOption(L::DateFormat, 2);

    const DialogOutcome outcome = model.restoreDefaults();
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages.front(), DialogMessage::of(MessageId::FactoryFileGenerated));
    EXPECT_EQ(model.variant().imageSizes[static_cast<std::size_t>(model.selection(L::ImageSize))], "12MP");
    EXPECT_EQ(model.variant().videoSizes[static_cast<std::size_t>(model.selection(L::VideoSize))], "320x240");
    EXPECT_TRUE(model.isReadOnly(N::Timer2StartHour));
    EXPECT_EQ(model.editText(N::Timer2StartHour), "0");

    // The whole record of the reset controls, taken with the clock of 2024-02-03 07:05:09 in English.
    const std::vector<std::uint8_t> expected {
        0, 1, 1, 0, 9, 0, 1, 0, 0, 1, // mode, image 12MP, video 320x240, pictures, 10 s, stamp, 1 min, level, timer,
                                      // side PIR On
        1, 0, 0, 0, 14, 2, 3, 7, 5, 9, // time lapse Off and its time, clock
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2, // timer 1 times, serial number Off and "0000", language
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // TV mode, timer 2 Off and its times, SD cycle Off
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0, // date format MMDDYY
        0, 1, 0, 0, 0, 0, 0x23, 0xA4, 13, 10, // side PIR copy, CRC 0xA423, CR LF
    };
    EXPECT_EQ(writtenFile(), expected);
    // The clock text keeps its old layout although the list now shows MMDDYY.
    EXPECT_EQ(model.editText(CameraText::Clock), "03/02/2024 07:05:09");
}

TEST_F(CameraModelTest, DefaultStillResetsWhenItsSyncFails)
{
    CameraSettingsModel model = makeModel(6);
    (void)model.changeNumber(N::VideoLength, "");
    const DialogOutcome outcome = model.restoreDefaults();
    ASSERT_EQ(outcome.messages.size(), 2U);
    EXPECT_EQ(outcome.messages[0], DialogMessage::of(MessageId::PromptInteger));
    EXPECT_EQ(outcome.messages[1], DialogMessage::of(MessageId::FactoryFileGenerated));
    EXPECT_EQ(model.editText(N::VideoLength), "10");
    EXPECT_EQ(writtenFile(), FactoryBytes());
}

TEST_F(CameraModelTest, Q300GenerateReadsTheClockTextInTheSelectedOrder)
{
    CameraSettingsModel model = makeModel(13);
    EXPECT_EQ(model.editText(CameraText::Clock), "02/03/2024 07:05:09"); // month first from the start
    model.changeText(CameraText::Clock, "06/30/2016 14:05:09");
    (void)model.generate();
    std::vector<std::uint8_t> file = writtenFile();
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 14, file.begin() + 20),
        (std::vector<std::uint8_t> { 6, 6, 30, 14, 5, 9 }));

    // A text that cannot be read keeps the last reading, which the previous Generate set.
    model.changeText(CameraText::Clock, "");
    (void)model.generate();
    file = writtenFile();
    EXPECT_EQ(file[14], 6);
    EXPECT_EQ(file[16], 30);
}

TEST_F(CameraModelTest, Q100PasswordDigitsAreWrittenWhateverTheSwitch)
{
    CameraSettingsModel model = makeModel(14);
    EXPECT_TRUE(model.isWirelessPasswordReadOnly());
    (void)model.generate();
    std::vector<std::uint8_t> file = writtenFile();
    EXPECT_EQ(
        std::vector<std::uint8_t>(file.begin() + 36, file.begin() + 41), (std::vector<std::uint8_t> { 7, 3, 9, 4, 0 }));

    (void)model.selectOption(L::WirelessPassword, 1);
    EXPECT_FALSE(model.isWirelessPasswordReadOnly());
    model.changeText(CameraText::WirelessPassword, "5x");
    (void)model.generate();
    file = writtenFile();
    EXPECT_EQ(
        std::vector<std::uint8_t>(file.begin() + 36, file.begin() + 41), (std::vector<std::uint8_t> { 5, 0, 0, 0, 1 }));

    (void)model.restoreDefaults();
    EXPECT_EQ(model.editText(CameraText::WirelessPassword), "7394");
    EXPECT_TRUE(model.isWirelessPasswordReadOnly());
}

// What a dialog of each model offers when it opens, and what Generate writes right away.
struct StartCase
{
    std::string name;
    ModelId model;
    CameraFamily family;
    std::string_view imageSize; // the selected texts
    std::string_view videoSize;
    bool sdCycleShown;
    std::uint8_t sidePirByte;
    std::uint8_t sidePirCopyByte;
    std::vector<std::string> imageSizes; // the whole lists, in their order: the record stores the index
    std::vector<std::string> videoSizes;
};

void PrintTo(const StartCase& row, std::ostream* stream)
{
    *stream << row.name << " model " << row.model;
}

class CameraStartTest : public CameraModelFixture, public ::testing::TestWithParam<StartCase>
{
};

TEST_P(CameraStartTest, OpensOnTheModelsStartValues)
{
    const StartCase& start = GetParam();
    CameraSettingsModel model = makeModel(start.model);
    EXPECT_EQ(model.data().family, start.family);
    const auto& variant = model.variant();
    EXPECT_EQ(variant.imageSizes[static_cast<std::size_t>(model.selection(L::ImageSize))], start.imageSize);
    EXPECT_EQ(variant.videoSizes[static_cast<std::size_t>(model.selection(L::VideoSize))], start.videoSize);
    EXPECT_EQ(model.isListShown(L::SdCycle), start.sdCycleShown);
    EXPECT_EQ(model.listItems(kImageSizeListId), start.imageSizes);
    EXPECT_EQ(model.listItems(kVideoSizeListId), start.videoSizes);

    (void)model.generate();
    const std::vector<std::uint8_t> file = writtenFile();
    ASSERT_EQ(file.size(), kCameraRecordSize);
    EXPECT_EQ(file[4], 9); // 10 seconds
    EXPECT_EQ(file[6], 1); // 1 minute
    EXPECT_EQ(file[10], 1); // time lapse Off
    EXPECT_EQ(file[48], 1); // MMDDYY
    EXPECT_EQ(file[9], start.sidePirByte);
    EXPECT_EQ(file[51], start.sidePirCopyByte);
}

// Every entry of every list can be chosen, and nothing beyond the ends: an index past the last entry would be
// written into the record as a setting the camera does not have.
TEST_P(CameraStartTest, EveryListTakesEachOfItsEntriesAndNothingBeyond)
{
    CameraSettingsModel model = makeModel(GetParam().model);
    for (const ListBinding& binding : model.data().lists) {
        const int count = model.optionCount(binding.list);
        ASSERT_GT(count, 0) << KeyOf(binding.list);
        for (int index = 0; index < count; ++index) {
            (void)model.selectOption(binding.list, index);
            EXPECT_EQ(model.selection(binding.list), index) << KeyOf(binding.list);
        }
        for (const int beyond : { count, -1 }) {
            (void)model.selectOption(binding.list, beyond);
            EXPECT_EQ(model.selection(binding.list), count - 1) << KeyOf(binding.list) << " " << beyond;
        }
    }
}

const std::vector<std::string> kGenericSizes { "5MP", "12MP", "1.3MP" };
const std::vector<std::string> kQ400Sizes { "12MP", "5MP", "2MP" };
const std::vector<std::string> kQ400Videos { "1440x1080", "1280x720", "640x480" };
const std::vector<std::string> kSmallVideos { "640x480", "320x240" };
const std::vector<std::string> kHdVideos { "1280x720", "640x480", "320x240" };
const std::vector<std::string> kFullHdVideos { "1920x1080", "1280x720", "640x480", "320x240" };

INSTANTIATE_TEST_SUITE_P(Models, CameraStartTest,
    ::testing::Values(
        StartCase { "Q200M", 1, CameraFamily::Generic, "5MP", "640x480", false, 1, 1, kGenericSizes, kSmallVideos },
        StartCase { "Q210MG", 5, CameraFamily::Generic, "12MP", "1280x720", false, 1, 1, { "12MP", "5MP", "1.3MP" },
            kHdVideos },
        StartCase {
            "Q200MG1080P", 15, CameraFamily::Generic, "12MP", "1280x720", true, 1, 1, kGenericSizes, kFullHdVideos },
        StartCase { "Q400M", 2, CameraFamily::Q400, "12MP", "1280x720", true, 1, 0, kQ400Sizes, kQ400Videos },
        StartCase { "Q430MG", 10, CameraFamily::Q400, "12MP", "1280x720", true, 0, 0, kQ400Sizes, kQ400Videos },
        StartCase {
            "Q220MG", 6, CameraFamily::Q220, "12MP", "1280x720", false, 1, 0, { "12MP", "5MP", "1.3MP" }, kHdVideos },
        StartCase { "Q420MG", 8, CameraFamily::Q420, "12MP", "1280x720", true, 0, 0, kQ400Sizes, kQ400Videos },
        StartCase {
            "Q300A", 11, CameraFamily::Q300, "14MP", "1280x720", true, 1, 1, { "5MP", "12MP", "14MP" }, kFullHdVideos },
        StartCase { "Q300MG", 13, CameraFamily::Q300, "14MP", "1280x720", true, 1, 1,
            { "5MP", "12MP", "1.3MP", "14MP" }, kFullHdVideos },
        StartCase {
            "Q230MG1080P", 17, CameraFamily::Q300, "12MP", "1280x720", true, 0, 0, kGenericSizes, kFullHdVideos },
        StartCase {
            "Q100", 14, CameraFamily::Q100, "5MP", "640x480", false, 0, 0, { "3MP", "5MP", "1.3MP" }, kSmallVideos },
        StartCase { "ModelZeroOpensGeneric", 0, CameraFamily::Generic, "5MP", "640x480", false, 1, 1, kGenericSizes,
            kSmallVideos }),
    [](const ::testing::TestParamInfo<StartCase>& row) { return row.param.name; });

// What Default leaves alone, family by family, after the user changed everything it could.
struct DefaultCase
{
    std::string name;
    ModelId model;
    std::vector<std::pair<L, int>> keptSelections;
    std::vector<N> keptNumbers;
    std::string_view videoSizeAfter;
};

void PrintTo(const DefaultCase& row, std::ostream* stream)
{
    *stream << row.name << " model " << row.model;
}

class CameraDefaultTest : public CameraModelFixture, public ::testing::TestWithParam<DefaultCase>
{
};

TEST_P(CameraDefaultTest, ResetsAllButWhatTheFamilyKeeps)
{
    const DefaultCase& reset = GetParam();
    CameraSettingsModel model = makeModel(reset.model);
    for (const ListBinding& binding : model.data().lists)
        (void)model.selectOption(binding.list, model.optionCount(binding.list) - 1);
    (void)model.selectOption(L::TimeLapse, 0);
    (void)model.selectOption(L::BeepSound, 0);
    for (const NumberBinding& binding : model.data().numbers)
        (void)model.changeNumber(
            binding.number, std::to_string(binding.maximum == 180 || binding.maximum == 90 ? 7 : 5));

    (void)model.restoreDefaults();

    for (const ListBinding& binding : model.data().lists) {
        const auto kept = std::find_if(reset.keptSelections.begin(), reset.keptSelections.end(),
            [&](const auto& pair) { return pair.first == binding.list; });
        if (kept != reset.keptSelections.end()) {
            EXPECT_EQ(model.selection(binding.list), kept->second) << KeyOf(binding.list);
        }
    }
    for (const NumberBinding& binding : model.data().numbers) {
        const bool kept
            = std::find(reset.keptNumbers.begin(), reset.keptNumbers.end(), binding.number) != reset.keptNumbers.end();
        const int start = binding.start;
        EXPECT_EQ(model.value(binding.number), kept ? 5 : start) << KeyOf(binding.number);
    }
    EXPECT_EQ(model.selection(L::DateFormat), 1);
    EXPECT_EQ(model.selection(L::TimeLapse), 1);
    EXPECT_EQ(model.selection(L::Timer2), 0);
    EXPECT_FALSE(model.areSerialCharactersEnabled());
    EXPECT_EQ(
        model.variant().videoSizes[static_cast<std::size_t>(model.selection(L::VideoSize))], reset.videoSizeAfter);
    if (model.data().factoryRecord == FactoryRecord::FixedReset) {
        EXPECT_EQ(writtenFile(), FactoryBytes());
    }
}

const std::vector<N> kTimer2Times { N::Timer2StartHour, N::Timer2StartMinute, N::Timer2StopHour, N::Timer2StopMinute };
std::vector<N> WithInterval(std::vector<N> numbers)
{
    numbers.push_back(N::Interval);
    return numbers;
}

INSTANTIATE_TEST_SUITE_P(Families, CameraDefaultTest,
    ::testing::Values(DefaultCase { "Generic", 15, { { L::SidePir, 1 }, { L::SdCycle, 0 } }, {}, "1280x720" },
        DefaultCase { "Q100", 14, { { L::WirelessPassword, 0 } }, {}, "640x480" },
        DefaultCase { "Q220KeepsIntervalAndTimer2Times", 6, {}, WithInterval(kTimer2Times), "1280x720" },
        DefaultCase { "Q300KeepsRecycle", 17, { { L::SdCycle, 1 }, { L::SidePir, 0 } }, {}, "1280x720" },
        DefaultCase {
            "Q400KeepsSdCycle", 10, { { L::SdCycle, 1 }, { L::BeepSound, 1 }, { L::SidePir, 0 } }, {}, "1280x720" },
        DefaultCase { "Q400SidePirBackToTheModelsStart", 2, { { L::SdCycle, 1 }, { L::SidePir, 1 } }, {}, "1280x720" },
        DefaultCase { "Q420KeepsBeepSdIntervalAndTimer2Times", 8, { { L::SdCycle, 1 }, { L::BeepSound, 0 } },
            WithInterval(kTimer2Times), "1440x1080" }),
    [](const ::testing::TestParamInfo<DefaultCase>& row) { return row.param.name; });

// What the user of a Q300 dialog does before Generate, and what Generate must do about the clock text: write the
// time the text shows, or refuse with the clock message (its example in the layout the text was written in).
struct Q300ClockCase
{
    std::string name;
    std::optional<int> dateFormat {}; // picked first
    bool defaultPressed = false; // then Default, which moves the list back to MMDDYY
    std::optional<std::string> typed {}; // then this clock text
    std::optional<std::array<std::uint8_t, 6>> clockBytes {}; // bytes 14..19, or nothing when refused
    std::string example {}; // the example of a refusal
};

void PrintTo(const Q300ClockCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class Q300ClockTest : public CameraModelFixture, public ::testing::TestWithParam<Q300ClockCase>
{
};

TEST_P(Q300ClockTest, GenerateWritesTheTimeTheClockTextShows)
{
    const Q300ClockCase& row = GetParam();
    CameraSettingsModel model = makeModel(13);
    if (row.dateFormat)
        (void)model.selectOption(CameraList::DateFormat, *row.dateFormat);
    if (row.defaultPressed) {
        (void)model.restoreDefaults();
        std::filesystem::remove(menuFile());
        ASSERT_EQ(model.selection(CameraList::DateFormat), 1);
    }
    if (row.typed)
        model.changeText(CameraText::Clock, *row.typed);

    const DialogOutcome outcome = model.generate();
    if (!row.clockBytes) {
        ASSERT_EQ(outcome.messages.size(), 1U);
        EXPECT_EQ(outcome.messages[0], DialogMessage::of(MessageId::ClockNotTime, row.example, 2010, 2031));
        EXPECT_EQ(outcome.focusControl, kClockEditId);
        EXPECT_TRUE(outcome.selectFocusedText);
        EXPECT_FALSE(std::filesystem::exists(menuFile()));
        return;
    }
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages[0], DialogMessage::of(MessageId::MenuFileGenerated));
    const std::vector<std::uint8_t> file = writtenFile();
    ASSERT_EQ(file.size(), kCameraRecordSize);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 14, file.begin() + 20),
        std::vector<std::uint8_t>(row.clockBytes->begin(), row.clockBytes->end()));
    const Status loadable = CheckMenuFile(makeModel(13), file);
    EXPECT_TRUE(loadable.ok()) << loadable.reason();
}

// The local time of every model test is 07:05:09 on 3 February 2024 (year byte 14).
INSTANTIATE_TEST_SUITE_P(Q300, Q300ClockTest,
    ::testing::Values(Q300ClockCase { .name = "MonthFirstFromTheStart",
                          .dateFormat = std::nullopt,
                          .defaultPressed = false,
                          .typed = std::nullopt,
                          .clockBytes = { { 14, 2, 3, 7, 5, 9 } },
                          .example = "" },
        Q300ClockCase { .name = "YearFirstTextLeftStandingByDefault",
            .dateFormat = 0,
            .defaultPressed = true,
            .typed = std::nullopt,
            .clockBytes = { { 14, 2, 3, 7, 5, 9 } },
            .example = "" },
        Q300ClockCase { .name = "DayFirstTextLeftStandingByDefault",
            .dateFormat = 2,
            .defaultPressed = true,
            .typed = std::nullopt,
            .clockBytes = { { 14, 2, 3, 7, 5, 9 } },
            .example = "" },
        Q300ClockCase { .name = "HourChangedInTheTextLeftStandingByDefault",
            .dateFormat = 0,
            .defaultPressed = true,
            .typed = "2024/02/03 18:05:09",
            .clockBytes = { { 14, 2, 3, 18, 5, 9 } },
            .example = "" },
        Q300ClockCase { .name = "TextRetypedInTheLayoutTheListShows",
            .dateFormat = 0,
            .defaultPressed = true,
            .typed = "12/31/2030 23:59:58",
            .clockBytes = { { 20, 12, 31, 23, 59, 58 } },
            .example = "" },
        Q300ClockCase { .name = "YearAndMonthOnlyKeepTheRest",
            .dateFormat = 0,
            .defaultPressed = false,
            .typed = "2025/05",
            .clockBytes = { { 15, 5, 3, 7, 5, 9 } },
            .example = "" },
        Q300ClockCase { .name = "MonthFirstTextUnderYymmddIsRefused",
            .dateFormat = 0,
            .defaultPressed = false,
            .typed = "06/30/2016 14:05:09",
            .clockBytes = std::nullopt,
            .example = "2024/02/03 07:05:09" },
        Q300ClockCase { .name = "ThirtiethOfFebruaryIsRefused",
            .dateFormat = std::nullopt,
            .defaultPressed = false,
            .typed = "02/30/2024 10:00:00",
            .clockBytes = std::nullopt,
            .example = "02/03/2024 07:05:09" },
        Q300ClockCase { .name = "YearBeyondTheCameraIsRefused",
            .dateFormat = std::nullopt,
            .defaultPressed = false,
            .typed = "01/01/2040 00:00:00",
            .clockBytes = std::nullopt,
            .example = "02/03/2024 07:05:09" },
        Q300ClockCase { .name = "HourTwentyFiveIsRefused",
            .dateFormat = 2,
            .defaultPressed = false,
            .typed = "03/02/2024 25:00:00",
            .clockBytes = std::nullopt,
            .example = "03/02/2024 07:05:09" }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
