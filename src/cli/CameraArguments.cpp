#include "cli/CameraArguments.h"

#include "camera/CameraAssignments.h"
#include "camera/MenuFile.h"
#include "cli/CliCommand.h"
#include "cli/SettingsKeys.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "model/FileWriteMessage.h"

#include <algorithm>
#include <string>

namespace tamb {

CameraEnvironment CameraEnvironmentFromArguments(const ParsedArguments& arguments)
{
    CameraEnvironment environment;
    environment.app = AppStateFromArguments(arguments);
    if (arguments.clock) {
        environment.localTime = [clock = *arguments.clock] { return clock; };
    } else {
        environment.localTime = [] { return ReadLocalClock(); };
    }
    // Until --out is chosen, a placeholder stands in for the dialog's start folder.
    environment.startFolder = ".";
    environment.folderLimit = DataExchange::kUnlimited;
    return environment;
}

int ReportCameraWrite(std::string_view command, std::string_view done, const ParsedArguments& arguments,
    const DialogOutcome& outcome, MessageId success, std::ostream& out, std::ostream& err)
{
    const DialogMessage& result = outcome.messages.back();
    if (IsFileWriteFailure(result.id)) {
        err << kProgramName << ' ' << command << ": " << result.text(kEnglish) << '\n';
        return kExitFailure;
    }
    if (!ReportWriteNote(command, result, err) && result.id != success)
        return ReportUsageError(command, result.text(kEnglish), err);
    out << done << ' ' << FileInFolder(*arguments.out, kMenuFileName) << '\n';
    return kExitSuccess;
}

void PrintCameraKeys(const CameraSettingsModel& model, std::ostream& out)
{
    const std::vector<CameraKeyHelp> keys = DescribeCameraKeys(model);
    std::size_t width = 0;
    for (const CameraKeyHelp& help : keys)
        width = std::max(width, help.key.size());
    out << "\nKeys of model " << model.app().model << " (" << ModelTitle(model.app().model) << "):\n";
    for (const CameraKeyHelp& help : keys)
        out << "  " << help.key << std::string(width + 2 - help.key.size(), ' ') << help.allowed << '\n';
}

} // namespace tamb
