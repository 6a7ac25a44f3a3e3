#include "common/ModelCatalogue.h"

namespace tamb {
namespace {

struct ModelRow
{
    std::string_view listText;
    SetupDialog camera;
    SetupDialog mms;
    SetupDialog smtp;
    ButtonAvailability buttons;
};

using D = SetupDialog;
constexpr ButtonAvailability kBoth { true, true };
constexpr ButtonAvailability kMmsOnly { true, false };
constexpr ButtonAvailability kCameraOnly { false, false };

// One row per ModelId 1..17. A disabled button still names the dialog it would route to.
constexpr std::array<ModelRow, kModelCount> kModels { {
    { "Tamb Q200M", D::CameraMenu, D::Mms, D::Q200Smtp, kMmsOnly },
    { "Tamb Q400M", D::Q400Menu, D::Q400Mms, D::Q200Smtp, kMmsOnly },
    { "Tamb Q200MG", D::CameraMenu, D::Mms, D::Q200Smtp, kBoth },
    { "Tamb Q400MG", D::Q400Menu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q210MG", D::CameraMenu, D::Mms, D::Q200Smtp, kBoth },
    { "Tamb Q220MG", D::Q220Menu, D::Mms, D::Q200Smtp, kBoth },
    { "Tamb Q410MG", D::Q400Menu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q420MG", D::Q420Menu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q230MG", D::Q220Menu, D::Mms, D::Q200Smtp, kBoth },
    { "Tamb Q430MG", D::Q400Menu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q300A", D::Q300Menu, D::Mms, D::Q200Smtp, kCameraOnly },
    { "Tamb Q300WA", D::Q300Menu, D::Mms, D::Q200Smtp, kCameraOnly },
    { "Tamb Q300MG", D::Q300Menu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q100", D::Q100Menu, D::Mms, D::Q200Smtp, kCameraOnly },
    { "Tamb Q200MG-1080P", D::CameraMenu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q210MG-1080P", D::CameraMenu, D::Q400Mms, D::Q400Smtp, kBoth },
    { "Tamb Q230MG-1080P", D::Q300Menu, D::Q400Mms, D::Q400Smtp, kBoth },
} };

constexpr ModelRow kUnlistedModel { "", D::CameraMenu, D::Mms, D::Q200Smtp, kBoth };

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

constexpr std::array<std::string_view, kModelCount> makeListTexts()
{
    std::array<std::string_view, kModelCount> texts {};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = kModels[i].listText;
    }
    return texts;
}

constexpr auto kListTexts = makeListTexts();

bool isListed(ModelId model)
{
    return model >= 1 && model <= kModelCount;
}

const ModelRow& rowFor(ModelId model)
{
    return isListed(model) ? kModels[static_cast<std::size_t>(model - 1)] : kUnlistedModel;
}

const DialogRow& dialogRow(SetupDialog dialog)
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
    return rowFor(model).camera;
}

SetupDialog MmsDialogFor(ModelId model)
{
    return rowFor(model).mms;
}

SetupDialog SmtpDialogFor(ModelId model)
{
    return rowFor(model).smtp;
}

ButtonAvailability ButtonsFor(ModelId model)
{
    return rowFor(model).buttons;
}

std::string_view ModelTitle(ModelId model)
{
    return isListed(model) ? ModelTitles[static_cast<std::size_t>(model)] : ModelTitles[0];
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
    return dialogRow(dialog).className;
}

int DialogTemplateId(SetupDialog dialog)
{
    return dialogRow(dialog).templateId;
}

} // namespace tamb
