#include "fleet/CameraSheet.h"

#include "camera/CameraFields.h"
#include "common/ModelCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace tamb {
namespace {

constexpr std::string_view kSerialAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::array kOwnColumns {
    SheetColumn::Camera,
    SheetColumn::Name,
    SheetColumn::Model,
    SheetColumn::Profile,
    SheetColumn::Latitude,
    SheetColumn::Longitude,
    SheetColumn::Written,
    SheetColumn::Card,
};

bool IsOwnColumn(std::string_view name)
{
    return std::ranges::find(kOwnColumns, name) != kOwnColumns.end();
}

bool IsCameraKey(std::string_view name)
{
    return name == "wirelessPassword" || std::ranges::find(kCameraListKeys, name) != kCameraListKeys.end()
        || std::ranges::find(kCameraNumberKeys, name) != kCameraNumberKeys.end();
}

bool IsCoordinateKey(std::string_view name)
{
    return name.starts_with("latitude") || name.starts_with("longitude");
}

std::string TrimmedCell(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string { text.substr(first, last - first + 1) };
}

// A decimal number with a dot or a comma before the fraction, as spreadsheets of every language write it.
std::optional<double> DecimalDegrees(std::string_view text)
{
    std::string number { text };
    std::ranges::replace(number, ',', '.');
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (number.empty() || error != std::errc {} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<ModelId> ModelNumber(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end || value < 1 || value > kModelCount)
        return std::nullopt;
    return value;
}

struct Columns
{
    std::map<std::string, std::size_t, std::less<>> own;
    std::vector<std::pair<std::string, std::size_t>> overrides;
};

// Reads the header; a column it cannot place is a problem of row 1.
Columns ReadHeader(const std::vector<std::string>& header, std::vector<SheetProblem>& problems)
{
    Columns columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = TrimmedCell(header[i]);
        const auto problem = [&](std::string reason) { problems.push_back({ 1, name, std::move(reason) }); };
        if (name.empty() || name.starts_with('#'))
            continue;
        if (columns.own.contains(name) || std::ranges::count(header, name) > 1) {
            if (std::ranges::find(problems, name, &SheetProblem::column) == problems.end())
                problem("the column appears more than once");
            continue;
        }
        if (IsOwnColumn(name)) {
            columns.own.emplace(name, i);
        } else if (name == "serialNumber" || name == "serialNumberEnabled") {
            problem("the serial number is the column camera, and it is always switched on");
        } else if (IsCoordinateKey(name)) {
            problem("a Q300's coordinates are the columns latitude and longitude, in decimal degrees");
        } else if (IsCameraKey(name)) {
            columns.overrides.emplace_back(name, i);
        } else {
            problem("neither a column of the sheet (camera, name, model, profile, latitude, longitude, written, "
                    "card) nor a camera key (see tamb-setup-cli camera --help); a note column begins with #");
        }
    }
    for (const std::string_view needed : { SheetColumn::Camera, SheetColumn::Model }) {
        if (!columns.own.contains(needed))
            problems.push_back({ 1, std::string { needed }, "the sheet needs this column" });
    }
    return columns;
}

std::string CellOf(const std::vector<std::string>& row, const Columns& columns, std::string_view name)
{
    const auto found = columns.own.find(name);
    return found == columns.own.end() || found->second >= row.size() ? std::string {} : TrimmedCell(row[found->second]);
}

void CheckSerial(SheetCamera& camera, std::vector<SheetProblem>& problems)
{
    const bool fits = camera.serial.size() == 4
        && std::ranges::all_of(camera.serial, [](char c) { return kSerialAlphabet.find(c) != std::string_view::npos; });
    if (!fits)
        problems.push_back({ camera.row, std::string { SheetColumn::Camera },
            "'" + camera.serial + "' is not a serial number: four characters of 0-9 and A-Z (capitals), e.g. A07Z" });
}

// Reads the coordinates of a row; false when they are missing or bad.
bool ReadCoordinate(SheetCamera& camera, std::string_view column, const std::string& text, double limit,
    std::optional<double>& value, std::vector<SheetProblem>& problems)
{
    if (text.empty())
        return true;
    const auto degrees = DecimalDegrees(text);
    if (!degrees || std::fabs(*degrees) > limit) {
        problems.push_back({ camera.row, std::string { column },
            "'" + text + "' is not a position in decimal degrees from -" + std::to_string(static_cast<int>(limit))
                + " to " + std::to_string(static_cast<int>(limit)) + " (e.g. 47.3769)" });
        return false;
    }
    value = degrees;
    return true;
}

void ReadRow(const std::vector<std::string>& row, std::size_t number, const Columns& columns,
    std::vector<SheetProblem>& problems, std::vector<SheetCamera>& cameras)
{
    SheetCamera camera;
    camera.row = number;
    camera.serial = CellOf(row, columns, SheetColumn::Camera);
    camera.name = CellOf(row, columns, SheetColumn::Name);
    camera.profile = CellOf(row, columns, SheetColumn::Profile);
    camera.latitudeText = CellOf(row, columns, SheetColumn::Latitude);
    camera.longitudeText = CellOf(row, columns, SheetColumn::Longitude);
    camera.written = CellOf(row, columns, SheetColumn::Written);
    camera.card = CellOf(row, columns, SheetColumn::Card);
    CheckSerial(camera, problems);
    const std::string modelText = CellOf(row, columns, SheetColumn::Model);
    if (const auto model = ModelNumber(modelText)) {
        camera.model = *model;
    } else {
        problems.push_back({ number, std::string { SheetColumn::Model },
            "'" + modelText + "' is not a model: a number from 1 to " + std::to_string(kModelCount)
                + ", the position in the model list" });
    }
    ReadCoordinate(
        camera, SheetColumn::Latitude, camera.latitudeText, kLatitudeMaximumDegrees, camera.latitude, problems);
    ReadCoordinate(
        camera, SheetColumn::Longitude, camera.longitudeText, kLongitudeMaximumDegrees, camera.longitude, problems);
    if (camera.latitudeText.empty() != camera.longitudeText.empty()) {
        const auto missing = camera.latitudeText.empty() ? SheetColumn::Latitude : SheetColumn::Longitude;
        problems.push_back(
            { number, std::string { missing }, "a position needs both latitude and longitude, or neither" });
    }
    for (const auto& [key, column] : columns.overrides) {
        if (column < row.size() && !TrimmedCell(row[column]).empty())
            camera.overrides.emplace_back(key, TrimmedCell(row[column]));
    }
    cameras.push_back(std::move(camera));
}

bool IsEmptyRow(const std::vector<std::string>& row)
{
    return std::ranges::all_of(row, [](const std::string& cell) { return TrimmedCell(cell).empty(); });
}

} // namespace

std::string DescribeProblem(const SheetProblem& problem)
{
    // Row 0 stands for the whole file (it cannot be read, or a quote is never closed).
    if (problem.row == 0)
        return problem.reason;
    std::string text = "row " + std::to_string(problem.row);
    if (!problem.column.empty())
        text += ", column " + problem.column;
    return text + ": " + problem.reason;
}

const SheetCamera* CameraSheet::find(std::string_view serial) const
{
    const auto found = std::ranges::find(cameras, serial, &SheetCamera::serial);
    return found == cameras.end() ? nullptr : &*found;
}

std::optional<SheetProblem> PrepareCamera(const SheetCamera& camera, const ProfileLookup& profiles,
    const FleetEnvironment& environment, std::unique_ptr<CameraSetup>& setup)
{
    const auto problem = [&camera](std::string_view column, std::string reason) {
        return SheetProblem { camera.row, std::string { column }, std::move(reason) };
    };
    auto prepared = std::make_unique<CameraSetup>(camera.model, environment);
    if (!camera.profile.empty()) {
        Profile profile;
        if (Status found = profiles(camera.profile, profile); !found.ok())
            return problem(SheetColumn::Profile, found.reason());
        if (profile.model != camera.model)
            return problem(SheetColumn::Profile,
                "the profile '" + camera.profile + "' is for model " + std::to_string(profile.model) + ", not "
                    + std::to_string(camera.model));
        if (Status loaded = prepared->load(profile.files); !loaded.ok())
            return problem(
                SheetColumn::Profile, "the profile '" + camera.profile + "' does not load: " + loaded.reason());
    }
    if (Status applied = ApplyCameraAssignments(prepared->camera(), SerialNumberAssignments(camera.serial));
        !applied.ok())
        return problem(SheetColumn::Camera, applied.reason());
    if (camera.latitude && camera.longitude) {
        if (CameraFamilyFor(camera.model) != CameraFamily::Q300)
            return problem(SheetColumn::Latitude,
                "only the menu of a Q300 keeps coordinates; model " + std::to_string(camera.model) + " is a "
                    + std::string { ModelTitle(camera.model) });
        const auto coordinates = CoordinateAssignments(*camera.latitude, *camera.longitude);
        if (Status applied = ApplyCameraAssignments(prepared->camera(), coordinates); !applied.ok())
            return problem(SheetColumn::Latitude, applied.reason());
    }
    if (Status applied = ApplyCameraAssignments(prepared->camera(), camera.overrides); !applied.ok()) {
        // The reason begins with "key=value" of the override at fault.
        const auto culprit = std::ranges::find_if(camera.overrides,
            [&](const CameraAssignment& override) { return applied.reason().starts_with(override.first + "="); });
        const std::string column = culprit != camera.overrides.end() ? culprit->first : camera.overrides.front().first;
        return problem(column, applied.reason());
    }
    setup = std::move(prepared);
    return std::nullopt;
}

std::vector<SheetProblem> ReadCameraSheet(
    std::string_view text, const ProfileLookup& profiles, const FleetEnvironment& environment, CameraSheet& sheet)
{
    CsvTable table;
    if (Status parsed = ParseCsv(text, table); !parsed.ok())
        return { SheetProblem { 0, {}, parsed.reason() } };
    if (table.rows.empty())
        return { SheetProblem { 1, {}, "the sheet is empty; its first row names the columns" } };
    std::vector<SheetProblem> problems;
    const Columns columns = ReadHeader(table.rows.front(), problems);
    // Without a sound header no cell can be placed.
    if (!problems.empty())
        return problems;
    std::vector<SheetCamera> cameras;
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        if (IsEmptyRow(table.rows[i]))
            continue;
        const std::size_t before = problems.size();
        ReadRow(table.rows[i], i + 1, columns, problems, cameras);
        const SheetCamera& camera = cameras.back();
        const auto same = std::ranges::find(cameras, camera.serial, &SheetCamera::serial);
        if (&*same != &camera && problems.size() == before)
            problems.push_back({ camera.row, std::string { SheetColumn::Camera },
                "the serial number " + camera.serial + " is already the camera of row " + std::to_string(same->row) });
        // The settings model judges the rest once the row's own cells are sound.
        std::unique_ptr<CameraSetup> setup;
        if (problems.size() == before) {
            if (auto problem = PrepareCamera(camera, profiles, environment, setup))
                problems.push_back(std::move(*problem));
        }
    }
    if (cameras.empty() && problems.empty())
        problems.push_back({ 2, {}, "the sheet lists no camera" });
    if (problems.empty()) {
        sheet.table = std::move(table);
        sheet.cameras = std::move(cameras);
    }
    return problems;
}

} // namespace tamb
