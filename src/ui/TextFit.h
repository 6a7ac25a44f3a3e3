#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace tamb {

// A text that does not fit the control showing it.
struct CutText
{
    QString control; // the control's objectName (its template identifier) or its class
    QString text;
    int missingPixels = 0; // how much wider the control's content would have to be
};

// Makes every caption, list entry and button text of `dialog`'s visible controls fit. The positions and order of
// the template stay: a control whose text is too wide first grows into free space beside it that no other control
// uses, inside the group or frame around it and the window; a wrapping label grows until its text fits its lines.
// Only where there is no such room does that control get a smaller font, down to kSmallestFontPoints. An opened
// list is as wide as its longest entry. Edits keep their size: their text scrolls as the user types.
void FitTexts(QWidget& dialog);

// Every text of `dialog`'s visible controls that does not fit its control: a caption, a button text or any entry
// of a list, measured in the control's own font against the width (and, for a wrapping label, the lines) its
// content has.
[[nodiscard]] std::vector<CutText> FindCutTexts(const QWidget& dialog);

// The smallest font a control is given to make its text fit: still readable on any screen.
inline constexpr double kSmallestFontPoints = 7.0;

} // namespace tamb
