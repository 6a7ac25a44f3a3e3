#include "ui/SettingsDialog.h"

#include "common/ModelCatalogue.h"
#include "i18n/CameraTexts.h"
#include "ui/TextFit.h"
#include "ui/UiServices.h"

#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <utility>

namespace tamb {

SettingsDialog::SettingsDialog(const DialogLayout& layout, SettingsModel& model, QWidget* parent)
    : Dialog(layout.dialogTemplate, parent)
    , m_layout(layout)
    , m_settings(model)
    , m_worker(*this)
{
}

void SettingsDialog::initialise()
{
    setTitle(ModelTitle(m_settings.app().model));
    hideRows();
    setCaptions(m_layout.captions);
    applyHiddenControlChanges();
    mirrorModel();
    m_storedSettings = settingsOnScreen();
    FitTexts(*this);
    m_listsRefilled = false;
    connectHandlers();
    // Once the dialog is on screen, the model may ask its first question.
    QTimer::singleShot(0, this, [this] {
        apply(m_settings.opened());
        if (m_openingCommand)
            apply(std::exchange(m_openingCommand, {})());
    });
}

void SettingsDialog::addModelCommand(int commandId, std::string_view label, ModelCommand command)
{
    addContextMenuCommand(commandId, label);
    on(commandId, Notification::SystemMenuCommand, [this, command = std::move(command)] { apply(command()); });
}

void SettingsDialog::hideRows()
{
    for (const RowMoves& row : m_layout.rowMoves) {
        if (m_settings.isShown(row.hiddenControl))
            continue;
        for (const ControlMove& move : row.moves)
            moveControlBy(move.controlId, 0, move.dy * baseUnits().charHeight / kReferenceCharHeight);
    }
}

void SettingsDialog::setCaptions(std::span<const CaptionSource> captions)
{
    const AppState& app = m_settings.app();
    for (const CaptionSource& caption : captions) {
        if (hasControl(caption.controlId) && caption.isFor(app.model))
            setControlText(caption.controlId, caption.text(app.language));
    }
}

void SettingsDialog::applyHiddenControlChanges()
{
    for (const HiddenControlChanges& changes : m_layout.whenHidden) {
        if (m_settings.isShown(changes.hiddenControl))
            continue;
        setCaptions(changes.captions);
        for (const ControlReshape& change : changes.reshapes)
            reshape(change);
    }
}

void SettingsDialog::reshape(const ControlReshape& change)
{
    const QRect like = controlRect(change.likeControl);
    setControlRect(change.controlId, QRect(controlRect(change.controlId).topLeft(), like.size()));
    const auto& controls = m_layout.dialogTemplate.controls;
    const auto likeTemplate = std::ranges::find(controls, change.likeControl, &ControlTemplate::id);
    if (likeTemplate != controls.end() && likeTemplate->kind == ControlKind::Edit)
        setTypingLimit(change.controlId, likeTemplate->typingLimit);
}

void SettingsDialog::connectHandlers()
{
    for (const ControlTemplate& control : m_layout.dialogTemplate.controls) {
        const int id = control.id;
        switch (control.kind) {
        case ControlKind::Edit:
            on(id, Notification::TextChanged, [this, id] { apply(m_settings.editChanged(id, controlText(id))); });
            break;
        case ControlKind::DropDownList:
            on(id, Notification::SelectionChanged,
                [this, id] { apply(m_settings.selectionChanged(id, selectedListItem(id))); });
            on(id, Notification::ListClosedWithoutChoice,
                [this, id] { apply(m_settings.listClosedWithoutChoice(id)); });
            break;
        case ControlKind::PushButton:
            if (id != kGenerateButtonId && id != kExitButtonId)
                on(id, Notification::Clicked, [this, id] { buttonClicked(id); });
            break;
        default:
            break;
        }
    }
}

void SettingsDialog::okPressed()
{
    apply(m_settings.clicked(kGenerateButtonId));
}

void SettingsDialog::cancelPressed()
{
    if (settingsOnScreen() != m_storedSettings
        && !AskYesNo(MessageText(MessageId::CloseWithoutWriting, m_settings.app().language), DefaultAnswer::No))
        return;
    Dialog::cancelPressed();
}

std::vector<std::string> SettingsDialog::settingsOnScreen() const
{
    std::vector<std::string> settings;
    for (const ControlTemplate& control : m_layout.dialogTemplate.controls) {
        // The clock counts as well: it changes only when the user asks for the time afresh.
        if (control.kind == ControlKind::Edit)
            settings.push_back(m_settings.editText(control.id));
        else if (control.kind == ControlKind::DropDownList)
            settings.push_back(std::to_string(m_settings.selection(control.id)));
    }
    return settings;
}

void SettingsDialog::buttonClicked(int controlId)
{
    if (controlId == m_workButton && m_worker.isRunning()) {
        m_worker.cancel();
        endWork();
        return;
    }
    apply(m_settings.clicked(controlId));
}

void SettingsDialog::startWork(BackgroundWork work)
{
    // One work at a time: a new one replaces one still running.
    if (m_worker.isRunning())
        endWork();
    m_workButton = work.controlId;
    if (hasControl(m_workButton)) {
        m_workButtonCaption = controlText(m_workButton);
        setControlText(m_workButton, CancelText.text(m_settings.app().language, 0));
    }
    setCursor(Qt::BusyCursor);
    m_worker.start(std::move(work.run), [this](DialogOutcome outcome) {
        endWork();
        apply(std::move(outcome));
    });
}

void SettingsDialog::endWork()
{
    m_worker.cancel();
    if (hasControl(m_workButton))
        setControlText(m_workButton, m_workButtonCaption);
    m_workButton = kNoControl;
    unsetCursor();
}

void SettingsDialog::done(int result)
{
    // The work must not outlive the run of the dialog, nor report to a dialog that is no longer shown.
    if (m_worker.isRunning())
        endWork();
    m_worker.stop();
    Dialog::done(result);
}

void SettingsDialog::apply(DialogOutcome outcome)
{
    std::optional<int> focus;
    bool selectText = false;
    bool stored = false;
    // An answer to the folder chooser or to a question is a further event, whose outcome is applied in turn.
    for (;;) {
        // A message shows beside the lists as the event left them (the operators of the country just chosen, say),
        // while the edits keep what was typed until after it, since it may be about that text and be followed by
        // its correction.
        if (!outcome.messages.empty()) {
            mirrorModel(MirrorScope::AllButEdits);
            fitRefilledLists();
        }
        for (const DialogMessage& message : outcome.messages)
            ShowMessage(message.shownText(m_settings.app().language));
        stored = stored || outcome.settingsStored;
        if (outcome.focusControl) {
            focus = outcome.focusControl;
            selectText = outcome.selectFocusedText;
        }
        if (outcome.chooseFolderFrom) {
            mirrorModel();
            outcome = m_settings.folderChosen(CurrentUiServices().chooseFolder(*outcome.chooseFolderFrom));
        } else if (outcome.question) {
            mirrorModel();
            const DialogMessage question = std::move(*outcome.question);
            const bool yes = AskYesNo(question.text(m_settings.app().language), outcome.questionDefault);
            outcome = m_settings.answeredTo(question, yes);
        } else {
            break;
        }
    }
    mirrorModel();
    if (stored)
        m_storedSettings = settingsOnScreen();
    fitRefilledLists();
    if (outcome.background)
        startWork(std::move(*outcome.background));
    if (!focus || !hasControl(*focus))
        return;
    control(*focus)->setFocus(Qt::OtherFocusReason);
    if (selectText) {
        if (auto* failed = qobject_cast<QLineEdit*>(control(*focus)))
            failed->selectAll();
    }
}

void SettingsDialog::fitRefilledLists()
{
    if (std::exchange(m_listsRefilled, false))
        FitTexts(*this);
}

void SettingsDialog::setTextIfChanged(int controlId, const std::string& text)
{
    // Setting an unchanged text would move the cursor of the edit being typed in.
    if (controlText(controlId) != text)
        setControlText(controlId, text);
}

void SettingsDialog::mirrorList(int controlId)
{
    std::vector<std::string> items = m_settings.listItems(controlId);
    std::vector<std::string>& shown = m_listItems[controlId];
    if (items != shown) {
        clearList(controlId);
        for (const std::string& item : items)
            appendListItem(controlId, item);
        shown = std::move(items);
        m_listsRefilled = true;
    }
    const int selected = m_settings.selection(controlId);
    if (selectedListItem(controlId) != selected)
        selectListItem(controlId, selected);
}

void SettingsDialog::mirrorModel(MirrorScope scope)
{
    for (const ControlTemplate& control : m_layout.dialogTemplate.controls) {
        const int id = control.id;
        if (id == kNoId)
            continue;
        switch (control.kind) {
        case ControlKind::Edit:
            if (scope == MirrorScope::AllButEdits)
                continue;
            setTextIfChanged(id, m_settings.editText(id));
            setReadOnly(id, m_settings.isReadOnly(id));
            break;
        case ControlKind::DropDownList:
            mirrorList(id);
            break;
        case ControlKind::StaticText:
            if (HasStyle(control.styles, ControlStyle::ModelText))
                setTextIfChanged(id, m_settings.editText(id));
            break;
        default:
            break;
        }
        enableControl(id, m_settings.isEnabled(id));
        showControl(id, m_settings.isShown(id));
    }
}

} // namespace tamb
