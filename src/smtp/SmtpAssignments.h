#pragma once

#include "common/Status.h"
#include "smtp/SmtpSettingsModel.h"

#include <span>
#include <string>
#include <utility>

namespace tamb {

using SmtpAssignment = std::pair<std::string, std::string>;

// Makes the settings given as KEY=VALUE through the SMTP dialog's own events, in the order a user of the dialog
// makes them: the mode first (mode=auto|manual; changing it empties the texts), then the country (choosing one
// refills the operators), then the rest as given. Lists take their position, edits their text. Stops at the
// first unknown key, value outside its list, text typed into an edit that Auto mode fills, or value the dialog
// refuses, and says why in English. As in the dialog, typing the text an edit already shows or picking the entry
// a list already shows changes nothing.
[[nodiscard]] Status ApplySmtpAssignments(SmtpSettingsModel& model, std::span<const SmtpAssignment> assignments);

} // namespace tamb
