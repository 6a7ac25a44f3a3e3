#include "cellular/OperatorDatabase.h"

#include "i18n/CountryTexts.h"

namespace tamb {

std::span<const std::string_view> MmsOperators(std::size_t countryIndex)
{
    return std::span(MmsOperatorNames[countryIndex]).first(static_cast<std::size_t>(MmsOperatorCounts[countryIndex]));
}

const MmsParameterSet& MmsParams(std::size_t countryIndex, std::size_t operatorPosition)
{
    return MmsOperatorParams[countryIndex][operatorPosition];
}

std::array<std::string_view, kSmtpCountryCount> SmtpCountries(LanguageId language)
{
    std::array<std::string_view, kSmtpCountryCount> names {};
    for (std::size_t position = 0; position < kSmtpCountryCount; ++position) {
        names[position] = CountryName(language, SmtpCountryPositions[position]);
    }
    return names;
}

std::span<const std::string_view> SmtpOperators(std::size_t smtpPosition)
{
    return std::span(SmtpOperatorNames[smtpPosition]).first(static_cast<std::size_t>(SmtpOperatorCounts[smtpPosition]));
}

const GprsParameterSet& GprsParamsFor(std::size_t smtpPosition, std::size_t operatorPosition)
{
    return GprsParams[smtpPosition][operatorPosition];
}

} // namespace tamb
