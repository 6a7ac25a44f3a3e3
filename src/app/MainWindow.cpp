#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/ProgramVersion.h"
#include "camera/Clock.h"
#include "cellular/OemCodePage.h"
#include "common/ModelCatalogue.h"
#include "dialogs/PrepareCardsWindow.h"
#include "i18n/LanguageList.h"
#include "i18n/LocalisedText.h"
#include "i18n/MainWindowTexts.h"
#include "i18n/Messages.h"
#include "i18n/PrepareCardsTexts.h"
#include "i18n/ProfileTexts.h"
#include "startup/PreferenceStore.h"
#include "startup/Startup.h"
#include "ui/QtTranslations.h"
#include "ui/TextFit.h"
#include "ui/UiServices.h"

#include <QAbstractButton>
#include <array>

namespace tamb {

namespace {

constexpr std::array kMainWindowControls {
    StaticText(kSelectLanguageLabelId, { 29, 35, 70, 21 }, "Select Language", ControlStyle::Centred),
    DropDownList(kLanguageListId, { 101, 34, 64, 118 }),
    StaticText(kCameraModelLabelId, { 172, 34, 72, 19 }, "Camera Model", ControlStyle::Centred),
    DropDownList(kModelListId, { 247, 33, 71, 112 }),
    PushButton(kCameraSetupButtonId, { 36, 94, 84, 39 }, "Camera Setup", ControlStyle::MultiLine),
    PushButton(kMmsSetupButtonId, { 132, 94, 84, 39 }, "MMS Setup", ControlStyle::MultiLine),
    PushButton(kSmtpSetupButtonId, { 228, 93, 84, 39 }, "Smtp Setup", ControlStyle::MultiLine),
    PushButton(kUpdateButtonId, { 69, 146, 201, 14 }, "Click here to get the latest updates"),
    StaticText(kVersionLabelId, { 72, 3, 192, 8 }, "Version", ControlStyle::Centred),
    PushButton(kAboutButtonId, { 334, 3, 14, 12 }, "?"),
    SunkenFrame({ 26, 19, 298, 45 }),
    SunkenFrame({ 25, 80, 299, 63 }),
};

constexpr DialogTemplate kMainWindowTemplate { 102, "Tamb Vorrel", 354, 170, 9, kMainWindowControls };

// Which caption table captions which control.
struct ControlCaption
{
    int controlId;
    const LocalisedTable<1>* table;
};

constexpr std::array kMainWindowCaptions {
    ControlCaption { kSelectLanguageLabelId, &SelectLanguageText },
    ControlCaption { kCameraModelLabelId, &CameraModelText },
    ControlCaption { kCameraSetupButtonId, &CameraSetupText },
    ControlCaption { kMmsSetupButtonId, &MmsSetupText },
    ControlCaption { kSmtpSetupButtonId, &SmtpSetupText },
    ControlCaption { kUpdateButtonId, &UpdateLinkText },
};

} // namespace

MainWindow::MainWindow(AppState& state, PreferenceStore& preferences, QWidget* parent)
    : Dialog(kMainWindowTemplate, parent)
    , m_state(state)
    , m_preferences(preferences)
{
    on(kLanguageListId, Notification::SelectionChanged, [this] { languagePicked(); });
    on(kModelListId, Notification::SelectionChanged, [this] { modelPicked(); });
    on(kCameraSetupButtonId, Notification::Clicked, [this] { setupPressed(SetupButton::Camera); });
    on(kMmsSetupButtonId, Notification::Clicked, [this] { setupPressed(SetupButton::Mms); });
    on(kSmtpSetupButtonId, Notification::Clicked, [this] { setupPressed(SetupButton::Smtp); });
    on(kUpdateButtonId, Notification::Clicked, [this] {
        if (!OpenUrl(kHomePageUrl))
            ShowMessage(FormattedMessage(MessageId::DownloadPageNotOpened, m_state.language, kHomePageUrl));
    });
    on(kAboutCommandId, Notification::SystemMenuCommand, [this] { showAbout(); });
    on(kPrepareCardsCommandId, Notification::SystemMenuCommand, [this] { showPrepareCards(); });
    on(kStartFromProfileMainCommandId, Notification::SystemMenuCommand, [this] { startFromProfile(); });
    on(kAboutButtonId, Notification::Clicked, [this] { showAbout(); });
}

void MainWindow::initialise()
{
    setTitle(kBrandTitle);
    showControl(kUpdateButtonId, true);
    addSystemMenuCommand(kAboutCommandId, LocalisedText(AboutItemText, 0, m_state));
    addSystemMenuCommand(kPrepareCardsCommandId, "");
    addSystemMenuCommand(kStartFromProfileMainCommandId, "");
    recaption();
    fillLanguageList();
    selectListItem(kLanguageListId, LanguageListEntryToSelect(m_state));
    for (const std::string_view model : ModelListTexts()) {
        appendListItem(kModelListId, model);
    }
    // Read the model again, as stored by the window before this one.
    m_state.model = ReadModelPreference(m_preferences);
    selectListItem(kModelListId, m_state.model - 1);
    applyButtonAvailability();
    FitTexts(*this);
}

void MainWindow::recaption()
{
    for (const ControlCaption& caption : kMainWindowCaptions) {
        setControlText(caption.controlId, LocalisedText(*caption.table, 0, m_state));
    }
    setControlText(kVersionLabelId, VersionLabel(m_state.language));
    const std::string_view about = LocalisedText(AboutItemText, 0, m_state);
    setSystemMenuCommandLabel(kAboutCommandId, about);
    setSystemMenuCommandLabel(
        kPrepareCardsCommandId, std::string { PrepareCardsWord(PrepareCardsEntry::Title, m_state.language) } + "…");
    setSystemMenuCommandLabel(
        kStartFromProfileMainCommandId, ProfileWord(ProfileEntry::StartFromProfile, m_state.language));
    button(kAboutButtonId)->setToolTip(QString::fromUtf8(about.data(), static_cast<qsizetype>(about.size())));
    button(kAboutButtonId)->setAccessibleName(button(kAboutButtonId)->toolTip());
}

void MainWindow::fillLanguageList()
{
    clearList(kLanguageListId);
    for (const std::string_view name : LanguageListTexts(m_state)) {
        appendListItem(kLanguageListId, name);
    }
}

void MainWindow::applyButtonAvailability()
{
    const ButtonAvailability buttons = ButtonsFor(m_state.model);
    enableControl(kMmsSetupButtonId, buttons.mms);
    enableControl(kSmtpSetupButtonId, buttons.smtp);
}

void MainWindow::languagePicked()
{
    const int entry = selectedListItem(kLanguageListId);
    m_state = PickLanguageEntry(m_state, entry);
    fillLanguageList();
    selectListItem(kLanguageListId, entry);
    recaption();
    FitTexts(*this);
    UseQtTranslations(m_state.language);
    (void)m_preferences.WriteLanguage(m_state.fileLanguage());
}

void MainWindow::modelPicked()
{
    m_state.model = selectedListItem(kModelListId) + 1;
    (void)m_preferences.WriteModel(m_state.model);
    applyButtonAvailability();
}

void MainWindow::setupPressed(SetupButton button)
{
    m_chosenSetup = button;
    endRun(DialogResult::Ok);
}

void MainWindow::showPrepareCards()
{
    FleetEnvironment environment {
        .app = m_state, .localTime = [] { return ReadLocalClock(); }, .codePage = OemCodePage::forSystem()
    };
    PrepareCardsWindow window(
        std::move(environment), ProfileStore(ProfileStore::DefaultRoot()), SystemCardServices(), this);
    window.exec();
}

void MainWindow::startFromProfile()
{
    std::vector<Profile> profiles = ProfileStore(ProfileStore::DefaultRoot()).list();
    if (profiles.empty()) {
        ShowMessage(ProfileWord(ProfileEntry::NoneAtAll, m_state.language));
        return;
    }
    std::vector<std::string> items;
    for (const Profile& profile : profiles)
        items.push_back(profile.name + " — " + std::string { ModelListTexts()[profile.model - 1] });
    const std::optional<std::size_t> chosen
        = ChooseItem(ProfileWord(ProfileEntry::ChoosePrompt, m_state.language), items);
    if (!chosen || *chosen >= profiles.size())
        return;
    const Profile& profile = profiles[*chosen];
    selectListItem(kModelListId, profile.model - 1);
    modelPicked();
    m_chosenProfile = profile.name;
    setupPressed(profile.files.menu ? SetupButton::Camera : profile.files.setup ? SetupButton::Mms : SetupButton::Smtp);
}

void MainWindow::showAbout()
{
    AboutBox about(m_state.language, this);
    (void)about.run();
}

} // namespace tamb
