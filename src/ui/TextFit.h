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

// Makes every caption, list entry and button text of `dialog`'s visible controls fit, in the dialog's own font
// (a text is never made smaller). The order and proportions of the template stay: a control whose text is too
// wide first grows into free space beside it that no other control uses, inside the group or frame around it
// and the window; a wrapping label grows until its text fits its lines. Where there is no such room, the dialog
// makes it as if a column were added at the control's right edge: what lies right of it moves right, what lies
// across it (the control, its frames) widens, and so does the dialog. Labels are centred on the control they
// caption. An opened list is as wide as its longest
// entry. Edits keep their size: their text scrolls as the user types. A later call starts again from the
// placing the first call found, so it can be called again after captions or lists change.
void FitTexts(QWidget& dialog);

// Every text of `dialog`'s visible controls that does not fit its control: a caption, a button text or any entry
// of a list, measured in the control's own font against the width (and, for a wrapping label, the lines) its
// content has.
[[nodiscard]] std::vector<CutText> FindCutTexts(const QWidget& dialog);

} // namespace tamb
