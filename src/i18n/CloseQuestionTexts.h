#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// The question a setup dialog asks when it is closed with settings that no file holds yet. Rows in LanguageId
// order.

inline constexpr auto CloseWithoutWritingText = DeclareLocalisedTable<1>("CloseWithoutWriting");

} // namespace tamb
