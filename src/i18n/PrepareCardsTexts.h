#pragma once

#include "i18n/LocalisedTable.h"

#include <cstddef>

namespace tamb {

// The texts of the window that prepares card after card from a sheet of cameras, in every interface language:
// %1, %2, %3 as each entry says.
enum class PrepareCardsEntry : std::size_t
{
    Title, // the window title and the main window's menu item
    OpenSheet, // button
    WriteCard, // button
    Eject, // button
    Close, // button
    InsertCard, // %1 camera, %2 its name
    CardReady, // %1 card, %2 camera
    Written, // %1 camera, %2 card
    AllDone,
    OtherCamera, // %1 card, %2 the camera on it, %3 the camera to write
    AskEject, // %1 camera, %2 card
    NotEjected, // %1 card, %2 the system's reason
    Ejected, // %1 card
    SheetBad, // %1 the bad cells, one a line
    NotWritten, // %1 camera, %2 why
    NotRecorded, // %1 camera, %2 why
    NoSheet,
};
inline constexpr std::size_t kPrepareCardsEntries = 17;

inline constexpr auto PrepareCardsText = DeclareLocalisedTable<kPrepareCardsEntries>("PrepareCardsText");

// The text of `entry` in `language`.
[[nodiscard]] inline std::string_view PrepareCardsWord(PrepareCardsEntry entry, LanguageId language)
{
    return PrepareCardsText.text(language, static_cast<std::size_t>(entry));
}

} // namespace tamb
