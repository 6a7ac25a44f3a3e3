#pragma once

#include "common/Status.h"

#include <string_view>

namespace tamb {

// Ejects the removable drive at `root` (a drive such as "E:\" or "E:", or a folder on it) through Windows'
// configuration manager, so that its card can be taken out. A drive that cannot be ejected (a fixed disk, one a
// program still uses, one the system does not list) fails with the reason in plain words. Other systems have no
// drive letters: there it fails and says to eject the card with the system.
[[nodiscard]] Status EjectDrive(std::string_view root);

} // namespace tamb
