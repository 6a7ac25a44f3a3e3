#include "ui/DialogFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace tamb {

namespace {

bool IsCjkFamily(const QString& family)
{
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return std::ranges::any_of(std::array { QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese,
                                   QFontDatabase::Japanese, QFontDatabase::Korean },
        [&](QFontDatabase::WritingSystem system) { return systems.contains(system); });
}

// The user-interface fonts of the common desktops that are made for Latin text, in order of preference.
QString LatinFamily()
{
    static const QString family = [] {
        for (const char* candidate :
            { "DejaVu Sans", "Segoe UI", "Noto Sans", "Liberation Sans", "Cantarell", "Arial", "Helvetica" }) {
            const QString name = QString::fromLatin1(candidate);
            if (QFontDatabase::hasFamily(name) && !IsCjkFamily(name))
                return name;
        }
        return QString();
    }();
    return family;
}

} // namespace

QFont DialogFont(int pointSize)
{
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    const QString system = QFontInfo(font).family();
    const QString latin = LatinFamily();
    if (!latin.isEmpty() && IsCjkFamily(system))
        font.setFamilies({ latin, system });
    return font;
}

void KeepOnAvailableScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    QPoint position = frame.topLeft();
    position.setX(std::max(available.left(), std::min(position.x(), available.right() + 1 - frame.width())));
    position.setY(std::max(available.top(), std::min(position.y(), available.bottom() + 1 - frame.height())));
    if (position != frame.topLeft())
        window.move(position);
}

} // namespace tamb
