#ifdef _WIN32

#include "startup/RegistryPreferenceStore.h"

#include <string>
#include <windows.h>

namespace tamb {
namespace {

constexpr const wchar_t* kSubKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tamb Vorrel.exe";
constexpr REGSAM kAccess = 0x2001F; // KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE

// The value names are ASCII, so widening them character by character is exact.
std::wstring Wide(std::string_view text)
{
    return std::wstring(text.begin(), text.end());
}

// The key, open for one operation and closed when this object goes.
class OpenKey
{
public:
    OpenKey()
    {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSubKey, 0, kAccess, &m_key) != ERROR_SUCCESS) {
            m_key = nullptr;
        }
    }
    ~OpenKey()
    {
        if (m_key != nullptr) {
            RegCloseKey(m_key);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    [[nodiscard]] HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

bool RegistryPreferenceStore::keyExists()
{
    return OpenKey {}.get() != nullptr;
}

bool RegistryPreferenceStore::createKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_LOCAL_MACHINE, kSubKey, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<std::uint32_t> RegistryPreferenceStore::queryNumber(std::string_view name)
{
    const OpenKey key;
    if (key.get() == nullptr) {
        return std::nullopt;
    }
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(key.get(), Wide(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size)
        != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

bool RegistryPreferenceStore::setNumber(std::string_view name, std::uint32_t value)
{
    const OpenKey key;
    if (key.get() == nullptr) {
        return false;
    }
    const DWORD stored = value;
    return RegSetValueExW(
               key.get(), Wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored)
        == ERROR_SUCCESS;
}

bool RegistryPreferenceStore::hasValue(std::string_view name)
{
    const OpenKey key;
    if (key.get() == nullptr) {
        return false;
    }
    return RegQueryValueExW(key.get(), Wide(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryPreferenceStore::setText(std::string_view name, std::string_view text)
{
    const OpenKey key;
    if (key.get() == nullptr || text != kCompanyText) {
        return false;
    }
    const auto block = CompanyBlock();
    return RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ, block.data(), static_cast<DWORD>(block.size()))
        == ERROR_SUCCESS;
}

} // namespace tamb

#endif
