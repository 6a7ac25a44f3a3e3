#pragma once

#include "model/DialogOutcome.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tamb {

// The platform services a dialog calls beyond its own window: the message box, the folder chooser and the
// system's URL handler. They go through this seam so that tests observe every message and answer every folder
// question without a person (see RecordingUiServices).
class UiServices
{
public:
    virtual ~UiServices() = default;

    // A modal message box without owner: caption "Tamb Vorrel", the text, only OK, the application's icon, no
    // sound. Returns when it is closed.
    virtual void showMessage(std::string_view text) = 0;

    // A modal question box like the message box, with Yes and No, `preferred` the default button. Returns true
    // for Yes; closing the box counts as No.
    virtual bool askYesNo(std::string_view text, DefaultAnswer preferred) = 0;

    // The system's folder chooser, starting at `current`. Returns the chosen folder (UTF-8, with the platform's
    // separators), or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFolder(std::string_view current) = 0;

    // Hands an address to the system's URL handler; false when it could not be opened (no browser).
    [[nodiscard]] virtual bool openUrl(std::string_view url) = 0;

    // A modal box asking for one line of text under `prompt`, starting with `initial`. Returns the text (UTF-8),
    // or nothing when the user cancelled.
    virtual std::optional<std::string> askText(std::string_view prompt, std::string_view initial) = 0;

    // A modal box offering `items` under `prompt`, the first one chosen at the start. Returns the index of the
    // item chosen, or nothing when the user cancelled.
    virtual std::optional<std::size_t> chooseItem(std::string_view prompt, std::span<const std::string> items) = 0;
};

// The services in use: the Qt ones unless a ScopedUiServices has put others in their place.
[[nodiscard]] UiServices& CurrentUiServices();

// Puts `services` in place for its lifetime, then restores the previous ones.
class ScopedUiServices
{
public:
    explicit ScopedUiServices(UiServices& services);
    ~ScopedUiServices();
    ScopedUiServices(const ScopedUiServices&) = delete;
    ScopedUiServices& operator=(const ScopedUiServices&) = delete;

private:
    UiServices* m_previous;
};

// Shorthands for the current services.
void ShowMessage(std::string_view text);
[[nodiscard]] bool AskYesNo(std::string_view text, DefaultAnswer preferred = DefaultAnswer::Yes);
[[nodiscard]] bool OpenUrl(std::string_view url);
[[nodiscard]] std::optional<std::string> AskText(std::string_view prompt, std::string_view initial = {});
[[nodiscard]] std::optional<std::size_t> ChooseItem(std::string_view prompt, std::span<const std::string> items);
// The folder the user chose, or `current` unchanged when the chooser was cancelled or gave an empty path.
[[nodiscard]] std::string ChooseFolder(std::string_view current);

} // namespace tamb
