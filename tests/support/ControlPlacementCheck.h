#pragma once

// The layout check by places: every control lies inside the frame around it, and no two controls cover each
// other.

#include <QRect>
#include <QString>
#include <vector>

class QWidget;

namespace tamb::test {

struct MisplacedControl
{
    QString control; // the control's objectName (its template identifier) or its class
    QString other; // the frame it leaves, or the control it covers
    QString fault; // "sticks out of" or "overlaps"
    int pixels = 0; // how far it sticks out, or the area both cover
    QRect place; // where the control paints, in the window
    QRect otherPlace;
};

// Every visible control of `dialog` that sticks out of its frame, and every two visible controls that cover the
// same pixels. A control's frame is the smallest group or frame whose rectangle holds its top left corner (the
// window where none does); the control must lie wholly inside it, off its line. A frame must lie inside the window;
// frames may hold controls and share their edges with other frames, so they overlap nothing. A label covers only where
// its text is drawn, so a caption whose box runs under the control beside it while its text stands clear is no overlap.
[[nodiscard]] std::vector<MisplacedControl> FindMisplacedControls(const QWidget& dialog);

} // namespace tamb::test
