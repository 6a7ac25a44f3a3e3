#pragma once

#include "common/AppState.h"
#include "ui/DialogTemplate.h"
#include "ui/DialogUnits.h"

#include <QDialog>
#include <QRect>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class QAbstractButton;
class QAction;
class QComboBox;
class QLineEdit;

namespace tamb {

class EditInputRules;

enum class DialogResult
{
    Ok = 1,
    Cancel = 2,
};

// What a control tells its dialog. Only the user's own actions notify: filling a list, selecting an entry or
// setting an edit's text from code (a write back, for example) notifies nobody.
enum class Notification
{
    SelectionChanged, // drop-down list: the user chose an entry
    ListClosedWithoutChoice, // drop-down list: the opened list was closed without choosing
    TextChanged, // edit: the user changed the text
    Clicked, // push button
    SystemMenuCommand, // the command given to addSystemMenuCommand; the control identifier is the command
};

// A modal dialog built from a template: our thin layer over Qt Widgets.
//
// The dialog's objectName is its template identifier ("129"). Controls are created from the template with their
// template identifier as objectName ("1013") and placed by dialog units converted with the dialog font's base
// units. Every text crosses this interface as UTF-8.
//
// Keys: Enter presses the focused push button; otherwise the template's default button when it has one (nothing
// when that button is disabled or hidden); otherwise it means OK. Escape and the close box mean Cancel. OK and Cancel,
// like clicks on buttons 1 and 2, call the virtual okPressed() and cancelPressed(), whose default ends the run with
// that result; a dialog that should react otherwise overrides them.
//
// Operations on an identifier the template does not have are programming faults: they assert in debug builds
// and do nothing otherwise.
class Dialog : public QDialog
{
public:
    using Handler = std::function<void()>;

    explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~Dialog() override;

    // Runs the dialog modally: initialise() once before it is first shown, then the run until endRun().
    // Runs nest: a handler may run another dialog and this run resumes after it returns.
    DialogResult run();
    void endRun(DialogResult result);

    // Registers the handler of a notification from a control; one handler per pair, a later one replaces it.
    void on(int controlId, Notification notification, Handler handler);

    // Adds a command to the window's context menu (a right click on the window); F1 sends the first command added.
    // The command arrives as Notification::SystemMenuCommand with the command as identifier.
    void addSystemMenuCommand(int commandId, std::string_view label);
    // Adds a command to the context menu like addSystemMenuCommand, but never on F1.
    void addContextMenuCommand(int commandId, std::string_view label);
    // Changes the label of a command added before (when the language changes).
    void setSystemMenuCommandLabel(int commandId, std::string_view label);

    // Window.
    void setTitle(std::string_view title);
    [[nodiscard]] const DialogBaseUnits& baseUnits() const { return m_baseUnits; }

    // Any control.
    [[nodiscard]] QWidget* control(int controlId) const;
    [[nodiscard]] bool hasControl(int controlId) const { return m_controls.contains(controlId); }
    void showControl(int controlId, bool shown);
    void enableControl(int controlId, bool enabled);
    [[nodiscard]] bool isControlEnabled(int controlId) const;
    // The rectangle in the dialog's client coordinates, in pixels.
    [[nodiscard]] QRect controlRect(int controlId) const;
    void setControlRect(int controlId, const QRect& rect);
    void moveControlBy(int controlId, int dx, int dy);

    // Drop-down lists: entries stay in the order appended (no sorting); the index is -1 when none is selected.
    void clearList(int controlId);
    void appendListItem(int controlId, std::string_view text);
    void selectListItem(int controlId, int index);
    [[nodiscard]] int selectedListItem(int controlId) const;

    // Edits.
    void setReadOnly(int controlId, bool readOnly);
    [[nodiscard]] bool isReadOnly(int controlId) const;
    // At most `limit` UTF-16 units can be typed; 0 lifts the limit.
    void setTypingLimit(int controlId, int limit);

    // The way to caption any control and to read or set an edit's text: the text of an edit, the caption of a label,
    // button or group box; for a list the selected entry's text (setting it does nothing). An edit's text set
    // from code is not cut to its typing limit and not filtered by digits-only: those act on typing only.
    [[nodiscard]] std::string controlText(int controlId) const;
    void setControlText(int controlId, std::string_view text);

    // Typed access for tests and for what the operations above do not cover.
    [[nodiscard]] QComboBox* list(int controlId) const;
    [[nodiscard]] QLineEdit* edit(int controlId) const;
    [[nodiscard]] QAbstractButton* button(int controlId) const;

    // Ends the run; these are what Enter, Escape, the close box and buttons 1 and 2 call.
    virtual void okPressed();
    virtual void cancelPressed();

protected:
    // Runs once before the dialog is first shown: caption controls, fill lists, write back.
    virtual void initialise() { }

    void accept() override;
    void reject() override;
    void paintEvent(QPaintEvent* event) override;
    // Keeps the window inside the screen's available area.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addMenuAction(int commandId, std::string_view label);
    void createControl(const ControlTemplate& control);
    void notify(int controlId, Notification notification);
    [[nodiscard]] QWidget* requireControl(int controlId) const;

    DialogBaseUnits m_baseUnits;
    std::map<int, QWidget*> m_controls;
    std::map<int, EditInputRules*> m_editRules;
    std::optional<int> m_defaultButtonId;
    std::map<std::pair<int, Notification>, Handler> m_handlers;
    std::optional<int> m_firstSystemCommand;
    std::map<int, QAction*> m_systemCommands;
    bool m_initialised = false;
};

} // namespace tamb
