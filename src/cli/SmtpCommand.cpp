#include "cli/CliCommand.h"
#include "cli/SettingsKeys.h"
#include "common/Paths.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpSettingsModel.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tamb {
namespace {

constexpr std::string_view kName = "smtp";

// The edits the keys type into, by key.
struct TextKey
{
    std::string_view key;
    int controlId; // kNoControl: the SMS phone, whose edit differs by family
};

constexpr std::array kTextKeys {
    TextKey { "picturesPerDay", kSmtpPicturesEditId },
    TextKey { "apn", kSmtpApnEditId },
    TextKey { "account", kSmtpAccountEditId },
    TextKey { "password", kSmtpPasswordEditId },
    TextKey { "smtpServer", kSmtpServerEditId },
    TextKey { "smtpPort", kSmtpPortEditId },
    TextKey { "senderEmail", kSmtpSenderEmailEditId },
    TextKey { "senderPassword", kSmtpSenderPasswordEditId },
    TextKey { "smsPhone", kNoControl },
    TextKey { "recipientEmail", kSmtpRecipientEmailEditId },
};

// The lists the keys choose in, by key; the value is the position in the list.
struct ListKey
{
    std::string_view key;
    bool autoOnly; // Manual mode lists only "Other"
};

constexpr std::array kListKeys {
    ListKey { "country", true },
    ListKey { "operator", true },
    ListKey { "remoteControlHour", false },
    ListKey { "smtpStatus", false },
};

int listOf(std::string_view key, const SmtpDialogData& data)
{
    if (key == "country")
        return kSmtpCountryListId;
    if (key == "operator")
        return kSmtpOperatorListId;
    return key == "smtpStatus" ? data.statusListId : data.hourListId;
}

// The first message of an event, as a refusal of the key that caused it.
Status refusal(std::string_view key, const DialogOutcome& outcome)
{
    if (outcome.messages.empty())
        return Status::success();
    return Status::failure(std::string { key } + ": " + outcome.messages.front().text(kEnglish));
}

Status applyText(const TextKey& text, std::string_view value, SmtpSettingsModel& model)
{
    const int controlId = text.controlId == kNoControl ? model.data().smsPhoneEditId : text.controlId;
    if (model.isReadOnly(controlId)) {
        return Status::failure(
            std::string { text.key } + " comes from the operator database in auto mode; give mode=manual to type it");
    }
    return refusal(text.key, model.editChanged(controlId, std::string { value }));
}

Status applyList(const ListKey& list, std::string_view value, SmtpSettingsModel& model)
{
    const std::string key { list.key };
    if (list.autoOnly && model.mode() != SmtpMode::Auto)
        return Status::failure(key + " applies in auto mode only");
    const int controlId = listOf(list.key, model.data());
    if (controlId == kNoControl)
        return Status::failure(key + " applies to the Q400 SMTP family only");
    const auto count = model.listItems(controlId).size();
    const auto number = SmallNumberFromText(value);
    if (!number || *number >= count) {
        return Status::failure(
            BadValueMessage(key, value, "a position of its list, 0 to " + std::to_string(count - 1)));
    }
    return refusal(list.key, model.selectionChanged(controlId, *number));
}

// Makes one KEY=VALUE setting through the dialog's own events; a failure says what is wrong.
Status applyKey(std::string_view key, std::string_view value, SmtpSettingsModel& model)
{
    for (const TextKey& text : kTextKeys) {
        if (text.key == key)
            return applyText(text, value, model);
    }
    for (const ListKey& list : kListKeys) {
        if (list.key == key)
            return applyList(list, value, model);
    }
    if (key == "mode")
        return Status::success(); // chosen before every other key
    return Status::failure("unknown key '" + std::string { key } + "'; see --help for the keys");
}

// The settings in the order a user of the dialog makes them: the mode first, as changing it empties the texts,
// then the country, as choosing one refills the operators, then the rest as given.
std::vector<std::pair<std::string, std::string>> inDialogOrder(const ParsedArguments& arguments)
{
    auto assignments = arguments.assignments;
    std::stable_partition(
        assignments.begin(), assignments.end(), [](const auto& assignment) { return assignment.first == "country"; });
    return assignments;
}

// Runs the SMTP dialog of the model without a window: the settings are made through the model the dialog
// uses, the folder is chosen last and Generate checks and writes the file as the dialog would.
int runSmtp(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const auto model = *arguments.model;
    const auto family = SmtpFamilyFor(model);
    if (!family)
        return ReportUsageError(kName, "model " + std::to_string(model) + " has no SMTP settings", err);
    const auto autoMode = AutoModeOf(arguments);
    if (!autoMode)
        return ReportUsageError(kName, "mode takes auto or manual", err);

    SmtpEnvironment environment;
    environment.app = AppStateFromArguments(arguments);
    environment.startFolder = ".";
    environment.codePage = OemCodePage::forSystem();
    SmtpSettingsModel settings(*family, environment);
    if (!*autoMode)
        (void)settings.selectionChanged(kSmtpModeListId, static_cast<int>(SmtpMode::Manual));
    for (const auto& [key, value] : inDialogOrder(arguments)) {
        if (const Status applied = applyKey(key, value, settings); !applied.ok())
            return ReportUsageError(kName, applied.reason(), err);
    }
    const auto& folder = *arguments.out;
    (void)settings.folderChosen(folder);
    const DialogOutcome outcome = settings.generate();
    const DialogMessage& result = outcome.messages.back();
    if (result.id == MessageId::FileNotWritten) {
        err << kProgramName << ' ' << kName << ": " << result.text(kEnglish) << '\n';
        return kExitFailure;
    }
    // Generate's checks refuse the input as the dialog would, with the dialog's message.
    if (result.id != MessageId::SmtpFileGenerated)
        return ReportUsageError(kName, result.text(kEnglish), err);
    out << "Wrote " << FileInFolder(folder, kSmtpFileName) << " (texts in code page " << environment.codePage.number()
        << ")\n";
    return kExitSuccess;
}

} // namespace

const CliCommand kSmtpCommand {
    kName,
    "write smtp.dat, the e-mail settings of a cellular model",
    R"(Usage: tamb-setup-cli smtp --model N --out DIR [--language L] [--chinese-requested]
                           [KEY=VALUE ...]

Writes DIR/smtp.dat as the SMTP dialog of model N writes it on Generate, starting from
the dialog's start values. Each KEY=VALUE makes one setting of that dialog. Generate's
checks apply as in the dialog (server, port, sender address and password, recipient,
and an SMS phone of 5 characters or more when a remote-control hour is set); a wrong
key or value, or a failed check, prints the reason, writes nothing and exits with 2.
An existing smtp.dat is replaced only once the new file is complete; the working file
mms.dat never stays.

Keys:
  mode=auto|manual         GPRS parameters from the database (auto, default) or typed in
  country=P operator=O     auto mode: position in the SMTP country list 0..42 (the list
                           without Cayman Islands) and operator position (default 0, 0)
  smtpStatus=0..2          Q400 SMTP family only: 0 Off, 1 VGA (default), 2 SMS
  picturesPerDay=0..99     daily picture limit, 0 for no limit (default 0)
  remoteControlHour=0..25  SMS remote-control hour, 25 for Off (default 25)
  apn= account= password=  manual mode only
  smtpServer= smtpPort= senderEmail= senderPassword= smsPhone= recipientEmail=

Texts are stored in the OEM code page of the system's locale; a text the code page
cannot hold, or too long for its field, is refused.

Options:
  --model N            the model, 1..17 (its SMTP Setup button must be enabled)
  --out DIR            the folder to write into, normally the root of the SD card
  --language L         the camera language 1..15 (default: the stored one, else 2)
  --chinese-requested  the camera language is Chinese while the screen shows English
  --help               show this text
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested,
        Option::Out | Option::Model, true, false },
    &runSmtp,
};

} // namespace tamb
