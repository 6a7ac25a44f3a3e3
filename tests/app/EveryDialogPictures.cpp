#include "EveryDialog.h"
#include "i18n/Languages.h"
#include "startup/InMemoryPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace tamb {

// Writes the main window and the ten setup dialogs in all 15 languages into one folder, with an index page that
// shows each window's languages side by side, for a person to review. It checks only that the pictures exist.
// TAMB_PICTURE_LANGUAGES (comma-separated LanguageIds) limits the languages drawn, so that CMake can draw Chinese
// and Japanese again under their own locales (LANG) over the pictures drawn under en_US.
class EveryDialogPictures : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryWindowInEveryLanguageWithAnIndex()
    {
        const QDir folder(QStringLiteral(TAMB_PICTURE_DIR));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        std::vector<bool> drawn(kLastLanguage + 1, true);
        const QByteArray chosen = qgetenv("TAMB_PICTURE_LANGUAGES");
        if (!chosen.isEmpty()) {
            std::fill(drawn.begin(), drawn.end(), false);
            for (const QByteArray& one : chosen.split(','))
                drawn[static_cast<std::size_t>(std::clamp(one.trimmed().toInt(), 0, kLastLanguage))] = true;
        }
        QString rows;
        const auto fileOf = [](const QString& name, LanguageId language) {
            return QStringLiteral("%1-%2.png").arg(name).arg(language, 2, 10, QLatin1Char('0'));
        };
        // Adds the picture to the index; true when it is to be drawn in this run.
        const auto cell = [&](const QString& name, LanguageId language) {
            rows += QStringLiteral("<td><img src=\"%1\" alt=\"%1\"></td>").arg(fileOf(name, language));
            return drawn[static_cast<std::size_t>(language)];
        };
        const auto save = [&](QWidget& window, const QString& name, LanguageId language) {
            const QString file = fileOf(name, language);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.grab().save(folder.filePath(file)));
        };
        const auto header
            = [&](const QString& name) { rows += QStringLiteral("<tr><th>%1</th>").arg(name.toHtmlEscaped()); };

        header(QStringLiteral("main window"));
        for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
            if (!cell(QStringLiteral("main"), language))
                continue;
            InMemoryPreferenceStore store(0x0409);
            AppState state;
            state.language = language;
            test::Prepared<MainWindow> window(state, store);
            save(window, QStringLiteral("main"), language);
        }
        rows += QStringLiteral("</tr>\n");
        for (const test::DialogOfModel& ten : test::TenDialogs()) {
            header(ten.name + QStringLiteral(" (model %1)").arg(ten.model));
            for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
                if (!cell(ten.name, language))
                    continue;
                for (auto& [kind, dialog] : test::SetupDialogsOf(ten.model, language)) {
                    if (ten.name.startsWith(kind))
                        save(*dialog, ten.name, language);
                }
            }
            rows += QStringLiteral("</tr>\n");
        }

        QString languages;
        for (const Language& shown : AllLanguages())
            languages += QStringLiteral("<th>%1</th>").arg(QString::fromUtf8(shown.name.data(), shown.name.size()));
        QFile index(folder.filePath(QStringLiteral("index.html")));
        QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QTextStream(&index) << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Every window in every "
                               "language</title>\n<style>td,th{vertical-align:top;padding:4px}img{max-width:none}"
                               "</style></head>\n<body><table>\n<tr><th></th>"
                            << languages << "</tr>\n"
                            << rows << "</table></body></html>\n";
    }
};

} // namespace tamb

QTEST_MAIN(tamb::EveryDialogPictures)
#include "EveryDialogPictures.moc"
