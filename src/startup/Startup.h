#pragma once

#include "common/AppState.h"
#include "startup/PreferenceStore.h"

#include <cstdint>

namespace tamb {

inline constexpr std::uint16_t kSystemLanguageChinesePrc = 2052;
inline constexpr std::uint16_t kSystemLanguageGermanLiechtenstein = 5127;

// The interface language for a system language identifier: 2052 gives Chinese, 5127 gives Deutsch, every other
// identifier (the other German variants included) gives English.
[[nodiscard]] LanguageId LanguageFromSystem(std::uint16_t systemLanguageId);

// Settles AppState from the system language and the stored preferences, storing what is missing: the language
// (first run), the model, the TV mode and the company. A stored language outside 1..15 counts as a key without
// a language value (the system's language, nothing written); a stored model outside 1..kModelCount, 0 included, gives 1
// without writing. The result therefore never leads a table lookup out of bounds.
[[nodiscard]] AppState RunStartup(PreferenceStore& store, std::uint16_t systemLanguageId);

// The model as the main window reads it back: the stored value when it is one of 1..kModelCount, otherwise 1.
[[nodiscard]] ModelId ReadModelPreference(PreferenceStore& store);

} // namespace tamb
