#include "app/SetupDialogs.h"
#include "support/ModalRun.h"

#include <QAbstractButton>
#include <QTest>
#include <string>
#include <vector>

namespace tamb {

// Camera Setup through the main window's table of setup dialogs: every model opens the camera dialog of its
// family (the template of that family) with its own title, and Exit leads back to the main window.
class CameraSetupRoutingTest : public QObject
{
    Q_OBJECT

private slots:
    void everyModelOpensItsFamilysDialogWithItsTitle()
    {
        for (ModelId model = 1; model <= kModelCount; ++model) {
            const SetupDialog family = CameraDialogFor(model);
            const SetupDialogRunner run = SetupDialogTable()[static_cast<std::size_t>(family)].run;
            QVERIFY2(run != nullptr, std::to_string(model).c_str());
            AppState state;
            state.model = model;
            std::string title;
            std::string templateId;
            guitest::ModalDriver driver({ [&](Dialog& dialog) {
                title = dialog.windowTitle().toStdString();
                templateId = dialog.objectName().toStdString();
                QTest::mouseClick(dialog.button(kCancelId), Qt::LeftButton);
            } });
            QCOMPARE(run(state), SetupOutcome::BackToMainWindow);
            QCOMPARE(title, std::string { ModelTitle(model) });
            QCOMPARE(templateId, std::to_string(DialogTemplateId(family)));
        }
    }
};

} // namespace tamb

QTEST_MAIN(tamb::CameraSetupRoutingTest)
#include "CameraSetupRoutingTest.moc"
