#include "cli/CliCommand.h"

#include "camera/CameraFields.h"
#include "camera/CameraRecord.h"
#include "common/Paths.h"
#include "common/SmallFile.h"

#include <array>
#include <filesystem>
#include <utility>

namespace tamb {

std::string UsageText(const CliCommand& command)
{
    const std::array<std::pair<std::string_view, int>, 6> placeholders { {
        { "{last model}", kModelCount },
        { "{last language}", kLastLanguage },
        { "{first clock year}", kFirstClockReadingYear },
        { "{last clock year}", kClockYearLast },
        { "{longitude degrees}", kLongitudeMaximumDegrees },
        { "{latitude degrees}", kLatitudeMaximumDegrees },
    } };
    std::string text { command.usage };
    for (const auto& [placeholder, value] : placeholders) {
        const std::string number = std::to_string(value);
        for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
            text.replace(at, placeholder.size(), number);
            at += number.size();
        }
    }
    return text;
}

int ReportUsageError(std::string_view command, std::string_view message, std::ostream& err)
{
    err << kProgramName << ' ' << command << ": " << message << "\nTry '" << kProgramName << ' ' << command
        << " --help'.\n";
    return kExitUsage;
}

std::optional<std::string> OutFolderRefusal(const ParsedArguments& arguments)
{
    if (!arguments.out)
        return std::nullopt;
    std::error_code error;
    const auto type = std::filesystem::status(PathFromUtf8(*arguments.out), error).type();
    // A name that is not there is left to the write, which says the card is gone.
    if (type == std::filesystem::file_type::directory || type == std::filesystem::file_type::not_found
        || type == std::filesystem::file_type::none)
        return std::nullopt;
    return "--out " + *arguments.out + " is not a folder";
}

bool ReportWriteNote(std::string_view command, const DialogMessage& result, std::ostream& err)
{
    if (result.id != MessageId::FileWrittenOwnerOnly)
        return false;
    err << kProgramName << ' ' << command << ": " << result.text(kEnglish) << '\n';
    return true;
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
