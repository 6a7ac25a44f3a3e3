#pragma once

#include "common/AppState.h"
#include "i18n/Messages.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tamb {

// A message a settings model asks its dialog to show: a catalogue entry with its arguments, filled in the
// language on screen when it is shown.
struct DialogMessage
{
    MessageId id = MessageId::PromptInteger;
    std::vector<std::string> arguments;

    template <typename... Args> [[nodiscard]] static DialogMessage of(MessageId id, const Args&... args)
    {
        return DialogMessage { id, { detail::MessageArgument(args)... } };
    }

    [[nodiscard]] std::string text(LanguageId language) const
    {
        return FillPlaceholders(MessageText(id, language), arguments);
    }

    friend bool operator==(const DialogMessage&, const DialogMessage&) = default;
};

struct DialogOutcome;

// Work an event asks its dialog to run off the GUI thread (a check over the network, say), started by the button
// `controlId`. While it runs the dialog stays usable, shows that the work runs and lets that button cancel it;
// closing the dialog cancels it too. `run` gets a flag that becomes true on a cancel and should then return soon;
// it runs on another thread, so it must own everything it reads (never the model). Its outcome is applied like an
// event's when it ends, and dropped when the work was cancelled.
struct BackgroundWork
{
    int controlId = -1;
    std::function<DialogOutcome(const std::atomic<bool>& cancel)> run;
};

// What a dialog must do after an event of its settings model: show the messages in order, then give the focus
// to `focusControl` and, when `selectFocusedText`, select the whole text of that edit (where a failed sync
// stopped, so that the user can type over it). `chooseFolderFrom`: the event asks for the folder chooser, opened
// on that folder, whose answer goes back to the model's folderChosen(). `question`: the event asks the user a
// question with Yes and No, whose answer goes back to the model's answered(); Yes is the default button unless
// `questionDefaultsToNo`. `background`: work to start once the rest is done.
struct DialogOutcome
{
    std::vector<DialogMessage> messages;
    std::optional<int> focusControl;
    bool selectFocusedText = false;
    std::optional<std::string> chooseFolderFrom;
    std::optional<DialogMessage> question;
    bool questionDefaultsToNo = false;
    std::optional<BackgroundWork> background;

    void add(DialogMessage message) { messages.push_back(std::move(message)); }
    // Appends what `later` asks for after what this outcome asks for.
    void append(DialogOutcome later);
};

inline void DialogOutcome::append(DialogOutcome later)
{
    for (DialogMessage& message : later.messages)
        messages.push_back(std::move(message));
    if (later.focusControl) {
        focusControl = later.focusControl;
        selectFocusedText = later.selectFocusedText;
    }
    if (later.chooseFolderFrom)
        chooseFolderFrom = std::move(later.chooseFolderFrom);
    if (later.question) {
        question = std::move(later.question);
        questionDefaultsToNo = later.questionDefaultsToNo;
    }
    if (later.background)
        background = std::move(later.background);
}

} // namespace tamb
