#pragma once

#include "i18n/LocalisedTable.h"

#include <cstddef>

namespace tamb {

// The texts of the profiles in the setup dialogs' context menu and the main window's, in every interface
// language: %1, %2 as each entry says.
enum class ProfileEntry : std::size_t
{
    SaveAsProfile, // context-menu item
    StartFromProfile, // context-menu item
    NamePrompt,
    NameRefused, // %1 the name
    ReplaceQuestion, // %1 the name
    Saved, // %1 the name
    NotSaved, // %1 the name, %2 why
    ChoosePrompt,
    NoneForDialog, // %1 the model
    NotLoaded, // %1 the name, %2 why
    NoneAtAll,
};
inline constexpr std::size_t kProfileEntries = 11;

inline constexpr auto ProfileText = DeclareLocalisedTable<kProfileEntries>("ProfileText");

// The text of `entry` in `language`.
[[nodiscard]] inline std::string_view ProfileWord(ProfileEntry entry, LanguageId language)
{
    return ProfileText.text(language, static_cast<std::size_t>(entry));
}

} // namespace tamb
