#include "app/MainWindow.h"

#include "app/ProgramVersion.h"
#include "app/SetupLoop.h"
#include "common/Paths.h"
#include "dialogs/ProfileCommands.h"
#include "startup/InMemoryPreferenceStore.h"
#include "support/ModalRun.h"
#include "support/TempFolder.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <vector>

namespace tamb {
namespace {

using guitest::ChooseEntry;
using guitest::ModalDriver;
using guitest::RunWhile;

constexpr int kGermanEntry = 2;
constexpr std::uint16_t kEnglishUnitedStates = 1033;

// The setup dialogs of a test: each records the state it was opened with and returns to the main window.
std::vector<std::pair<SetupDialog, AppState>> g_opened;
// The profile each of them was to start from.
std::vector<std::optional<std::string>> g_startProfiles;

template <SetupDialog D> SetupOutcome RecordOpening(const AppState& state)
{
    g_opened.emplace_back(D, state);
    g_startProfiles.push_back(ScopedStartProfile::Current());
    return SetupOutcome::BackToMainWindow;
}

std::array<SetupDialogEntry, kSetupDialogCount> RecordingDialogs()
{
    return { {
        { SetupDialog::CameraMenu, &RecordOpening<SetupDialog::CameraMenu> },
        { SetupDialog::Q100Menu, &RecordOpening<SetupDialog::Q100Menu> },
        { SetupDialog::Q220Menu, &RecordOpening<SetupDialog::Q220Menu> },
        { SetupDialog::Q300Menu, &RecordOpening<SetupDialog::Q300Menu> },
        { SetupDialog::Q400Menu, &RecordOpening<SetupDialog::Q400Menu> },
        { SetupDialog::Q420Menu, &RecordOpening<SetupDialog::Q420Menu> },
        { SetupDialog::Mms, &RecordOpening<SetupDialog::Mms> },
        { SetupDialog::Q400Mms, &RecordOpening<SetupDialog::Q400Mms> },
        { SetupDialog::Q200Smtp, &RecordOpening<SetupDialog::Q200Smtp> },
        { SetupDialog::Q400Smtp, &RecordOpening<SetupDialog::Q400Smtp> },
    } };
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void germanRecaptionsTheWindowAndIsStored();
    void setupButtonsFollowTheModel_data();
    void setupButtonsFollowTheModel();
    void chineseOnAnotherSystemShowsEnglishAndStoresChinese();
    void enterWithoutAFocusedButtonLeavesTheWindowOpen();
    void setupThenExitShowsANewMainWindowWithTheSameChoices();
    void eachButtonOpensTheDialogOfTheModel_data();
    void eachButtonOpensTheDialogOfTheModel();
    void aDialogNotBuiltYetShowsAPlaceholderMessage();
    void cameraSetupOfAGenericModelOpensTheRealCameraDialog();
    void updateButtonOpensTheHomePageAndF1TheAboutBox();
    void theQuestionButtonOpensAboutWithNameAndVersion();
    void aboutIsInTheContextMenuAndAMissingBrowserShowsTheAddress();
    void startFromProfileOpensTheDialogOfTheProfilesModel();

private:
    std::unique_ptr<InMemoryPreferenceStore> m_store;
    AppState m_state;
    std::unique_ptr<RecordingUiServices> m_services;
    std::unique_ptr<ScopedUiServices> m_installed;
};

void MainWindowTest::init()
{
    m_installed.reset();
    m_store = std::make_unique<InMemoryPreferenceStore>(kEnglishUnitedStates);
    m_store->setKeyPresent(true);
    m_state = AppState();
    m_services = std::make_unique<RecordingUiServices>();
    m_installed = std::make_unique<ScopedUiServices>(*m_services);
    g_opened.clear();
    g_startProfiles.clear();
}

void MainWindowTest::germanRecaptionsTheWindowAndIsStored()
{
    MainWindow window(m_state, *m_store);
    std::string cameraCaption;
    std::string versionLabel;
    std::string selectedLanguage;
    RunWhile(window, [&] {
        ChooseEntry(window, kLanguageListId, kGermanEntry);
        cameraCaption = window.controlText(kCameraSetupButtonId);
        versionLabel = window.controlText(kVersionLabelId);
        selectedLanguage = window.controlText(kLanguageListId);
    });
    QCOMPARE(QString::fromStdString(cameraCaption), QStringLiteral("Kamera Installation"));
    QVERIFY(QString::fromStdString(versionLabel).startsWith(QStringLiteral("Programmversion :")));
    QCOMPARE(QString::fromStdString(selectedLanguage), QStringLiteral("Deutsch"));
    QCOMPARE(m_state.language, 3);
    QCOMPARE(m_store->number("language"), std::optional<std::uint32_t>(3));
}

void MainWindowTest::setupButtonsFollowTheModel_data()
{
    QTest::addColumn<QList<int>>("models"); // chosen one after the other in the same window
    QTest::addColumn<bool>("mmsEnabled");
    QTest::addColumn<bool>("smtpEnabled");
    QTest::newRow("model 14 greys both") << QList<int> { 14 } << false << false;
    QTest::newRow("model 2 greys SMTP only") << QList<int> { 2 } << true << false;
    QTest::newRow("model 4 after model 2 enables SMTP again") << QList<int> { 2, 4 } << true << true;
    QTest::newRow("model 11 greys both") << QList<int> { 11 } << false << false;
}

void MainWindowTest::setupButtonsFollowTheModel()
{
    QFETCH(QList<int>, models);
    QFETCH(bool, mmsEnabled);
    QFETCH(bool, smtpEnabled);

    MainWindow window(m_state, *m_store);
    bool cameraEnabled = false;
    bool mms = false;
    bool smtp = false;
    RunWhile(window, [&] {
        for (const int model : models) {
            ChooseEntry(window, kModelListId, model - 1);
        }
        cameraEnabled = window.isControlEnabled(kCameraSetupButtonId);
        mms = window.isControlEnabled(kMmsSetupButtonId);
        smtp = window.isControlEnabled(kSmtpSetupButtonId);
    });
    QVERIFY(cameraEnabled);
    QCOMPARE(mms, mmsEnabled);
    QCOMPARE(smtp, smtpEnabled);
    QCOMPARE(m_state.model, models.last());
    QCOMPARE(m_store->number("model"), std::optional<std::uint32_t>(models.last()));
}

void MainWindowTest::chineseOnAnotherSystemShowsEnglishAndStoresChinese()
{
    m_state.language = kLastLanguage; // start from Russian so that every caption must change
    MainWindow window(m_state, *m_store);
    std::string firstEntry;
    std::string cameraCaption;
    int selected = -1;
    RunWhile(window, [&] {
        ChooseEntry(window, kLanguageListId, 0);
        firstEntry = window.list(kLanguageListId)->itemText(0).toStdString();
        cameraCaption = window.controlText(kCameraSetupButtonId);
        selected = window.selectedListItem(kLanguageListId);
    });
    QCOMPARE(QString::fromStdString(firstEntry), QStringLiteral("Chinese"));
    QCOMPARE(QString::fromStdString(cameraCaption), QStringLiteral("Camera Setup"));
    QCOMPARE(selected, 0);
    QVERIFY(m_state.chineseRequested);
    QCOMPARE(m_state.language, kEnglish);
    QCOMPARE(m_store->number("language"), std::optional<std::uint32_t>(kChinese));
}

void MainWindowTest::enterWithoutAFocusedButtonLeavesTheWindowOpen()
{
    MainWindow window(m_state, *m_store);
    const guitest::RunOutcome outcome = RunWhile(window, [&] {
        window.list(kLanguageListId)->setFocus();
        QTest::keyClick(&window, Qt::Key_Return);
    });
    QVERIFY(outcome.leftOpen);
    QVERIFY(!window.chosenSetup().has_value());

    // On a focused setup button, Enter presses it.
    const guitest::RunOutcome pressed = RunWhile(window, [&] {
        window.button(kCameraSetupButtonId)->setFocus();
        QTest::keyClick(&window, Qt::Key_Return);
    });
    QVERIFY(!pressed.leftOpen);
    QCOMPARE(window.chosenSetup(), std::optional<SetupButton>(SetupButton::Camera));
}

void MainWindowTest::setupThenExitShowsANewMainWindowWithTheSameChoices()
{
    std::string secondWindowLanguage;
    std::string secondWindowModel;
    const ModalDriver driver({
        [](Dialog& first) {
            ChooseEntry(first, kLanguageListId, kGermanEntry);
            ChooseEntry(first, kModelListId, 13); // Tamb Q100
            first.button(kCameraSetupButtonId)->click();
        },
        [&](Dialog& second) {
            secondWindowLanguage = second.controlText(kLanguageListId);
            secondWindowModel = second.controlText(kModelListId);
            QTest::keyClick(&second, Qt::Key_Escape);
        },
    });
    RunSetupLoop(m_state, *m_store, RecordingDialogs());

    QCOMPARE(driver.stepsTaken(), std::size_t(2));
    QCOMPARE(g_opened.size(), std::size_t(1));
    QVERIFY(g_opened[0].first == SetupDialog::Q100Menu);
    QCOMPARE(g_opened[0].second.language, 3);
    QCOMPARE(g_opened[0].second.model, 14);
    QCOMPARE(QString::fromStdString(secondWindowLanguage), QStringLiteral("Deutsch"));
    QCOMPARE(QString::fromStdString(secondWindowModel), QStringLiteral("Tamb Q100"));
}

void MainWindowTest::eachButtonOpensTheDialogOfTheModel_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("buttonId");
    QTest::addColumn<int>("expected"); // SetupDialog
    const auto row = [](const char* name, int model, int buttonId, SetupDialog expected) {
        QTest::newRow(name) << model << buttonId << static_cast<int>(expected);
    };
    row("Q300MG body, camera", 13, kCameraSetupButtonId, SetupDialog::Q300Menu);
    row("Q300MG body, MMS of the Q400", 13, kMmsSetupButtonId, SetupDialog::Q400Mms);
    row("Q300MG body, SMTP of the Q400", 13, kSmtpSetupButtonId, SetupDialog::Q400Smtp);
    row("Q200MG, generic MMS", 3, kMmsSetupButtonId, SetupDialog::Mms);
    row("Q200MG, Q200 SMTP", 3, kSmtpSetupButtonId, SetupDialog::Q200Smtp);
    row("Q420MG, camera", 8, kCameraSetupButtonId, SetupDialog::Q420Menu);
}

void MainWindowTest::eachButtonOpensTheDialogOfTheModel()
{
    QFETCH(int, model);
    QFETCH(int, buttonId);
    QFETCH(int, expected);

    const ModalDriver driver({
        [&](Dialog& first) {
            ChooseEntry(first, kModelListId, model - 1);
            first.button(buttonId)->click();
        },
        [](Dialog& second) { QTest::keyClick(&second, Qt::Key_Escape); },
    });
    RunSetupLoop(m_state, *m_store, RecordingDialogs());

    QCOMPARE(g_opened.size(), std::size_t(1));
    QCOMPARE(static_cast<int>(g_opened[0].first), expected);
}

void MainWindowTest::aDialogNotBuiltYetShowsAPlaceholderMessage()
{
    std::array<SetupDialogEntry, kSetupDialogCount> dialogs = RecordingDialogs();
    dialogs[static_cast<std::size_t>(SetupDialog::Mms)].run = nullptr;
    const ModalDriver driver({
        [](Dialog& first) { first.button(kMmsSetupButtonId)->click(); },
        [](Dialog& second) { second.close(); },
    });
    RunSetupLoop(m_state, *m_store, dialogs);

    QCOMPARE(driver.stepsTaken(), std::size_t(2));
    QVERIFY(g_opened.empty());
    QCOMPARE(m_services->messages, std::vector<std::string> { "This setup dialog is not available yet." });
}

void MainWindowTest::cameraSetupOfAGenericModelOpensTheRealCameraDialog()
{
    std::vector<QString> windows;
    std::vector<QString> titles;
    const auto record = [&](Dialog& dialog) {
        windows.push_back(dialog.objectName());
        titles.push_back(dialog.windowTitle());
    };
    const ModalDriver driver({
        [&](Dialog& first) {
            record(first);
            ChooseEntry(first, kModelListId, 14); // Tamb Q200MG-1080P
            first.button(kCameraSetupButtonId)->click();
        },
        [&](Dialog& camera) {
            record(camera);
            QTest::keyClick(&camera, Qt::Key_Escape);
        },
        [&](Dialog& second) {
            record(second);
            QTest::keyClick(&second, Qt::Key_Escape);
        },
    });
    RunSetupLoop(m_state, *m_store);

    QCOMPARE(windows, (std::vector<QString> { QStringLiteral("102"), QStringLiteral("129"), QStringLiteral("102") }));
    QCOMPARE(titles[1], QStringLiteral("Tamb Vorrel Q200 1080P"));
    QVERIFY(m_services->messages.empty());
}

void MainWindowTest::updateButtonOpensTheHomePageAndF1TheAboutBox()
{
    MainWindow window(m_state, *m_store);
    std::string aboutTitle;
    QTimer aboutCloser;
    QObject::connect(&aboutCloser, &QTimer::timeout, [&] {
        auto* about = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (about != nullptr && about != &window) {
            aboutTitle = about->windowTitle().toStdString();
            QTest::keyClick(about, Qt::Key_Return);
        }
    });
    aboutCloser.start(5);
    RunWhile(window, [&] {
        window.button(kUpdateButtonId)->click();
        QTest::keyClick(&window, Qt::Key_F1);
    });
    QCOMPARE(m_services->openedUrls, std::vector<std::string> { std::string(kHomePageUrl) });
    QCOMPARE(QString::fromStdString(aboutTitle), QStringLiteral("About Setup"));
}

void MainWindowTest::aboutIsInTheContextMenuAndAMissingBrowserShowsTheAddress()
{
    MainWindow window(m_state, *m_store);
    bool aboutShown = false;
    QTimer aboutCloser;
    QObject::connect(&aboutCloser, &QTimer::timeout, [&] {
        auto* about = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (about != nullptr && about != &window) {
            aboutShown = true;
            QTest::keyClick(about, Qt::Key_Return);
        }
    });
    aboutCloser.start(5);
    m_services->browserMissing = true;
    RunWhile(window, [&] {
        QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
        // About, then Prepare cards and Start from profile.
        QCOMPARE(window.actions().size(), 3);
        QCOMPARE(window.actions().front()->text(), QStringLiteral("About Setup..."));
        QCOMPARE(window.actions().at(1)->text(), QStringLiteral("Prepare cards…"));
        QCOMPARE(window.actions().back()->text(), QStringLiteral("Start from profile…"));
        window.actions().front()->trigger();
        window.button(kUpdateButtonId)->click();
    });
    QVERIFY(aboutShown);
    QCOMPARE(m_services->messages.size(), std::size_t { 1 });
    QVERIFY(m_services->messages.front().find(std::string { kHomePageUrl }) != std::string::npos);
}

void MainWindowTest::theQuestionButtonOpensAboutWithNameAndVersion()
{
    m_state.language = 3; // Deutsch
    MainWindow window(m_state, *m_store);
    std::vector<std::string> aboutTexts;
    QTimer aboutCloser;
    QObject::connect(&aboutCloser, &QTimer::timeout, [&] {
        auto* about = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (about != nullptr && about != &window) {
            for (const QLabel* label : about->findChildren<QLabel*>())
                aboutTexts.push_back(label->text().toStdString());
            QTest::keyClick(about, Qt::Key_Return);
        }
    });
    aboutCloser.start(5);
    QString tip;
    QString menuItem;
    RunWhile(window, [&] {
        tip = window.button(kAboutButtonId)->toolTip();
        menuItem = window.actions().front()->text();
        QVERIFY(window.button(kAboutButtonId)->isVisible());
        QTest::mouseClick(window.button(kAboutButtonId), Qt::LeftButton);
    });
    QCOMPARE(tip, QStringLiteral("Über das Programm..."));
    QCOMPARE(menuItem, tip);
    QVERIFY(std::ranges::find(aboutTexts, "Tamb Vorrel Setup") != aboutTexts.end());
    QVERIFY(std::ranges::find(aboutTexts, VersionLabel(3)) != aboutTexts.end());
}

// The profile's model becomes the model, and the dialog of the first file it holds opens, started from it; with
// no profile at all a message says how to make one, and the run goes on.
void MainWindowTest::startFromProfileOpensTheDialogOfTheProfilesModel()
{
    const test::TempFolder data;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(Utf8FromPath(data.path())));
    const std::vector<std::uint8_t> bytes(60, 0);
    std::vector<std::string> offered;
    const ModalDriver driver({
        [&](Dialog& first) {
            first.actions().back()->trigger();
            const ProfileStore store(ProfileStore::DefaultRoot());
            Profile ridge { .name = "Ridge", .model = 11, .files = {} };
            ridge.files.menu = bytes;
            Profile mail { .name = "Mail", .model = 4, .files = {} };
            mail.files.smtp = bytes;
            QVERIFY(store.save(ridge).ok());
            QVERIFY(store.save(mail).ok());
            m_services->itemAnswers = { 1, 0 };
            first.actions().back()->trigger();
        },
        [&](Dialog& second) {
            QCOMPARE(second.selectedListItem(kModelListId), 10);
            second.actions().back()->trigger();
        },
        [](Dialog& third) { QTest::keyClick(&third, Qt::Key_Escape); },
    });
    RunSetupLoop(m_state, *m_store, RecordingDialogs());
    qunsetenv("XDG_DATA_HOME");

    QCOMPARE(m_services->messages,
        (std::vector<std::string> {
            "There is no profile yet. Save one with “Save as profile…” in a setup dialog (right click)." }));
    QCOMPARE(m_services->offeredItems.front(),
        (std::vector<std::string> {
            "Mail — " + std::string { ModelListTexts()[3] }, "Ridge — " + std::string { ModelListTexts()[10] } }));
    QCOMPARE(g_opened.size(), std::size_t { 2 });
    QVERIFY(g_opened[0].first == SetupDialog::Q300Menu);
    QCOMPARE(g_opened[0].second.model, 11);
    QCOMPARE(g_startProfiles[0], std::optional<std::string> { "Ridge" });
    QVERIFY(g_opened[1].first == SmtpDialogFor(4));
    QCOMPARE(g_startProfiles[1], std::optional<std::string> { "Mail" });
    QCOMPARE(m_store->ReadModel().value, 4);
    QVERIFY(!ScopedStartProfile::Current());
}

} // namespace tamb

QTEST_MAIN(tamb::MainWindowTest)
#include "MainWindowTest.moc"
