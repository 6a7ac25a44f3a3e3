#include "app/SetupLoop.h"

#include "app/MainWindow.h"
#include "dialogs/ProfileCommands.h"
#include "i18n/LocalisedText.h"
#include "ui/UiServices.h"

namespace tamb {

namespace {

SetupDialog DialogFor(SetupButton button, ModelId model)
{
    switch (button) {
    case SetupButton::Camera:
        return CameraDialogFor(model);
    case SetupButton::Mms:
        return MmsDialogFor(model);
    case SetupButton::Smtp:
        return SmtpDialogFor(model);
    }
    return CameraDialogFor(model);
}

SetupOutcome RunSetupDialog(
    SetupDialog dialog, const AppState& state, const std::array<SetupDialogEntry, kSetupDialogCount>& dialogs)
{
    const SetupDialogRunner run = dialogs[static_cast<std::size_t>(dialog)].run;
    if (run != nullptr) {
        return run(state);
    }
    ShowMessage(UiText("此设置窗口尚未提供。", "This setup dialog is not available yet.", state));
    return SetupOutcome::BackToMainWindow;
}

} // namespace

void RunSetupLoop(
    AppState& state, PreferenceStore& preferences, const std::array<SetupDialogEntry, kSetupDialogCount>& dialogs)
{
    for (;;) {
        std::optional<SetupButton> chosen;
        std::optional<std::string> profile;
        {
            MainWindow window(state, preferences);
            (void)window.run();
            chosen = window.chosenSetup();
            profile = window.chosenProfile();
        }
        if (!chosen) {
            return;
        }
        const ScopedStartProfile start(std::move(profile));
        if (RunSetupDialog(DialogFor(*chosen, state.model), state, dialogs) == SetupOutcome::EndProgram) {
            return;
        }
    }
}

} // namespace tamb
