#pragma once

#include <string>

namespace tamb {

// The folder the setup dialogs start in: the root of the camera's card when a removable volume is mounted (the
// one already holding camera files or pictures when there are several), otherwise DefaultOutputFolder().
[[nodiscard]] std::string CardStartFolder();

} // namespace tamb
