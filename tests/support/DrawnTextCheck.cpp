#include "support/DrawnTextCheck.h"

#include "ui/DialogTemplate.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

namespace tamb::test {
namespace {

// How far a control is made larger on each side that does not move its text; more than any glyph reaches out.
constexpr int kMargin = 24;
// How much a pixel must differ (summed over red, green and blue) between a drawing with the text and one without
// it: a glyph pixel of the whole text must differ clearly (about a fifth of the contrast between a white text and
// the dialog's blue) and is lost when the placed drawing shows no trace of it. The margin between the two keeps
// the shading of buttons and lists, which follows their height, from reading as a lost pixel.
constexpr int kGlyphThreshold = 60;
constexpr int kTraceThreshold = 12;

struct Sides
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a control's text stays put when the control grows: away from the edges it is aligned to.
Sides GrowableSides(Qt::Alignment alignment, bool horizontally)
{
    Sides sides;
    if (horizontally) {
        if ((alignment & Qt::AlignHCenter) != 0) {
            sides.left = sides.right = kMargin;
        } else if ((alignment & Qt::AlignRight) != 0) {
            sides.left = kMargin;
        } else {
            sides.right = kMargin;
        }
    }
    if ((alignment & Qt::AlignVCenter) != 0) {
        sides.top = sides.bottom = kMargin;
    } else if ((alignment & Qt::AlignBottom) != 0) {
        sides.top = kMargin;
    } else {
        sides.bottom = kMargin;
    }
    return sides;
}

bool FitsOneLine(const QFontMetrics& metrics, const QString& text, int width)
{
    return metrics.horizontalAdvance(text) <= width && !text.contains(QLatin1Char('\n'));
}

// The texts a control shows, one at a time: how to show each, and how to show the control without any.
class TextStates
{
public:
    virtual ~TextStates() = default;
    [[nodiscard]] virtual int count() const = 0;
    [[nodiscard]] virtual QString text(int index) const = 0;
    virtual void show(int index) = 0; // -1: no text
    virtual void restore() = 0;
    [[nodiscard]] virtual Sides growable(int index) const = 0;
};

class LabelText : public TextStates
{
public:
    explicit LabelText(QLabel* label)
        : m_label(label)
        , m_text(label->text())
    {
    }
    int count() const override { return 1; }
    QString text(int) const override { return m_text; }
    void show(int index) override { m_label->setText(index < 0 ? QString() : m_text); }
    void restore() override { m_label->setText(m_text); }
    Sides growable(int) const override
    {
        // A wider wrapping label could wrap otherwise, even a text that nearly fills one line.
        return GrowableSides(m_label->alignment(), !m_label->wordWrap());
    }

private:
    QLabel* m_label;
    QString m_text;
};

class ButtonText : public TextStates
{
public:
    explicit ButtonText(QPushButton* button)
        : m_button(button)
        , m_text(button->text())
    {
    }
    int count() const override { return 1; }
    QString text(int) const override { return m_text; }
    void show(int index) override { m_button->setText(index < 0 ? QString() : m_text); }
    void restore() override { m_button->setText(m_text); }
    Sides growable(int) const override
    {
        // A caption that wraps would wrap otherwise in a wider button.
        QStyleOptionButton option;
        option.initFrom(m_button);
        const int margin = m_button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, m_button);
        const bool oneLine = FitsOneLine(m_button->fontMetrics(), m_text, m_button->width() - 2 * margin);
        return GrowableSides(Qt::AlignCenter, oneLine);
    }

private:
    QPushButton* m_button;
    QString m_text;
};

class GroupTitle : public TextStates
{
public:
    explicit GroupTitle(QGroupBox* group)
        : m_group(group)
        , m_title(group->title())
    {
    }
    int count() const override { return 1; }
    QString text(int) const override { return m_title; }
    void show(int index) override { m_group->setTitle(index < 0 ? QString() : m_title); }
    void restore() override { m_group->setTitle(m_title); }
    Sides growable(int) const override { return Sides { 0, 0, kMargin, kMargin }; }

private:
    QGroupBox* m_group;
    QString m_title;
};

class ListEntries : public TextStates
{
public:
    explicit ListEntries(QComboBox* list)
        : m_list(list)
        , m_current(list->currentIndex())
    {
    }
    int count() const override { return m_list->count(); }
    QString text(int index) const override { return m_list->itemText(index); }
    void show(int index) override
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(index);
    }
    void restore() override { show(m_current); }
    Sides growable(int) const override { return GrowableSides(Qt::AlignLeft | Qt::AlignVCenter, true); }

private:
    QComboBox* m_list;
    int m_current;
};

std::unique_ptr<TextStates> StatesOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->pixmap().isNull())
        return std::make_unique<LabelText>(label);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return std::make_unique<ButtonText>(button);
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return std::make_unique<GroupTitle>(group);
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return std::make_unique<ListEntries>(list);
    return nullptr;
}

// The control alone, drawn over the dialog's background colour in the device pixels of its screen.
QImage Drawn(QWidget* widget, const QColor& background)
{
    const qreal ratio = widget->devicePixelRatioF();
    QImage image((QSizeF(widget->size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

int Difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The glyph pixels of a drawing: the points where it differs from the drawing without text.
std::vector<QPoint> GlyphPixels(const QImage& with, const QImage& without, int threshold)
{
    std::vector<QPoint> pixels;
    for (int y = 0; y < with.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(with.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(without.constScanLine(y));
        for (int x = 0; x < with.width(); ++x) {
            if (Difference(a[x], b[x]) >= threshold)
                pixels.emplace_back(x, y);
        }
    }
    return pixels;
}

// One text drawn by its control: the glyph pixels of the larger drawing, in device pixels from the placed
// control's top left corner, and how many of them the placed control does not show.
struct TextDrawing
{
    std::vector<QPoint> whole;
    int lostInPlace = 0;
};

TextDrawing Draw(QWidget* widget, TextStates& states, int index, const QColor& background)
{
    const QRect placed = widget->geometry();
    TextDrawing drawing;
    states.show(index);
    const QImage with = Drawn(widget, background);
    states.show(-1);
    const QImage without = Drawn(widget, background);

    const Sides sides = states.growable(index);
    widget->setGeometry(placed.adjusted(-sides.left, -sides.top, sides.right, sides.bottom));
    states.show(index);
    const QImage largerWith = Drawn(widget, background);
    states.show(-1);
    drawing.whole = GlyphPixels(largerWith, Drawn(widget, background), kGlyphThreshold);
    const qreal ratio = widget->devicePixelRatioF();
    const QPoint shift(qRound(sides.left * ratio), qRound(sides.top * ratio));
    for (QPoint& pixel : drawing.whole)
        pixel -= shift;
    widget->setGeometry(placed);
    const QRect inside(QPoint(0, 0), with.size());
    for (const QPoint& pixel : drawing.whole) {
        const bool traced
            = inside.contains(pixel) && Difference(with.pixel(pixel), without.pixel(pixel)) >= kTraceThreshold;
        drawing.lostInPlace += traced ? 0 : 1;
    }
    return drawing;
}

// Drawings are the same for the same control class, size, font, state and text, which many dialogs share.
QString DrawingKey(const QWidget* widget, const TextStates& states, int index)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return QStringLiteral("%1|%2x%3|%4|%5|%6|%7|%8")
        .arg(QString::fromLatin1(widget->metaObject()->className()))
        .arg(widget->width())
        .arg(widget->height())
        .arg(widget->font().key())
        .arg(widget->isEnabled())
        .arg(label != nullptr ? int(label->alignment()) * 2 + int(label->wordWrap()) : 0)
        .arg(widget->devicePixelRatioF())
        .arg(states.text(index));
}

QHash<QString, TextDrawing>& DrawingCache()
{
    static QHash<QString, TextDrawing> cache;
    return cache;
}

// Frames and labels paint nothing but their lines and texts, so what lies under them shows.
bool IsSeeThrough(const QWidget* widget)
{
    return qobject_cast<const QFrame*>(widget) != nullptr || qobject_cast<const QGroupBox*>(widget) != nullptr;
}

} // namespace

std::vector<CutPixels> FindCutPixels(QWidget& dialog)
{
    // The controls in their stacking order, bottom first.
    std::vector<QWidget*> controls;
    for (QObject* child : dialog.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isWindow() && widget->isVisibleTo(&dialog))
            controls.push_back(widget);
    }
    const QColor background(kDialogBackground.red, kDialogBackground.green, kDialogBackground.blue);
    std::vector<CutPixels> cut;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* widget = controls[i];
        const std::unique_ptr<TextStates> states = StatesOf(widget);
        if (!states)
            continue;
        for (int index = 0; index < states->count(); ++index) {
            if (states->text(index).isEmpty())
                continue;
            const QString key = DrawingKey(widget, *states, index);
            auto found = DrawingCache().constFind(key);
            if (found == DrawingCache().constEnd()) {
                found = DrawingCache().insert(key, Draw(widget, *states, index, background));
                states->restore();
            }
            const TextDrawing& drawing = *found;
            int lost = drawing.lostInPlace;
            // Pixels inside the control that the window's edge or a control above it hides.
            const qreal ratio = widget->devicePixelRatioF();
            const QRectF own = widget->geometry();
            for (const QPoint& device : drawing.whole) {
                const QPointF local = QPointF(device) / ratio;
                if (!QRectF(widget->rect()).contains(local))
                    continue;
                const QPointF point = local + own.topLeft();
                const bool covered = !QRectF(dialog.rect()).contains(point)
                    || std::any_of(controls.begin() + static_cast<std::ptrdiff_t>(i) + 1, controls.end(),
                        [&](const QWidget* above) {
                            return !IsSeeThrough(above) && QRectF(above->geometry()).contains(point);
                        });
                lost += covered ? 1 : 0;
            }
            if (lost > 0) {
                const QString name = widget->objectName().isEmpty()
                    ? QString::fromLatin1(widget->metaObject()->className())
                    : widget->objectName();
                cut.push_back({ name, states->text(index), lost });
            }
        }
    }
    return cut;
}

} // namespace tamb::test
