#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions of the main window.

inline constexpr auto CameraSetupText = DeclareLocalisedTable<1>("CameraSetupText");
inline constexpr auto SelectLanguageText = DeclareLocalisedTable<1>("SelectLanguageText");
inline constexpr auto CameraModelText = DeclareLocalisedTable<1>("CameraModelText");
inline constexpr auto MmsSetupText = DeclareLocalisedTable<1>("MmsSetupText");
inline constexpr auto SmtpSetupText = DeclareLocalisedTable<1>("SmtpSetupText");
inline constexpr auto UpdateLinkText = DeclareLocalisedTable<1>("UpdateLinkText");

// Label before the version number; the German entry ends in a blank that belongs to it.
inline constexpr auto VersionText = DeclareLocalisedTable<1>("VersionText");

// The main window's entry to the About box: its context-menu item and the tip of its "?" button.
inline constexpr auto AboutItemText = DeclareLocalisedTable<1>("AboutItemText");

} // namespace tamb
