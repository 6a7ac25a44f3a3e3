#pragma once

#ifdef _WIN32

#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace tamb::test {

// Direct access to the program's registry key, so that tests see what the registry itself holds. The Windows
// tests run in a Wine prefix of their own, where this key belongs to them.
inline constexpr const wchar_t* kPreferenceKey
    = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tamb Vorrel.exe";

// One value as stored: its registry type and its bytes.
struct RegistryValue
{
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};

// Removes the key with all its values; a missing key is fine.
inline void RemovePreferenceKey()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kPreferenceKey);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kPreferenceKey);
}

// Creates the key when needed and stores `value` as REG_DWORD under `name`.
inline bool StorePreferenceNumber(const wchar_t* name, std::uint32_t value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPreferenceKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS) {
        return false;
    }
    const DWORD stored = value;
    const bool set = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored)
        == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

// The value `name` of the key, or nothing when the key or the value is missing.
inline std::optional<RegistryValue> StoredPreferenceValue(const wchar_t* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPreferenceKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RegistryValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.resize(size);
        status = RegQueryValueExW(key, name, nullptr, &value.type, value.bytes.data(), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

// True when the key exists.
inline bool PreferenceKeyExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPreferenceKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

} // namespace tamb::test

#endif
