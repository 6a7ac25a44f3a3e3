#include "common/ModelCatalogue.h"

#include <algorithm>

namespace tamb {
namespace {

// Everything the program knows about one model. No field has a default, so a row that leaves one out does not
// compile (see the diagnostic pragma around the table).
struct ModelRow
{
    std::string_view title; // the window caption of the model's setup dialogs
    std::string_view listText; // the model's text in the main window's model list
    SetupDialog camera;
    SetupDialog mms;
    SetupDialog smtp;
    ButtonAvailability buttons;
    ModelMmsRules mmsRules;
};

using D = SetupDialog;
constexpr ButtonAvailability kBoth { .mms = true, .smtp = true };
constexpr ButtonAvailability kMmsOnly { .mms = true, .smtp = false };
constexpr ButtonAvailability kCameraOnly { .mms = false, .smtp = false };

constexpr ModelMmsRules kFullWithSms { MmsStatusList::Full, 3, MmsRecipients::PhoneAndEmail };
constexpr ModelMmsRules kShortWithSms { MmsStatusList::Short, 2, MmsRecipients::PhoneAndEmail };
constexpr ModelMmsRules kShortWithSmsAsThree { MmsStatusList::ShortSmsThree, 2, MmsRecipients::PhoneAndEmail };
constexpr ModelMmsRules kFull { MmsStatusList::Full, kNoSmsPosition, MmsRecipients::PhoneAndEmail };
constexpr ModelMmsRules kShort { MmsStatusList::Short, kNoSmsPosition, MmsRecipients::PhoneAndEmail };
constexpr ModelMmsRules kShortPhoneOrEmail { MmsStatusList::Short, kNoSmsPosition, MmsRecipients::PhoneOrEmail };
// A model without MMS Setup keeps the rules its dialog has for a model it does not list.
constexpr ModelMmsRules kNoMmsSetup = kFull;

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wmissing-field-initializers"
#endif

// One row per ModelId, in the order of the main window's model list. A disabled button still names the dialog
// it would route to.
constexpr auto kModels = std::to_array<ModelRow>({
    { .title = "Tamb Vorrel Q200",
        .listText = "Tamb Q200M",
        .camera = D::CameraMenu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kMmsOnly,
        .mmsRules = kFullWithSms },
    { .title = "Tamb Vorrel Q400",
        .listText = "Tamb Q400M",
        .camera = D::Q400Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q200Smtp,
        .buttons = kMmsOnly,
        .mmsRules = kShortWithSms },
    { .title = "Tamb Vorrel Q200",
        .listText = "Tamb Q200MG",
        .camera = D::CameraMenu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kBoth,
        .mmsRules = kFullWithSms },
    { .title = "Tamb Vorrel Q400",
        .listText = "Tamb Q400MG",
        .camera = D::Q400Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShortWithSms },
    { .title = "Tamb Vorrel Q210",
        .listText = "Tamb Q210MG",
        .camera = D::CameraMenu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kBoth,
        .mmsRules = kShortWithSmsAsThree },
    { .title = "Tamb Vorrel Q220",
        .listText = "Tamb Q220MG",
        .camera = D::Q220Menu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kBoth,
        .mmsRules = kShortWithSmsAsThree },
    { .title = "Tamb Vorrel Q410",
        .listText = "Tamb Q410MG",
        .camera = D::Q400Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShortWithSms },
    { .title = "Tamb Vorrel Q420",
        .listText = "Tamb Q420MG",
        .camera = D::Q420Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShort },
    { .title = "Tamb Vorrel Q230",
        .listText = "Tamb Q230MG",
        .camera = D::Q220Menu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kBoth,
        .mmsRules = kFull },
    { .title = "Tamb Vorrel Q430",
        .listText = "Tamb Q430MG",
        .camera = D::Q400Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShort },
    { .title = "Tamb Vorrel Q300",
        .listText = "Tamb Q300A",
        .camera = D::Q300Menu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kCameraOnly,
        .mmsRules = kNoMmsSetup },
    { .title = "Tamb Vorrel Q300",
        .listText = "Tamb Q300WA",
        .camera = D::Q300Menu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kCameraOnly,
        .mmsRules = kNoMmsSetup },
    { .title = "Tamb Vorrel Q300",
        .listText = "Tamb Q300MG",
        .camera = D::Q300Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShort },
    { .title = "Tamb Vorrel Q100",
        .listText = "Tamb Q100",
        .camera = D::Q100Menu,
        .mms = D::Mms,
        .smtp = D::Q200Smtp,
        .buttons = kCameraOnly,
        .mmsRules = kNoMmsSetup },
    { .title = "Tamb Vorrel Q200 1080P",
        .listText = "Tamb Q200MG-1080P",
        .camera = D::CameraMenu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShort },
    { .title = "Tamb Vorrel Q210 1080P",
        .listText = "Tamb Q210MG-1080P",
        .camera = D::CameraMenu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShort },
    { .title = "Tamb Vorrel Q230 1080P",
        .listText = "Tamb Q230MG-1080P",
        .camera = D::Q300Menu,
        .mms = D::Q400Mms,
        .smtp = D::Q400Smtp,
        .buttons = kBoth,
        .mmsRules = kShortPhoneOrEmail },
});

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

constexpr ModelRow kUnlistedModel { .title = kBrandTitle,
    .listText = "",
    .camera = D::CameraMenu,
    .mms = D::Mms,
    .smtp = D::Q200Smtp,
    .buttons = kBoth,
    .mmsRules = kNoMmsSetup };

static_assert(kModels.size() == static_cast<std::size_t>(kModelCount), "one row per model of the model list");

constexpr std::size_t StatusPositions(MmsStatusList list)
{
    return list == MmsStatusList::Full ? 4 : 3;
}

// A row whose text or rules were left empty or out of range does not compile.
constexpr bool IsComplete(const ModelRow& row)
{
    const int sms = row.mmsRules.smsPosition;
    return row.title.starts_with(kBrandTitle) && row.title.size() > kBrandTitle.size() && !row.listText.empty()
        && (sms == kNoSmsPosition
            || (sms > 0 && static_cast<std::size_t>(sms) < StatusPositions(row.mmsRules.statusList)));
}
static_assert(std::ranges::all_of(kModels, IsComplete), "every model has a title, a list text and sound MMS rules");

struct DialogRow
{
    std::string_view className;
    int templateId;
};

constexpr std::array<DialogRow, kSetupDialogCount> kDialogs { {
    { "CTambVorrelCameraMenu", 129 },
    { "CTambVorrelQ100Menu", 163 },
    { "CTambVorrelQ220Menu", 148 },
    { "CTambVorrelQ300Menu", 149 },
    { "CTambVorrelQ400Menu", 140 },
    { "CTambVorrelQ420Menu", 157 },
    { "CTambVorrelMMS", 130 },
    { "CTambVorrelQ400MMS", 142 },
    { "CTambVorrelQ200Smtp", 147 },
    { "CTambVorrelQ400Smtp", 143 },
} };

constexpr std::array<std::string_view, kModels.size()> MakeListTexts()
{
    std::array<std::string_view, kModels.size()> texts {};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = kModels[i].listText;
    }
    return texts;
}

constexpr auto kListTexts = MakeListTexts();

bool IsListed(ModelId model)
{
    return model >= 1 && model <= kModelCount;
}

const ModelRow& RowFor(ModelId model)
{
    return IsListed(model) ? kModels[static_cast<std::size_t>(model - 1)] : kUnlistedModel;
}

const DialogRow& DialogRowOf(SetupDialog dialog)
{
    const auto index = static_cast<std::size_t>(dialog);
    return kDialogs[index < kDialogs.size() ? index : 0];
}

} // namespace

std::span<const std::string_view> ModelListTexts()
{
    return kListTexts;
}

SetupDialog CameraDialogFor(ModelId model)
{
    return RowFor(model).camera;
}

SetupDialog MmsDialogFor(ModelId model)
{
    return RowFor(model).mms;
}

SetupDialog SmtpDialogFor(ModelId model)
{
    return RowFor(model).smtp;
}

ButtonAvailability ButtonsFor(ModelId model)
{
    return RowFor(model).buttons;
}

ModelMmsRules MmsRulesFor(ModelId model)
{
    return RowFor(model).mmsRules;
}

std::string_view ModelTitle(ModelId model)
{
    return RowFor(model).title;
}

CameraFamily CameraFamilyFor(ModelId model)
{
    switch (CameraDialogFor(model)) {
    case SetupDialog::Q100Menu:
        return CameraFamily::Q100;
    case SetupDialog::Q220Menu:
        return CameraFamily::Q220;
    case SetupDialog::Q300Menu:
        return CameraFamily::Q300;
    case SetupDialog::Q400Menu:
        return CameraFamily::Q400;
    case SetupDialog::Q420Menu:
        return CameraFamily::Q420;
    default:
        return CameraFamily::Generic;
    }
}

std::string_view DialogClassName(SetupDialog dialog)
{
    return DialogRowOf(dialog).className;
}

int DialogTemplateId(SetupDialog dialog)
{
    return DialogRowOf(dialog).templateId;
}

} // namespace tamb
