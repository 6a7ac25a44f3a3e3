#include "ui/Dialog.h"

#include "ui/AppIcon.h"
#include "ui/DialogFont.h"
#include "ui/UiServices.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QValidator>
#include <algorithm>

namespace tamb {

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(const Rgb& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// A drop-down list that also tells when its opened list was closed without a choice.
class DropDownListWidget : public QComboBox
{
public:
    DropDownListWidget(QWidget* parent, std::function<void()> closedWithoutChoice)
        : QComboBox(parent)
        , m_closedWithoutChoice(std::move(closedWithoutChoice))
    {
        connect(this, &QComboBox::activated, this, [this] { m_chosen = true; });
    }

    void showPopup() override
    {
        m_chosen = false;
        m_open = true;
        QComboBox::showPopup();
    }

    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (!m_open) {
            return;
        }
        m_open = false;
        // A choice is announced only after the list has closed, so look once the current event is done.
        QTimer::singleShot(0, this, [this] {
            if (!m_chosen) {
                m_closedWithoutChoice();
            }
        });
    }

private:
    std::function<void()> m_closedWithoutChoice;
    bool m_chosen = false;
    bool m_open = false;
};

// A push button whose caption wraps onto several lines.
class MultiLineButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 1;
        style()->drawItemText(&painter, rect().adjusted(margin, margin, -margin, -margin),
            Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(), QPalette::ButtonText);
    }
};

// Switches an edit between editable and read-only; a read-only edit shows the system's face colour instead of
// its field colour, as the platform's read-only edits do, so that the user sees which fields take input.
void SetEditReadOnly(QLineEdit* edit, bool readOnly)
{
    edit->setReadOnly(readOnly);
    const QPalette& system = QApplication::palette();
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, system.color(readOnly ? QPalette::Button : QPalette::Base));
    edit->setPalette(colours);
}

} // namespace

// What the user may type into an edit: digits only when asked, and no more than the typing limit. Only typing
// is checked (Qt validates user input, never setText), and an edit whose text is already over the limit may
// still be shortened. Typing or pasting beyond the limit keeps what fits, as an edit with a maximum length does,
// and the edit reports the rest as rejected input (inputRejected), as Qt does for a refused character.
class EditInputRules : public QValidator
{
public:
    EditInputRules(QLineEdit* edit, bool digitsOnly, int typingLimit)
        : QValidator(edit)
        , m_edit(edit)
        , m_digitsOnly(digitsOnly)
        , m_typingLimit(typingLimit)
    {
        // While a change is validated the edit already holds the new text, so remember the length before it.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_acceptedLength = text.size(); });
    }

    void setTypingLimit(int limit) { m_typingLimit = limit; }

    // Text set by code passes unchecked; otherwise Qt would remember it as invalid and stop reverting typing.
    void setTextByCode(QLineEdit* edit, const QString& text)
    {
        m_byCode = true;
        edit->setText(text);
        m_byCode = false;
    }

    State validate(QString& input, int& position) const override
    {
        if (m_byCode) {
            return Acceptable;
        }
        if (m_digitsOnly && std::any_of(input.cbegin(), input.cend(), [](QChar c) { return !c.isDigit(); })) {
            return Invalid;
        }
        const qsizetype allowed = std::max<qsizetype>(m_typingLimit, m_acceptedLength);
        if (m_typingLimit > 0 && input.size() > allowed) {
            // The new characters end at the cursor, and there are at least as many of them as are too many.
            qsizetype cut = input.size() - allowed;
            qsizetype from = std::max<qsizetype>(position - cut, 0);
            if (from > 0 && input.at(from).isLowSurrogate()) {
                --from; // never keep half of a character
                ++cut;
            }
            input.remove(from, cut);
            position = static_cast<int>(from);
            emit m_edit->inputRejected();
        }
        return Acceptable;
    }

private:
    QLineEdit* m_edit;
    bool m_digitsOnly;
    int m_typingLimit;
    qsizetype m_acceptedLength = 0;
    bool m_byCode = false;
};

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QString::number(dialogTemplate.id));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setWindowTitle(FromUtf8(dialogTemplate.caption));
    setWindowIcon(ApplicationIcon());

    const QFont dialogFont = DialogFont(dialogTemplate.fontPointSize);
    setFont(dialogFont);
    const QFontMetrics metrics(dialogFont);
    m_baseUnits = BaseUnitsFromFont(
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        metrics.height());
    setFixedSize(
        HorizontalPixels(dialogTemplate.width, m_baseUnits), VerticalPixels(dialogTemplate.height, m_baseUnits));

    // paintEvent covers the whole window, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    for (const ControlTemplate& control : dialogTemplate.controls) {
        createControl(control);
    }
}

Dialog::~Dialog() = default;

void Dialog::createControl(const ControlTemplate& control)
{
    QWidget* widget = nullptr;
    const bool centred = HasStyle(control.styles, ControlStyle::Centred);
    switch (control.kind) {
    case ControlKind::StaticText: {
        auto* label = new QLabel(FromUtf8(control.caption), this);
        label->setWordWrap(true);
        label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        widget = label;
        break;
    }
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(FromUtf8(control.caption), this);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = group;
        break;
    }
    case ControlKind::SunkenFrame: {
        auto* frame = new QFrame(this);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = frame;
        break;
    }
    case ControlKind::PushButton: {
        QPushButton* button = HasStyle(control.styles, ControlStyle::MultiLine)
            ? new MultiLineButton(FromUtf8(control.caption), this)
            : new QPushButton(FromUtf8(control.caption), this);
        // Enter is handled by the dialog itself, so Qt must not move the default to the focused button.
        button->setAutoDefault(false);
        if (HasStyle(control.styles, ControlStyle::DefaultButton)) {
            button->setDefault(true);
            m_defaultButtonId = control.id;
        }
        const int id = control.id;
        connect(button, &QPushButton::clicked, this, [this, id] {
            if (id == kOkId) {
                okPressed();
            } else if (id == kCancelId) {
                cancelPressed();
            } else {
                notify(id, Notification::Clicked);
            }
        });
        widget = button;
        break;
    }
    case ControlKind::DropDownList: {
        const int id = control.id;
        auto* list = new DropDownListWidget(this, [this, id] { notify(id, Notification::ListClosedWithoutChoice); });
        connect(list, &QComboBox::activated, this, [this, id] { notify(id, Notification::SelectionChanged); });
        widget = list;
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(FromUtf8(control.caption), this);
        auto* rules = new EditInputRules(edit, HasStyle(control.styles, ControlStyle::DigitsOnly), control.typingLimit);
        edit->setValidator(rules);
        m_editRules[control.id] = rules;
        if (centred) {
            edit->setAlignment(Qt::AlignCenter);
        }
        SetEditReadOnly(edit, HasStyle(control.styles, ControlStyle::ReadOnly));
        if (HasStyle(control.styles, ControlStyle::Masked)) {
            edit->setEchoMode(QLineEdit::Password);
        }
        const int id = control.id;
        connect(edit, &QLineEdit::textEdited, this, [this, id] { notify(id, Notification::TextChanged); });
        connect(edit, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
        widget = edit;
        break;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setPixmap(ApplicationIcon().pixmap(32, 32));
        widget = icon;
        break;
    }
    }

    const PixelRect pixels = ToPixels(control.rect, m_baseUnits);
    // A list's template height is the height of the opened list; closed it is as high as its font needs.
    const int height = control.kind == ControlKind::DropDownList ? widget->sizeHint().height() : pixels.height;
    widget->setGeometry(pixels.x, pixels.y, pixels.width, height);

    if (control.kind == ControlKind::StaticText || control.kind == ControlKind::GroupBox) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::WindowText, ToQColor(kStaticText));
        widget->setPalette(colours);
    }
    if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::SunkenFrame) {
        // Frames surround other controls; they stay behind them and let the mouse through.
        widget->lower();
    }
    if (control.id != kNoId) {
        widget->setObjectName(QString::number(control.id));
        Q_ASSERT_X(!m_controls.contains(control.id), "Dialog", "duplicate control identifier in a template");
        m_controls[control.id] = widget;
    }
}

DialogResult Dialog::run()
{
    if (!m_initialised) {
        m_initialised = true;
        initialise();
    }
    return exec() == static_cast<int>(DialogResult::Ok) ? DialogResult::Ok : DialogResult::Cancel;
}

void Dialog::endRun(DialogResult result)
{
    done(static_cast<int>(result));
}

void Dialog::okPressed()
{
    endRun(DialogResult::Ok);
}

void Dialog::cancelPressed()
{
    endRun(DialogResult::Cancel);
}

void Dialog::accept()
{
    okPressed();
}

void Dialog::reject()
{
    cancelPressed();
}

void Dialog::paintEvent(QPaintEvent* event)
{
    // The background is painted here rather than given to the dialog as a palette: a dialog palette would pass
    // to every control as a palette of its own, and the style caches its drawings of lists and buttons under
    // the palette's identity, so each dialog opened would add drawings to the process-wide cache that are never
    // used again.
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(kDialogBackground));
}

void Dialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    KeepOnAvailableScreen(*this);
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        cancelPressed();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && m_firstSystemCommand) {
        notify(*m_firstSystemCommand, Notification::SystemMenuCommand);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // As the platform does: a focused push button takes Enter, then the default button, then OK.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused != nullptr && focused->isEnabled()) {
            focused->click();
        } else if (m_defaultButtonId) {
            QAbstractButton* defaultButton = button(*m_defaultButtonId);
            if (defaultButton->isVisible() && defaultButton->isEnabled()) {
                defaultButton->click();
            }
        } else {
            okPressed();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::on(int controlId, Notification notification, Handler handler)
{
    m_handlers[{ controlId, notification }] = std::move(handler);
}

void Dialog::notify(int controlId, Notification notification)
{
    const auto found = m_handlers.find({ controlId, notification });
    if (found != m_handlers.end()) {
        // A copy, so that a handler may replace itself while it runs.
        const Handler handler = found->second;
        handler();
    }
}

void Dialog::addSystemMenuCommand(int commandId, std::string_view label)
{
    // Qt offers no way into the window manager's menu of a dialog, so the command is in the window's own context
    // menu (a right click on the window), where a desktop user looks for it, and on F1 (keyPressEvent) for the
    // first command; the label also describes it to assistive tools.
    addMenuAction(commandId, label);
    if (!m_firstSystemCommand) {
        m_firstSystemCommand = commandId;
        m_systemCommands[commandId]->setShortcut(QKeySequence(Qt::Key_F1));
        // F1 itself is handled by the window, so that it also works where the shortcut is not delivered.
        m_systemCommands[commandId]->setShortcutContext(Qt::WidgetShortcut);
        setAccessibleDescription(FromUtf8(label) + QStringLiteral(" (F1)"));
    }
}

void Dialog::addContextMenuCommand(int commandId, std::string_view label)
{
    addMenuAction(commandId, label);
}

void Dialog::addMenuAction(int commandId, std::string_view label)
{
    auto* action = new QAction(FromUtf8(label), this);
    connect(
        action, &QAction::triggered, this, [this, commandId] { notify(commandId, Notification::SystemMenuCommand); });
    addAction(action);
    m_systemCommands[commandId] = action;
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void Dialog::setSystemMenuCommandLabel(int commandId, std::string_view label)
{
    const auto found = m_systemCommands.find(commandId);
    Q_ASSERT_X(found != m_systemCommands.end(), "Dialog", "no window menu command with this identifier");
    if (found == m_systemCommands.end())
        return;
    found->second->setText(FromUtf8(label));
    if (m_firstSystemCommand == commandId)
        setAccessibleDescription(FromUtf8(label) + QStringLiteral(" (F1)"));
}

void Dialog::setTitle(std::string_view title)
{
    setWindowTitle(FromUtf8(title));
}

QWidget* Dialog::control(int controlId) const
{
    const auto found = m_controls.find(controlId);
    return found == m_controls.end() ? nullptr : found->second;
}

QWidget* Dialog::requireControl(int controlId) const
{
    QWidget* widget = control(controlId);
    Q_ASSERT_X(widget != nullptr, "Dialog", "no control with this identifier");
    return widget;
}

void Dialog::showControl(int controlId, bool shown)
{
    if (QWidget* widget = requireControl(controlId)) {
        widget->setVisible(shown);
    }
}

void Dialog::enableControl(int controlId, bool enabled)
{
    if (QWidget* widget = requireControl(controlId)) {
        widget->setEnabled(enabled);
    }
}

bool Dialog::isControlEnabled(int controlId) const
{
    const QWidget* widget = requireControl(controlId);
    return widget != nullptr && widget->isEnabled();
}

QRect Dialog::controlRect(int controlId) const
{
    const QWidget* widget = requireControl(controlId);
    return widget != nullptr ? widget->geometry() : QRect();
}

void Dialog::setControlRect(int controlId, const QRect& rect)
{
    if (QWidget* widget = requireControl(controlId)) {
        widget->setGeometry(rect);
    }
}

void Dialog::moveControlBy(int controlId, int dx, int dy)
{
    if (QWidget* widget = requireControl(controlId)) {
        widget->move(widget->pos() + QPoint(dx, dy));
    }
}

QComboBox* Dialog::list(int controlId) const
{
    auto* widget = qobject_cast<QComboBox*>(requireControl(controlId));
    Q_ASSERT_X(widget != nullptr, "Dialog", "the control is not a drop-down list");
    return widget;
}

QLineEdit* Dialog::edit(int controlId) const
{
    auto* widget = qobject_cast<QLineEdit*>(requireControl(controlId));
    Q_ASSERT_X(widget != nullptr, "Dialog", "the control is not an edit");
    return widget;
}

QAbstractButton* Dialog::button(int controlId) const
{
    auto* widget = qobject_cast<QAbstractButton*>(requireControl(controlId));
    Q_ASSERT_X(widget != nullptr, "Dialog", "the control is not a button");
    return widget;
}

void Dialog::clearList(int controlId)
{
    if (QComboBox* widget = list(controlId)) {
        widget->clear();
    }
}

void Dialog::appendListItem(int controlId, std::string_view text)
{
    if (QComboBox* widget = list(controlId)) {
        widget->addItem(FromUtf8(text));
    }
}

void Dialog::selectListItem(int controlId, int index)
{
    if (QComboBox* widget = list(controlId)) {
        widget->setCurrentIndex(index);
    }
}

int Dialog::selectedListItem(int controlId) const
{
    const QComboBox* widget = list(controlId);
    return widget != nullptr ? widget->currentIndex() : -1;
}

void Dialog::setReadOnly(int controlId, bool readOnly)
{
    if (QLineEdit* widget = edit(controlId)) {
        SetEditReadOnly(widget, readOnly);
    }
}

bool Dialog::isReadOnly(int controlId) const
{
    const QLineEdit* widget = edit(controlId);
    return widget != nullptr && widget->isReadOnly();
}

void Dialog::setTypingLimit(int controlId, int limit)
{
    const auto found = m_editRules.find(controlId);
    Q_ASSERT_X(found != m_editRules.end(), "Dialog", "the control is not an edit");
    if (found != m_editRules.end()) {
        found->second->setTypingLimit(limit);
    }
}

std::string Dialog::controlText(int controlId) const
{
    const QWidget* widget = requireControl(controlId);
    QString text;
    if (const auto* lineEdit = qobject_cast<const QLineEdit*>(widget)) {
        text = lineEdit->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    } else if (const auto* pushButton = qobject_cast<const QAbstractButton*>(widget)) {
        text = pushButton->text();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        text = group->title();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        text = combo->currentText();
    }
    return text.toStdString();
}

void Dialog::setControlText(int controlId, std::string_view text)
{
    QWidget* widget = requireControl(controlId);
    const QString value = FromUtf8(text);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(widget)) {
        m_editRules.at(controlId)->setTextByCode(lineEdit, value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (auto* pushButton = qobject_cast<QAbstractButton*>(widget)) {
        pushButton->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(value);
    }
}

} // namespace tamb
