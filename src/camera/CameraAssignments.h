#pragma once

#include "camera/CameraSettingsModel.h"
#include "common/Status.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tamb {

using CameraAssignment = std::pair<std::string, std::string>;

// Applies settings given as KEY=VALUE pairs to `model` the way a user would make them in its dialog: lists
// are picked, numbers typed, the password typed, each through the model's own events. Keys are record field
// names (`cameraMode`, `videoLength`, `timer1StartHour`, ...) plus `intervalUnit`; a list takes its option
// index, `videoLength` its seconds, `interval` its value, `serialNumber` four characters 0-9/A-Z and
// `wirelessPassword` up to four digits.
//
// Everything is checked before anything is applied: an unknown key, a key this model's dialog does not show,
// or a value the dialog would not keep (outside its range or list, or one its corrections would change) fails
// with a message naming the key and what is allowed, and leaves the model untouched.
[[nodiscard]] Status ApplyCameraAssignments(CameraSettingsModel& model, std::span<const CameraAssignment> assignments);

// Makes the settings of a file as the dialog held them when it wrote it: the lists as above, then every number
// shown in its edit and taken by one sync, without the corrections typing runs. A dialog holds such values when
// a sync stopped at an emptied edit while they were typed, or when Default reset the unit to minutes under an
// interval of 0. Values outside their ranges or lists are refused as above.
[[nodiscard]] Status LoadCameraAssignments(CameraSettingsModel& model, std::span<const CameraAssignment> assignments);

// One key that a model accepts and what it takes, in words: for a list its option indexes with their English
// texts, for a number its range, and the value the model holds now (on a fresh model, the dialog's start value).
struct CameraKeyHelp
{
    std::string key;
    std::string allowed;
};

// Every key `model` accepts, in the order of its dialog's lists, then its numbers, then the password.
[[nodiscard]] std::vector<CameraKeyHelp> DescribeCameraKeys(const CameraSettingsModel& model);

// A one-line summary of the keys `model` accepts, for error texts.
[[nodiscard]] std::string AcceptedCameraKeys(const CameraSettingsModel& model);

} // namespace tamb
