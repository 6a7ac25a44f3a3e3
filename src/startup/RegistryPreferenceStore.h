#pragma once

#ifdef _WIN32

#include "startup/PreferenceStore.h"

namespace tamb {

// The preferences under HKEY_LOCAL_MACHINE "Software\Microsoft\Windows\CurrentVersion\App Paths\Tamb Vorrel.exe":
// `language`, `model` and `TvMode` as REG_DWORD, `Company` as REG_SZ. Every operation opens the key with
// KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE, does one value operation and closes it again.
class RegistryPreferenceStore final : public PreferenceStore
{
public:
    using PreferenceStore::PreferenceStore;

protected:
    [[nodiscard]] bool keyExists() override;
    [[nodiscard]] bool createKey() override;
    [[nodiscard]] std::optional<std::uint32_t> queryNumber(std::string_view name) override;
    [[nodiscard]] bool setNumber(std::string_view name, std::uint32_t value) override;
    [[nodiscard]] bool hasValue(std::string_view name) override;
    [[nodiscard]] bool setText(std::string_view name, std::string_view text) override;
};

} // namespace tamb

#endif
