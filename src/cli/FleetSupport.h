#pragma once

#include "cli/Arguments.h"
#include "fleet/CameraSetup.h"
#include "fleet/CameraSheet.h"
#include "fleet/ProfileStore.h"

namespace tamb {

// Helpers of the profile and fleet commands.

// The environment of the settings models: the application state of the arguments, --clock or the local time, the
// code page of the system's locale.
[[nodiscard]] FleetEnvironment FleetEnvironmentFromArguments(const ParsedArguments& arguments);

// The user's profile store.
[[nodiscard]] ProfileStore UserProfileStore();

// Looks profiles up in `store`.
[[nodiscard]] ProfileLookup LookupIn(const ProfileStore& store);

} // namespace tamb
