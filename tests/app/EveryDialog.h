#pragma once

#include "app/MainWindow.h"
#include "common/ModelCatalogue.h"
#include "dialogs/CameraDialog.h"
#include "dialogs/MmsDialog.h"
#include "dialogs/SmtpDialog.h"

#include <QString>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tamb::test {

// A dialog prepared as it is just before it is shown, without a modal run.
template <typename Shown> class Prepared : public Shown
{
public:
    template <typename... Arguments>
    explicit Prepared(Arguments&&... arguments)
        : Shown(std::forward<Arguments>(arguments)...)
    {
        this->initialise();
    }
};

struct NamedDialog
{
    QString name; // e.g. "camera-q300" for the dialog, with the model that opens it
    std::unique_ptr<SettingsDialog> dialog;
};

// The setup dialogs that the buttons of `model` open, in `language`, as the main window opens them (nothing is
// offered for loading). `name` names the dialog kind: "camera", "mms", "smtp".
inline std::vector<NamedDialog> SetupDialogsOf(ModelId model, LanguageId language)
{
    AppState state;
    state.model = model;
    state.language = language;
    std::vector<NamedDialog> dialogs;
    const CameraFamily family = CameraFamilyFor(model);
    CameraEnvironment camera = DesktopCameraEnvironment(state);
    camera.offerToLoad = false;
    dialogs.push_back({ QStringLiteral("camera"),
        std::make_unique<Prepared<CameraDialog>>(family, CameraLayout(family), std::move(camera)) });
    MmsEnvironment mms = DesktopMmsEnvironment(state);
    mms.offerToLoad = false;
    const DialogLayout& mmsLayout = MmsDialogFor(model) == SetupDialog::Q400Mms ? Q400MmsLayout() : MmsLayout();
    dialogs.push_back({ QStringLiteral("mms"), std::make_unique<Prepared<MmsDialog>>(mmsLayout, std::move(mms)) });
    if (const std::optional<SmtpFamily> smtpFamily = SmtpFamilyFor(model)) {
        SmtpEnvironment smtp = DesktopSmtpEnvironment(state);
        smtp.offerToLoad = false;
        const DialogLayout& layout = *smtpFamily == SmtpFamily::Q400 ? Q400SmtpLayout() : Q200SmtpLayout();
        dialogs.push_back(
            { QStringLiteral("smtp"), std::make_unique<Prepared<SmtpDialog>>(*smtpFamily, layout, std::move(smtp)) });
    }
    return dialogs;
}

// A model that opens each of the ten setup dialogs, with the dialog's name.
struct DialogOfModel
{
    SetupDialog dialog;
    ModelId model;
    QString name;
};

inline const std::vector<DialogOfModel>& TenDialogs()
{
    static const std::vector<DialogOfModel> dialogs {
        { SetupDialog::CameraMenu, 1, QStringLiteral("camera") },
        { SetupDialog::Q100Menu, 14, QStringLiteral("camera-q100") },
        { SetupDialog::Q220Menu, 6, QStringLiteral("camera-q220") },
        { SetupDialog::Q300Menu, 13, QStringLiteral("camera-q300") },
        { SetupDialog::Q400Menu, 2, QStringLiteral("camera-q400") },
        { SetupDialog::Q420Menu, 8, QStringLiteral("camera-q420") },
        { SetupDialog::Mms, 3, QStringLiteral("mms") },
        { SetupDialog::Q400Mms, 4, QStringLiteral("mms-q400") },
        { SetupDialog::Q200Smtp, 3, QStringLiteral("smtp") },
        { SetupDialog::Q400Smtp, 4, QStringLiteral("smtp-q400") },
    };
    return dialogs;
}

} // namespace tamb::test
