#include "dialogs/SmtpDialog.h"

#include "dialogs/CardFolder.h"

#include <utility>

namespace tamb {

SmtpDialog::SmtpDialog(SmtpFamily family, const DialogLayout& layout, SmtpEnvironment environment, QWidget* parent)
    : SettingsDialog(layout, m_model, parent)
    , m_model(family, std::move(environment))
{
}

SmtpEnvironment DesktopSmtpEnvironment(const AppState& state)
{
    SmtpEnvironment environment;
    environment.app = state;
    environment.startFolder = CardStartFolder();
    environment.codePage = OemCodePage::forSystem();
    environment.offerToLoad = true;
    return environment;
}

} // namespace tamb
