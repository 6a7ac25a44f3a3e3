#include "startup/PreferenceStore.h"

#include "startup/Startup.h"

namespace tamb {
namespace {

std::int32_t Low16(std::uint32_t value)
{
    return static_cast<std::int32_t>(value & 0xFFFFu);
}

// Numbers are kept as 16-bit quantities, zero-extended to 32 bits.
std::uint32_t AsStored(std::int32_t value)
{
    return static_cast<std::uint32_t>(value) & 0xFFFFu;
}

} // namespace

std::array<std::uint8_t, kCompanyBlockSize> CompanyBlock()
{
    static_assert((kCompanyText.size() + 1) * 2 <= kCompanyBlockSize);
    std::array<std::uint8_t, kCompanyBlockSize> block {};
    // The text is plain ASCII, so each character is one UTF-16 unit with a zero high byte.
    for (std::size_t i = 0; i < kCompanyText.size(); ++i) {
        block[2 * i] = static_cast<std::uint8_t>(kCompanyText[i]);
    }
    return block;
}

PreferenceRead PreferenceStore::readNumber(std::string_view name)
{
    if (const auto value = queryNumber(name)) {
        return { true, Low16(*value) };
    }
    return {};
}

PreferenceRead PreferenceStore::ReadLanguage()
{
    if (!keyExists()) {
        // Creating the key on the first run lets the caller store the language it derives from the system.
        static_cast<void>(createKey());
        return {};
    }
    if (const auto value = queryNumber(kLanguageValue)) {
        return { true, Low16(*value) };
    }
    return { true, LanguageFromSystem(m_systemLanguageId) };
}

bool PreferenceStore::WriteLanguage(LanguageId language)
{
    return setNumber(kLanguageValue, AsStored(language));
}

PreferenceRead PreferenceStore::ReadModel()
{
    return readNumber(kModelValue);
}

bool PreferenceStore::WriteModel(ModelId model)
{
    return setNumber(kModelValue, AsStored(model));
}

PreferenceRead PreferenceStore::ReadTvMode()
{
    return readNumber(kTvModeValue);
}

bool PreferenceStore::WriteTvMode(std::uint16_t tvMode)
{
    return setNumber(kTvModeValue, tvMode);
}

bool PreferenceStore::ReadCompany()
{
    return hasValue(kCompanyValue);
}

bool PreferenceStore::WriteCompany()
{
    return setText(kCompanyValue, kCompanyText);
}

std::optional<LanguageId> PreferenceStore::StoredLanguage()
{
    const auto read = readNumber(kLanguageValue);
    if (read.found && read.value >= kFirstLanguage && read.value <= kLastLanguage) {
        return read.value;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> PreferenceStore::StoredTvMode()
{
    const auto read = readNumber(kTvModeValue);
    if (read.found) {
        return static_cast<std::uint16_t>(read.value);
    }
    return std::nullopt;
}

} // namespace tamb
