#include "camera/MenuFile.h"
#include "common/ModelCatalogue.h"
#include "dialogs/CameraDialog.h"

#include <QDir>
#include <QPixmap>
#include <QTest>

namespace tamb {
namespace {

class ShownCameraDialog : public CameraDialog
{
public:
    ShownCameraDialog(ModelId model, LanguageId language)
        : CameraDialog(CameraFamilyFor(model), CameraLayout(CameraFamilyFor(model)), Environment(model, language))
    {
        initialise();
        show();
    }

private:
    static CameraEnvironment Environment(ModelId model, LanguageId language)
    {
        CameraEnvironment environment;
        environment.app.model = model;
        environment.app.language = language;
        environment.localTime = [] { return ClockReading { 2024, 2, 3, 7, 5, 9 }; };
        environment.startFolder = "/media/card";
        environment.writeMenuFile
            = [](std::string_view folder, const CameraSettingsRecord& record) { return WriteMenuFile(folder, record); };
        return environment;
    }
};

} // namespace

// Writes pictures of each family's camera dialog in English and Chinese for the README and for review; it checks
// only that they exist.
class CameraDialogScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void writesEachFamilysDialogInEnglishAndChinese()
    {
        const QDir folder(QStringLiteral(TAMB_SCREENSHOT_DIR));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        const struct
        {
            ModelId model;
            LanguageId language;
            const char* name;
        } shots[] = {
            { 1, kEnglish, "camera-dialog-q200-en.png" },
            { 15, kEnglish, "camera-dialog-q200-1080p-en.png" },
            { 1, kChinese, "camera-dialog-q200-zh.png" },
            { 14, kEnglish, "camera-dialog-q100-en.png" },
            { 14, kChinese, "camera-dialog-q100-zh.png" },
            { 6, kEnglish, "camera-dialog-q220-en.png" },
            { 6, kChinese, "camera-dialog-q220-zh.png" },
            { 13, kEnglish, "camera-dialog-q300-en.png" },
            { 13, kChinese, "camera-dialog-q300-zh.png" },
            { 2, kEnglish, "camera-dialog-q400-en.png" },
            { 2, kChinese, "camera-dialog-q400-zh.png" },
            { 8, kEnglish, "camera-dialog-q420-en.png" },
            { 8, kChinese, "camera-dialog-q420-zh.png" },
        };
        for (const auto& shot : shots) {
            ShownCameraDialog dialog(shot.model, shot.language);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QString path = folder.filePath(QString::fromUtf8(shot.name));
            QVERIFY(dialog.grab().save(path));
        }
    }
};

} // namespace tamb

QTEST_MAIN(tamb::CameraDialogScreenshots)
#include "CameraDialogScreenshots.moc"
