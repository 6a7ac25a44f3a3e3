#pragma once

#include "cellular/OemCodePage.h"
#include "cellular/OperatorParameters.h"
#include "cellular/ScrambledSettingsFile.h"
#include "common/AppState.h"
#include "model/DataExchange.h"
#include "model/FileSettingsModel.h"
#include "smtp/SmtpAccount.h"
#include "smtp/SmtpDialogData.h"
#include "smtp/SmtpLoginResult.h"
#include "smtp/SmtpSettings.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tamb {

// Logs in to an account without sending mail and says how it went; runs on a thread of its own and returns soon
// once `cancel` becomes true. Over a connection without TLS it logs in only when `allowPlainLogin` is true (the
// user's consent for this one check); otherwise such a server gives SmtpLoginOutcome::PlainLoginNotAllowed.
using SmtpLoginChecker
    = std::function<SmtpLoginResult(const SmtpAccount& account, bool allowPlainLogin, const std::atomic<bool>& cancel)>;

// What an SMTP model needs from outside: the application state when the dialog opened, the folder offered at
// the start (and after an empty folder choice), the code page of the texts in smtp.dat and the writer of smtp.dat
// (left empty, the file is written in the folder with that code page).
struct SmtpEnvironment
{
    AppState app;
    std::string startFolder;
    OemCodePage codePage { 437 };
    FileWriter<SmtpSettings> writeSmtpFile;
    // An smtp.dat that the dialog could have written, found in the folder at opening or after a folder choice,
    // is offered for loading.
    bool offerToLoad = false;
    // The check the Test button runs and the time limit it keeps (named in the words for no answer); without a
    // check the button is hidden.
    SmtpLoginChecker checkLogin;
    std::chrono::seconds loginTimeLimit = kSmtpLoginTimeLimit;
    // Where Auto mode takes the operators' parameters from.
    const OperatorParameters* operators = &SystemOperatorParameters();
};

// The settings model of the two SMTP dialogs, usable without any window. It holds what each control shows
// beside the dialog's values and runs the dialog's events on them; the binder mirrors it into the widgets, the
// command line drives the same events.
//
// Auto mode takes the GPRS parameters from the operator database for the chosen country and operator, and
// their edits are read-only and empty; Manual mode lists only "Other" and lets the user type them. A change of
// mode empties every text but the SMS phone and the folder. Edits sync on every change; a picture limit of 100
// or more becomes 0. Generate syncs, checks the texts one by one (the first failure only) and writes smtp.dat.
// The OK action that Enter stands for does nothing: only Generate writes, only Exit leaves. Test checks the
// server, port, sender and password as Generate does and then asks the dialog to run the login check in the
// background; its outcome is a message in the language on screen, and a cancelled check says nothing. Where the
// server offers no encryption, no login is attempted: the outcome asks whether to test anyway, and only a yes
// runs the check again with a login over the plain connection.
class SmtpSettingsModel : public FileSettingsModel
{
public:
    SmtpSettingsModel(SmtpFamily family, SmtpEnvironment environment);

    [[nodiscard]] const SmtpDialogData& data() const { return m_data; }
    [[nodiscard]] SmtpMode mode() const { return static_cast<SmtpMode>(m_mode); }
    [[nodiscard]] const SmtpEnvironment& environment() const { return m_environment; }
    // The settings Generate would write now, from the values and selections (without syncing or checking).
    [[nodiscard]] SmtpSettings collect() const;
    // Generate up to the write: syncs and checks, and gives the settings to write; nothing when a sync or check
    // fails, whose message and focus are then in `outcome`.
    [[nodiscard]] std::optional<SmtpSettings> checkedSettings(DialogOutcome& outcome);
    DialogOutcome generate();
    // Test: the fields' refusal, or the login check to run in the background.
    DialogOutcome testAccount();
    // Puts every value and list back as a freshly opened dialog shows them; the folder stays.
    void startAfresh();
    // The check of `account` as background work; `allowPlainLogin` is the user's consent to a login without TLS.
    [[nodiscard]] BackgroundWork loginCheck(SmtpAccount account, bool allowPlainLogin) const;

    // SettingsModel, by template identifier.
    [[nodiscard]] const AppState& app() const override { return m_environment.app; }
    [[nodiscard]] std::string editText(int controlId) const override;
    [[nodiscard]] std::vector<std::string> listItems(int controlId) const override;
    [[nodiscard]] int selection(int controlId) const override;
    // Test shows only where there is a login check to run.
    // The source line only in Auto mode.
    [[nodiscard]] bool isShown(int controlId) const override
    {
        if (controlId == kSmtpParameterSourceId)
            return isAuto();
        return controlId != kSmtpTestButtonId || static_cast<bool>(m_environment.checkLogin);
    }
    [[nodiscard]] bool isEnabled(int /*controlId*/) const override { return true; }
    [[nodiscard]] bool isReadOnly(int controlId) const override;
    DialogOutcome editChanged(int controlId, std::string text) override;
    DialogOutcome selectionChanged(int controlId, int index) override;
    DialogOutcome clicked(int controlId) override;
    DialogOutcome listClosedWithoutChoice(int controlId) override;
    [[nodiscard]] std::optional<SettingsFile> buildFile(DialogOutcome& outcome) override;
    // The answer to whether to test the account without encryption, or else the one above.
    DialogOutcome answeredTo(const DialogMessage& question, bool yes) override;
    // In Auto mode, the parameters of the chosen operator and where they come from.
    [[nodiscard]] GprsParameters chosenOperatorParameters() const;

private:
    [[nodiscard]] bool isAuto() const { return mode() == SmtpMode::Auto; }
    // The selection behind a list of the family, or nullptr.
    [[nodiscard]] int SmtpSettingsModel::*selectionOf(int controlId) const;
    [[nodiscard]] std::optional<DialogMessage> firstInvalidText() const;
    [[nodiscard]] std::optional<SyncFailure> firstUnstorableText(const SmtpSettings& settings) const;
    void changeMode(SmtpMode mode);

    const SmtpDialogData& m_data;
    SmtpEnvironment m_environment;

    int m_mode = static_cast<int>(SmtpMode::Auto);
    int m_country = 0;
    int m_operator = 0;
    int m_hour = kRemoteControlOff;
    int m_status = static_cast<int>(SmtpStatus::Vga);
    std::vector<std::string> m_operatorNames;

    std::int32_t m_picturesPerDay = 0;
    std::string m_recipientEmail;
    std::string m_senderEmail;
    std::string m_senderPassword;
    std::string m_smtpServer;
    std::string m_smtpPort;
    std::string m_account;
    std::string m_apn;
    std::string m_password;
    std::string m_smsPhone;

    // The account the last Test checks, for the question whether to log in to it without encryption, which
    // comes back from the background work.
    std::optional<SmtpAccount> m_testedAccount;
};

} // namespace tamb
