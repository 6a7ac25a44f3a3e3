#include "dialogs/SmtpDialog.h"

#include <QDir>
#include <QPixmap>
#include <QTest>

namespace tamb {
namespace {

class ShownSmtpDialog : public SmtpDialog
{
public:
    ShownSmtpDialog(SmtpFamily family, ModelId model, LanguageId language)
        : SmtpDialog(
            family, family == SmtpFamily::Q400 ? Q400SmtpLayout() : Q200SmtpLayout(), Environment(model, language))
    {
        initialise();
        show();
    }

private:
    static SmtpEnvironment Environment(ModelId model, LanguageId language)
    {
        AppState app;
        app.model = model;
        app.language = language;
        // As the main window opens it (with the Test button where the build has the login check), on a card.
        SmtpEnvironment environment = DesktopSmtpEnvironment(app);
        environment.startFolder = "/media/card";
        environment.offerToLoad = false;
        return environment;
    }
};

} // namespace

// Writes pictures of both SMTP dialogs for the README and for review; it checks only that they exist.
class SmtpDialogScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void writesBothDialogsInEnglishAndChinese()
    {
        const QDir folder(QStringLiteral(TAMB_SCREENSHOT_DIR));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        const struct
        {
            SmtpFamily family;
            ModelId model;
            LanguageId language;
            const char* name;
        } shots[] = {
            { SmtpFamily::Q200, 3, kEnglish, "smtp-dialog-q200-en.png" },
            { SmtpFamily::Q200, 3, kChinese, "smtp-dialog-q200-zh.png" },
            { SmtpFamily::Q400, 4, kEnglish, "smtp-dialog-q400-en.png" },
            { SmtpFamily::Q400, 4, kChinese, "smtp-dialog-q400-zh.png" },
        };
        for (const auto& shot : shots) {
            ShownSmtpDialog dialog(shot.family, shot.model, shot.language);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.grab().save(folder.filePath(QString::fromUtf8(shot.name))));
        }
    }
};

} // namespace tamb

QTEST_MAIN(tamb::SmtpDialogScreenshots)
#include "SmtpDialogScreenshots.moc"
