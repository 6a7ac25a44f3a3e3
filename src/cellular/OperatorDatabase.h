#pragma once

#include "common/AppState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tamb {

// The countries of the MMS country list (the country index is the position in it) and of the SMTP list,
// which leaves Cayman Islands out.
inline constexpr std::size_t kCountryCount = 44;
inline constexpr std::size_t kSmtpCountryCount = 43;
// Name and parameter slots per country; only the first "count" of them are offered.
inline constexpr std::size_t kOperatorSlots = 10;
inline constexpr std::size_t kCaymanIslandsCountry = 41;

using OperatorNameRow = std::array<std::string_view, kOperatorSlots>;

// What an MMS operator needs, in the order the dialogs and files use.
struct MmsParameterSet
{
    std::string_view url; // MMS centre address
    std::string_view apn;
    std::string_view gateway; // WAP gateway address
    std::string_view port;
    std::string_view account;
    std::string_view password;
};

// What a GPRS data connection needs for sending e-mail.
struct GprsParameterSet
{
    std::string_view apn;
    std::string_view account;
    std::string_view password;
};

// MMS part, indexed by country index and operator position.
extern const std::array<std::int8_t, kCountryCount> MmsOperatorCounts;
extern const std::array<OperatorNameRow, kCountryCount> MmsOperatorNames;
extern const std::array<std::array<MmsParameterSet, kOperatorSlots>, kCountryCount> MmsOperatorParams;

// SMTP part, indexed by SMTP position (see SmtpCountryPositions) and operator position.
extern const std::array<std::int8_t, kSmtpCountryCount> SmtpOperatorCounts;
extern const std::array<OperatorNameRow, kSmtpCountryCount> SmtpOperatorNames;
extern const std::array<std::array<GprsParameterSet, kOperatorSlots>, kSmtpCountryCount> GprsParams;

// The country index behind each SMTP position: every country but Cayman Islands, in order.
inline constexpr std::array<std::uint8_t, kSmtpCountryCount> SmtpCountryPositions = [] {
    std::array<std::uint8_t, kSmtpCountryCount> positions {};
    std::uint8_t country = 0;
    for (auto& position : positions) {
        if (country == kCaymanIslandsCountry) {
            ++country;
        }
        position = country++;
    }
    return positions;
}();

// True when every count is 1..10 and exactly the first "count" names of its row are filled.
template <std::size_t N>
[[nodiscard]] constexpr bool OperatorListsAreConsistent(
    const std::array<std::int8_t, N>& counts, const std::array<OperatorNameRow, N>& names)
{
    for (std::size_t row = 0; row < N; ++row) {
        if (counts[row] < 1 || static_cast<std::size_t>(counts[row]) > kOperatorSlots) {
            return false;
        }
        for (std::size_t slot = 0; slot < kOperatorSlots; ++slot) {
            if (names[row][slot].empty() != (slot >= static_cast<std::size_t>(counts[row]))) {
                return false;
            }
        }
    }
    return true;
}

// The operators offered for a country index (0..43).
[[nodiscard]] std::span<const std::string_view> MmsOperators(std::size_t countryIndex);
// The parameters of an offered operator of a country index.
[[nodiscard]] const MmsParameterSet& MmsParams(std::size_t countryIndex, std::size_t operatorPosition);

// The 43 names of the SMTP country list in `language`.
[[nodiscard]] std::array<std::string_view, kSmtpCountryCount> SmtpCountries(LanguageId language);
// The operators offered for an SMTP position (0..42).
[[nodiscard]] std::span<const std::string_view> SmtpOperators(std::size_t smtpPosition);
// The GPRS parameters of an offered operator of an SMTP position.
[[nodiscard]] const GprsParameterSet& GprsParamsFor(std::size_t smtpPosition, std::size_t operatorPosition);

} // namespace tamb
