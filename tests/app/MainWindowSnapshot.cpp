// Writes pictures of the main window in English and in Chinese into the build folder, for a person to look at;
// it checks only that a font for the Chinese captions exists and that the pictures were written.
#include "app/MainWindow.h"
#include "startup/InMemoryPreferenceStore.h"
#include "support/ModalRun.h"

#include <QFontDatabase>
#include <QPixmap>
#include <QTest>

namespace tamb {

class MainWindowSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void writesPictures_data();
    void writesPictures();
};

void MainWindowSnapshot::writesPictures_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("systemChinese");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("English") << int(kEnglish) << false << QStringLiteral("main-window-en.png");
    QTest::newRow("Chinese") << int(kChinese) << true << QStringLiteral("main-window-zh.png");
    QTest::newRow("Japanese") << 10 << false << QStringLiteral("main-window-ja.png");
}

void MainWindowSnapshot::writesPictures()
{
    QFETCH(int, language);
    QFETCH(bool, systemChinese);
    QFETCH(QString, fileName);
    QVERIFY2(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(), "no font for Chinese captions");

    InMemoryPreferenceStore preferences(systemChinese ? 2052 : 1033);
    AppState state;
    state.language = language;
    state.systemChinese = systemChinese;
    MainWindow window(state, preferences);
    QPixmap picture;
    guitest::RunWhile(window, [&] { picture = window.grab(); });

    const QString path = QStringLiteral(TAMB_SNAPSHOT_DIR "/") + fileName;
    QVERIFY(!picture.isNull());
    QVERIFY2(picture.save(path), qPrintable(path));
}

} // namespace tamb

QTEST_MAIN(tamb::MainWindowSnapshot)
#include "MainWindowSnapshot.moc"
