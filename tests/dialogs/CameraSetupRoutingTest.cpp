#include "app/SetupDialogs.h"
#include "support/ModalRun.h"

#include <QAbstractButton>
#include <QTest>
#include <string>
#include <vector>

namespace tamb {

// Camera Setup through the main window's table of setup dialogs: the generic models open the camera dialog
// with their own title, and Exit leads back to the main window.
class CameraSetupRoutingTest : public QObject
{
    Q_OBJECT

private slots:
    void cameraSetupOpensTheGenericDialogWithTheModelsTitle()
    {
        const SetupDialogRunner run = SetupDialogTable()[static_cast<std::size_t>(SetupDialog::CameraMenu)].run;
        QVERIFY(run != nullptr);
        std::vector<std::string> titles;
        for (const ModelId model : { 1, 15 }) {
            AppState state;
            state.model = model;
            guitest::ModalDriver driver({ [&](Dialog& dialog) {
                titles.push_back(dialog.windowTitle().toStdString());
                QTest::mouseClick(dialog.button(kCancelId), Qt::LeftButton);
            } });
            QCOMPARE(run(state), SetupOutcome::BackToMainWindow);
        }
        QCOMPARE(titles, (std::vector<std::string> { "Tamb Vorrel Q200", "Tamb Vorrel Q200 1080P" }));
    }
};

} // namespace tamb

QTEST_MAIN(tamb::CameraSetupRoutingTest)
#include "CameraSetupRoutingTest.moc"
