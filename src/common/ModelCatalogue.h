#pragma once

#include "common/AppState.h"
#include "common/CameraFamily.h"

#include <array>
#include <span>
#include <string_view>

namespace tamb {

// The ten setup dialogs the main window's buttons can open.
enum class SetupDialog
{
    CameraMenu, // the generic camera family
    Q100Menu,
    Q220Menu,
    Q300Menu,
    Q400Menu,
    Q420Menu,
    Mms,
    Q400Mms,
    Q200Smtp,
    Q400Smtp,
};

inline constexpr std::size_t kSetupDialogCount = 10;

// The window captions of the setup dialogs, indexed by ModelId; entry 0 is the brand caption that the main
// window and every message box use as well.
inline constexpr std::array<std::string_view, kModelCount + 1> ModelTitles {
    "Tamb Vorrel",
    "Tamb Vorrel Q200",
    "Tamb Vorrel Q400",
    "Tamb Vorrel Q200",
    "Tamb Vorrel Q400",
    "Tamb Vorrel Q210",
    "Tamb Vorrel Q220",
    "Tamb Vorrel Q410",
    "Tamb Vorrel Q420",
    "Tamb Vorrel Q230",
    "Tamb Vorrel Q430",
    "Tamb Vorrel Q300",
    "Tamb Vorrel Q300",
    "Tamb Vorrel Q300",
    "Tamb Vorrel Q100",
    "Tamb Vorrel Q200 1080P",
    "Tamb Vorrel Q210 1080P",
    "Tamb Vorrel Q230 1080P",
};

struct ButtonAvailability
{
    bool mms = true;
    bool smtp = true;

    friend bool operator==(const ButtonAvailability&, const ButtonAvailability&) = default;
};

// The model list texts in list order (entry 0 is ModelId 1).
[[nodiscard]] std::span<const std::string_view> ModelListTexts();

// Every lookup below accepts any ModelId. A value outside 1..17 (only a hand-edited preference gives one) is
// treated like a model without a row of its own: generic camera dialog, generic MMS and Q200 SMTP dialogs, both
// buttons enabled, the brand caption as title.
[[nodiscard]] SetupDialog CameraDialogFor(ModelId model);
[[nodiscard]] SetupDialog MmsDialogFor(ModelId model);
[[nodiscard]] SetupDialog SmtpDialogFor(ModelId model);
[[nodiscard]] ButtonAvailability ButtonsFor(ModelId model);
[[nodiscard]] std::string_view ModelTitle(ModelId model);

// The record family that the camera dialog of `model` builds.
[[nodiscard]] CameraFamily CameraFamilyFor(ModelId model);

// The class name and dialog template number of a setup dialog.
[[nodiscard]] std::string_view DialogClassName(SetupDialog dialog);
[[nodiscard]] int DialogTemplateId(SetupDialog dialog);

} // namespace tamb
