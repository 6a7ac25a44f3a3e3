#pragma once

#include "camera/CameraSettingsModel.h"
#include "dialogs/CameraDialogLayout.h"
#include "ui/Dialog.h"

namespace tamb {

// A camera settings dialog: a thin binder between a CameraSettingsModel and the controls of the family's
// template. Every user action becomes one model event; afterwards the dialog shows the event's messages,
// mirrors the model into the controls (edit texts, selections, read-only and enabled states) and puts the
// focus where a failed sync stopped. Generate is the OK button, Default button 1062; Exit ends the run.
class CameraDialog : public Dialog
{
public:
    CameraDialog(CameraFamily family, const CameraDialogLayout& layout, CameraEnvironment environment,
        QWidget* parent = nullptr);

    [[nodiscard]] const CameraSettingsModel& model() const { return m_model; }

    void okPressed() override;

protected:
    void initialise() override;

private:
    void setCaptions();
    void fillLists();
    void closeSdCycleGap();
    void connectHandlers();
    void apply(const CameraOutcome& outcome);
    void mirrorModel();
    void setTextIfChanged(int controlId, const std::string& text);

    const CameraDialogLayout& m_layout;
    CameraSettingsModel m_model;
};

// The environment of a dialog opened from the main window: the real clock, the start folder of the platform
// and the safe menu.dat writer.
[[nodiscard]] CameraEnvironment DesktopCameraEnvironment(const AppState& state);

} // namespace tamb
