#include "cellular/SetupFile.h"
#include "dialogs/MmsDialog.h"

#include <QDir>
#include <QPixmap>
#include <QTest>

namespace tamb {
namespace {

class ShownMmsDialog : public MmsDialog
{
public:
    ShownMmsDialog(const DialogLayout& layout, ModelId model, LanguageId language)
        : MmsDialog(layout, Environment(model, language))
    {
        initialise();
        show();
    }

private:
    static MmsEnvironment Environment(ModelId model, LanguageId language)
    {
        return MmsEnvironment {
            .app = AppState { .language = language, .model = model },
            .startFolder = "/media/card",
            .codePage = OemCodePage { 850 },
            .writeSetupFile = [](std::string_view, const MmsSettings&) { return Status::success(); },
        };
    }
};

} // namespace

// Writes pictures of the MMS dialogs for the README and for review; it checks only that they exist.
class MmsDialogScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void writesBothMmsDialogsInEnglishAndChinese()
    {
        const QDir folder(QStringLiteral(TAMB_SCREENSHOT_DIR));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        const struct
        {
            const DialogLayout& layout;
            ModelId model;
            LanguageId language;
            const char* name;
        } shots[] = {
            { MmsLayout(), 3, kEnglish, "mms-dialog-q200-en.png" },
            { MmsLayout(), 3, kChinese, "mms-dialog-q200-zh.png" },
            { Q400MmsLayout(), 4, kEnglish, "mms-dialog-q400-en.png" },
            { Q400MmsLayout(), 4, kChinese, "mms-dialog-q400-zh.png" },
            { Q400MmsLayout(), 17, kEnglish, "mms-dialog-q230-1080p-en.png" },
        };
        for (const auto& shot : shots) {
            ShownMmsDialog dialog(shot.layout, shot.model, shot.language);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QString path = folder.filePath(QString::fromUtf8(shot.name));
            QVERIFY(dialog.grab().save(path));
        }
    }
};

} // namespace tamb

QTEST_MAIN(tamb::MmsDialogScreenshots)
#include "MmsDialogScreenshots.moc"
