#include "dialogs/ProfileCommands.h"

#include "camera/CameraAssignments.h"
#include "camera/MenuFile.h"
#include "cellular/MmsAssignments.h"
#include "cellular/SetupFile.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "dialogs/CameraDialog.h"
#include "dialogs/MmsDialog.h"
#include "dialogs/SmtpDialog.h"
#include "smtp/SmtpAssignments.h"
#include "smtp/SmtpFile.h"
#include "support/TempFolder.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tamb {
namespace {

// The second of the local time a camera model reads when it is made: the dialogs of one test read different times.
int g_clockSecond = 9;

// A setup dialog's settings model with the layout and the file of its dialog.
struct Subject
{
    std::unique_ptr<SettingsModel> model;
    const DialogLayout* layout = nullptr;
    std::string_view fileName;
    int generateButton = kGenerateButtonId;
};

Subject CameraSubject(ModelId model, LanguageId language, const std::string& folder)
{
    CameraEnvironment environment;
    environment.app = AppState { .language = language, .model = model };
    environment.localTime = [second = g_clockSecond] { return ClockReading { 2024, 2, 3, 7, 5, second }; };
    environment.startFolder = folder;
    environment.writeMenuFile
        = [](std::string_view target, const CameraSettingsRecord& record) { return WriteMenuFile(target, record); };
    const CameraFamily family = CameraFamilyFor(model);
    return { std::make_unique<CameraSettingsModel>(family, std::move(environment)), &CameraLayout(family),
        kMenuFileName };
}

Subject MmsSubject(ModelId model, LanguageId language, const std::string& folder)
{
    const AppState app { .language = language, .model = model };
    MmsEnvironment environment;
    environment.app = app;
    environment.startFolder = folder;
    environment.codePage = OemCodePage { 850 };
    environment.writeSetupFile = [app](std::string_view target, const MmsSettings& settings) {
        return WriteSetupFile(target, settings, app, OemCodePage { 850 });
    };
    return { std::make_unique<MmsSettingsModel>(std::move(environment)),
        MmsDialogFor(model) == SetupDialog::Q400Mms ? &Q400MmsLayout() : &MmsLayout(), kSetupFileName };
}

Subject SmtpSubject(ModelId model, LanguageId language, const std::string& folder)
{
    SmtpEnvironment environment;
    environment.app = AppState { .language = language, .model = model };
    environment.startFolder = folder;
    const SmtpFamily family = *SmtpFamilyFor(model);
    return { std::make_unique<SmtpSettingsModel>(family, std::move(environment)),
        family == SmtpFamily::Q400 ? &Q400SmtpLayout() : &Q200SmtpLayout(), kSmtpFileName, kSmtpGenerateButtonId };
}

// Settings that differ from the start values and that Generate accepts.
void ChangeSettings(SettingsModel& model)
{
    if (auto* camera = dynamic_cast<CameraSettingsModel*>(&model)) {
        const std::vector<CameraAssignment> keys { { "videoLength", "25" }, { "serialNumber", "B12C" } };
        QVERIFY(ApplyCameraAssignments(*camera, keys).ok());
    } else if (auto* mms = dynamic_cast<MmsSettingsModel*>(&model)) {
        const std::vector<MmsAssignment> keys { { "phone1", "0123456789" }, { "picturesPerDay", "12" } };
        QVERIFY(!ApplyMmsAssignments(*mms, keys, kEnglish).has_value());
    } else if (auto* smtp = dynamic_cast<SmtpSettingsModel*>(&model)) {
        const std::vector<SmtpAssignment> keys { { "mode", "manual" }, { "apn", "internet" },
            { "smtpServer", "smtp.example.org" }, { "smtpPort", "587" }, { "senderEmail", "cam@example.org" },
            { "senderPassword", "secret" }, { "recipientEmail", "me@example.org" } };
        QVERIFY(ApplySmtpAssignments(*smtp, keys).ok());
    }
}

// The one binder over a subject's model with the profile commands, shown without a modal run so that the test
// drives it from its own body.
class OpenDialog : public SettingsDialog
{
public:
    OpenDialog(Subject& subject, const std::filesystem::path& profiles)
        : SettingsDialog(*subject.layout, *subject.model)
    {
        AddProfileCommands(*this, *subject.model, subject.fileName, ProfileStore(profiles));
        initialise();
        show();
        // What the dialog does once it is on screen.
        QCoreApplication::processEvents();
    }

    void trigger(int index) { actions().at(index)->trigger(); }

    // What the widgets show: every edit's text and every list's selection, but the clock, which each dialog reads
    // itself, and the folder edit (the one showing `folder`), which stays the dialog's own.
    [[nodiscard]] std::map<int, std::string> shown(const DialogLayout& layout, const std::string& folder) const
    {
        std::map<int, std::string> shown;
        for (const ControlTemplate& control : layout.dialogTemplate.controls) {
            if (control.kind == ControlKind::Edit && control.id != kClockEditId && controlText(control.id) != folder)
                shown[control.id] = controlText(control.id);
            else if (control.kind == ControlKind::DropDownList)
                shown[control.id] = std::to_string(selectedListItem(control.id));
        }
        return shown;
    }
};

constexpr int kSaveAction = 0;
constexpr int kStartAction = 1;

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    const auto text = ReadSmallRegularFile(path, 4096);
    return text ? std::vector<std::uint8_t>(text->begin(), text->end()) : std::vector<std::uint8_t> {};
}

using MakeSubject = Subject (*)(ModelId, LanguageId, const std::string&);

// A profile holding `bytes` as the file `fileName`.
Profile StoredProfile(std::string name, ModelId model, std::string_view fileName, std::vector<std::uint8_t> bytes)
{
    Profile profile { .name = std::move(name), .model = model, .files = {} };
    *ProfileFileSlot(profile.files, fileName) = std::move(bytes);
    return profile;
}

// The bytes of a file apart from those a write takes afresh: the clock of menu.dat and the CRC over it.
std::vector<std::uint8_t> WithoutClock(std::vector<std::uint8_t> bytes, std::string_view fileName)
{
    if (fileName == kMenuFileName && bytes.size() == kCameraRecordSize) {
        for (const std::size_t offset : { 14, 15, 16, 17, 18, 19, 56, 57 })
            bytes[offset] = 0;
    }
    return bytes;
}

} // namespace

class ProfileCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void savedProfileHoldsWhatGenerateWritesAndStartsTheSameValues_data();
    void savedProfileHoldsWhatGenerateWritesAndStartsTheSameValues();
    void anExistingNameAsksAndTheOtherDialogsFilesStay();
    void aFailedCheckSavesNothingAndABadNameIsAskedAgain();
    void offersOnlyTheProfilesOfTheDialogsModelAndFile();
    void speaksChineseInChinese();
    void setupDialogsCarryTheCommands();
};

void ProfileCommandsTest::savedProfileHoldsWhatGenerateWritesAndStartsTheSameValues_data()
{
    QTest::addColumn<void*>("make");
    QTest::addColumn<int>("model");
    QTest::newRow("generic camera, model 1") << reinterpret_cast<void*>(&CameraSubject) << 1;
    QTest::newRow("Q300 camera, model 11") << reinterpret_cast<void*>(&CameraSubject) << 11;
    QTest::newRow("Q420 camera, model 17") << reinterpret_cast<void*>(&CameraSubject) << 17;
    QTest::newRow("MMS, model 3") << reinterpret_cast<void*>(&MmsSubject) << 3;
    QTest::newRow("Q400 MMS, model 17") << reinterpret_cast<void*>(&MmsSubject) << 17;
    QTest::newRow("Q200 SMTP, model 2") << reinterpret_cast<void*>(&SmtpSubject) << 2;
    QTest::newRow("Q400 SMTP, model 4") << reinterpret_cast<void*>(&SmtpSubject) << 4;
}

// Save as profile stores the bytes Generate writes, without writing to the card; a fresh dialog started from the
// profile shows the same values and builds the same bytes.
void ProfileCommandsTest::savedProfileHoldsWhatGenerateWritesAndStartsTheSameValues()
{
    QFETCH(void*, make);
    QFETCH(int, model);
    const auto makeSubject = reinterpret_cast<MakeSubject>(make);
    g_clockSecond = 9;
    test::TempFolder folder;
    const std::filesystem::path card = folder.file("card");
    std::filesystem::create_directories(card);
    const std::filesystem::path profiles = folder.file("profiles");
    RecordingUiServices ui;
    const ScopedUiServices scoped(ui);

    Subject changed = makeSubject(model, kEnglish, Utf8FromPath(card));
    ChangeSettings(*changed.model);
    OpenDialog first(changed, profiles);
    ui.textAnswers.push_back("Lease north");
    first.trigger(kSaveAction);
    QCOMPARE(ui.messages, (std::vector<std::string> { "The settings are saved as the profile “Lease north”." }));
    QVERIFY2(std::filesystem::is_empty(card), "saving a profile writes nothing to the card");
    first.button(changed.generateButton)->click();
    const std::size_t messagesAfterGenerate = ui.messages.size();
    const std::vector<std::uint8_t> generated = FileBytes(card / changed.fileName);
    QVERIFY(!generated.empty());
    QCOMPARE(FileBytes(profiles / "Lease north" / changed.fileName), generated);

    // A fresh dialog, at another time, started from the profile: the same values, the same bytes but the clock.
    g_clockSecond = 30;
    const std::string elsewhere = Utf8FromPath(folder.file("elsewhere"));
    Subject fresh = makeSubject(model, kEnglish, elsewhere);
    OpenDialog second(fresh, profiles);
    const std::map<int, std::string> wanted = first.shown(*changed.layout, Utf8FromPath(card));
    QVERIFY(second.shown(*fresh.layout, elsewhere) != wanted);
    ui.itemAnswers.push_back(0);
    second.trigger(kStartAction);
    QCOMPARE(ui.offeredItems.back(), (std::vector<std::string> { "Lease north" }));
    QCOMPARE(second.shown(*fresh.layout, elsewhere), wanted);
    DialogOutcome outcome;
    const std::optional<SettingsFile> rebuilt = fresh.model->buildFile(outcome);
    QVERIFY(rebuilt.has_value());
    QCOMPARE(WithoutClock(rebuilt->bytes, changed.fileName), WithoutClock(generated, changed.fileName));
    if (changed.fileName == kMenuFileName)
        QVERIFY2(rebuilt->bytes != generated, "the clock is the fresh dialog's own");

    // The main window's way: a dialog opened while a start profile is in place starts from it.
    Subject opened = makeSubject(model, kEnglish, elsewhere);
    const ScopedStartProfile start(std::string { "Lease north" });
    OpenDialog third(opened, profiles);
    QCOMPARE(third.shown(*opened.layout, elsewhere), wanted);
    QCOMPARE(ui.messages.size(), messagesAfterGenerate);
    g_clockSecond = 9;
}

void ProfileCommandsTest::anExistingNameAsksAndTheOtherDialogsFilesStay()
{
    test::TempFolder folder;
    const std::filesystem::path profiles = folder.file("profiles");
    RecordingUiServices ui;
    const ScopedUiServices scoped(ui);
    Subject camera = CameraSubject(4, kEnglish, "/");
    ChangeSettings(*camera.model);
    Subject smtp = SmtpSubject(4, kEnglish, "/");
    ChangeSettings(*smtp.model);
    OpenDialog cameraDialog(camera, profiles);
    OpenDialog smtpDialog(smtp, profiles);
    ui.textAnswers = { "Lease north", "Lease north" };
    cameraDialog.trigger(kSaveAction);
    // No, the default, asks for another name; Cancel then saves nothing.
    smtpDialog.trigger(kSaveAction);
    QCOMPARE(ui.questions,
        (std::vector<std::string> { "The profile “Lease north” already exists. Replace its settings with these?" }));
    QCOMPARE(ui.questionDefaults.back(), DefaultAnswer::No);
    QVERIFY(!std::filesystem::exists(profiles / "Lease north" / "smtp.dat"));
    QCOMPARE(ui.textInitials.back(), std::string { "Lease north" });
    ui.textAnswers = { "Lease north" };
    ui.yesNoAnswers = { true };
    smtpDialog.trigger(kSaveAction);
    QVERIFY(std::filesystem::exists(profiles / "Lease north" / "smtp.dat"));
    QVERIFY(std::filesystem::exists(profiles / "Lease north" / "menu.dat"));

    // A profile of another model loses the files of that model when it is replaced.
    Subject other = CameraSubject(1, kEnglish, "/");
    OpenDialog otherDialog(other, profiles);
    ui.textAnswers = { "Lease north" };
    ui.yesNoAnswers = { true };
    otherDialog.trigger(kSaveAction);
    Profile stored;
    QVERIFY(ProfileStore(profiles).load("Lease north", stored).ok());
    QCOMPARE(stored.model, 1);
    QVERIFY(stored.files.menu && !stored.files.smtp);
}

void ProfileCommandsTest::aFailedCheckSavesNothingAndABadNameIsAskedAgain()
{
    test::TempFolder folder;
    const std::filesystem::path profiles = folder.file("profiles");
    RecordingUiServices ui;
    const ScopedUiServices scoped(ui);
    // The start values of the MMS dialog do not pass Generate's checks: its message, no name asked.
    Subject mms = MmsSubject(3, kEnglish, "/");
    OpenDialog mmsDialog(mms, profiles);
    mmsDialog.trigger(kSaveAction);
    QCOMPARE(ui.messages.size(), std::size_t { 1 });
    QVERIFY(ui.textPrompts.empty());
    QVERIFY(!std::filesystem::exists(profiles));

    ui.messages.clear();
    Subject camera = CameraSubject(1, kEnglish, "/");
    OpenDialog cameraDialog(camera, profiles);
    ui.textAnswers = { "north/south", " north", "North" };
    cameraDialog.trigger(kSaveAction);
    QCOMPARE(ui.textPrompts.size(), std::size_t { 3 });
    QCOMPARE(ui.textPrompts.front(), std::string { "Name of the profile for these settings:" });
    QCOMPARE(ui.textInitials[1], std::string { "north/south" });
    QCOMPARE(ui.messages.front(),
        std::string { "“north/south” cannot name a profile: use 1 to 40 characters, none of / \\ : * ? \" < > |, and "
                      "no blank or dot at either end." });
    QCOMPARE(ui.messages.back(), std::string { "The settings are saved as the profile “North”." });
    QCOMPARE(ProfileStore(profiles).list().size(), std::size_t { 1 });
}

void ProfileCommandsTest::offersOnlyTheProfilesOfTheDialogsModelAndFile()
{
    test::TempFolder folder;
    const std::filesystem::path profiles = folder.file("profiles");
    const ProfileStore store(profiles);
    const std::vector<std::uint8_t> bytes(60, 0);
    QVERIFY(store.save(StoredProfile("A model 1", 1, kMenuFileName, bytes)).ok());
    QVERIFY(store.save(StoredProfile("B model 4", 4, kMenuFileName, bytes)).ok());
    QVERIFY(store.save(StoredProfile("C model 4 mail", 4, kSmtpFileName, bytes)).ok());
    RecordingUiServices ui;
    const ScopedUiServices scoped(ui);
    Subject camera = CameraSubject(4, kEnglish, "/");
    OpenDialog dialog(camera, profiles);
    ui.itemAnswers.push_back(0);
    dialog.trigger(kStartAction);
    QCOMPARE(ui.offeredItems.back(), (std::vector<std::string> { "B model 4" }));
    // A file its dialog could not have written is refused with the reason, and nothing changes.
    QCOMPARE(ui.messages.size(), std::size_t { 1 });
    QVERIFY(ui.messages.front().starts_with("The profile “B model 4” cannot be loaded: "));

    Subject other = CameraSubject(2, kEnglish, "/");
    OpenDialog none(other, profiles);
    none.trigger(kStartAction);
    QCOMPARE(ui.messages.back(),
        std::string { "No profile holds settings of this dialog for " } + std::string { ModelTitle(2) }
            + " yet. Save one with “Save as profile…” (right click).");
}

void ProfileCommandsTest::speaksChineseInChinese()
{
    test::TempFolder folder;
    RecordingUiServices ui;
    const ScopedUiServices scoped(ui);
    Subject camera = CameraSubject(1, kChinese, "/");
    OpenDialog dialog(camera, folder.file("profiles"));
    QCOMPARE(dialog.actions().at(kSaveAction)->text(), QStringLiteral("保存为设置方案…"));
    QCOMPARE(dialog.actions().at(kStartAction)->text(), QStringLiteral("从设置方案开始…"));
    dialog.trigger(kStartAction);
    ui.textAnswers = { "北区" };
    dialog.trigger(kSaveAction);
    QCOMPARE(ui.messages,
        (std::vector<std::string> { "还没有含 " + std::string { ModelTitle(1) }
                + " 此窗口设置的设置方案。请用“保存为设置方案…”（右键单击）保存一个。",
            "当前设置已保存为设置方案“北区”。" }));
    QCOMPARE(ui.textPrompts.back(), std::string { "此设置方案的名称：" });
}

// Every setup dialog of the program carries the two commands, and F1 runs neither.
void ProfileCommandsTest::setupDialogsCarryTheCommands()
{
    test::TempFolder folder;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(Utf8FromPath(folder.file("data"))));
    RecordingUiServices ui;
    const ScopedUiServices scoped(ui);
    const AppState app { .language = kEnglish, .model = 4 };
    CameraDialog camera(CameraFamilyFor(4), CameraLayout(CameraFamilyFor(4)), DesktopCameraEnvironment(app));
    MmsDialog mms(Q400MmsLayout(), DesktopMmsEnvironment(app));
    SmtpDialog smtp(SmtpFamily::Q400, Q400SmtpLayout(), DesktopSmtpEnvironment(app));
    for (Dialog* dialog : std::initializer_list<Dialog*> { &camera, &mms, &smtp }) {
        QCOMPARE(dialog->actions().size(), 2);
        QCOMPARE(dialog->actions().at(kSaveAction)->text(), QStringLiteral("Save as profile…"));
        QCOMPARE(dialog->actions().at(kStartAction)->text(), QStringLiteral("Start from profile…"));
        QTest::keyClick(dialog, Qt::Key_F1);
    }
    QVERIFY(ui.messages.empty());
    QVERIFY(ui.textPrompts.empty());
    dynamic_cast<Dialog&>(smtp).actions().at(kStartAction)->trigger();
    QCOMPARE(ui.messages.size(), std::size_t { 1 });
    qunsetenv("XDG_DATA_HOME");
}

} // namespace tamb

QTEST_MAIN(tamb::ProfileCommandsTest)
#include "ProfileCommandsTest.moc"
