// Starts the real tamb-setup as a user would, with the system language given by the locale and a fresh
// preference folder, and checks what its first run stored. The program is told to close its first main window
// once it has been shown.
#include "startup/FilePreferenceStore.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace tamb {

class ProgramStartTest : public QObject
{
    Q_OBJECT

private slots:
    void firstRunStoresThePreferences_data();
    void firstRunStoresThePreferences();
};

void ProgramStartTest::firstRunStoresThePreferences_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("storedLanguage");
    QTest::newRow("Chinese system") << QStringLiteral("zh_CN.UTF-8") << 1;
    QTest::newRow("Liechtenstein German system") << QStringLiteral("de_LI.UTF-8") << 3;
    QTest::newRow("German system stays English") << QStringLiteral("de_DE.UTF-8") << 2;
    QTest::newRow("C locale") << QStringLiteral("C") << 2;
}

void ProgramStartTest::firstRunStoresThePreferences()
{
    QFETCH(QString, locale);
    QFETCH(int, storedLanguage);

    const test::TempFolder homeFolder;
    const QString home = QString::fromStdString(homeFolder.text());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TAMB_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAMB_SETUP_PATH), {});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    FilePreferenceStore stored((home + QStringLiteral("/config/tamb-vorrel/preferences")).toStdString(), 1033);
    QCOMPARE(stored.StoredLanguage(), std::optional<LanguageId>(storedLanguage));
    QCOMPARE(stored.ReadModel(), (PreferenceRead { true, 1 }));
    QCOMPARE(stored.StoredTvMode(), std::optional<std::uint16_t>(0));
    QVERIFY(stored.ReadCompany());
}

} // namespace tamb

QTEST_GUILESS_MAIN(tamb::ProgramStartTest)
#include "ProgramStartTest.moc"
