#include "cellular/MmsAssignments.h"
#include "cellular/MmsSettingsModel.h"
#include "cellular/SetupFile.h"
#include "cellular/SetupFileLoad.h"
#include "cli/CliCommand.h"
#include "cli/PasswordInput.h"
#include "cli/SettingsKeys.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "model/FileWriteMessage.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace tamb {
namespace {

constexpr std::string_view kMmsCommandName = "mms";

MmsEnvironment EnvironmentOf(const ParsedArguments& arguments)
{
    // The --out folder is chosen after the settings are made, as with the dialog's Select button just before
    // Generate, and is not limited to what the dialog's folder edit takes.
    return MmsEnvironment {
        .app = AppStateFromArguments(arguments),
        .startFolder = ".",
        .codePage = OemCodePage::forSystem(),
        .writeSetupFile = {},
        .folderLimit = DataExchange::kUnlimited,
    };
}

// Runs the MMS dialog of the model without a window: the keys are applied through the same model the dialog
// uses, the folder is chosen last and Generate validates and writes. What the dialog would say about the
// input is printed as the dialog shows it, on a line of its own.
int RunMms(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const auto model = *arguments.model;
    if (!ButtonsFor(model).mms)
        return ReportUsageError(kMmsCommandName, "model " + std::to_string(model) + " has no MMS settings", err);
    for (const auto& [key, value] : arguments.assignments) {
        if (!IsMmsKey(key))
            return ReportUsageError(kMmsCommandName, "unknown key '" + key + "'; see --help for the keys", err);
    }
    const MmsEnvironment environment = EnvironmentOf(arguments);
    const LanguageId language = environment.app.language;
    MmsSettingsModel dialog(environment);
    if (const auto refused = StartFrom(arguments, dialog, &LoadSetupFile, kMmsCommandName, err))
        return *refused;
    if (const auto refused = ApplyMmsAssignments(dialog, arguments.assignments, language)) {
        // What the dialog itself says stands alone on its line, as in its message box.
        if (!refused->byDialog)
            return ReportUsageError(kMmsCommandName, refused->reason, err);
        err << refused->reason << '\n';
        return kExitUsage;
    }
    (void)dialog.folderChosen(*arguments.out);
    DialogOutcome outcome = dialog.clicked(kGenerateButtonId);
    // The question for an operator that ended MMS: --even-if-ended answers yes, else its warning refuses.
    if (outcome.question && outcome.question->id == MessageId::MmsEndedWriteAnyway) {
        if (!arguments.evenIfEnded) {
            err << DialogMessage { MessageId::MmsEnded, outcome.question->arguments }.text(language) << '\n'
                << "(--even-if-ended writes the file anyway)\n";
            return kExitUsage;
        }
        outcome = dialog.answeredTo(*outcome.question, true);
    }
    const DialogMessage& result = outcome.messages.back();
    if (IsFileWriteFailure(result.id)) {
        err << kProgramName << ' ' << kMmsCommandName << ": " << result.text(kEnglish) << '\n';
        return kExitFailure;
    }
    if (!ReportWriteNote(kMmsCommandName, result, err) && result.id != MessageId::MmsFileGenerated) {
        err << result.text(language) << '\n';
        return kExitUsage;
    }
    out << "Wrote " << FileInFolder(*arguments.out, kSetupFileName) << " (texts in code page "
        << environment.codePage.number() << ")\n";
    return kExitSuccess;
}

} // namespace

const CliCommand kMmsCommand {
    kMmsCommandName,
    "write setup.dat, the MMS settings of a cellular model",
    R"(Usage: tamb-setup-cli mms --model N --out DIR [--language L] [--chinese-requested]
                          [--tv-mode T] [--from FILE] [--even-if-ended] [KEY=VALUE ...]

Writes DIR/setup.dat as the MMS dialog of model N writes it on Generate, starting from
the dialog's start values, or with --from from the settings of an existing setup.dat
that this model's dialog could have written (else exit code 2 with the reason). The keys make their settings as a user of the dialog would,
in this order whatever the order given: mode, mmsStatus, country, operator,
remoteControlHour, linkType, phoneScope, then the texts url apn gateway port account
password phone1 email phone2 phone3 and picturesPerDay. Then Generate checks them as
the dialog does. An existing setup.dat is replaced only once the new file is complete;
the working file mms.dat never stays.

When the dialog would refuse the input, its message (in Chinese with --language 1,
otherwise in English) is printed on a line of its own, nothing is written and the exit
code is 2; a wrong key or value gives 2 as well. In auto mode an operator that ended
its MMS service (see the operators command) is refused the same way with the date it
ended, unless --even-if-ended is given.

Keys:
  mode=auto|manual         operator parameters from the database (auto, the start) or typed
  mmsStatus=P              position in the model's MMS Status list (start 1, VGA)
  country=C operator=O     auto mode: country index 0..43 and operator position (start 0, 0)
  remoteControlHour=0..25  SMS remote-control hour, 25 for Off (the start)
  linkType=0|1             0 APN, 1 CSD (manual mode only)
  phoneScope=0|1           0 China (the start), 1 international
  url= apn= gateway= port= account= password=   manual mode without SMS only
  phone1= email=           the first recipients; phone2= needs one of them, phone3= needs phone2
  picturesPerDay=0..99     daily picture limit, 0 for no limit (the start)

Texts are stored in the OEM code page of the system's locale; a text the code page
cannot hold is refused.

A password given as an argument is visible to every user of this machine (ps,
/proc/PID/cmdline). password=- reads it from standard input instead: one line, asked for
and not shown when standard input is a terminal.

Options:
  --model N            the model, 1..{last model} (its MMS Setup button must be enabled)
  --out DIR            the folder to write into, normally the root of the SD card
  --language L         the language 1..{last language} of the messages and of the camera (default: the
                       stored one, else 2)
  --chinese-requested  the camera language is Chinese while the screen shows English
  --tv-mode T          the TV-out mode (default: the stored one, else 0)
  --from FILE          start from the settings of FILE, a setup.dat of this model
  --even-if-ended      write even for an operator that ended MMS
  --help               show this text
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested | Option::TvMode
            | Option::From | Option::EvenIfEnded,
        Option::Out | Option::Model, true, false },
    &RunMms,
    nullptr,
    kMmsPasswordKeys,
};

} // namespace tamb
