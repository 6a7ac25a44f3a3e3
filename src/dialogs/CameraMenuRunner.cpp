#include "dialogs/CameraMenuRunner.h"

#include "dialogs/CameraDialog.h"

namespace tamb {
namespace {

SetupOutcome RunCameraMenu(CameraFamily family, const AppState& state)
{
    CameraDialog dialog(family, CameraLayout(family), DesktopCameraEnvironment(state));
    (void)dialog.run();
    return SetupOutcome::BackToMainWindow;
}

} // namespace

SetupOutcome RunGenericCameraMenu(const AppState& state)
{
    return RunCameraMenu(CameraFamily::Generic, state);
}

SetupOutcome RunQ100CameraMenu(const AppState& state)
{
    return RunCameraMenu(CameraFamily::Q100, state);
}

SetupOutcome RunQ220CameraMenu(const AppState& state)
{
    return RunCameraMenu(CameraFamily::Q220, state);
}

SetupOutcome RunQ300CameraMenu(const AppState& state)
{
    return RunCameraMenu(CameraFamily::Q300, state);
}

SetupOutcome RunQ400CameraMenu(const AppState& state)
{
    return RunCameraMenu(CameraFamily::Q400, state);
}

SetupOutcome RunQ420CameraMenu(const AppState& state)
{
    return RunCameraMenu(CameraFamily::Q420, state);
}

} // namespace tamb
