#pragma once

#include "model/SettingsModel.h"
#include "ui/BackgroundWorker.h"
#include "ui/Dialog.h"
#include "ui/DialogLayout.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace tamb {

// The one binder between a settings model and a dialog built from a layout. When the dialog opens it titles the
// window by the model of the state, captions the controls, hides the controls the model hides (moving the rows
// of the layout into their space) and shows the model. Every user action becomes one model event: an edit's
// change, a list's selection, a button's click (Generate is the OK button; Exit ends the run). After each event
// it shows the event's messages, asks for the folder chooser when the event wants it, mirrors the model into
// every control (edit texts, list contents and selections, read-only, enabled and shown states) and puts the
// focus where the event says. Work an event asks to run in the background runs on a thread of its own: its
// button reads Cancel and cancels it, the dialog shows a busy cursor and stays usable, closing the dialog cancels
// the work and waits for its thread, and the work's outcome is applied like an event's when it ends. Closing the
// dialog (Exit, Escape, the close box) while its settings differ from those it opened with or last wrote or
// loaded asks first whether to close without writing them; No, the default, keeps the dialog open.
//
// The model must outlive the dialog; a family's dialog class owns both and passes the model here.
class SettingsDialog : public Dialog
{
public:
    SettingsDialog(const DialogLayout& layout, SettingsModel& model, QWidget* parent = nullptr);

    void okPressed() override;
    void cancelPressed() override;
    void done(int result) override;

    // What a command of the context menu does to the model; its outcome is applied like an event's.
    using ModelCommand = std::function<DialogOutcome()>;
    // Adds a command to the context menu (a right click on the dialog).
    void addModelCommand(int commandId, std::string_view label, ModelCommand command);
    // Runs `command` once the dialog is on screen, after the model's own first question.
    void runWhenOpened(ModelCommand command) { m_openingCommand = std::move(command); }

protected:
    void initialise() override;

private:
    void hideRows();
    void setCaptions(std::span<const CaptionSource> captions);
    void applyHiddenControlChanges();
    void reshape(const ControlReshape& change);
    void connectHandlers();
    void apply(DialogOutcome outcome);
    void buttonClicked(int controlId);
    void startWork(BackgroundWork work);
    void endWork();
    // What mirrorModel shows of the model: everything, or all but the edits.
    enum class MirrorScope
    {
        Everything,
        AllButEdits,
    };
    void mirrorModel(MirrorScope scope = MirrorScope::Everything);
    void mirrorList(int controlId);
    // Fits the texts again where a list was refilled since the last fitting.
    void fitRefilledLists();
    void setTextIfChanged(int controlId, const std::string& text);
    // What the user has set: the text of every edit and the selection of every list.
    [[nodiscard]] std::vector<std::string> settingsOnScreen() const;

    const DialogLayout& m_layout;
    SettingsModel& m_settings;
    std::map<int, std::vector<std::string>> m_listItems; // what each list holds now
    bool m_listsRefilled = false; // since the texts were last fitted
    BackgroundWorker m_worker;
    int m_workButton = kNoControl; // the button whose work runs, kNoControl when none runs
    std::string m_workButtonCaption; // its caption before it read Cancel
    std::vector<std::string> m_storedSettings; // settingsOnScreen() when the dialog opened or last wrote or loaded
    ModelCommand m_openingCommand;
};

} // namespace tamb
