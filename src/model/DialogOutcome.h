#pragma once

#include "common/AppState.h"
#include "i18n/Messages.h"

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

// What a dialog must do after an event of its settings model: show the messages in order, then give the focus
// to `focusControl` and, when `selectFocusedText`, select the whole text of that edit (where a failed sync
// stopped, so that the user can type over it). `chooseFolderFrom`: the event asks for the folder chooser, opened
// on that folder, whose answer goes back to the model's folderChosen(). `question`: the event asks the user a
// question with Yes and No, whose answer goes back to the model's answered().
struct DialogOutcome
{
    std::vector<DialogMessage> messages;
    std::optional<int> focusControl;
    bool selectFocusedText = false;
    std::optional<std::string> chooseFolderFrom;
    std::optional<DialogMessage> question;

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
    if (later.question)
        question = std::move(later.question);
}

} // namespace tamb
