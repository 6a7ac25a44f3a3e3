#pragma once

#include "common/AppState.h"
#include "common/Status.h"
#include "model/DialogOutcome.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// Identifiers every dialog template shares: Generate (the OK button), Exit (Cancel) and "no control".
inline constexpr int kGenerateButtonId = 1;
inline constexpr int kExitButtonId = 2;
inline constexpr int kNoControl = -1;

// A settings file as a dialog's Generate builds it.
struct SettingsFile
{
    std::string_view name; // menu.dat, setup.dat or smtp.dat
    std::vector<std::uint8_t> bytes;
};

// What a setup dialog's binder asks of a settings model, by the template identifiers of the controls. The
// model owns the values, the lists, the checks and every state; the binder only copies what the model says
// into the widgets after each event and turns the user's actions into the events below. A model answers for
// the controls it binds; for any other identifier it gives an empty text, an empty list, selection -1, and
// shown, enabled and editable.
class SettingsModel
{
public:
    virtual ~SettingsModel() = default;

    // The state the dialog was opened with: its language and model.
    [[nodiscard]] virtual const AppState& app() const = 0;

    // What the controls show.
    [[nodiscard]] virtual std::string editText(int controlId) const = 0;
    [[nodiscard]] virtual std::vector<std::string> listItems(int controlId) const = 0;
    [[nodiscard]] virtual int selection(int controlId) const = 0;
    [[nodiscard]] virtual bool isShown(int controlId) const = 0;
    [[nodiscard]] virtual bool isEnabled(int controlId) const = 0;
    [[nodiscard]] virtual bool isReadOnly(int controlId) const = 0;

    // The user's actions. An identifier the model does not bind, or a selection outside the list, does nothing.
    virtual DialogOutcome editChanged(int controlId, std::string text) = 0;
    virtual DialogOutcome selectionChanged(int controlId, int index) = 0;
    virtual DialogOutcome clicked(int controlId) = 0;
    // The opened drop-down list `controlId` closed without a new choice; most lists do nothing then.
    virtual DialogOutcome listClosedWithoutChoice([[maybe_unused]] int controlId) { return {}; }
    // The folder chooser that an outcome asked for returned `chosen`: empty when nothing usable was chosen,
    // no value when the user cancelled it.
    virtual DialogOutcome folderChosen(const std::optional<std::string>& chosen) = 0;
    // The dialog is on screen: the model may ask its first question (whether to load what the folder holds).
    virtual DialogOutcome opened() { return {}; }
    // The answer to the question an outcome asked.
    virtual DialogOutcome answered([[maybe_unused]] bool yes) { return {}; }
    // The answer to `question`, for a model that asks more than one kind of question: one that background work
    // asks can come while another is still open. By default the answer above.
    virtual DialogOutcome answeredTo([[maybe_unused]] const DialogMessage& question, bool yes) { return answered(yes); }

    // The file Generate would write now, after the same syncs and checks, built but written nowhere (a profile
    // keeps it). Nothing when a sync or check fails; its message and focus are then in `outcome`.
    [[nodiscard]] virtual std::optional<SettingsFile> buildFile(DialogOutcome& outcome) = 0;
    // Takes the settings of a file of the kind Generate writes, through the path a yes to the offer to load takes;
    // the failure says why this dialog could not have written it.
    [[nodiscard]] virtual Status loadFile(std::span<const std::uint8_t> bytes) = 0;
};

} // namespace tamb
