#include "i18n/Languages.h"

#include <array>

namespace tamb {

extern const LanguageTexts kChineseTexts;
extern const LanguageTexts kEnglishTexts;
extern const LanguageTexts kGermanTexts;
extern const LanguageTexts kFinnishTexts;
extern const LanguageTexts kItalianTexts;
extern const LanguageTexts kFrenchTexts;
extern const LanguageTexts kHungarianTexts;
extern const LanguageTexts kSlovenianTexts;
extern const LanguageTexts kCzechTexts;
extern const LanguageTexts kJapaneseTexts;
extern const LanguageTexts kLithuanianTexts;
extern const LanguageTexts kPolishTexts;
extern const LanguageTexts kTurkishTexts;
extern const LanguageTexts kUkrainianTexts;
extern const LanguageTexts kRussianTexts;

namespace {

constexpr auto kLanguages = std::to_array<Language>({
    { .id = 1, .name = "Chinese", .qtName = "zh_CN", .texts = &kChineseTexts },
    { .id = 2, .name = "English", .qtName = "en", .texts = &kEnglishTexts },
    { .id = 3, .name = "Deutsch", .qtName = "de", .texts = &kGermanTexts },
    { .id = 4, .name = "Suomi", .qtName = "fi", .texts = &kFinnishTexts },
    { .id = 5, .name = "Italiano", .qtName = "it", .texts = &kItalianTexts },
    { .id = 6, .name = "Francais", .qtName = "fr", .texts = &kFrenchTexts },
    { .id = 7, .name = "Magyar", .qtName = "hu", .texts = &kHungarianTexts },
    { .id = 8, .name = "Slovenian", .qtName = "sl", .texts = &kSlovenianTexts },
    { .id = 9, .name = "Cesky", .qtName = "cs", .texts = &kCzechTexts },
    { .id = 10, .name = "Japanese", .qtName = "ja", .texts = &kJapaneseTexts },
    { .id = 11, .name = "Lithuanian", .qtName = "lt", .texts = &kLithuanianTexts },
    { .id = 12, .name = "Polish", .qtName = "pl", .texts = &kPolishTexts },
    { .id = 13, .name = "Turkiye", .qtName = "tr", .texts = &kTurkishTexts },
    { .id = 14, .name = "Ukraine", .qtName = "uk", .texts = &kUkrainianTexts },
    { .id = 15, .name = "Russian", .qtName = "ru", .texts = &kRussianTexts },
});
static_assert(kLanguages.size() == kLanguageRows, "one row per language of kLanguageCount");

constexpr bool InLanguageIdOrder()
{
    for (std::size_t row = 0; row < kLanguages.size(); ++row) {
        if (kLanguages[row].id != kFirstLanguage + static_cast<LanguageId>(row)) {
            return false;
        }
    }
    return true;
}
static_assert(InLanguageIdOrder(), "the languages are listed by LanguageId, from 1 without a gap");

} // namespace

std::span<const Language> AllLanguages()
{
    return kLanguages;
}

const Language& LanguageOf(LanguageId language)
{
    const bool listed = language >= kFirstLanguage && language <= kLastLanguage;
    return kLanguages[static_cast<std::size_t>((listed ? language : kEnglish) - kFirstLanguage)];
}

std::span<const std::string_view> LocalisedRow(std::size_t table, LanguageId language)
{
    return RowOrEnglish(*LanguageOf(language).texts, *LanguageOf(kEnglish).texts, table);
}

std::vector<std::string_view> UntranslatedTables(LanguageId language)
{
    std::vector<std::string_view> names;
    const LanguageTexts& texts = *LanguageOf(language).texts;
    for (std::size_t table = 0; table < kTextTableCount; ++table) {
        if (!texts.translated[table]) {
            names.push_back(kTextTables[table].name);
        }
    }
    return names;
}

} // namespace tamb
