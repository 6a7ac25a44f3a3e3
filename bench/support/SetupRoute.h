#pragma once

// How a user reaches each setup dialog from the main window: which button, with which model chosen. Benchmarks
// walk the setup dialog table with it, so that every dialog that has been built is measured.

#include "app/MainWindow.h"
#include "app/SetupDialogs.h"
#include "common/ModelCatalogue.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tamb::bench {

struct SetupRoute
{
    SetupDialog dialog;
    std::string_view className;
    int buttonId;
    ModelId model;
};

// The first model whose enabled button opens `dialog`, or nothing when no model reaches it.
[[nodiscard]] inline std::optional<SetupRoute> RouteTo(SetupDialog dialog)
{
    for (ModelId model = 1; model <= kModelCount; ++model) {
        const ButtonAvailability buttons = ButtonsFor(model);
        const auto through = [&](int buttonId) {
            return SetupRoute {
                .dialog = dialog, .className = DialogClassName(dialog), .buttonId = buttonId, .model = model
            };
        };
        if (CameraDialogFor(model) == dialog) {
            return through(kCameraSetupButtonId);
        }
        if (buttons.mms && MmsDialogFor(model) == dialog) {
            return through(kMmsSetupButtonId);
        }
        if (buttons.smtp && SmtpDialogFor(model) == dialog) {
            return through(kSmtpSetupButtonId);
        }
    }
    return std::nullopt;
}

// The routes to every dialog of the setup dialog table that has been built, in table order.
[[nodiscard]] inline std::vector<SetupRoute> BuiltDialogRoutes()
{
    std::vector<SetupRoute> routes;
    for (const SetupDialogEntry& entry : SetupDialogTable()) {
        if (entry.run == nullptr) {
            continue;
        }
        if (const std::optional<SetupRoute> route = RouteTo(entry.dialog)) {
            routes.push_back(*route);
        }
    }
    return routes;
}

} // namespace tamb::bench
