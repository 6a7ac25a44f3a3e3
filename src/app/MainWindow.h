#pragma once

#include "common/AppState.h"
#include "ui/Dialog.h"

#include <optional>
#include <string>

namespace tamb {

class PreferenceStore;

// Control identifiers of the main window.
inline constexpr int kSelectLanguageLabelId = 1078;
inline constexpr int kLanguageListId = 1080;
inline constexpr int kCameraModelLabelId = 1079;
inline constexpr int kModelListId = 1081;
inline constexpr int kCameraSetupButtonId = 1000;
inline constexpr int kMmsSetupButtonId = 1001;
inline constexpr int kSmtpSetupButtonId = 1002;
inline constexpr int kUpdateButtonId = 1076;
inline constexpr int kVersionLabelId = 1077;
// The "?" button in the top right corner that opens the About box.
inline constexpr int kAboutButtonId = 1082;
// The About item of the window menu (F1 where the platform gives dialogs no window menu).
inline constexpr int kAboutCommandId = 16;
// The window menu's item that opens the window preparing card after card from a sheet of cameras.
inline constexpr int kPrepareCardsCommandId = 17;
// The window menu's item that opens the setup dialog of a profile's model, started from the profile.
inline constexpr int kStartFromProfileMainCommandId = 20;

enum class SetupButton
{
    Camera,
    Mms,
    Smtp,
};

// The main window: the user picks the language and the camera model, which change `state` and are stored as
// preferences at once, and opens a setup dialog. A setup button ends the run (result OK) and leaves its choice
// in chosenSetup(); the caller opens the dialog and afterwards shows a new main window. Escape and the close box
// end the run without a choice; Enter presses the focused button and otherwise does nothing, so that a stray
// Enter never ends the program. "Start from profile…" in the window menu offers every profile: the chosen one's
// model becomes the model (as if picked in the list), and the run ends with the setup of the first file the
// profile holds (camera, MMS, SMTP) chosen and the profile in chosenProfile(), for that dialog to start from.
class MainWindow : public Dialog
{
public:
    MainWindow(AppState& state, PreferenceStore& preferences, QWidget* parent = nullptr);

    [[nodiscard]] std::optional<SetupButton> chosenSetup() const { return m_chosenSetup; }
    [[nodiscard]] const std::optional<std::string>& chosenProfile() const { return m_chosenProfile; }

    // The window has no OK button, and Enter without a focused button leaves it open.
    void okPressed() override { }

protected:
    void initialise() override;

private:
    void recaption();
    void fillLanguageList();
    void applyButtonAvailability();
    void languagePicked();
    void modelPicked();
    void setupPressed(SetupButton button);
    void showAbout();
    void showPrepareCards();
    void startFromProfile();

    AppState& m_state;
    PreferenceStore& m_preferences;
    std::optional<SetupButton> m_chosenSetup;
    std::optional<std::string> m_chosenProfile;
};

} // namespace tamb
