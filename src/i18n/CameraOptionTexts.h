#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Option lists shared by the camera-settings dialogs; the entry index is the value stored.

inline constexpr auto CameraModeOptions = DeclareLocalisedTable<3>("CameraModeOptions");
inline constexpr auto PictureCountOptions = DeclareLocalisedTable<3>("PictureCountOptions");

// On/off list whose entry 0 is On; the index is stored unchanged.
inline constexpr auto OnOffOptions = DeclareLocalisedTable<2>("OnOffOptions");
inline constexpr auto SensitivityOptions = DeclareLocalisedTable<4>("SensitivityOptions");
inline constexpr auto IntervalUnitOptions = DeclareLocalisedTable<2>("IntervalUnitOptions");

// On/off list whose entry 0 is Off: the texts of OnOffOptions in reverse order.
inline constexpr auto OffOnOptions = DeclareLocalisedTable<2>("OffOnOptions");
inline constexpr auto DateFormatOptions = DeclareLocalisedTable<3>("DateFormatOptions");

} // namespace tamb
