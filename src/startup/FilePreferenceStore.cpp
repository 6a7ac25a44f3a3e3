#include "startup/FilePreferenceStore.h"

#include "common/AtomicFile.h"
#include "common/Paths.h"

#include <charconv>
#include <cstdlib>
#include <fstream>

namespace tamb {
namespace {

constexpr std::string_view kHeader = "# Tamb Vorrel setup preferences\n";

// The value of a "name=value" line, or nothing when the line is about another name.
std::optional<std::string_view> lineValue(std::string_view line, std::string_view name)
{
    if (line.size() > name.size() && line.starts_with(name) && line[name.size()] == '=') {
        return line.substr(name.size() + 1);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> decimal(std::string_view text)
{
    std::uint32_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool isUsableFolder(const char* variable)
{
    return variable != nullptr && variable[0] == '/';
}

} // namespace

FilePreferenceStore::FilePreferenceStore(std::string path, std::uint16_t systemLanguageId)
    : PreferenceStore(systemLanguageId)
    , m_path(std::move(path))
{
}

std::string FilePreferenceStore::DefaultPath()
{
    constexpr std::string_view kRelative = "tamb-vorrel/preferences";
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); isUsableFolder(config)) {
        return std::string { config } + "/" + std::string { kRelative };
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return std::string { home } + "/.config/" + std::string { kRelative };
    }
    return {};
}

std::optional<std::vector<std::string>> FilePreferenceStore::readLines() const
{
    if (m_path.empty()) {
        return std::nullopt;
    }
    std::ifstream in(PathFromUtf8(m_path));
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return lines;
}

std::optional<std::string> FilePreferenceStore::valueText(std::string_view name) const
{
    const auto lines = readLines();
    if (!lines) {
        return std::nullopt;
    }
    for (const auto& line : *lines) {
        if (const auto value = lineValue(line, name)) {
            return std::string { *value };
        }
    }
    return std::nullopt;
}

bool FilePreferenceStore::setValue(std::string_view name, std::string_view text)
{
    auto lines = readLines();
    if (!lines) {
        return false;
    }
    const std::string replacement = std::string { name } + "=" + std::string { text };
    bool replaced = false;
    for (auto& line : *lines) {
        if (!replaced && lineValue(line, name)) {
            line = replacement;
            replaced = true;
        }
    }
    if (!replaced) {
        lines->push_back(replacement);
    }
    std::string content;
    for (const auto& line : *lines) {
        content += line;
        content += '\n';
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
    return WriteFileAtomically(PathFromUtf8(m_path), { bytes, content.size() }).ok();
}

bool FilePreferenceStore::keyExists()
{
    return readLines().has_value();
}

bool FilePreferenceStore::createKey()
{
    if (m_path.empty()) {
        return false;
    }
    const auto path = PathFromUtf8(m_path);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(kHeader.data());
    return WriteFileAtomically(path, { bytes, kHeader.size() }).ok();
}

std::optional<std::uint32_t> FilePreferenceStore::queryNumber(std::string_view name)
{
    if (const auto text = valueText(name)) {
        return decimal(*text);
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
