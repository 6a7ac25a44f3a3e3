#include "fleet/DeploymentsExport.h"

#include "common/ModelCatalogue.h"

namespace tamb {
namespace {

constexpr std::array<std::string_view, 9> kDeploymentColumns {
    "deploymentID",
    "locationName",
    "latitude",
    "longitude",
    "deploymentStart",
    "deploymentEnd",
    "cameraID",
    "cameraModel",
    "cameraDelay",
};

// Camtrap DP writes the camera model as "manufacturer-model".
std::string CameraModel(ModelId model)
{
    constexpr std::string_view kMaker = "Tamb Vorrel";
    std::string title { ModelTitle(model) };
    if (title.starts_with(kMaker) && title.size() > kMaker.size())
        title[kMaker.size()] = '-';
    return title;
}

// A decimal number with a dot, whatever the sheet used.
std::string DecimalWithDot(std::string text)
{
    std::ranges::replace(text, ',', '.');
    return text;
}

} // namespace

Status DeploymentsCsv(
    const CameraSheet& sheet, const ProfileLookup& profiles, const FleetEnvironment& environment, std::string& csv)
{
    CsvTable table;
    table.rows.emplace_back(kDeploymentColumns.begin(), kDeploymentColumns.end());
    for (const SheetCamera& camera : sheet.cameras) {
        std::unique_ptr<CameraSetup> setup;
        if (const auto problem = PrepareCamera(camera, profiles, environment, setup))
            return Status::failure(DescribeProblem(*problem));
        const std::string date = camera.written.substr(0, 10);
        table.rows.push_back({
            date.empty() ? camera.serial : camera.serial + "_" + date,
            camera.name,
            DecimalWithDot(camera.latitudeText),
            DecimalWithDot(camera.longitudeText),
            camera.written,
            {},
            camera.serial,
            CameraModel(camera.model),
            std::to_string(IntervalSeconds(setup->camera())),
        });
    }
    csv = FormatCsv(table);
    return Status::success();
}

} // namespace tamb
