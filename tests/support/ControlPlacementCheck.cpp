#include "support/ControlPlacementCheck.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace tamb::test {
namespace {

// A group, or a bare frame: it holds other controls. (Labels are frames too, but hold only their text.)
bool IsFrame(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) != nullptr || widget->metaObject() == &QFrame::staticMetaObject;
}

QString NameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Where a control paints in the window: a label only where its alignment puts its text, anything else its
// whole rectangle.
QRect Painted(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label == nullptr || !label->pixmap().isNull())
        return widget->geometry();
    if (label->text().isEmpty())
        return {};
    const QRect contents
        = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QFontMetrics metrics(label->font());
    QRect text = metrics.boundingRect(contents, flags, label->text());
    if (!label->wordWrap() && !label->text().contains(QLatin1Char('\n'))) {
        // One line: from its first glyph's ink to its last, not the advance around them (a ":" set just after
        // an edit touches it only with its blank side bearing).
        const QRect ink = metrics.boundingRect(label->text());
        text = QRect(text.left() + ink.left(), text.top(), ink.width(), text.height());
    }
    return (text & contents).translated(label->pos());
}

// How far `inner` reaches beyond `outer`, on its farthest side.
int Outside(const QRect& inner, const QRect& outer)
{
    return std::max({ outer.left() - inner.left(), inner.right() - outer.right(), outer.top() - inner.top(),
        inner.bottom() - outer.bottom(), 0 });
}

} // namespace

std::vector<MisplacedControl> FindMisplacedControls(const QWidget& dialog)
{
    std::vector<const QWidget*> controls;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(&dialog) && !child->isWindow() && !child->geometry().isEmpty())
            controls.push_back(child);
    }
    std::vector<MisplacedControl> misplaced;
    for (const QWidget* control : controls) {
        const QRect own = Painted(control);
        if (own.isEmpty())
            continue;
        const QWidget* frame = nullptr;
        QRect frameRect = dialog.rect();
        for (const QWidget* other : controls) {
            const QRect theirs = other->geometry();
            if (!IsFrame(control) && IsFrame(other) && theirs.contains(own.topLeft())
                && theirs.width() * theirs.height() <= frameRect.width() * frameRect.height()) {
                frame = other;
                frameRect = theirs;
            }
        }
        // Inside a frame's line, not on it.
        const QRect inside = frame != nullptr ? frameRect.adjusted(1, 1, -1, -1) : frameRect;
        if (const int out = Outside(own, inside); out > 0)
            misplaced.push_back({ NameOf(control), frame != nullptr ? NameOf(frame) : QStringLiteral("the window"),
                QStringLiteral("sticks out of"), out, own, frameRect });
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (IsFrame(controls[i]))
            continue;
        const QRect first = Painted(controls[i]);
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (IsFrame(controls[j]))
                continue;
            const QRect second = Painted(controls[j]);
            const QRect both = first & second;
            if (!both.isEmpty())
                misplaced.push_back({ NameOf(controls[i]), NameOf(controls[j]), QStringLiteral("overlaps"),
                    both.width() * both.height(), first, second });
        }
    }
    return misplaced;
}

} // namespace tamb::test
