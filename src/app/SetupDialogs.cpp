#include "app/SetupDialogs.h"

#include "dialogs/CameraMenuRunner.h"
#include "dialogs/MmsSetupRunner.h"
#include "dialogs/SmtpSetupRunner.h"

namespace tamb {

namespace {

constexpr std::array<SetupDialogEntry, kSetupDialogCount> kSetupDialogs { {
    { SetupDialog::CameraMenu, &RunGenericCameraMenu },
    { SetupDialog::Q100Menu, &RunQ100CameraMenu },
    { SetupDialog::Q220Menu, &RunQ220CameraMenu },
    { SetupDialog::Q300Menu, &RunQ300CameraMenu },
    { SetupDialog::Q400Menu, &RunQ400CameraMenu },
    { SetupDialog::Q420Menu, &RunQ420CameraMenu },
    { SetupDialog::Mms, &RunMmsDialog },
    { SetupDialog::Q400Mms, &RunQ400MmsDialog },
    { SetupDialog::Q200Smtp, &RunQ200Smtp },
    { SetupDialog::Q400Smtp, &RunQ400Smtp },
} };

constexpr bool RowsInDialogOrder()
{
    for (std::size_t row = 0; row < kSetupDialogs.size(); ++row) {
        if (static_cast<std::size_t>(kSetupDialogs[row].dialog) != row) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInDialogOrder(), "the rows of the setup dialog table follow the SetupDialog order");

} // namespace

const std::array<SetupDialogEntry, kSetupDialogCount>& SetupDialogTable()
{
    return kSetupDialogs;
}

} // namespace tamb
