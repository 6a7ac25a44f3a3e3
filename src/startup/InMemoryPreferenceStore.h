#pragma once

#include "startup/PreferenceStore.h"

#include <map>
#include <string>
#include <vector>

namespace tamb {

// A preference store held in memory, for tests: the key can be absent, absent and impossible to create, or
// present with any values missing. Every successful write is logged by value name.
class InMemoryPreferenceStore final : public PreferenceStore
{
public:
    explicit InMemoryPreferenceStore(std::uint16_t systemLanguageId)
        : PreferenceStore(systemLanguageId)
    {
    }

    void setKeyPresent(bool present) { m_keyPresent = present; }
    void setKeyCreatable(bool creatable) { m_keyCreatable = creatable; }
    void putNumber(const std::string& name, std::uint32_t value) { m_numbers[name] = value; }
    void putText(const std::string& name, const std::string& text) { m_texts[name] = text; }

    [[nodiscard]] bool keyPresent() const { return m_keyPresent; }
    [[nodiscard]] std::optional<std::uint32_t> number(const std::string& name) const;
    [[nodiscard]] std::optional<std::string> text(const std::string& name) const;
    [[nodiscard]] const std::vector<std::string>& writes() const { return m_writes; }

protected:
    [[nodiscard]] bool keyExists() override { return m_keyPresent; }
    [[nodiscard]] bool createKey() override;
    [[nodiscard]] std::optional<std::uint32_t> queryNumber(std::string_view name) override;
    [[nodiscard]] bool setNumber(std::string_view name, std::uint32_t value) override;
    [[nodiscard]] bool hasValue(std::string_view name) override;
    [[nodiscard]] bool setText(std::string_view name, std::string_view text) override;

private:
    bool m_keyPresent = false;
    bool m_keyCreatable = true;
    std::map<std::string, std::uint32_t, std::less<>> m_numbers;
    std::map<std::string, std::string, std::less<>> m_texts;
    std::vector<std::string> m_writes;
};

} // namespace tamb
