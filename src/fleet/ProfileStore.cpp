#include "fleet/ProfileStore.h"

#include "camera/MenuFile.h"
#include "cellular/SetupFile.h"
#include "common/AtomicFile.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "common/Utf8Text.h"
#include "smtp/SmtpFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tamb {
namespace {

constexpr std::string_view kDescriptionFileName = "profile.txt";
constexpr std::size_t kLongestName = 40;
// Larger than any settings file, small enough that a stray file is never taken into memory whole.
constexpr std::size_t kLargestProfileFile = 4096;

struct ProfileFileSlot
{
    std::string_view name;
    std::optional<std::vector<std::uint8_t>> ProfileFiles::*member;
};

constexpr std::array kSlots {
    ProfileFileSlot { kMenuFileName, &ProfileFiles::menu },
    ProfileFileSlot { kSetupFileName, &ProfileFiles::setup },
    ProfileFileSlot { kSmtpFileName, &ProfileFiles::smtp },
};

std::vector<std::uint8_t> BytesOf(std::string_view text)
{
    return { text.begin(), text.end() };
}

std::string Describe(const Profile& profile)
{
    return "name=" + profile.name + "\nmodel=" + std::to_string(profile.model) + "\n";
}

// Reads "name=" and "model=" lines; the model must be one of the catalogue's.
std::optional<Profile> ParseDescription(std::string_view text)
{
    Profile profile;
    bool named = false;
    bool modelled = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.starts_with("name=")) {
            profile.name = std::string { line.substr(5) };
            named = true;
        } else if (line.starts_with("model=")) {
            const auto value = line.substr(6);
            const auto [stop, error] = std::from_chars(value.data(), value.data() + value.size(), profile.model);
            modelled = error == std::errc {} && stop == value.data() + value.size() && profile.model >= 1
                && profile.model <= kModelCount;
        }
    }
    if (!named || !modelled)
        return std::nullopt;
    return profile;
}

Status MakePrivateFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Status::failure("cannot create the folder " + Utf8FromPath(folder) + ": " + error.message());
    if (std::filesystem::is_symlink(folder, error))
        return Status::failure(Utf8FromPath(folder) + " is a link, not a folder of this program");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    if (error)
        return Status::failure("cannot make " + Utf8FromPath(folder) + " private: " + error.message());
    return Status::success();
}

} // namespace

ProfileStore::ProfileStore(std::filesystem::path root)
    : m_root(std::move(root))
{
}

std::filesystem::path ProfileStore::DefaultRoot()
{
    const std::filesystem::path relative = PathFromUtf8("tamb-vorrel/profiles");
#ifdef _WIN32
    if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData != nullptr && appData[0] != L'\0')
        return std::filesystem::path(appData) / relative;
    return {};
#else
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/')
        return PathFromUtf8(data) / relative;
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        return PathFromUtf8(home) / PathFromUtf8(".local/share") / relative;
    return {};
#endif
}

Status ProfileStore::CheckName(std::string_view name)
{
    constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    if (name.empty())
        return Status::failure("a profile needs a name");
    if (!IsValidUtf8(name))
        return Status::failure("the profile name is not UTF-8 text");
    if (CodePointsFromUtf8(name).size() > kLongestName)
        return Status::failure("a profile name has at most " + std::to_string(kLongestName) + " characters");
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || kForbidden.find(c) != std::string_view::npos)
            return Status::failure("a profile name cannot hold control characters or any of / \\ : * ? \" < > |");
    }
    const auto edge = [](char c) { return c == ' ' || c == '.'; };
    if (edge(name.front()) || edge(name.back()))
        return Status::failure("a profile name cannot begin or end with a blank or a dot");
    return Status::success();
}

std::filesystem::path ProfileStore::folderOf(std::string_view name) const
{
    return m_root / PathFromUtf8(name);
}

Status ProfileStore::save(const Profile& profile) const
{
    if (const Status named = CheckName(profile.name); !named.ok())
        return named;
    if (m_root.empty())
        return Status::failure("there is no folder for profiles (neither XDG_DATA_HOME nor HOME is set)");
    const auto folder = folderOf(profile.name);
    if (Status made = MakePrivateFolder(m_root); !made.ok())
        return made;
    if (Status made = MakePrivateFolder(folder); !made.ok())
        return made;
    for (const ProfileFileSlot& slot : kSlots) {
        const auto path = folder / PathFromUtf8(slot.name);
        const auto& bytes = profile.files.*slot.member;
        if (bytes) {
            if (Status written = WriteFileAtomically(path, *bytes, FileAccess::OwnerOnly); !written.ok())
                return written;
            continue;
        }
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error)
            return Status::failure("cannot remove " + Utf8FromPath(path) + ": " + error.message());
    }
    // The description comes last, so a profile that lists is always complete.
    return WriteFileAtomically(
        folder / PathFromUtf8(kDescriptionFileName), BytesOf(Describe(profile)), FileAccess::OwnerOnly);
}

Status ProfileStore::load(std::string_view name, Profile& profile) const
{
    if (const Status named = CheckName(name); !named.ok())
        return named;
    const auto folder = folderOf(name);
    const auto description = ReadSmallRegularFile(folder / PathFromUtf8(kDescriptionFileName), kLargestProfileFile);
    if (!description)
        return Status::failure("there is no profile named '" + std::string { name } + "'");
    auto parsed = ParseDescription(*description);
    if (!parsed)
        return Status::failure("the profile '" + std::string { name } + "' names no model");
    parsed->name = std::string { name };
    for (const ProfileFileSlot& slot : kSlots) {
        if (const auto text = ReadSmallRegularFile(folder / PathFromUtf8(slot.name), kLargestProfileFile))
            parsed->files.*slot.member = BytesOf(*text);
    }
    profile = std::move(*parsed);
    return Status::success();
}

std::vector<Profile> ProfileStore::list() const
{
    std::vector<Profile> profiles;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(m_root, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = Utf8FromPath(entry->path().filename());
        Profile profile;
        if (entry->is_directory(error) && CheckName(name).ok() && load(name, profile).ok())
            profiles.push_back(std::move(profile));
    }
    std::ranges::sort(profiles, {}, &Profile::name);
    return profiles;
}

Status ProfileStore::remove(std::string_view name) const
{
    Profile profile;
    if (Status found = load(name, profile); !found.ok())
        return found;
    std::error_code error;
    // The folder is this program's own, inside a private folder; links in it are removed, never followed.
    std::filesystem::remove_all(folderOf(name), error);
    if (error)
        return Status::failure("cannot remove the profile '" + std::string { name } + "': " + error.message());
    return Status::success();
}

} // namespace tamb
