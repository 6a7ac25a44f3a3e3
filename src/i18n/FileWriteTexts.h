#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// The messages of a write that failed or needs a word, in every interface language; %1 is the file's path, %2 the
// system's reason.

inline constexpr auto FileNotWrittenText = DeclareLocalisedTable<1>("FileNotWritten");
inline constexpr auto CardWriteProtectedText = DeclareLocalisedTable<1>("CardWriteProtected");
inline constexpr auto CardFullText = DeclareLocalisedTable<1>("CardFull");
inline constexpr auto CardMissingText = DeclareLocalisedTable<1>("CardMissing");
inline constexpr auto CardReadBackDiffersText = DeclareLocalisedTable<1>("CardReadBackDiffers");
inline constexpr auto CardBusyText = DeclareLocalisedTable<1>("CardBusy");

// The new file is in place, but the flush of its folder failed: it may not survive the card's removal.
inline constexpr auto FileNotConfirmedText = DeclareLocalisedTable<1>("FileNotConfirmed");

// The final file (%1) is written; the working file beside it could not be removed and holds zeros now.
inline constexpr auto WorkingFileWipedText = DeclareLocalisedTable<1>("WorkingFileWiped");

// The final file (%1) is written; the working file beside it could neither be removed nor overwritten.
inline constexpr auto WorkingFileLeftText = DeclareLocalisedTable<1>("WorkingFileLeft");

// The file (%1) is written, but the access rights of the file it replaced could not be kept: it is its owner's alone.
inline constexpr auto FileWrittenOwnerOnlyText = DeclareLocalisedTable<1>("FileWrittenOwnerOnly");

} // namespace tamb
