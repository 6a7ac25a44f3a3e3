#pragma once

#include <cstdint>

namespace tamb {

// 1 Chinese, 2 English, 3 Deutsch, ...: the position (from 1) in the language table of i18n/Languages.cpp.
using LanguageId = std::int32_t;
// Position (from 1) in the main window's model list.
using ModelId = std::int32_t;

inline constexpr LanguageId kFirstLanguage = 1;
inline constexpr LanguageId kChinese = 1;
inline constexpr LanguageId kEnglish = 2;
inline constexpr int kLanguageCount = 15;
inline constexpr LanguageId kLastLanguage = kFirstLanguage + kLanguageCount - 1;
inline constexpr ModelId kModelCount = 17;

// The one process-wide state that every dialog reads; only start-up and the main window write it.
struct AppState
{
    LanguageId language = kEnglish;
    ModelId model = 1;
    std::uint32_t tvMode = 0;
    bool systemChinese = false;
    // Chinese is chosen on a system that is not Chinese: the screen shows English, the files carry Chinese.
    bool chineseRequested = false;

    // The language number that the settings files carry.
    [[nodiscard]] LanguageId fileLanguage() const { return chineseRequested ? kChinese : language; }
};

} // namespace tamb
