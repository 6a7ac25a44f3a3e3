#include "startup/InMemoryPreferenceStore.h"

namespace tamb {

std::optional<std::uint32_t> InMemoryPreferenceStore::number(const std::string& name) const
{
    if (const auto found = m_numbers.find(name); found != m_numbers.end()) {
        return found->second;
    }
    return std::nullopt;
}

std::optional<std::string> InMemoryPreferenceStore::text(const std::string& name) const
{
    if (const auto found = m_texts.find(name); found != m_texts.end()) {
        return found->second;
    }
    return std::nullopt;
}

bool InMemoryPreferenceStore::createKey()
{
    m_keyPresent = m_keyPresent || m_keyCreatable;
    return m_keyPresent;
}

std::optional<std::uint32_t> InMemoryPreferenceStore::queryNumber(std::string_view name)
{
    if (!m_keyPresent) {
        return std::nullopt;
    }
    if (const auto found = m_numbers.find(name); found != m_numbers.end()) {
        return found->second;
    }
    return std::nullopt;
}

bool InMemoryPreferenceStore::setNumber(std::string_view name, std::uint32_t value)
{
    if (!m_keyPresent) {
        return false;
    }
    m_numbers.insert_or_assign(std::string { name }, value);
    m_writes.emplace_back(name);
    return true;
}

bool InMemoryPreferenceStore::hasValue(std::string_view name)
{
    return m_keyPresent && (m_numbers.contains(name) || m_texts.contains(name));
}

bool InMemoryPreferenceStore::setText(std::string_view name, std::string_view text)
{
    if (!m_keyPresent) {
        return false;
    }
    m_texts.insert_or_assign(std::string { name }, std::string { text });
    m_writes.emplace_back(name);
    return true;
}

} // namespace tamb
