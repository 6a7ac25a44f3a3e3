#include "cli/CliCommand.h"

namespace tamb {

int ReportUsageError(std::string_view command, std::string_view message, std::ostream& err)
{
    err << kProgramName << ' ' << command << ": " << message << "\nTry '" << kProgramName << ' ' << command
        << " --help'.\n";
    return kExitUsage;
}

} // namespace tamb
