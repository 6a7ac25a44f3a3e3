#pragma once

#include "cellular/MmsSettingsModel.h"
#include "ui/SettingsDialog.h"

namespace tamb {

// An MMS settings dialog: the MMS settings model of the state's model shown through the one settings binder on
// the dialog's layout.
class MmsDialog : public SettingsDialog
{
public:
    MmsDialog(const DialogLayout& layout, MmsEnvironment environment, QWidget* parent = nullptr);

    [[nodiscard]] const MmsSettingsModel& model() const { return m_model; }

private:
    // Constructed before the binder uses it: the binder only keeps a reference until the dialog opens.
    MmsSettingsModel m_model;
};

// The environment of a dialog opened from the main window: the start folder of the platform, the system's
// code page for the file's texts and the safe setup.dat writer.
[[nodiscard]] MmsEnvironment DesktopMmsEnvironment(const AppState& state);

// The MMS dialog (template 130) and the Q400 MMS dialog (template 142).
[[nodiscard]] const DialogLayout& MmsLayout();
[[nodiscard]] const DialogLayout& Q400MmsLayout();

} // namespace tamb
