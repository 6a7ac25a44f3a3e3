#pragma once

#include "camera/CameraAssignments.h"
#include "common/AppState.h"
#include "common/Status.h"
#include "fleet/CameraSetup.h"
#include "fleet/CsvTable.h"
#include "fleet/ProfileStore.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// The columns of a sheet of cameras that are not camera keys.
namespace SheetColumn {
inline constexpr std::string_view Camera = "camera"; // the serial number, four of 0-9 and A-Z
inline constexpr std::string_view Name = "name";
inline constexpr std::string_view Model = "model"; // 1..kModelCount, the position in the model list
inline constexpr std::string_view Profile = "profile"; // a stored profile of that model, or empty
inline constexpr std::string_view Latitude = "latitude"; // decimal degrees, Q300 models only
inline constexpr std::string_view Longitude = "longitude";
inline constexpr std::string_view Written = "written"; // when the camera's card was written (ISO 8601)
inline constexpr std::string_view Card = "card"; // the label of that card's volume
} // namespace SheetColumn

// One camera of the sheet, its cells checked.
struct SheetCamera
{
    std::size_t row = 0; // the spreadsheet's row number: the header is row 1
    std::string serial;
    std::string name;
    ModelId model = 1;
    std::string profile;
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::string latitudeText;
    std::string longitudeText;
    // Camera keys of the override columns with a value in this row, in column order.
    std::vector<CameraAssignment> overrides;
    std::string written;
    std::string card;
};

// A bad cell: its row (the header is row 1), its column's name (empty for the whole row or file) and why.
struct SheetProblem
{
    std::size_t row = 0;
    std::string column;
    std::string reason;
};

// "row 3, column latitude: ..." for one problem; a problem of the whole file (row 0) is its reason alone.
[[nodiscard]] std::string DescribeProblem(const SheetProblem& problem);

struct CameraSheet
{
    CsvTable table;
    std::vector<SheetCamera> cameras;

    [[nodiscard]] const SheetCamera* find(std::string_view serial) const;
};

// Finds a stored profile by name for the checks of the sheet.
using ProfileLookup = std::function<Status(std::string_view name, Profile& profile)>;

// Reads a sheet: a header row naming the columns (any order; besides those of SheetColumn, every column is a camera
// key such as `interval` or `videoLength` whose non-empty cells change that setting of the row's camera; a column
// whose name begins with "#" is a note and ignored), then one row per camera; rows whose cells are all empty are
// passed over. Every cell is checked, as far as the checks of the cells before it allow, with the camera's own
// settings model: the profile must exist and be of the row's model, the coordinates belong to a Q300 and come
// together, the serial numbers differ. Every bad cell is reported; `sheet` is filled only when there is none.
[[nodiscard]] std::vector<SheetProblem> ReadCameraSheet(
    std::string_view text, const ProfileLookup& profiles, const FleetEnvironment& environment, CameraSheet& sheet);

// The settings of `camera` ready to write: the start values of its model's dialogs, its profile's files, its
// serial number switched on, its coordinates and its overrides. The failure names the column at fault.
[[nodiscard]] std::optional<SheetProblem> PrepareCamera(const SheetCamera& camera, const ProfileLookup& profiles,
    const FleetEnvironment& environment, std::unique_ptr<CameraSetup>& setup);

} // namespace tamb
