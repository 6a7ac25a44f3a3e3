#include "cli/SettingsKeys.h"

#include "startup/UserPreferenceStore.h"

#include <charconv>

namespace tamb {

std::optional<std::uint8_t> SmallNumberFromText(std::string_view text)
{
    unsigned value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<bool> AutoModeFromText(std::string_view text)
{
    if (text == "auto") {
        return true;
    }
    if (text == "manual") {
        return false;
    }
    return std::nullopt;
}

std::optional<bool> AutoModeOf(const ParsedArguments& arguments)
{
    for (const auto& [key, value] : arguments.assignments) {
        if (key == "mode") {
            return AutoModeFromText(value);
        }
    }
    return true;
}

AppState AppStateFromArguments(const ParsedArguments& arguments)
{
    // Only looks at the stored preferences: a command never creates or changes them.
    const auto store = OpenUserPreferenceStore(0);
    AppState app;
    app.model = arguments.model.value_or(app.model);
    app.language = arguments.language ? *arguments.language : store->StoredLanguage().value_or(kEnglish);
    app.chineseRequested = arguments.chineseRequested;
    app.tvMode = arguments.tvMode ? *arguments.tvMode : store->StoredTvMode().value_or(0);
    return app;
}

std::string BadValueMessage(std::string_view key, std::string_view value, std::string_view allowed)
{
    return std::string { key } + " takes " + std::string { allowed } + ", not '" + std::string { value } + "'";
}

} // namespace tamb
