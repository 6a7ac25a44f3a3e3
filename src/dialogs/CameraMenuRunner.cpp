#include "dialogs/CameraMenuRunner.h"

#include "dialogs/CameraDialog.h"

namespace tamb {

SetupOutcome RunGenericCameraMenu(const AppState& state)
{
    CameraDialog dialog(CameraFamily::Generic, GenericCameraLayout(), DesktopCameraEnvironment(state));
    (void)dialog.run();
    return SetupOutcome::BackToMainWindow;
}

} // namespace tamb
