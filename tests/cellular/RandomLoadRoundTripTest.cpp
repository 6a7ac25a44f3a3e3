// Random event sequences through the camera, MMS and SMTP settings models: every file Generate writes must load
// back into a fresh dialog of the same model, and Generate there must write the same bytes again (the clock
// aside). The sequences are seeded, so a failure names a sequence that can be run again.

#include "camera/CameraSettingsModel.h"
#include "camera/MenuFileLoad.h"
#include "cellular/MmsSettingsModel.h"
#include "cellular/SetupFile.h"
#include "cellular/SetupFileLoad.h"
#include "common/ModelCatalogue.h"
#include "common/Utf8Text.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"
#include "smtp/SmtpSettingsModel.h"

#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tamb {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kSequencesPerModel = 150;
constexpr int kEventsPerSequence = 24;
constexpr ClockReading kRoundTripTime { 2024, 2, 3, 7, 5, 9 };

// Numbers a user might type into a digits-only edit: empty, at and beyond the ranges.
const std::vector<std::string> kTypedNumbers { "", "0", "1", "5", "7", "23", "24", "59", "60", "61", "75", "90", "91",
    "99", "100", "179", "180", "200", "1234", "12345", "13800138000", "138001380001" };

// Texts a user might type elsewhere: phone numbers with and without "+" (a full-width one too), addresses with
// and without "@" and ".", texts of the code page and beyond it, clock texts the calendar lacks, and numbers.
const std::vector<std::string> kTypedTexts = [] {
    std::vector<std::string> texts { "+8613812345678",
        "\xEF\xBC\x8B"
        "8613812345678",
        "+447700900123", "a@b", "a@.b", "a@b.cd", "cam@example.org", "abcdefg", "smtp.example.org", "10.0.0.172",
        "http://mms.example/x", "cmwap", "J\xC3\xBCrgen", "\xE5\xAF\x86\xE7\xA0\x81", std::string(33, '7'),
        std::string(45, 'a'), "06/30/2016 12:00:00", "2024/02/31 25:61:61", "13/45/2030" };
    texts.insert(texts.end(), kTypedNumbers.begin(), kTypedNumbers.end());
    return texts;
}();

// An edit as the dialog's template makes it: how many characters it takes (0 for no limit), digits only or not;
// and a text Generate accepts there, if it asks for one, which a user types as often as anything else.
struct EditControl
{
    int id;
    std::size_t typingLimit = 0;
    bool digitsOnly = false;
    std::string sound = {};
};

// Which controls a sequence may touch, by kind; buttons other than Generate write or change the clock.
struct Controls
{
    std::vector<EditControl> edits;
    std::vector<int> lists;
    std::vector<int> buttons;
};

// `text` as an edit with `limit` keeps it: the characters beyond the limit are never typed.
std::string Typed(const std::string& text, std::size_t limit)
{
    const std::u32string characters = CodePointsFromUtf8(text);
    return limit == 0 || characters.size() <= limit ? text : Utf8FromCodePoints(characters.substr(0, limit));
}

// One random user action on the controls a user can reach: a shown, enabled list, or an editable edit.
void RandomEvent(SettingsModel& model, const Controls& controls, std::mt19937& random)
{
    const auto pick
        = [&random](std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); };
    const std::size_t kind = pick(10);
    if (kind < 5 && !controls.edits.empty()) {
        const EditControl& edit = controls.edits[pick(controls.edits.size())];
        const std::vector<std::string>& pool = edit.digitsOnly ? kTypedNumbers : kTypedTexts;
        const std::string& text = !edit.sound.empty() && pick(2) == 0 ? edit.sound : pool[pick(pool.size())];
        if (model.isShown(edit.id) && !model.isReadOnly(edit.id))
            (void)model.editChanged(edit.id, Typed(text, edit.typingLimit));
    } else if (kind < 9 && !controls.lists.empty()) {
        const int id = controls.lists[pick(controls.lists.size())];
        const std::size_t count = model.listItems(id).size();
        if (count > 0 && model.isShown(id) && model.isEnabled(id))
            (void)model.selectionChanged(id, static_cast<int>(pick(count)));
    } else if (!controls.buttons.empty()) {
        (void)model.clicked(controls.buttons[pick(controls.buttons.size())]);
    }
}

// What a user does when Generate asks for a text: types one it accepts into each empty edit that wants one.
void FillEmptyEdits(SettingsModel& model, const Controls& controls)
{
    for (const EditControl& edit : controls.edits) {
        if (!edit.sound.empty() && model.editText(edit.id).empty() && model.isShown(edit.id)
            && !model.isReadOnly(edit.id))
            (void)model.editChanged(edit.id, edit.sound);
    }
}

// What a run found: files Generate wrote, and those that did not load or wrote other bytes after loading.
struct RoundTrips
{
    int written = 0;
    std::vector<std::string> failures;
};

// Runs the sequences of one model: `dialog` makes a fresh dialog, `generate` gives the bytes its Generate
// writes (nothing when it refuses), `load` loads bytes into a dialog, `same` compares two files.
template <typename Dialog, typename Generate, typename Load, typename Same>
void RunSequences(ModelId model, const Controls& controls, const std::function<std::unique_ptr<Dialog>()>& dialog,
    Generate generate, Load load, Same same, RoundTrips& trips)
{
    for (int sequence = 0; sequence < kSequencesPerModel; ++sequence) {
        const auto seed = static_cast<std::uint32_t>(model * 100000 + sequence);
        std::mt19937 random(seed);
        std::unique_ptr<Dialog> original = dialog();
        for (int event = 0; event < kEventsPerSequence; ++event)
            RandomEvent(*original, controls, random);
        std::optional<Bytes> written = generate(*original);
        if (!written) {
            FillEmptyEdits(*original, controls);
            written = generate(*original);
        }
        if (!written)
            continue;
        ++trips.written;
        std::unique_ptr<Dialog> loaded = dialog();
        const std::string where = "model " + std::to_string(model) + " seed " + std::to_string(seed) + ": ";
        if (const Status status = load(*loaded, *written); !status.ok()) {
            trips.failures.push_back(where + "refused: " + status.reason());
            continue;
        }
        const std::optional<Bytes> again = generate(*loaded);
        if (!again || !same(*written, *again))
            trips.failures.push_back(where + "written otherwise after loading");
    }
}

void Expect(const RoundTrips& trips, int sequences)
{
    // Most sequences end with settings Generate accepts; a run where few do tests little.
    EXPECT_GT(trips.written, sequences / 4);
    EXPECT_TRUE(trips.failures.empty()) << trips.failures.size() << " of " << trips.written
                                        << ", the first: " << trips.failures.front();
    std::cout << "[ round trips ] " << trips.written << " files of " << sequences << " sequences, "
              << trips.failures.size() << " refused or changed\n";
}

TEST(RandomLoadRoundTripTest, EveryCameraFileGenerateWritesLoadsBackAndIsWrittenAgainAlike)
{
    RoundTrips trips;
    for (ModelId model = 1; model <= kModelCount; ++model) {
        const CameraFamily family = CameraFamilyFor(model);
        CameraEnvironment environment;
        environment.app = AppState { .language = kEnglish, .model = model };
        environment.localTime = [] { return kRoundTripTime; };
        environment.startFolder = "/card";
        std::optional<CameraSettingsRecord> captured;
        environment.writeMenuFile = [&captured](std::string_view, const CameraSettingsRecord& record) {
            captured = record;
            return Status::success();
        };
        const CameraFamilyData& data = FamilyData(family);
        Controls controls;
        for (const ListBinding& binding : data.lists)
            controls.lists.push_back(binding.controlId);
        for (const NumberBinding& binding : data.numbers)
            controls.edits.push_back({ .id = binding.controlId, .digitsOnly = true });
        if (data.clockEditable)
            controls.edits.push_back({ .id = kClockEditId });
        if (data.passwordEditId != kNoControl)
            controls.edits.push_back({ .id = data.passwordEditId, .typingLimit = 4, .digitsOnly = true });
        controls.buttons = { kDefaultButtonId, kGetTimeButtonId };
        const auto generate = [&captured](CameraSettingsModel& dialog) -> std::optional<Bytes> {
            captured.reset();
            (void)dialog.clicked(kGenerateButtonId);
            return captured ? std::optional { Bytes(captured->begin(), captured->end()) } : std::nullopt;
        };
        // The clock is read afresh by Generate (the Q300 dialog reads its clock text), so its bytes and the CRC
        // over them are left out.
        const auto same = [](const Bytes& first, const Bytes& second) {
            for (std::size_t i = 0; i < first.size(); ++i) {
                const bool clock = i >= 14 && i < 20;
                if (!clock && i != kCrcLowOffset && i != kCrcHighOffset && first[i] != second[i])
                    return false;
            }
            return true;
        };
        RunSequences<CameraSettingsModel>(
            model, controls, [&] { return std::make_unique<CameraSettingsModel>(family, environment); }, generate,
            [](CameraSettingsModel& dialog, const Bytes& bytes) { return LoadMenuFile(dialog, bytes); }, same, trips);
    }
    Expect(trips, kSequencesPerModel * kModelCount);
}

TEST(RandomLoadRoundTripTest, EverySetupFileGenerateWritesLoadsBackAndIsWrittenAgainAlike)
{
    RoundTrips trips;
    int sequences = 0;
    for (ModelId model = 1; model <= kModelCount; ++model) {
        if (!ButtonsFor(model).mms)
            continue;
        sequences += kSequencesPerModel;
        std::optional<Bytes> captured;
        MmsEnvironment environment {
            .app = AppState { .language = kEnglish, .model = model },
            .startFolder = "/card",
            .codePage = OemCodePage { 850 },
            .writeSetupFile = {},
        };
        environment.writeSetupFile = [&captured, app = environment.app](std::string_view, const MmsSettings& settings) {
            captured = BuildScrambledSettingsBytes(
                BuildSetupRecords(settings, app, OemCodePage { 850 }), SetupChecksumBias(settings.phoneScope));
            return Status::success();
        };
        const MmsDialogRules rules = MmsDialogRulesFor(model);
        Controls controls;
        controls.edits = { { mms::kUrlEdit, 50, false, "http://mms.example" }, { mms::kApnEdit, 30, false, "cmwap" },
            { mms::kGatewayEdit, 20, false, "10.0.0.172" }, { mms::kPortEdit, 10, false, "80" },
            { mms::kPhone1Edit, rules.phone1TypingLimit, false, "13800138000" },
            { mms::kEmailEdit, 40, false, "me@example.org" }, { mms::kAccountEdit, 30 }, { mms::kPasswordEdit, 30 },
            { mms::kPhone2Edit, rules.phoneOrEmailLimit, false, "13900139000" },
            { mms::kPhone3Edit, rules.phoneOrEmailLimit }, { mms::kPicturesPerDayEdit, 0, true } };
        controls.lists = { mms::kModeList, mms::kStatusList, mms::kCountryList, mms::kOperatorList, mms::kLinkTypeList,
            mms::kPhoneScopeList, rules.remoteHourListId };
        const auto generate = [&captured](MmsSettingsModel& dialog) {
            captured.reset();
            (void)dialog.clicked(kGenerateButtonId);
            return captured;
        };
        RunSequences<MmsSettingsModel>(
            model, controls, [&] { return std::make_unique<MmsSettingsModel>(environment); }, generate,
            [](MmsSettingsModel& dialog, const Bytes& bytes) { return LoadSetupFile(dialog, bytes); },
            [](const Bytes& first, const Bytes& second) { return first == second; }, trips);
    }
    Expect(trips, sequences);
}

TEST(RandomLoadRoundTripTest, EverySmtpFileGenerateWritesLoadsBackAndIsWrittenAgainAlike)
{
    RoundTrips trips;
    int sequences = 0;
    for (ModelId model = 1; model <= kModelCount; ++model) {
        const std::optional<SmtpFamily> family = SmtpFamilyFor(model);
        if (!family)
            continue;
        sequences += kSequencesPerModel;
        SmtpEnvironment environment;
        environment.app = AppState { .language = kEnglish, .model = model };
        environment.startFolder = "/card";
        environment.codePage = OemCodePage { 850 };
        const SmtpDialogData& data = SmtpDialogDataOf(*family);
        Controls controls;
        controls.edits
            = { { kSmtpPicturesEditId, 0, true }, { kSmtpApnEditId, 32, false, "internet" }, { kSmtpAccountEditId, 32 },
                  { kSmtpPasswordEditId, 32 }, { kSmtpServerEditId, 40, false, "smtp.example.org" },
                  { kSmtpPortEditId, 10, false, "587" }, { kSmtpSenderPasswordEditId, 32, false, "secret" },
                  { kSmtpSenderEmailEditId, data.emailLimit, false, "cam@example.org" },
                  { kSmtpRecipientEmailEditId, data.emailLimit, false, "me@example.org" },
                  { data.smsPhoneEditId, 30, false, "13800138000" } };
        controls.lists = { kSmtpModeListId, kSmtpCountryListId, kSmtpOperatorListId, data.hourListId };
        if (data.statusListId != kNoControl)
            controls.lists.push_back(data.statusListId);
        // Generate up to the write, which goes to a card; the bytes are those the writer makes of the settings.
        const auto generate = [&](SmtpSettingsModel& dialog) -> std::optional<Bytes> {
            DialogOutcome outcome;
            const std::optional<SmtpSettings> settings = dialog.checkedSettings(outcome);
            if (!settings)
                return std::nullopt;
            return BuildScrambledSettingsBytes(
                BuildSmtpRecords(*settings, *family, environment.app, environment.codePage), kSmtpChecksumBias);
        };
        RunSequences<SmtpSettingsModel>(
            model, controls, [&] { return std::make_unique<SmtpSettingsModel>(*family, environment); }, generate,
            [](SmtpSettingsModel& dialog, const Bytes& bytes) { return LoadSmtpFile(dialog, bytes); },
            [](const Bytes& first, const Bytes& second) { return first == second; }, trips);
    }
    Expect(trips, sequences);
}

} // namespace
} // namespace tamb
