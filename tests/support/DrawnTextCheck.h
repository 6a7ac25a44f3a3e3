#pragma once

// The layout check by pixels: every text of a dialog is drawn as the dialog paints it and drawn again where
// nothing can cut it, and the two are compared.

#include <QString>
#include <vector>

class QWidget;

namespace tamb::test {

struct CutPixels
{
    QString control; // the control's objectName (its template identifier) or its class
    QString text;
    int pixels = 0; // pixels of the text's glyphs that the dialog does not show
};

// Every caption, button text, group title and list entry of `dialog`'s visible controls that loses at least one
// pixel of its glyphs: each text is drawn by its own control as placed, and by the same control made larger on
// the sides where a larger control does not move the text; the glyph pixels the larger drawing has that the
// placed one does not show are lost, and so are those that fall outside the window or under a control stacked
// above (frames and labels excepted: they paint only their lines and texts). A glyph pixel is one that differs
// between the control drawn with its text and without it. A wrapping label is not made wider (that could wrap
// it otherwise); a word too long for its line is found by the measured check (FindCutTexts) instead.
[[nodiscard]] std::vector<CutPixels> FindCutPixels(QWidget& dialog);

} // namespace tamb::test
