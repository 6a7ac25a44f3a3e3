#pragma once

#include "common/AppState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tamb {

// The result of reading one stored preference.
struct PreferenceRead
{
    bool found = false;
    std::int32_t value = 0;

    friend bool operator==(const PreferenceRead&, const PreferenceRead&) = default;
};

inline constexpr std::string_view kLanguageValue = "language";
inline constexpr std::string_view kModelValue = "model";
inline constexpr std::string_view kTvModeValue = "TvMode";
inline constexpr std::string_view kCompanyValue = "Company";
inline constexpr std::string_view kCompanyText = "Tamb Vorrel Electronics Co., Ltd";

// The `Company` value as the registry holds it: 260 UTF-16 units (little-endian), the text, its terminating
// zero and zeros up to the end.
inline constexpr std::size_t kCompanyBlockSize = 520;
[[nodiscard]] std::array<std::uint8_t, kCompanyBlockSize> CompanyBlock();

// The four preferences that persist between runs, kept under one key (a registry key on Windows, a small file
// elsewhere). Every operation opens the key anew, does one thing and closes it; none reports an error beyond
// its result. Numbers are stored as 32-bit values holding a 16-bit quantity; reads use only the low 16 bits.
//
// The access pattern lives here once; a concrete store only says how a key and its values are reached.
class PreferenceStore
{
public:
    // `systemLanguageId` is the system's default language identifier (Windows LANGID numbering).
    explicit PreferenceStore(std::uint16_t systemLanguageId)
        : m_systemLanguageId(systemLanguageId)
    {
    }
    virtual ~PreferenceStore() = default;
    PreferenceStore(const PreferenceStore&) = delete;
    PreferenceStore& operator=(const PreferenceStore&) = delete;

    // Not found when the key does not exist (the key is then created, so that later writes land); found with
    // the language of the system when the key exists without a readable `language`.
    [[nodiscard]] PreferenceRead ReadLanguage();
    [[nodiscard]] bool WriteLanguage(LanguageId language);
    [[nodiscard]] PreferenceRead ReadModel();
    [[nodiscard]] bool WriteModel(ModelId model);
    [[nodiscard]] PreferenceRead ReadTvMode();
    [[nodiscard]] bool WriteTvMode(std::uint16_t tvMode);
    [[nodiscard]] bool ReadCompany();
    [[nodiscard]] bool WriteCompany();

    // The stored language when it is one of 1..15, without creating anything (for tools that only look).
    [[nodiscard]] std::optional<LanguageId> StoredLanguage();
    // The stored TV mode, without creating anything.
    [[nodiscard]] std::optional<std::uint16_t> StoredTvMode();

protected:
    [[nodiscard]] virtual bool keyExists() = 0;
    // Creates the key; false when it cannot be created.
    [[nodiscard]] virtual bool createKey() = 0;
    // The stored number, or nothing when the key or the value is missing or unreadable.
    [[nodiscard]] virtual std::optional<std::uint32_t> queryNumber(std::string_view name) = 0;
    // False when the key is missing or the value cannot be set.
    [[nodiscard]] virtual bool setNumber(std::string_view name, std::uint32_t value) = 0;
    [[nodiscard]] virtual bool hasValue(std::string_view name) = 0;
    [[nodiscard]] virtual bool setText(std::string_view name, std::string_view text) = 0;

private:
    [[nodiscard]] PreferenceRead readNumber(std::string_view name);

    std::uint16_t m_systemLanguageId;
};

} // namespace tamb
