#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Generate in Auto mode with an operator the database has no parameters for; %1 is the Manual entry of the
// dialog's mode list.

inline constexpr auto OperatorWithoutParametersText = DeclareLocalisedTable<1>("OperatorWithoutParameters");

} // namespace tamb
