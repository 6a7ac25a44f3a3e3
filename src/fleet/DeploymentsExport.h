#pragma once

#include "fleet/CameraSheet.h"

#include <string>

namespace tamb {

// The cameras of `sheet` as a table of deployments in the column names of the Camtrap DP standard, for a survey's
// data manager to complete: deploymentID (the serial number and the date written), locationName (the row's
// name), latitude, longitude, deploymentStart (when the card was written), deploymentEnd (left empty), cameraID
// (the serial number), cameraModel ("Tamb Vorrel-Q300"), cameraDelay (the interval in seconds, from the
// profile and the overrides). Comma separated, one header row, every row ended by a line feed.
[[nodiscard]] Status DeploymentsCsv(
    const CameraSheet& sheet, const ProfileLookup& profiles, const FleetEnvironment& environment, std::string& csv);

} // namespace tamb
