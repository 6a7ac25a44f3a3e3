#include "dialogs/SmtpSetupRunner.h"

#include "dialogs/SmtpDialog.h"

namespace tamb {
namespace {

SetupOutcome RunSmtpDialog(SmtpFamily family, const DialogLayout& layout, const AppState& state)
{
    SmtpDialog dialog(family, layout, DesktopSmtpEnvironment(state));
    (void)dialog.run();
    return SetupOutcome::BackToMainWindow;
}

} // namespace

SetupOutcome RunQ200Smtp(const AppState& state)
{
    return RunSmtpDialog(SmtpFamily::Q200, Q200SmtpLayout(), state);
}

SetupOutcome RunQ400Smtp(const AppState& state)
{
    return RunSmtpDialog(SmtpFamily::Q400, Q400SmtpLayout(), state);
}

} // namespace tamb
