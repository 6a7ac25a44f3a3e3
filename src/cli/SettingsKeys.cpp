#include "cli/SettingsKeys.h"

#include "startup/UserPreferenceStore.h"

namespace tamb {

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

} // namespace tamb
