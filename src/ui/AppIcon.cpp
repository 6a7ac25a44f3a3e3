#include "ui/AppIcon.h"

#include <QString>

namespace tamb {

QIcon ApplicationIcon()
{
    // Every new window hands its icon to the window system as pixels, at each size the icon has, or at sizes up
    // to 128 pixels for a drawing without sizes. The drawing is rendered once, at the sizes window systems use,
    // so that opening a window only copies these few small pictures.
    static const QIcon icon = [] {
        const QIcon drawing(QStringLiteral(":/tamb/tamb-setup.svg"));
        QIcon sized;
        for (const int size : { 16, 24, 32, 48, 64 }) {
            sized.addPixmap(drawing.pixmap(size, size));
        }
        return sized;
    }();
    return icon;
}

} // namespace tamb
