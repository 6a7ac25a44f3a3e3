#include "startup/FilePreferenceStore.h"

#include "common/AtomicFile.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "common/WriteLock.h"

#include <cstdlib>
#include <filesystem>

namespace tamb {
namespace {

constexpr std::string_view kHeader = "# Tamb Vorrel setup preferences\n";
// Four short values make a file of about a hundred bytes; anything far larger is not ours.
constexpr std::size_t kLargestPreferenceFile = 64 * 1024;

bool IsUsableFolder(const char* variable)
{
    return variable != nullptr && variable[0] == '/';
}

} // namespace

FilePreferenceStore::FilePreferenceStore(std::string path, std::uint16_t systemLanguageId, WriteFaults faults)
    : PreferenceStore(systemLanguageId)
    , m_path(std::move(path))
    , m_faults(std::move(faults))
{
}

std::string FilePreferenceStore::DefaultPath()
{
    constexpr std::string_view kRelative = "tamb-vorrel/preferences";
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); IsUsableFolder(config)) {
        return std::string { config } + "/" + std::string { kRelative };
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return std::string { home } + "/.config/" + std::string { kRelative };
    }
    return {};
}

std::optional<PreferenceLines> FilePreferenceStore::readLines() const
{
    if (m_path.empty()) {
        return std::nullopt;
    }
    // Only a small regular file is read: a FIFO or a device under the name must neither block start-up nor fill
    // the memory; such a file counts as unreadable.
    const auto text = ReadSmallRegularFile(PathFromUtf8(m_path), kLargestPreferenceFile);
    if (!text) {
        return std::nullopt;
    }
    return PreferenceLines { *text };
}

std::optional<std::string> FilePreferenceStore::valueText(std::string_view name) const
{
    if (m_deferred) {
        return m_deferred->lines ? m_deferred->lines->value(name) : std::nullopt;
    }
    const auto lines = readLines();
    return lines ? lines->value(name) : std::nullopt;
}

bool FilePreferenceStore::setValue(std::string_view name, std::string_view text)
{
    if (m_path.empty()) {
        return false;
    }
    if (m_deferred) {
        if (!m_deferred->lines) {
            return false;
        }
        if (m_deferred->lines->value(name) != text) {
            m_deferred->lines->set(name, text);
            m_deferred->changedNames.emplace_back(name);
        }
        return true;
    }
    // A value that is already stored is not written again: choosing what is chosen leaves the file alone.
    if (valueText(name) == text) {
        return true;
    }
    // Read, changed and written under the file's lock: two programs storing a value each at the same moment
    // keep both values.
    const auto path = PathFromUtf8(m_path);
    WriteLock lock;
    if (!WriteLock::take(path, m_faults, lock).ok()) {
        return false;
    }
    auto lines = readLines();
    if (!lines) {
        return false;
    }
    if (lines->value(name) == text) {
        return true;
    }
    lines->set(name, text);
    const auto content = lines->text();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
    return WriteFileAtomically(path, { bytes, content.size() }, FileAccess::Everyone, m_faults).ok();
}

bool FilePreferenceStore::keyExists()
{
    return m_deferred ? m_deferred->lines.has_value() : readLines().has_value();
}

bool FilePreferenceStore::createKey()
{
    if (m_path.empty()) {
        return false;
    }
    std::error_code error;
    // Whatever is already under the name (an unreadable file, a FIFO, a link to a device) is the user's; it is
    // left as it is and start-up goes on without stored preferences.
    if (std::filesystem::exists(std::filesystem::symlink_status(PathFromUtf8(m_path), error))) {
        return false;
    }
    if (m_deferred) {
        m_deferred->lines = PreferenceLines { kHeader };
        return true;
    }
    return createFile();
}

bool FilePreferenceStore::createFile() const
{
    const auto path = PathFromUtf8(m_path);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return false;
    }
    WriteLock lock;
    if (!WriteLock::take(path, m_faults, lock).ok()) {
        return false;
    }
    // Another program may have made the file while this one waited for the lock; its values stay.
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        return readLines().has_value();
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(kHeader.data());
    return WriteFileAtomically(path, { bytes, kHeader.size() }, FileAccess::Everyone, m_faults).ok();
}

void FilePreferenceStore::deferWrites()
{
    if (!m_deferred) {
        const auto lines = readLines();
        m_deferred = Deferred { .read = lines, .lines = lines, .changedNames = {} };
    }
}

bool FilePreferenceStore::writeDeferred()
{
    if (!m_deferred) {
        return true;
    }
    const Deferred deferred = std::move(*m_deferred);
    m_deferred.reset();
    if (!deferred.lines || (deferred.read && deferred.changedNames.empty())) {
        return true;
    }
    const auto path = PathFromUtf8(m_path);
    std::error_code error;
    if (!deferred.read) {
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            return false;
        }
    }
    WriteLock lock;
    if (!WriteLock::take(path, m_faults, lock).ok()) {
        return false;
    }
    auto lines = readLines();
    const bool onDisk = lines.has_value();
    if (!onDisk) {
        // The file is made now, in the same write as its values, unless something not ours stands under the name.
        if (deferred.read || std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
            return false;
        }
        lines = PreferenceLines { kHeader };
    }
    const std::string before = onDisk ? lines->text() : std::string {};
    for (const std::string& name : deferred.changedNames) {
        const auto seen = deferred.read ? deferred.read->value(name) : std::nullopt;
        // A value another program stored since the reading is its own choice and stays.
        if (lines->value(name) == seen) {
            lines->set(name, *deferred.lines->value(name));
        }
    }
    const auto content = lines->text();
    if (content == before) {
        return true;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
    return WriteFileAtomically(path, { bytes, content.size() }, FileAccess::Everyone, m_faults).ok();
}

std::optional<std::uint32_t> FilePreferenceStore::queryNumber(std::string_view name)
{
    if (const auto text = valueText(name)) {
        return PreferenceNumber(*text);
    }
    return std::nullopt;
}

bool FilePreferenceStore::setNumber(std::string_view name, std::uint32_t value)
{
    return setValue(name, std::to_string(value));
}

bool FilePreferenceStore::hasValue(std::string_view name)
{
    return valueText(name).has_value();
}

bool FilePreferenceStore::setText(std::string_view name, std::string_view text)
{
    // One line per value: a line break inside the text would end it early.
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    return setValue(name, text);
}

} // namespace tamb
