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

// The caption of the main window and of every message box, and the title of a model without a row of its own.
inline constexpr std::string_view kBrandTitle = "Tamb Vorrel";

// Which MMS Status list a model shows and the status code each of its positions gives the camera.
enum class MmsStatusList
{
    Full, // Off, VGA, QVGA, SMS: the position is the code
    ShortSmsThree, // Off, VGA, SMS: SMS is sent as 3, like in the full list
    Short, // Off, VGA, SMS: the position is the code
};

// Who may receive the pictures in the first recipient and e-mail edits.
enum class MmsRecipients
{
    PhoneAndEmail, // a phone number in the first edit, an address in the e-mail edit
    PhoneOrEmail, // either in both edits
};

inline constexpr int kNoSmsPosition = -1;

// What a model changes in the rules of its MMS dialog: the status list, which of its positions means SMS
// (kNoSmsPosition for none) and who may receive the pictures.
struct ModelMmsRules
{
    MmsStatusList statusList;
    int smsPosition;
    MmsRecipients recipients;

    friend bool operator==(const ModelMmsRules&, const ModelMmsRules&) = default;
};

struct ButtonAvailability
{
    bool mms = true;
    bool smtp = true;

    friend bool operator==(const ButtonAvailability&, const ButtonAvailability&) = default;
};

// The model list texts in list order (entry 0 is ModelId 1).
[[nodiscard]] std::span<const std::string_view> ModelListTexts();

// Every lookup below accepts any ModelId. A value outside 1..kModelCount (only a hand-edited preference gives one)
// is treated like a model without a row of its own: generic camera dialog, generic MMS and Q200 SMTP dialogs with
// the full status list and no SMS position, both buttons enabled, the brand caption as title.
[[nodiscard]] SetupDialog CameraDialogFor(ModelId model);
[[nodiscard]] SetupDialog MmsDialogFor(ModelId model);
[[nodiscard]] SetupDialog SmtpDialogFor(ModelId model);
[[nodiscard]] ButtonAvailability ButtonsFor(ModelId model);
[[nodiscard]] ModelMmsRules MmsRulesFor(ModelId model);
[[nodiscard]] std::string_view ModelTitle(ModelId model);

// The record family that the camera dialog of `model` builds.
[[nodiscard]] CameraFamily CameraFamilyFor(ModelId model);

// The class name and dialog template number of a setup dialog.
[[nodiscard]] std::string_view DialogClassName(SetupDialog dialog);
[[nodiscard]] int DialogTemplateId(SetupDialog dialog);

} // namespace tamb
