#include "dialogs/CameraDialog.h"

#include "camera/MenuFile.h"
#include "common/Paths.h"

namespace tamb {

CameraDialog::CameraDialog(
    CameraFamily family, const DialogLayout& layout, CameraEnvironment environment, QWidget* parent)
    : SettingsDialog(layout, m_model, parent)
    , m_model(family, std::move(environment))
{
}

CameraEnvironment DesktopCameraEnvironment(const AppState& state)
{
    CameraEnvironment environment;
    environment.app = state;
    environment.localTime = [] { return ReadLocalClock(); };
    environment.startFolder = DefaultOutputFolder();
    environment.writeMenuFile
        = [](std::string_view folder, const CameraSettingsRecord& record) { return WriteMenuFile(folder, record); };
    return environment;
}

} // namespace tamb
