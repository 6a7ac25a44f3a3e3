#include "cli/CliCommand.h"
#include "cli/PasswordInput.h"
#include "cli/SettingsKeys.h"
#include "common/Paths.h"
#include "model/FileWriteMessage.h"
#include "smtp/SmtpAssignments.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"
#include "smtp/SmtpSettingsModel.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tamb {
namespace {

constexpr std::string_view kSmtpCommandName = "smtp";

// Runs the SMTP dialog of the model without a window: the settings are made through the model the dialog
// uses, the folder is chosen last and Generate checks and writes the file as the dialog would.
int RunSmtp(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const auto model = *arguments.model;
    const auto family = SmtpFamilyFor(model);
    if (!family)
        return ReportUsageError(kSmtpCommandName, "model " + std::to_string(model) + " has no SMTP settings", err);
    SmtpEnvironment environment;
    environment.app = AppStateFromArguments(arguments);
    environment.startFolder = ".";
    environment.codePage = OemCodePage::forSystem();
    SmtpSettingsModel settings(*family, environment);
    if (const auto refused = StartFrom(arguments, settings, &LoadSmtpFile, kSmtpCommandName, err))
        return *refused;
    if (const Status applied = ApplySmtpAssignments(settings, arguments.assignments); !applied.ok())
        return ReportUsageError(kSmtpCommandName, applied.reason(), err);
    const auto& folder = *arguments.out;
    (void)settings.folderChosen(folder);
    const DialogOutcome outcome = settings.generate();
    const DialogMessage& result = outcome.messages.back();
    if (IsFileWriteFailure(result.id)) {
        err << kProgramName << ' ' << kSmtpCommandName << ": " << result.text(kEnglish) << '\n';
        return kExitFailure;
    }
    // Generate's checks refuse the input as the dialog would: its message stands alone on its line, as in its
    // message box, in the language of the messages.
    if (!ReportWriteNote(kSmtpCommandName, result, err) && result.id != MessageId::SmtpFileGenerated) {
        err << result.text(environment.app.language) << '\n';
        return kExitUsage;
    }
    out << "Wrote " << FileInFolder(folder, kSmtpFileName) << " (texts in code page " << environment.codePage.number()
        << ")\n";
    return kExitSuccess;
}

} // namespace

const CliCommand kSmtpCommand {
    kSmtpCommandName,
    "write smtp.dat, the e-mail settings of a cellular model",
    R"(Usage: tamb-setup-cli smtp --model N --out DIR [--language L] [--chinese-requested]
                           [--from FILE] [KEY=VALUE ...]

Writes DIR/smtp.dat as the SMTP dialog of model N writes it on Generate, starting from
the dialog's start values, or with --from from the settings of an existing smtp.dat
that this model's dialog could have written (else exit code 2 with the reason). Each KEY=VALUE makes one setting of that dialog. Generate's
checks apply as in the dialog (server, port, sender address and password, recipient,
and an SMS phone of 5 characters or more when a remote-control hour is set). When
Generate would refuse the input, its message (in Chinese with --language 1, otherwise
in English) is printed on a line of its own, nothing is written and the exit code is 2;
a wrong key or value prints the reason and gives 2 as well.
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

A password given as an argument is visible to every user of this machine (ps,
/proc/PID/cmdline). senderPassword=- and password=- read it from standard input instead:
one line each, in the order given, asked for and not shown when standard input is a
terminal.

Options:
  --model N            the model, 1..{last model} (its SMTP Setup button must be enabled)
  --out DIR            the folder to write into, normally the root of the SD card
  --language L         the camera language 1..{last language} (default: the stored one, else 2)
  --chinese-requested  the camera language is Chinese while the screen shows English
  --from FILE          start from the settings of FILE, an smtp.dat of this model
  --help               show this text
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested | Option::From,
        Option::Out | Option::Model, true, false },
    &RunSmtp,
    nullptr,
    kSmtpPasswordKeys,
};

} // namespace tamb
