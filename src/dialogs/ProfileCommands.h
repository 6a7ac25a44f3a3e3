#pragma once

#include "fleet/ProfileStore.h"
#include "ui/SettingsDialog.h"

#include <optional>
#include <string>
#include <string_view>

namespace tamb {

// The profile commands of the setup dialogs' context menu.
inline constexpr int kSaveProfileCommandId = 18;
inline constexpr int kStartFromProfileCommandId = 19;

// The slot of `files` that holds the file named `fileName` (menu.dat, setup.dat or smtp.dat); nothing for any
// other name.
[[nodiscard]] std::optional<std::vector<std::uint8_t>>* ProfileFileSlot(ProfileFiles& files, std::string_view fileName);

// Gives a setup dialog "Save as profile…" and "Start from profile…" in its context menu; `fileName` is the file its
// Generate writes.
//
// Saving builds that file as Generate would write it now, after the same checks (a failed check shows its message
// and focus, as Generate does) but without writing it to the card, and stores it in a profile of the dialog's model
// under a name the user types. An existing profile is replaced only after a yes; when it is of the same model, the
// files of the other dialogs stay in it. Starting offers the profiles of the dialog's model that hold the file and
// loads the chosen one's through the dialog's load path; the clock is the dialog's own. When a ScopedStartProfile
// is in place, its profile is loaded in the same way once the dialog is on screen. The store is read when a command
// runs.
void AddProfileCommands(SettingsDialog& dialog, SettingsModel& model, std::string_view fileName,
    ProfileStore store = ProfileStore(ProfileStore::DefaultRoot()));

// The profile the setup dialogs that open during its lifetime start from (the main window's "Start from
// profile…"); the previous one is in place again afterwards.
class ScopedStartProfile
{
public:
    explicit ScopedStartProfile(std::optional<std::string> name);
    ~ScopedStartProfile();
    ScopedStartProfile(const ScopedStartProfile&) = delete;
    ScopedStartProfile& operator=(const ScopedStartProfile&) = delete;

    // The profile in place now, if any.
    [[nodiscard]] static std::optional<std::string> Current();

private:
    std::optional<std::string> m_previous;
};

} // namespace tamb
