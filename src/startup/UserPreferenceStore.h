#pragma once

#include "startup/PreferenceStore.h"

#include <memory>

namespace tamb {

// The preference store of this user on this system: the registry key on Windows, the preferences file in the
// configuration folder elsewhere.
[[nodiscard]] std::unique_ptr<PreferenceStore> OpenUserPreferenceStore(std::uint16_t systemLanguageId);

} // namespace tamb
