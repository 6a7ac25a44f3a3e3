#include "fleet/SheetRecord.h"

#include "common/Paths.h"
#include "common/SmallFile.h"
#include "common/WriteLock.h"

#include <algorithm>
#include <array>

namespace tamb {
namespace {

// Larger than any sheet of cameras a survey keeps, small enough to hold in memory.
constexpr std::size_t kLargestSheet = 8 * 1024 * 1024;

std::string_view CellText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view {}
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::size_t ColumnOf(CsvTable& table, std::string_view name)
{
    auto& header = table.rows.front();
    const auto found = std::ranges::find_if(header, [name](const std::string& cell) { return CellText(cell) == name; });
    if (found != header.end())
        return static_cast<std::size_t>(found - header.begin());
    header.emplace_back(name);
    return header.size() - 1;
}

} // namespace

std::string IsoLocalTime(std::time_t moment)
{
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &moment);
    // The local time read back as if it were UTC differs from the moment by the offset, summer time included.
    std::tm asUtc = local;
    long offset = static_cast<long>((_mkgmtime(&asUtc) - moment) / 60);
#else
    localtime_r(&moment, &local);
    long offset = local.tm_gmtoff / 60;
#endif
    std::array<char, 32> text {};
    (void)std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S", &local);
    const char sign = offset < 0 ? '-' : '+';
    offset = offset < 0 ? -offset : offset;
    // Room for any long, though an offset is at most a few hours.
    std::array<char, 40> zone {};
    (void)std::snprintf(zone.data(), zone.size(), "%c%02ld:%02ld", sign, offset / 60, offset % 60);
    return std::string { text.data() } + zone.data();
}

std::vector<SheetProblem> LoadCameraSheet(const std::filesystem::path& path, const ProfileLookup& profiles,
    const FleetEnvironment& environment, CameraSheet& sheet)
{
    const auto text = ReadSmallRegularFile(path, kLargestSheet);
    if (!text)
        return { SheetProblem { 0, {}, "cannot read the sheet " + Utf8FromPath(path) } };
    return ReadCameraSheet(*text, profiles, environment, sheet);
}

Status RecordCardWritten(const std::filesystem::path& path, std::string_view serial, std::string_view written,
    std::string_view card, const WriteFaults& faults)
{
    // The lock beside the sheet ("<sheet>.lock"), held while it is read and replaced.
    WriteLock lock;
    if (Status locked = WriteLock::take(path, faults, lock); !locked.ok())
        return locked;
    const auto text = ReadSmallRegularFile(path, kLargestSheet);
    CsvTable table;
    if (!text)
        return Status::failure("cannot read the sheet " + Utf8FromPath(path));
    if (Status parsed = ParseCsv(*text, table); !parsed.ok() || table.rows.empty())
        return Status::failure("the sheet " + Utf8FromPath(path) + " no longer reads as a sheet of cameras");
    const auto& header = table.rows.front();
    const auto cameraColumn
        = std::ranges::find_if(header, [](const std::string& cell) { return CellText(cell) == SheetColumn::Camera; });
    if (cameraColumn == header.end())
        return Status::failure("the sheet " + Utf8FromPath(path) + " no longer has the column camera");
    const auto serialAt = static_cast<std::size_t>(cameraColumn - header.begin());
    const std::size_t writtenAt = ColumnOf(table, SheetColumn::Written);
    const std::size_t cardAt = ColumnOf(table, SheetColumn::Card);
    bool found = false;
    for (auto row = table.rows.begin() + 1; row != table.rows.end(); ++row) {
        if (serialAt >= row->size() || CellText(row->at(serialAt)) != serial)
            continue;
        row->resize(std::max(row->size(), std::max(writtenAt, cardAt) + 1));
        (*row)[writtenAt] = std::string { written };
        (*row)[cardAt] = std::string { card };
        found = true;
    }
    if (!found)
        return Status::failure(
            "the sheet " + Utf8FromPath(path) + " no longer lists the camera " + std::string { serial });
    const std::string formatted = FormatCsv(table);
    const std::vector<std::uint8_t> bytes(formatted.begin(), formatted.end());
    return WriteFileAtomically(path, bytes, FileAccess::Everyone, faults);
}

} // namespace tamb
