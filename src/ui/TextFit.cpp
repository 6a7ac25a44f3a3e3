#include "ui/TextFit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <optional>

namespace tamb {
namespace {

// Room left between a grown control and the group around it or the window's edge; between two texts a space of
// the dialog's font is kept as well, so that neighbouring captions never read as one word.
constexpr int kGap = 2;
const char* const kPlacedGeometry = "tambPlacedGeometry";
const char* const kPlacedWidth = "tambPlacedWidth";

QString Displayed(const QString& caption)
{
    // "&" marks the mnemonic and is not drawn; "&&" draws one "&".
    QString shown = caption;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return shown;
}

bool IsContainer(const QWidget* widget)
{
    if (qobject_cast<const QGroupBox*>(widget) != nullptr)
        return true;
    // Labels are frames too, but hold text rather than other controls.
    return qobject_cast<const QFrame*>(widget) != nullptr && qobject_cast<const QLabel*>(widget) == nullptr;
}

// Whether `frame` is the group or frame around `widget`: it holds the control's top left corner (a control that
// starts in a frame belongs to it even where it reaches a pixel beyond), or, for a frame, all of it.
bool Surrounds(const QWidget* frame, const QRect& frameRect, const QWidget* widget)
{
    if (!IsContainer(frame))
        return false;
    const QRect own = widget->geometry();
    return IsContainer(widget) ? frameRect.contains(own) : frameRect.contains(own.topLeft());
}

// The width a one-line text needs: its advance, and more where a glyph reaches beyond it (an "f" at the end,
// an accent leaning out).
int TextWidth(const QFontMetrics& metrics, const QString& text)
{
    const QRect ink = metrics.boundingRect(text);
    return std::max(metrics.horizontalAdvance(text), ink.right() + 1) + std::max(0, -ink.left());
}

// Whether a wrapping label shows all of `text` within `width` and `height` in `metrics`.
bool WrapsWithin(const QFontMetrics& metrics, const QString& text, int width, int height)
{
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, width, std::numeric_limits<int>::max() / 2), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return needed.width() <= width && needed.height() <= height;
}

// The widest text a control shows and the width its content has for it; for wrapping texts the width at which
// all of it fits the lines the control has.
struct Measure
{
    QString text;
    int needed = 0;
    int available = 0;
};

std::optional<Measure> LabelMeasure(const QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull())
        return std::nullopt;
    const QFontMetrics metrics(label->font());
    const QRect content = label->contentsRect();
    const int height = std::max(content.height(), metrics.height());
    if (!label->wordWrap())
        return Measure { text, TextWidth(metrics, text), content.width() };
    if (WrapsWithin(metrics, text, content.width(), height)) {
        const QRect used = metrics.boundingRect(QRect(0, 0, content.width(), height), Qt::TextWordWrap, text);
        return Measure { text, used.width(), content.width() };
    }
    // The narrowest width at which the wrapped text fits the label's lines; one line at most needs the advance.
    int low = content.width();
    int high = std::max(low, metrics.horizontalAdvance(text) + 1);
    while (low < high) {
        const int middle = (low + high) / 2;
        if (WrapsWithin(metrics, text, middle, height))
            high = middle;
        else
            low = middle + 1;
    }
    return Measure { text, low, content.width() };
}

std::optional<Measure> ButtonMeasure(const QPushButton* button)
{
    const QString text = Displayed(button->text());
    if (text.isEmpty())
        return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    const int available = button->width() - 2 * margin;
    const QFontMetrics metrics(button->font());
    // A caption that may wrap needs only its longest word on a line, and its lines in the height.
    if (WrapsWithin(metrics, text, std::max(available, 1), button->height() - margin)
        && metrics.horizontalAdvance(text) > available) {
        return Measure { text, available, available };
    }
    return Measure { text, TextWidth(metrics, text), available };
}

std::optional<Measure> ListMeasure(const QComboBox* list)
{
    if (list->count() == 0)
        return std::nullopt;
    const QFontMetrics metrics(list->font());
    Measure widest;
    for (int i = 0; i < list->count(); ++i) {
        const QString item = list->itemText(i);
        const int advance = TextWidth(metrics, item);
        if (advance > widest.needed || widest.text.isEmpty()) {
            widest.text = item;
            widest.needed = advance;
        }
    }
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    // The style draws the current text a pixel inside its field on either side, and at a fractional scale the
    // field's edges fall between device pixels: one more pixel keeps the last glyph whole.
    widest.available
        = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 3;
    return widest;
}

std::optional<Measure> GroupMeasure(const QGroupBox* group)
{
    const QString title = Displayed(group->title());
    if (title.isEmpty())
        return std::nullopt;
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = title;
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const QFontMetrics metrics(group->font());
    return Measure { title, TextWidth(metrics, title), group->width() - 2 * std::max(label.left(), kGap) };
}

std::optional<Measure> MeasureOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return LabelMeasure(label);
    if (const auto* button = qobject_cast<const QPushButton*>(widget))
        return ButtonMeasure(button);
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return ListMeasure(list);
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return GroupMeasure(group);
    return std::nullopt;
}

int Overflow(const QWidget* widget)
{
    const std::optional<Measure> measure = MeasureOf(widget);
    return measure ? measure->needed - measure->available : 0;
}

std::vector<QWidget*> VisibleControls(const QWidget& dialog)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(&dialog) && !child->isWindow())
            controls.push_back(child);
    }
    return controls;
}

// The space `widget` may grow into: up to the next control on either side that shares its rows, inside the
// smallest group or frame around it, inside the window.
struct Room
{
    int left = 0;
    int right = 0;
};

// The part of a control that it uses: for a label the width its text takes, where its alignment puts it; the
// whole control otherwise.
QRect UsedPart(const QWidget* widget)
{
    const QRect whole = widget->geometry();
    const auto* label = qobject_cast<const QLabel*>(widget);
    const std::optional<Measure> measure = label != nullptr ? LabelMeasure(label) : std::nullopt;
    if (!measure)
        return whole;
    const int used = std::min(whole.width(), measure->needed + 2 * label->margin() + 2 * label->frameWidth());
    const int left = (label->alignment() & Qt::AlignHCenter) != 0 ? whole.left() + (whole.width() - used) / 2
        : (label->alignment() & Qt::AlignRight) != 0              ? whole.right() + 1 - used
                                                                  : whole.left();
    return QRect(left, whole.top(), used, whole.height());
}

Room FreeRoom(const QWidget& dialog, const QWidget* widget, const std::vector<QWidget*>& controls)
{
    const QRect own = widget->geometry();
    Room room { kGap, dialog.width() - kGap };
    for (const QWidget* other : controls) {
        if (other == widget)
            continue;
        const QRect theirs = UsedPart(other);
        if (Surrounds(other, theirs, widget)) {
            room.left = std::max(room.left, theirs.left() + kGap);
            room.right = std::min(room.right, theirs.right() - kGap);
            continue;
        }
        if (theirs.bottom() < own.top() || theirs.top() > own.bottom())
            continue;
        const int gap = kGap + QFontMetrics(dialog.font()).horizontalAdvance(QLatin1Char(' '));
        if (theirs.left() > own.left())
            room.right = std::min(room.right, theirs.left() - gap);
        if (theirs.right() < own.right())
            room.left = std::max(room.left, theirs.right() + gap);
    }
    return room;
}

bool IsCentred(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return (label->alignment() & Qt::AlignHCenter) != 0;
    return qobject_cast<const QPushButton*>(widget) != nullptr;
}

// Grows `widget` by up to `missing` pixels into its free room: to the right and, where that is not enough, to
// the left; on both sides alike for centred texts, so that they stay where they were.
void Grow(const QWidget& dialog, QWidget* widget, int missing, const std::vector<QWidget*>& controls)
{
    const Room room = FreeRoom(dialog, widget, controls);
    QRect rect = widget->geometry();
    const int spaceRight = std::max(0, room.right - rect.right());
    const int spaceLeft = std::max(0, rect.left() - room.left);
    if (!IsCentred(widget)) {
        const int right = std::min(missing, spaceRight);
        rect.adjust(-std::min(missing - right, spaceLeft), 0, right, 0);
    } else {
        int left = std::min((missing + 1) / 2, spaceLeft);
        const int right = std::min(missing - left, spaceRight);
        left = std::min(missing - right, spaceLeft);
        rect.adjust(-left, 0, right, 0);
    }
    widget->setGeometry(rect);
}

// The rows a wrapping label may take: from the nearest control above it to the nearest below it that share its
// columns, inside the group or frame around it.
std::pair<int, int> FreeRows(const QWidget& dialog, const QWidget* widget, const std::vector<QWidget*>& controls)
{
    const QRect own = widget->geometry();
    int top = kGap;
    int bottom = dialog.height() - kGap;
    for (const QWidget* other : controls) {
        if (other == widget)
            continue;
        const QRect theirs = UsedPart(other);
        if (Surrounds(other, theirs, widget)) {
            top = std::max(top, theirs.top() + kGap);
            bottom = std::min(bottom, theirs.bottom() - kGap);
            continue;
        }
        if (theirs.right() < own.left() || theirs.left() > own.right())
            continue;
        if (theirs.top() >= own.bottom())
            bottom = std::min(bottom, theirs.top() - kGap);
        else if (theirs.bottom() <= own.top())
            top = std::max(top, theirs.bottom() + kGap);
    }
    return { top, bottom };
}

// Gives a wrapping label that is still too narrow the lines it needs at its width, taken alike above and below it
// from free rows, so that its text stays centred on the row it captions.
void GrowDown(const QWidget& dialog, QLabel* label, const std::vector<QWidget*>& controls)
{
    const QFontMetrics metrics(label->font());
    const QRect content = label->contentsRect();
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, content.width(), std::numeric_limits<int>::max() / 2), Qt::TextWordWrap, label->text());
    const int missing = needed.height() - content.height();
    if (needed.width() > content.width() || missing <= 0)
        return;
    const auto [top, bottom] = FreeRows(dialog, label, controls);
    QRect rect = label->geometry();
    if (rect.top() - top + bottom - rect.bottom() < missing)
        return;
    int above = std::min((missing + 1) / 2, rect.top() - top);
    const int below = std::min(missing - above, bottom - rect.bottom());
    above = missing - below;
    rect.adjust(0, -above, 0, below);
    label->setGeometry(rect);
}

void WidenOpenList(QComboBox* list)
{
    const std::optional<Measure> measure = ListMeasure(list);
    if (!measure)
        return;
    QAbstractItemView* view = list->view();
    const int frame = 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view->setMinimumWidth(measure->needed + frame + 4 * kGap);
}

// Every control's rectangle and the dialog's width as they were before the first fitting, so that a later
// fitting (new captions, refilled lists) starts again from the template's placing.
void RememberPlacing(QWidget& dialog, const std::vector<QWidget*>& children)
{
    if (!dialog.property(kPlacedWidth).isValid())
        dialog.setProperty(kPlacedWidth, dialog.width());
    for (QWidget* child : children) {
        if (!child->property(kPlacedGeometry).isValid())
            child->setProperty(kPlacedGeometry, child->geometry());
    }
}

void SetDialogWidth(QWidget& dialog, int width)
{
    if (dialog.minimumWidth() == dialog.maximumWidth())
        dialog.setFixedWidth(width);
    else
        dialog.resize(width, dialog.height());
}

// Places every control and sizes the dialog as remembered.
void PlaceAsRemembered(QWidget& dialog, const std::vector<QWidget*>& children)
{
    SetDialogWidth(dialog, dialog.property(kPlacedWidth).toInt());
    for (QWidget* child : children)
        child->setGeometry(child->property(kPlacedGeometry).toRect());
}

// Makes `missing` pixels of room at the right edge of `widget`, as if a column were added to the dialog there:
// every control right of that edge (or starting beside the widget and overlapping it) moves right, every control across
// it (the widget itself, the frames around it, a long edit of another row) widens, and so does the dialog. Hidden
// controls move alike, so they are in place when they show.
void InsertColumn(QWidget& dialog, const std::vector<QWidget*>& children, const QWidget* widget, int missing)
{
    const int left = widget->geometry().left();
    const int edge = widget->geometry().right();
    for (QWidget* child : children) {
        QRect rect = child->geometry();
        // What starts beside the widget moves with the column, even where the template lets it overlap the widget.
        if (child != widget && (rect.left() > edge || (rect.left() > left && !IsContainer(child))))
            rect.translate(missing, 0);
        else if (rect.right() >= edge)
            rect.setRight(rect.right() + missing);
        else
            continue;
        child->setGeometry(rect);
    }
    SetDialogWidth(dialog, dialog.width() + missing);
}

// The height the text of `label` takes at its width, in its font and the fonts that stand in for characters it
// lacks, with room above and below for glyphs that reach beyond the line (accents on capitals).
int TextHeight(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const int width = std::max(1, label->contentsRect().width());
    const QRect needed
        = metrics.boundingRect(QRect(0, 0, width, std::numeric_limits<int>::max() / 2), flags, label->text());
    return needed.height() + 2 * kGap + 2 * label->margin() + 2 * label->frameWidth();
}

// The control a label captions: the nearest one beside it (not above or below) that shares its rows, if any.
const QWidget* RowPartner(const QLabel* label, const std::vector<QWidget*>& controls)
{
    const QRect own = label->geometry();
    const QWidget* partner = nullptr;
    int nearest = std::numeric_limits<int>::max();
    for (const QWidget* other : controls) {
        if (other == label || IsContainer(other) || qobject_cast<const QLabel*>(other) != nullptr)
            continue;
        const QRect theirs = other->geometry();
        if (theirs.bottom() < own.top() || theirs.top() > own.bottom())
            continue;
        const int gap = theirs.left() > own.right() ? theirs.left() - own.right()
            : own.left() > theirs.right()           ? own.left() - theirs.right()
                                                    : -1;
        if (gap >= 0 && gap < nearest) {
            nearest = gap;
            partner = other;
        }
    }
    return partner;
}

using RowPartners = std::vector<std::pair<QLabel*, const QWidget*>>;

// Every label with its row partner, found where the template places them (a label made higher later must not
// take a control of the next row for its own).
RowPartners FindRowPartners(QWidget& dialog)
{
    const std::vector<QWidget*> controls = VisibleControls(dialog);
    RowPartners partners;
    for (QWidget* widget : controls) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (label != nullptr && !label->text().isEmpty() && label->pixmap().isNull())
            partners.emplace_back(label, RowPartner(label, controls));
    }
    return partners;
}

// Centres every label's text on the control it captions (or on its own place when it captions none), in a
// label as high as its lines need.
void CentreLabelsOnTheirRows(const RowPartners& partners)
{
    for (const auto& [label, partner] : partners) {
        const QRect rect = label->geometry();
        const int needed = TextHeight(label);
        const int height = partner != nullptr ? needed : std::max(needed, rect.height());
        const int centre2
            = partner != nullptr ? partner->geometry().top() * 2 + partner->height() : rect.top() * 2 + rect.height();
        label->setGeometry(rect.left(), (centre2 - height) / 2, rect.width(), height);
    }
}

// Where two captions stacked in one column need more height than their rows leave (two wrapped lines each on
// rows the template set close), their texts move apart by the pixel or two they would share, and each box keeps
// only the room above and below its lines that is free, so that neither paints over the other.
void KeepStackedLabelsApart(const RowPartners& partners)
{
    for (const auto& upperEntry : partners) {
        for (const auto& lowerEntry : partners) {
            QLabel* upper = upperEntry.first;
            QLabel* lower = lowerEntry.first;
            const QRect above = upper->geometry();
            const QRect below = lower->geometry();
            if (upper == lower || above.top() >= below.top() || above.bottom() < below.top()
                || above.left() > below.right() || below.left() > above.right())
                continue;
            const int upperLines = TextHeight(upper) - 2 * kGap;
            const int lowerLines = TextHeight(lower) - 2 * kGap;
            int upperTop = above.top() + (above.height() - upperLines) / 2;
            int lowerTop = below.top() + (below.height() - lowerLines) / 2;
            const int shared = upperTop + upperLines - lowerTop;
            if (shared > kGap)
                continue;
            if (shared > 0) {
                upperTop -= (shared + 1) / 2;
                lowerTop += shared / 2;
            }
            const int free = lowerTop - (upperTop + upperLines);
            const int upperRoom = std::min(kGap, free / 2);
            const int lowerRoom = std::min(kGap, free - upperRoom);
            upper->setGeometry(above.left(), upperTop - upperRoom, above.width(), upperLines + 2 * upperRoom);
            lower->setGeometry(below.left(), lowerTop - lowerRoom, below.width(), lowerLines + 2 * lowerRoom);
        }
    }
}

// A label that the template lets run under the control beside it ends before that control, so that its text
// is measured against the part of it that shows.
void EndBeforeNeighbour(const QWidget& dialog, QLabel* label, const std::vector<QWidget*>& controls)
{
    const Room room = FreeRoom(dialog, label, controls);
    QRect rect = label->geometry();
    if (rect.right() > room.right && room.right > rect.left()) {
        rect.setRight(room.right);
        label->setGeometry(rect);
    }
}

// Lets every control whose text is too wide grow into free room, left to right, and makes room beside those for
// which there is none.
void GrowIntoFreeRoom(QWidget& dialog, const std::vector<QWidget*>& children)
{
    std::vector<QWidget*> controls = VisibleControls(dialog);
    // Left to right, so that a control grows into room that the one before it left.
    std::ranges::sort(controls, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    for (QWidget* widget : controls) {
        if (auto* list = qobject_cast<QComboBox*>(widget))
            WidenOpenList(list);
        if (auto* label = qobject_cast<QLabel*>(widget))
            EndBeforeNeighbour(dialog, label, controls);
        int missing = Overflow(widget);
        if (missing <= 0)
            continue;
        Grow(dialog, widget, missing, controls);
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->wordWrap() && Overflow(label) > 0)
            GrowDown(dialog, label, controls);
        missing = Overflow(widget);
        if (missing > 0)
            InsertColumn(dialog, children, widget, missing);
    }
}

// The innermost group or frame that holds `point`, if any.
QWidget* InnermostFrameAt(const std::vector<QWidget*>& controls, const QPoint& point)
{
    QWidget* innermost = nullptr;
    for (QWidget* frame : controls) {
        const QRect rect = frame->geometry();
        if (IsContainer(frame) && rect.contains(point)
            && (innermost == nullptr || rect.width() * rect.height() < innermost->width() * innermost->height()))
            innermost = frame;
    }
    return innermost;
}

// Every group or frame grows to hold, with a gap inside its line, the controls that start inside it: a list is
// as high as its font needs, which the template's rows do not always leave, and a grown control may reach
// beyond. A label centred on its row whose lines would cross the line of the frame around it moves inside,
// and the frame grows where it is not high enough for them.
void HoldInFrames(const QWidget& dialog)
{
    const std::vector<QWidget*> controls = VisibleControls(dialog);
    for (QWidget* frame : controls) {
        if (!IsContainer(frame))
            continue;
        QRect held = frame->geometry();
        for (const QWidget* control : controls) {
            if (control == frame || IsContainer(control) || qobject_cast<const QLabel*>(control) != nullptr
                || !Surrounds(frame, frame->geometry(), control))
                continue;
            const QRect own = control->geometry();
            held.setRight(std::max(held.right(), own.right() + kGap));
            held.setBottom(std::max(held.bottom(), own.bottom() + kGap));
        }
        frame->setGeometry(held);
    }
    for (QWidget* control : controls) {
        auto* label = qobject_cast<QLabel*>(control);
        if (label == nullptr || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        QRect rect = label->geometry();
        QWidget* frame = InnermostFrameAt(controls, rect.center());
        if (frame == nullptr)
            continue;
        // The label's box keeps a gap above and below its lines, so its box may reach the frame's line.
        const QRect frameRect = frame->geometry();
        if (rect.bottom() > frameRect.bottom())
            rect.moveBottom(frameRect.bottom());
        if (rect.top() < frameRect.top())
            rect.moveTop(frameRect.top());
        label->setGeometry(rect);
        if (rect.bottom() > frameRect.bottom())
            frame->setGeometry(frameRect.adjusted(0, 0, 0, rect.bottom() - frameRect.bottom()));
    }
}

} // namespace

void FitTexts(QWidget& dialog)
{
    std::vector<QWidget*> children;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            children.push_back(child);
    }
    RememberPlacing(dialog, children);
    PlaceAsRemembered(dialog, children);
    const RowPartners partners = FindRowPartners(dialog);
    CentreLabelsOnTheirRows(partners);
    GrowIntoFreeRoom(dialog, children);
    // Growing may have changed the lines of wrapping labels.
    CentreLabelsOnTheirRows(partners);
    KeepStackedLabelsApart(partners);
    HoldInFrames(dialog);
}

std::vector<CutText> FindCutTexts(const QWidget& dialog)
{
    std::vector<CutText> cut;
    for (const QWidget* widget : VisibleControls(dialog)) {
        const std::optional<Measure> measure = MeasureOf(widget);
        if (measure && measure->needed > measure->available) {
            const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                                : widget->objectName();
            cut.push_back({ name, measure->text, measure->needed - measure->available });
        }
    }
    return cut;
}

} // namespace tamb
