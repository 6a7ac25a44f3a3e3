#include "app/SetupDialogs.h"

#include "dialogs/CameraMenuRunner.h"

namespace tamb {

namespace {

constexpr std::array<SetupDialogEntry, kSetupDialogCount> kSetupDialogs { {
    { SetupDialog::CameraMenu, &RunGenericCameraMenu },
    { SetupDialog::Q100Menu, nullptr },
    { SetupDialog::Q220Menu, nullptr },
    { SetupDialog::Q300Menu, nullptr },
    { SetupDialog::Q400Menu, nullptr },
    { SetupDialog::Q420Menu, nullptr },
    { SetupDialog::Mms, nullptr },
    { SetupDialog::Q400Mms, nullptr },
    { SetupDialog::Q200Smtp, nullptr },
    { SetupDialog::Q400Smtp, nullptr },
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
