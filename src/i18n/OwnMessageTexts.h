#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Messages this program adds to the dialogs' own, in every interface language.

inline constexpr auto SmtpTextNotStorableText = DeclareLocalisedTable<1>("SmtpTextNotStorable");
inline constexpr auto PromptIntegerText = DeclareLocalisedTable<1>("PromptInteger");
inline constexpr auto PromptTextTooLongText = DeclareLocalisedTable<1>("PromptTextTooLong");
inline constexpr auto PromptIntegerRangeText = DeclareLocalisedTable<1>("PromptIntegerRange");
inline constexpr auto ClockNotTimeText = DeclareLocalisedTable<1>("ClockNotTime");
inline constexpr auto TextNotStorableText = DeclareLocalisedTable<1>("TextNotStorable");
inline constexpr auto LoadExistingFileText = DeclareLocalisedTable<1>("LoadExistingFile");
inline constexpr auto FileNotLoadedText = DeclareLocalisedTable<1>("FileNotLoaded");
inline constexpr auto DownloadPageNotOpenedText = DeclareLocalisedTable<1>("DownloadPageNotOpened");

} // namespace tamb
