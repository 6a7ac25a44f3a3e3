#pragma once

#include "common/AppState.h"
#include "common/Status.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// The three settings files a profile can hold, as the dialogs write them.
struct ProfileFiles
{
    std::optional<std::vector<std::uint8_t>> menu; // menu.dat
    std::optional<std::vector<std::uint8_t>> setup; // setup.dat
    std::optional<std::vector<std::uint8_t>> smtp; // smtp.dat
};

// A named set of settings for one model: its camera menu and, where the model has them, its MMS and SMTP
// settings.
struct Profile
{
    std::string name;
    ModelId model = 1;
    ProfileFiles files;
};

// The profiles of the user, a folder per profile under `root`: the settings files the dialogs write, and
// "profile.txt" with the name and the model. The root and every profile folder are readable by their owner only
// (the files may hold the e-mail account's password); files are written whole through the safe write path.
class ProfileStore
{
public:
    explicit ProfileStore(std::filesystem::path root);

    // "<data folder>/tamb-vorrel/profiles": $XDG_DATA_HOME (else ~/.local/share) off Windows, the user's
    // application-data folder (%APPDATA%) on Windows. Empty when neither is known.
    [[nodiscard]] static std::filesystem::path DefaultRoot();

    [[nodiscard]] const std::filesystem::path& root() const { return m_root; }

    // Whether `name` can name a profile: 1 to 40 characters, none of them a control character or one that a file
    // name cannot hold on any system (/ \ : * ? " < > |), not beginning or ending with a blank or a dot.
    [[nodiscard]] static Status CheckName(std::string_view name);

    // Stores `profile`, replacing one of the same name; a file the profile does not hold is removed from it.
    [[nodiscard]] Status save(const Profile& profile) const;
    // The profile of that name with its files; the failure says why it cannot be read.
    [[nodiscard]] Status load(std::string_view name, Profile& profile) const;
    // The profiles, ordered by name; folders without a readable profile.txt are left out.
    [[nodiscard]] std::vector<Profile> list() const;
    [[nodiscard]] Status remove(std::string_view name) const;

private:
    [[nodiscard]] std::filesystem::path folderOf(std::string_view name) const;
    std::filesystem::path m_root;
};

} // namespace tamb
