#pragma once

#include "cellular/MmsControls.h"
#include "cellular/MmsDialogRules.h"
#include "cellular/MmsSettings.h"
#include "cellular/OemCodePage.h"
#include "cellular/OperatorParameters.h"
#include "common/AppState.h"
#include "common/Paths.h"
#include "common/Status.h"
#include "model/DataExchange.h"
#include "model/FileSettingsModel.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// The positions of the MMS mode list.
enum class MmsMode
{
    Auto = 0, // the operator parameters come from the database
    Manual = 1, // the user types them
};

// What an MMS model needs from outside: the application state when the dialog opened, the folder offered at
// the start (and after an empty choice), the code page of the file's texts and the writer of setup.dat (left
// empty, the file is written in the folder with that code page). The
// folder edit takes at most `folderLimit` characters; the command line, which has no such edit, lifts it.
struct MmsEnvironment
{
    AppState app;
    std::string startFolder;
    OemCodePage codePage { 437 };
    FileWriter<MmsSettings> writeSetupFile;
    std::size_t folderLimit = kFolderTextLimit;
    // A setup.dat that the dialog could have written, found in the folder at opening or after a folder choice,
    // is offered for loading.
    bool offerToLoad = false;
    // Where Auto mode takes the operators' parameters from.
    const OperatorParameters* operators = &SystemOperatorParameters();
};

// The settings model of the MMS dialogs, usable without a window. It keeps what every control shows (edit
// texts, list contents and selections, read-only states) beside the dialog's values and runs the dialog's
// events on them; the rules that differ by model (status list and codes, SMS handling, recipient limits and
// checks, the hidden phone-scope list) come from MmsDialogRulesFor.
//
// Sync copies the edits into the values in the order account, folder, url, apn, password, gateway, port,
// phone1 (checked against the phone-number limit of the scope), phone2, phone3, email, pictures per day, and
// stops at the first failure. Generate syncs first and writes nothing when that fails, so the file carries what
// the edits show; then it validates the recipients (and the typed parameters in Manual mode) in a fixed order,
// takes the operator's parameters from the database in Auto mode and writes setup.dat.
class MmsSettingsModel : public FileSettingsModel
{
public:
    explicit MmsSettingsModel(MmsEnvironment environment);

    [[nodiscard]] const AppState& app() const override { return m_environment.app; }
    [[nodiscard]] const MmsEnvironment& environment() const { return m_environment; }
    [[nodiscard]] const MmsDialogRules& rules() const { return m_rules; }
    [[nodiscard]] MmsMode mode() const { return static_cast<MmsMode>(m_mode); }
    [[nodiscard]] int remoteHourListId() const { return m_rules.remoteHourListId; }
    // True when the status list shows the entry this model handles as SMS.
    [[nodiscard]] bool smsChosen() const;

    // SettingsModel, by template identifier.
    [[nodiscard]] std::string editText(int controlId) const override;
    [[nodiscard]] std::vector<std::string> listItems(int controlId) const override;
    [[nodiscard]] int selection(int controlId) const override;
    [[nodiscard]] bool isShown(int controlId) const override;
    [[nodiscard]] bool isEnabled(int /*controlId*/) const override { return true; }
    [[nodiscard]] bool isReadOnly(int controlId) const override { return m_readOnly.contains(controlId); }
    DialogOutcome editChanged(int controlId, std::string text) override;
    DialogOutcome selectionChanged(int controlId, int index) override;
    DialogOutcome clicked(int controlId) override;
    // The answer to whether to write for an operator that ended MMS, or else to whether to load the folder's file.
    DialogOutcome answeredTo(const DialogMessage& question, bool yes) override;
    [[nodiscard]] std::optional<SettingsFile> buildFile(DialogOutcome& outcome) override;
    // Puts every value, list and read-only state back as a freshly opened dialog shows them; the folder stays.
    void startAfresh();
    // Generate up to the write: syncs and checks, and gives the settings to write; nothing when a sync or check
    // fails, whose message and focus are then in `outcome`.
    [[nodiscard]] std::optional<MmsSettings> checkedSettings(DialogOutcome& outcome);
    // In Auto mode, the parameters of the chosen operator and where they come from.
    [[nodiscard]] MmsParameters chosenOperatorParameters() const;
    // In Auto mode, the date on which the chosen operator ended MMS, if it did.
    [[nodiscard]] std::optional<std::string_view> chosenOperatorMmsEnded() const;

private:
    [[nodiscard]] PhoneScope phoneScope() const { return static_cast<PhoneScope>(m_phoneScope); }
    [[nodiscard]] std::vector<std::string> operatorNames(std::size_t country) const;
    void setReadOnly(std::initializer_list<int> controls, bool readOnly);
    void lockRecipientsAfterFirst();

    DialogOutcome changeMode();
    DialogOutcome changeStatus();
    DialogOutcome changeCountry();
    DialogOutcome changeScope();
    DialogOutcome changePhone1();
    DialogOutcome changeEmail();
    DialogOutcome changePhone2();
    DialogOutcome changePicturesPerDay();
    DialogOutcome generate();
    DialogOutcome write();
    [[nodiscard]] std::optional<DialogMessage> mmsEndedMessage(MessageId id) const;

    [[nodiscard]] std::optional<DialogMessage> operatorParameterCheck() const;
    [[nodiscard]] MmsSettings buildSettings() const;
    void clearOperatorParameters();

    MmsEnvironment m_environment;
    MmsDialogRules m_rules;

    // Values, in the dialog's own terms.
    std::string m_url;
    std::string m_apn;
    std::string m_gateway;
    std::string m_port;
    std::string m_phone1;
    std::string m_email;
    std::string m_account;
    std::string m_password;
    std::string m_phone2;
    std::string m_phone3;
    std::int32_t m_picturesPerDay = 0;
    int m_phoneScope = 0;
    int m_countryIndex = 0;
    int m_operatorIndex = 0;

    // Selections and the operator list's current entries (the other lists follow from the mode).
    int m_mode = 0;
    int m_status = 1;
    int m_country = 0;
    int m_operator = 0;
    int m_hour = kRemoteControlOff;
    int m_linkType = 0;
    int m_scope = 0;
    std::vector<std::string> m_operatorItems;

    std::set<int> m_readOnly;
};

} // namespace tamb
