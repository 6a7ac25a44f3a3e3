#include "smtp/SmtpDialogData.h"

#include "common/ModelCatalogue.h"
#include "model/SettingsModel.h"

namespace tamb {
namespace {

constexpr SmtpDialogData kQ200 {
    .family = SmtpFamily::Q200,
    .smsPhoneEditId = 1113,
    .hourListId = 1135,
    .statusListId = kNoControl,
    .emailLimit = 32,
    .phoneCheckedWithoutHour = false,
    .hourListSyncsOnClose = true,
};

constexpr SmtpDialogData kQ400 {
    .family = SmtpFamily::Q400,
    .smsPhoneEditId = 1117,
    .hourListId = 1115,
    .statusListId = 1114,
    .emailLimit = 40,
    .phoneCheckedWithoutHour = true,
    .hourListSyncsOnClose = false,
};

} // namespace

const SmtpDialogData& SmtpDialogDataOf(SmtpFamily family)
{
    return family == SmtpFamily::Q400 ? kQ400 : kQ200;
}

std::optional<SmtpFamily> SmtpFamilyFor(ModelId model)
{
    if (!ButtonsFor(model).smtp)
        return std::nullopt;
    return SmtpDialogFor(model) == SetupDialog::Q400Smtp ? SmtpFamily::Q400 : SmtpFamily::Q200;
}

} // namespace tamb
