#pragma once

#include <QFont>

class QWidget;

namespace tamb {

// The font of every window at `pointSize`: the system's font, except that where the system's font is made for
// Chinese, Japanese or Korean (a system in one of those languages), a Latin font comes first and the system's
// font after it for the characters the Latin one lacks. The dialog-unit layout takes its base units from the
// first font, so the windows keep the proportions they have on every other system instead of growing by the
// taller line of the CJK fonts, and Chinese and Japanese texts look as they do there.
[[nodiscard]] QFont DialogFont(int pointSize);

// Moves `window` up and left as far as needed for its frame to lie inside its screen's available area (the
// screen less its panels), and never above or left of that area.
void KeepOnAvailableScreen(QWidget& window);

} // namespace tamb
