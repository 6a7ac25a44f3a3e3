#include "dialogs/SmtpDialog.h"

#include "dialogs/CardFolder.h"
#include "dialogs/ProfileCommands.h"
#include "smtp/SmtpFile.h"
#ifdef TAMB_HAS_SMTP_LOGIN_CHECK
#include "smtp/SmtpLoginCheck.h"
#endif

#include <utility>

namespace tamb {

SmtpDialog::SmtpDialog(SmtpFamily family, const DialogLayout& layout, SmtpEnvironment environment, QWidget* parent)
    : SettingsDialog(layout, m_model, parent)
    , m_model(family, std::move(environment))
{
    AddProfileCommands(*this, m_model, kSmtpFileName);
}

SmtpEnvironment DesktopSmtpEnvironment(const AppState& state)
{
    SmtpEnvironment environment;
    environment.app = state;
    environment.startFolder = CardStartFolder();
    environment.codePage = OemCodePage::forSystem();
    environment.offerToLoad = true;
#ifdef TAMB_HAS_SMTP_LOGIN_CHECK
    environment.checkLogin = [](const SmtpAccount& account, bool allowPlainLogin, const std::atomic<bool>& cancel) {
        SmtpLoginOptions options;
        options.allowPlainLogin = allowPlainLogin;
        return CheckSmtpLogin(account, options, cancel);
    };
#endif
    return environment;
}

} // namespace tamb
