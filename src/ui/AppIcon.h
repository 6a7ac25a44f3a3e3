#pragma once

#include <QIcon>

namespace tamb {

// The application's icon (our own drawing), used for every window, the About box and the message boxes.
[[nodiscard]] QIcon ApplicationIcon();

} // namespace tamb
