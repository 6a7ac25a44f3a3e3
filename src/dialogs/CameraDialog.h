#pragma once

#include "camera/CameraSettingsModel.h"
#include "ui/SettingsDialog.h"

namespace tamb {

// A camera settings dialog: the family's camera settings model shown through the one settings binder on the
// family's layout.
class CameraDialog : public SettingsDialog
{
public:
    CameraDialog(
        CameraFamily family, const DialogLayout& layout, CameraEnvironment environment, QWidget* parent = nullptr);

    [[nodiscard]] const CameraSettingsModel& model() const { return m_model; }

private:
    // Constructed before the binder uses it: the binder only keeps a reference until the dialog opens.
    CameraSettingsModel m_model;
};

// The environment of a dialog opened from the main window: the real clock, the start folder of the platform
// and the safe menu.dat writer.
[[nodiscard]] CameraEnvironment DesktopCameraEnvironment(const AppState& state);

// The generic camera menu (template 129).
[[nodiscard]] const DialogLayout& GenericCameraLayout();

} // namespace tamb
