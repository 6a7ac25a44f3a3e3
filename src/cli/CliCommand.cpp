#include "cli/CliCommand.h"

#include "common/Paths.h"
#include "common/SmallFile.h"

#include <filesystem>

namespace tamb {

int ReportUsageError(std::string_view command, std::string_view message, std::ostream& err)
{
    err << kProgramName << ' ' << command << ": " << message << "\nTry '" << kProgramName << ' ' << command
        << " --help'.\n";
    return kExitUsage;
}

Status ReadSettingsFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    // No settings file comes near this size.
    constexpr std::size_t kLargest = 4096;
    const std::optional<std::string> content = ReadSmallRegularFile(PathFromUtf8(path), kLargest);
    if (!content) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(PathFromUtf8(path), error))
            return Status::failure("not a readable file");
        return Status::failure("cannot be read, or far larger than any settings file");
    }
    bytes.assign(content->begin(), content->end());
    return Status::success();
}

} // namespace tamb
