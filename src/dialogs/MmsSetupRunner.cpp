#include "dialogs/MmsSetupRunner.h"

#include "dialogs/MmsDialog.h"

namespace tamb {

SetupOutcome RunMmsDialog(const AppState& state)
{
    MmsDialog dialog(MmsLayout(), DesktopMmsEnvironment(state));
    (void)dialog.run();
    return SetupOutcome::BackToMainWindow;
}

SetupOutcome RunQ400MmsDialog(const AppState& state)
{
    MmsDialog dialog(Q400MmsLayout(), DesktopMmsEnvironment(state));
    (void)dialog.run();
    return SetupOutcome::BackToMainWindow;
}

} // namespace tamb
