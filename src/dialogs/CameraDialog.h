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

// The layouts of the camera menus: generic (template 129), Q100 (163), Q220 (148), Q300 (149), Q400 (140) and
// Q420 (157).
[[nodiscard]] const DialogLayout& GenericCameraLayout();
[[nodiscard]] const DialogLayout& Q100CameraLayout();
[[nodiscard]] const DialogLayout& Q220CameraLayout();
[[nodiscard]] const DialogLayout& Q300CameraLayout();
[[nodiscard]] const DialogLayout& Q400CameraLayout();
[[nodiscard]] const DialogLayout& Q420CameraLayout();
// The layout of a family's camera menu.
[[nodiscard]] const DialogLayout& CameraLayout(CameraFamily family);

} // namespace tamb
