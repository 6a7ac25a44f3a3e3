#include "i18n/LanguageList.h"

namespace tamb {

std::string_view LanguageListFirstText(const AppState& state)
{
    return state.systemChinese && state.language == kChinese ? kChineseNameInChinese : LanguageOf(kChinese).name;
}

std::array<std::string_view, kLanguageRows> LanguageListTexts(const AppState& state)
{
    std::array<std::string_view, kLanguageRows> texts;
    for (const Language& language : AllLanguages()) {
        texts[static_cast<std::size_t>(language.id - kFirstLanguage)] = language.name;
    }
    texts[0] = LanguageListFirstText(state);
    return texts;
}

int LanguageListEntryToSelect(const AppState& state)
{
    if (state.language == kChinese || (state.language == kEnglish && state.chineseRequested)) {
        return 0;
    }
    if (state.language < kFirstLanguage || state.language > kLastLanguage) {
        return kEnglish - 1;
    }
    return state.language - 1;
}

AppState PickLanguageEntry(AppState state, int entry)
{
    if (entry < 0 || entry >= kLanguageCount) {
        return state;
    }
    if (entry == 0) {
        state.language = state.systemChinese ? kChinese : kEnglish;
        state.chineseRequested = true;
    } else {
        state.language = entry + 1;
        state.chineseRequested = false;
    }
    return state;
}

} // namespace tamb
