#include "startup/Startup.h"

namespace tamb {
namespace {

bool IsLanguage(std::int32_t value)
{
    return value >= kFirstLanguage && value <= kLastLanguage;
}

bool IsModel(std::int32_t value)
{
    return value >= 1 && value <= kModelCount;
}

} // namespace

LanguageId LanguageFromSystem(std::uint16_t systemLanguageId)
{
    switch (systemLanguageId) {
    case kSystemLanguageChinesePrc:
        return kChinese;
    case kSystemLanguageGermanLiechtenstein:
        return 3;
    default:
        return kEnglish;
    }
}

AppState RunStartup(PreferenceStore& store, std::uint16_t systemLanguageId)
{
    AppState state;
    state.systemChinese = systemLanguageId == kSystemLanguageChinesePrc;
    const LanguageId systemLanguage = LanguageFromSystem(systemLanguageId);

    LanguageId language = systemLanguage;
    if (const auto stored = store.ReadLanguage(); stored.found) {
        // A hand-edited value outside the language list is treated like a missing one and left as it is.
        language = IsLanguage(stored.value) ? stored.value : systemLanguage;
    } else {
        static_cast<void>(store.WriteLanguage(language));
    }
    state.language = language;
    if (!state.systemChinese && language == kChinese) {
        state.language = kEnglish;
        state.chineseRequested = true;
    }

    if (const auto stored = store.ReadModel(); stored.found) {
        state.model = IsModel(stored.value) ? stored.value : 1;
    } else {
        state.model = 1;
        static_cast<void>(store.WriteModel(1));
    }

    if (const auto stored = store.ReadTvMode(); stored.found) {
        state.tvMode = static_cast<std::uint32_t>(stored.value);
    } else {
        state.tvMode = 0;
        static_cast<void>(store.WriteTvMode(0));
    }

    if (!store.ReadCompany()) {
        static_cast<void>(store.WriteCompany());
    }
    return state;
}

ModelId ReadModelPreference(PreferenceStore& store)
{
    const auto stored = store.ReadModel();
    return stored.found && IsModel(stored.value) ? stored.value : 1;
}

} // namespace tamb
