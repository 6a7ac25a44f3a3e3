#include "startup/SystemLanguage.h"

#include <algorithm>
#include <array>

namespace tamb {

namespace {

struct LocaleLanguageId
{
    std::string_view language;
    std::string_view territory; // empty: the language's default identifier
    std::uint16_t id;
};

// Windows identifiers of the languages the program offers and their common territories. The row with an empty
// territory is the language's default; it must follow the language's other rows.
constexpr std::array kLocaleLanguageIds {
    LocaleLanguageId { "zh", "CN", 2052 },
    LocaleLanguageId { "zh", "TW", 1028 },
    LocaleLanguageId { "zh", "HK", 3076 },
    LocaleLanguageId { "zh", "SG", 4100 },
    LocaleLanguageId { "zh", "MO", 5124 },
    LocaleLanguageId { "zh", "", 2052 },
    LocaleLanguageId { "en", "US", 1033 },
    LocaleLanguageId { "en", "GB", 2057 },
    LocaleLanguageId { "en", "AU", 3081 },
    LocaleLanguageId { "en", "CA", 4105 },
    LocaleLanguageId { "en", "", 1033 },
    LocaleLanguageId { "de", "DE", 1031 },
    LocaleLanguageId { "de", "CH", 2055 },
    LocaleLanguageId { "de", "AT", 3079 },
    LocaleLanguageId { "de", "LU", 4103 },
    LocaleLanguageId { "de", "LI", 5127 },
    LocaleLanguageId { "de", "", 1031 },
    LocaleLanguageId { "fi", "", 1035 },
    LocaleLanguageId { "it", "CH", 2064 },
    LocaleLanguageId { "it", "", 1040 },
    LocaleLanguageId { "fr", "BE", 2060 },
    LocaleLanguageId { "fr", "CA", 3084 },
    LocaleLanguageId { "fr", "CH", 4108 },
    LocaleLanguageId { "fr", "", 1036 },
    LocaleLanguageId { "hu", "", 1038 },
    LocaleLanguageId { "sl", "", 1060 },
    LocaleLanguageId { "cs", "", 1029 },
    LocaleLanguageId { "ja", "", 1041 },
    LocaleLanguageId { "lt", "", 1063 },
    LocaleLanguageId { "pl", "", 1045 },
    LocaleLanguageId { "tr", "", 1055 },
    LocaleLanguageId { "uk", "", 1058 },
    LocaleLanguageId { "ru", "", 1049 },
};

constexpr std::uint16_t kEnglishUnitedStates = 1033;

} // namespace

std::uint16_t WindowsLanguageIdFromLocale(std::string_view localeName)
{
    localeName = localeName.substr(0, localeName.find_first_of(".@"));
    const std::size_t separator = localeName.find_first_of("_-");
    const std::string_view language = localeName.substr(0, separator);
    const std::string_view territory
        = separator == std::string_view::npos ? std::string_view {} : localeName.substr(separator + 1);

    const auto exact = std::find_if(kLocaleLanguageIds.begin(), kLocaleLanguageIds.end(),
        [&](const auto& row) { return row.language == language && row.territory == territory; });
    if (exact != kLocaleLanguageIds.end()) {
        return exact->id;
    }
    const auto byLanguage = std::find_if(kLocaleLanguageIds.begin(), kLocaleLanguageIds.end(),
        [&](const auto& row) { return row.language == language && row.territory.empty(); });
    return byLanguage != kLocaleLanguageIds.end() ? byLanguage->id : kEnglishUnitedStates;
}

} // namespace tamb
