#include "dialogs/MmsDialog.h"

#include "common/Paths.h"
#include "dialogs/CardFolder.h"
#include "dialogs/ProfileCommands.h"

namespace tamb {

MmsDialog::MmsDialog(const DialogLayout& layout, MmsEnvironment environment, QWidget* parent)
    : SettingsDialog(layout, m_model, parent)
    , m_model(std::move(environment))
{
    AddProfileCommands(*this, m_model, kSetupFileName);
}

MmsEnvironment DesktopMmsEnvironment(const AppState& state)
{
    return MmsEnvironment {
        .app = state,
        .startFolder = CardStartFolder(),
        .codePage = OemCodePage::forSystem(),
        .writeSetupFile = {},
        .folderLimit = kFolderTextLimit,
        .offerToLoad = true,
    };
}

} // namespace tamb
