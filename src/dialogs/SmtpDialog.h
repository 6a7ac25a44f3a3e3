#pragma once

#include "smtp/SmtpSettingsModel.h"
#include "ui/SettingsDialog.h"

namespace tamb {

// An SMTP settings dialog: the family's SMTP settings model shown through the one settings binder on the
// family's layout.
class SmtpDialog : public SettingsDialog
{
public:
    SmtpDialog(SmtpFamily family, const DialogLayout& layout, SmtpEnvironment environment, QWidget* parent = nullptr);

    [[nodiscard]] const SmtpSettingsModel& model() const { return m_model; }

private:
    // Constructed before the binder uses it: the binder only keeps a reference until the dialog opens.
    SmtpSettingsModel m_model;
};

// The environment of a dialog opened from the main window: the start folder of the platform and the code page
// of the system.
[[nodiscard]] SmtpEnvironment DesktopSmtpEnvironment(const AppState& state);

// The SMTP dialogs of the Q200 family (template 147) and of the Q400 family (template 143).
[[nodiscard]] const DialogLayout& Q200SmtpLayout();
[[nodiscard]] const DialogLayout& Q400SmtpLayout();

} // namespace tamb
