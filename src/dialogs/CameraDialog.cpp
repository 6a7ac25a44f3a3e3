#include "dialogs/CameraDialog.h"

#include "camera/MenuFile.h"
#include "dialogs/CardFolder.h"
#include "dialogs/ProfileCommands.h"

namespace tamb {

CameraDialog::CameraDialog(
    CameraFamily family, const DialogLayout& layout, CameraEnvironment environment, QWidget* parent)
    : SettingsDialog(layout, m_model, parent)
    , m_model(family, std::move(environment))
{
    AddProfileCommands(*this, m_model, kMenuFileName);
}

CameraEnvironment DesktopCameraEnvironment(const AppState& state)
{
    CameraEnvironment environment;
    environment.app = state;
    environment.localTime = [] { return ReadLocalClock(); };
    environment.startFolder = CardStartFolder();
    environment.offerToLoad = true;
    return environment;
}

const DialogLayout& CameraLayout(CameraFamily family)
{
    switch (family) {
    case CameraFamily::Q100:
        return Q100CameraLayout();
    case CameraFamily::Q220:
        return Q220CameraLayout();
    case CameraFamily::Q300:
        return Q300CameraLayout();
    case CameraFamily::Q400:
        return Q400CameraLayout();
    case CameraFamily::Q420:
        return Q420CameraLayout();
    case CameraFamily::Generic:
        break;
    }
    return GenericCameraLayout();
}

} // namespace tamb
