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

    // What a dialog shows: the text, and under it, for a failed check, what to do about it.
    [[nodiscard]] std::string shownText(LanguageId language) const
    {
        std::string shown = text(language);
        if (const std::string_view hint = MessageHint(id, language); !hint.empty()) {
            shown += '\n';
            shown += hint;
        }
        return shown;
    }

    friend bool operator==(const DialogMessage&, const DialogMessage&) = default;
};

struct DialogOutcome;

// The answer of a Yes/No question that Enter chooses: Yes where it is harmless, No where Yes would give something
// away.
enum class DefaultAnswer
{
    Yes,
    No,
};

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
// question with Yes and No (`questionDefault` the one Enter chooses), whose answer goes back to the model's
// answered(). `background`: work to start once the rest is done. `settingsStored`: the settings on screen are now
// those of a file, written or loaded, so the dialog may be closed without losing them.
struct DialogOutcome
{
    std::vector<DialogMessage> messages;
    std::optional<int> focusControl;
    bool selectFocusedText = false;
    std::optional<std::string> chooseFolderFrom;
    std::optional<DialogMessage> question;
    DefaultAnswer questionDefault = DefaultAnswer::Yes;
    std::optional<BackgroundWork> background;
    bool settingsStored = false;

    void add(DialogMessage message) { messages.push_back(std::move(message)); }
    void ask(DialogMessage text, DefaultAnswer preferred)
    {
        question = std::move(text);
        questionDefault = preferred;
    }
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
    if (later.question)
        ask(std::move(*later.question), later.questionDefault);
    if (later.background)
        background = std::move(later.background);
    settingsStored = settingsStored || later.settingsStored;
}

} // namespace tamb
