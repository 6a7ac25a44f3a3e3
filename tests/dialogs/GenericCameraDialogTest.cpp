#include "camera/MenuFile.h"
#include "common/Paths.h"
#include "dialogs/CameraDialog.h"
#include "i18n/Messages.h"
#include "support/TempFolder.h"
#include "support/TestedProgram.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <vector>

namespace tamb {
namespace {

constexpr ClockReading kTestTime { 2024, 2, 3, 7, 5, 9 };

CameraEnvironment TestEnvironment(ModelId model, LanguageId language, const std::string& startFolder = "/")
{
    CameraEnvironment environment;
    environment.app.model = model;
    environment.app.language = language;
    environment.localTime = [] { return kTestTime; };
    environment.startFolder = startFolder;
    environment.offerToLoad = true;
    environment.writeMenuFile
        = [](std::string_view folder, const CameraSettingsRecord& record) { return WriteMenuFile(folder, record); };
    return environment;
}

// A dialog shown without a modal run, so that the test drives it and checks it from its own body.
class OpenCameraDialog : public CameraDialog
{
public:
    OpenCameraDialog(ModelId model, LanguageId language, const std::string& folder = "/")
        : CameraDialog(CameraFamily::Generic, GenericCameraLayout(), TestEnvironment(model, language, folder))
    {
        initialise();
        show();
        // What the dialog asks once it is on screen.
        QCoreApplication::processEvents();
    }
};

void Type(OpenCameraDialog& dialog, int editId, const QString& text)
{
    QLineEdit* edit = dialog.edit(editId);
    edit->setFocus();
    edit->selectAll();
    // The first character typed replaces the selection; an empty text is typed as Delete.
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void Choose(OpenCameraDialog& dialog, int listId, int index)
{
    QComboBox* list = dialog.list(listId);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

std::vector<std::string> Items(const QComboBox* list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->itemText(i).toStdString());
    return items;
}

} // namespace

class GenericCameraDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheModelsTitleListsAndRows();
    void showsCaptionsAndOptionsInChinese();
    void typingTriggersMessagesAndCorrections();
    void onOffListsLockAndUnlockTheirEdits();
    void generateWritesWhatTheCommandLineWrites();
    void defaultResetsTheControlsAndSaysSo();
    void aFolderThatCannotBeWrittenIsReported();
    void generateWritesWhatTheScreenShows();
    void aFileFromAnEarlierGenerateIsOfferedAndYesShowsItsChoices();
    void closingWithUnwrittenSettingsAsksAndNoKeepsThem();
    void closingUnchangedSettingsOrAfterYesCloses();
};

void GenericCameraDialogTest::opensWithTheModelsTitleListsAndRows()
{
    OpenCameraDialog q200(1, kEnglish);
    QCOMPARE(q200.windowTitle(), QStringLiteral("Tamb Vorrel Q200"));
    QCOMPARE(Items(q200.list(1014)), (std::vector<std::string> { "5MP", "12MP", "1.3MP" }));
    QCOMPARE(q200.list(1014)->currentText(), QStringLiteral("5MP"));
    QCOMPARE(Items(q200.list(1015)), (std::vector<std::string> { "640x480", "320x240" }));
    QVERIFY(!q200.control(1052)->isVisible());
    QVERIFY(!q200.control(1051)->isVisible());
    // The rows keep their order without the gap: Set Clock follows Date Format directly.
    QVERIFY(q200.controlRect(1082).top() > q200.controlRect(1075).bottom());
    QVERIFY(q200.controlRect(1082).top() - q200.controlRect(1075).bottom() < q200.controlRect(1076).height());
    QCOMPARE(q200.controlText(1030), std::string { "2024/02/03 07:05:09" });
    QCOMPARE(q200.list(1044)->currentText(), QStringLiteral("MMDDYY"));

    OpenCameraDialog q200Hd(15, kEnglish);
    QCOMPARE(q200Hd.windowTitle(), QStringLiteral("Tamb Vorrel Q200 1080P"));
    QVERIFY(q200Hd.control(1052)->isVisible());
    QCOMPARE(q200Hd.list(1052)->currentText(), QStringLiteral("Off"));
    QCOMPARE(q200Hd.controlText(1051), std::string { "SD Cycle" });
    QCOMPARE(q200Hd.list(1015)->currentText(), QStringLiteral("1280x720"));
    QCOMPARE(q200Hd.list(1014)->currentText(), QStringLiteral("12MP"));
}

void GenericCameraDialogTest::showsCaptionsAndOptionsInChinese()
{
    OpenCameraDialog dialog(3, kChinese);
    QCOMPARE(dialog.controlText(1004), std::string { "模式" });
    QCOMPARE(dialog.controlText(1012), std::string { "侧面PIR" });
    QCOMPARE(dialog.controlText(kOkId), std::string { "生成配置文件" });
    QCOMPARE(dialog.list(1028)->currentText(), QStringLiteral("开")); // Side PIR On, an Off/On list
    QCOMPARE(dialog.list(1033)->currentText(), QStringLiteral("关闭")); // Time lapse Off, an On/Off list
}

void GenericCameraDialogTest::typingTriggersMessagesAndCorrections()
{
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenCameraDialog dialog(1, 3);
    Type(dialog, 1002, QStringLiteral("75"));
    QCOMPARE(services.messages,
        (std::vector<std::string> { "Bitte geben Sie eine ganze Zahl zwischen 1 und 60 ein!\nGeben Sie im markierten "
                                    "Feld eine Zahl in diesen Grenzen ein." }));
    QCOMPARE(dialog.controlText(1002), std::string { "10" });

    services.messages.clear();
    Type(dialog, 1003, QStringLiteral("0"));
    QVERIFY(services.messages.empty());
    QCOMPARE(dialog.controlText(1003), std::string { "1" }); // no interval of 0 minutes

    Type(dialog, 1017, QString {}); // timer edits are read-only until the timer is On
    QCOMPARE(dialog.controlText(1017), std::string { "0" });
    Choose(dialog, 1025, 1);
    Type(dialog, 1017, QStringLiteral("24"));
    QCOMPARE(services.messages.back(),
        std::string { "Bitte geben Sie eine ganze Zahl zwischen 0 und 23 ein!\nGeben Sie im markierten Feld eine Zahl "
                      "in diesen Grenzen ein." });
    QCOMPARE(dialog.controlText(1017), std::string { "0" });

    services.messages.clear();
    Type(dialog, 1022, QString {});
    // Every message reads German in German, with what to do under it.
    QCOMPARE(services.messages,
        (std::vector<std::string> {
            "Bitte geben Sie eine ganze Zahl ein.\nGeben Sie im markierten Feld eine ganze Zahl ein (nur Ziffern)." }));
    QCOMPARE(dialog.focusWidget(), dialog.control(1022));
}

void GenericCameraDialogTest::onOffListsLockAndUnlockTheirEdits()
{
    OpenCameraDialog dialog(16, kEnglish);
    QVERIFY(dialog.isReadOnly(1038));
    QVERIFY(dialog.isReadOnly(1042));
    QVERIFY(!dialog.isControlEnabled(1034));
    Choose(dialog, 1033, 0);
    Choose(dialog, 1048, 1);
    Choose(dialog, 1032, 1);
    QVERIFY(!dialog.isReadOnly(1038));
    QVERIFY(!dialog.isReadOnly(1042));
    QVERIFY(dialog.isControlEnabled(1037));
    Choose(dialog, 1048, 0);
    QVERIFY(dialog.isReadOnly(1047));
}

void GenericCameraDialogTest::generateWritesWhatTheCommandLineWrites()
{
    const test::TempFolder dialogFolder;
    const test::TempFolder cliFolder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    services.folderAnswers.emplace_back(dialogFolder.text());
    OpenCameraDialog dialog(5, kEnglish);
    Choose(dialog, 1029, 0);
    Type(dialog, 1003, QStringLiteral("30"));
    Choose(dialog, 1032, 1);
    Choose(dialog, 1034, 10);
    Choose(dialog, 1035, 7);
    Choose(dialog, 1037, 35);
    Choose(dialog, 1044, 2);
    QCOMPARE(dialog.controlText(1030), std::string { "03/02/2024 07:05:09" });
    QTest::mouseClick(dialog.button(1057), Qt::LeftButton);
    QTest::mouseClick(dialog.button(kOkId), Qt::LeftButton);
    QVERIFY(dialog.isVisible()); // Generate leaves the dialog open
    QCOMPARE(services.messages, (std::vector<std::string> { "Camera menu configuration file is generated" }));

    const std::string missingCli = test::MissingTestedCli();
    QVERIFY2(missingCli.empty(), missingCli.c_str());
    QProcess cli;
    cli.start(QString::fromStdString(Utf8FromPath(test::TestedCliPath())),
        { QStringLiteral("camera"), QStringLiteral("--model"), QStringLiteral("5"), QStringLiteral("--out"),
            QString::fromStdString(cliFolder.text()), QStringLiteral("--clock"), QStringLiteral("2024-02-03T07:05:09"),
            QStringLiteral("intervalUnit=0"), QStringLiteral("interval=30"), QStringLiteral("serialNumberEnabled=1"),
            QStringLiteral("serialNumber=A70Z"), QStringLiteral("dateFormat=2") });
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);

    const std::vector<std::uint8_t> fromDialog = dialogFolder.read("menu.dat");
    QCOMPARE(fromDialog.size(), kCameraRecordSize);
    QCOMPARE(fromDialog[6], std::uint8_t { 158 });
    QCOMPARE(fromDialog[25], std::uint8_t { 10 });
    QCOMPARE(fromDialog[28], std::uint8_t { 35 });
    QVERIFY(fromDialog == cliFolder.read("menu.dat"));
}

void GenericCameraDialogTest::defaultResetsTheControlsAndSaysSo()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    services.folderAnswers.emplace_back(folder.text());
    OpenCameraDialog dialog(1, kChinese);
    QTest::mouseClick(dialog.button(1057), Qt::LeftButton);
    Choose(dialog, 1014, 0);
    Choose(dialog, 1025, 1);
    QTest::mouseClick(dialog.button(1062), Qt::LeftButton);
    QCOMPARE(dialog.list(1014)->currentText(), QStringLiteral("12MP"));
    QCOMPARE(dialog.list(1015)->currentText(), QStringLiteral("320x240"));
    QVERIFY(dialog.isReadOnly(1017));
    QCOMPARE(services.messages, (std::vector<std::string> { " 相机菜单出厂设置文件已经生成" }));
    const std::vector<std::uint8_t> file = folder.read("menu.dat");
    QCOMPARE(file.size(), kCameraRecordSize);
    QCOMPARE(file[1], std::uint8_t { 1 });
    QCOMPARE(file[2], std::uint8_t { 1 });
    QCOMPARE(file[48], std::uint8_t { 1 });
}

void GenericCameraDialogTest::aFolderThatCannotBeWrittenIsReported()
{
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    services.folderAnswers.emplace_back("/nonexistent-tamb-card");
    OpenCameraDialog dialog(1, kEnglish);
    QTest::mouseClick(dialog.button(1057), Qt::LeftButton);
    QTest::mouseClick(dialog.button(kOkId), Qt::LeftButton);
    QCOMPARE(services.messages.size(), std::size_t { 1 });
    const std::string expectedStart
        = "The file " + FileInFolder("/nonexistent-tamb-card", "menu.dat") + " could not be written: ";
    QVERIFY2(services.messages.front().starts_with(expectedStart), services.messages.front().c_str());
}

void GenericCameraDialogTest::generateWritesWhatTheScreenShows()
{
    const test::TempFolder typed;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenCameraDialog dialog(1, kEnglish);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Type(dialog, 1064, QString::fromStdString(typed.text()));
    Type(dialog, 1002, QString());
    services.messages.clear();

    // The emptied edit stops Generate with its prompt, takes the focus and writes nothing.
    dialog.button(kCancelId)->setFocus();
    QTest::mouseClick(dialog.button(kOkId), Qt::LeftButton);
    QCOMPARE(services.messages,
        (std::vector<std::string> {
            "Please enter an integer.\nType a whole number (digits only) into the highlighted field." }));
    QCOMPARE(QApplication::focusWidget(), dialog.control(1002));
    QVERIFY(typed.names().empty());

    Type(dialog, 1002, QStringLiteral("25"));
    QTest::mouseClick(dialog.button(kOkId), Qt::LeftButton);
    QCOMPARE(services.messages.back(), std::string { "Camera menu configuration file is generated" });
    const std::vector<std::uint8_t> file = typed.read("menu.dat");
    QCOMPARE(file.size(), kCameraRecordSize);
    QCOMPARE(file[4], std::uint8_t { 24 }); // the video length byte holds the seconds less one
}

void GenericCameraDialogTest::aFileFromAnEarlierGenerateIsOfferedAndYesShowsItsChoices()
{
    const test::TempFolder card;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    {
        OpenCameraDialog earlier(5, kEnglish, card.text());
        QVERIFY(services.questions.empty()); // nothing to offer yet
        Choose(earlier, 1029, 0);
        Type(earlier, 1003, QStringLiteral("30"));
        Choose(earlier, 1034, 10);
        QTest::mouseClick(earlier.button(kOkId), Qt::LeftButton);
        QCOMPARE(services.messages.size(), std::size_t { 1 });
    }

    services.yesNoAnswers = { true };
    OpenCameraDialog later(5, kChinese, card.text());
    QCOMPARE(services.questions.size(), std::size_t { 1 });
    QVERIFY(services.questions[0].find(FileInFolder(card.text(), "menu.dat")) != std::string::npos);
    QVERIFY(services.questions[0].find("载入") != std::string::npos); // asked in the language on screen
    QCOMPARE(later.list(1029)->currentIndex(), 0);
    QCOMPARE(later.controlText(1003), std::string { "30" });
    QCOMPARE(later.list(1034)->currentIndex(), 10);

    services.yesNoAnswers = { false };
    OpenCameraDialog declined(5, kEnglish, card.text());
    QCOMPARE(services.questions.size(), std::size_t { 2 });
    QCOMPARE(declined.controlText(1003), OpenCameraDialog(5, kEnglish).controlText(1003));
    QVERIFY(declined.list(1034)->currentIndex() != 10);
}

void GenericCameraDialogTest::closingWithUnwrittenSettingsAsksAndNoKeepsThem()
{
    const test::TempFolder card;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    constexpr LanguageId kGerman = 3;
    OpenCameraDialog dialog(1, kGerman, card.text());
    Type(dialog, 1002, QStringLiteral("25"));

    // Escape asks, No being the default; the answer No keeps the dialog with what was typed.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(services.questions,
        (std::vector<std::string> { std::string(MessageText(MessageId::CloseWithoutWriting, kGerman)) }));
    QCOMPARE(services.questionDefaults, (std::vector<DefaultAnswer> { DefaultAnswer::No }));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.controlText(1002), std::string { "25" });

    // The close box and Exit ask as well.
    QVERIFY(!dialog.close());
    QTest::mouseClick(dialog.button(kCancelId), Qt::LeftButton);
    QCOMPARE(services.questions.size(), std::size_t { 3 });
    QVERIFY(dialog.isVisible());

    // Once the settings are written, Exit closes without a question.
    QTest::mouseClick(dialog.button(kOkId), Qt::LeftButton);
    QCOMPARE(card.read("menu.dat").size(), kCameraRecordSize);
    QTest::mouseClick(dialog.button(kCancelId), Qt::LeftButton);
    QCOMPARE(services.questions.size(), std::size_t { 3 });
    QVERIFY(!dialog.isVisible());
}

void GenericCameraDialogTest::closingUnchangedSettingsOrAfterYesCloses()
{
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    {
        OpenCameraDialog unchanged(1, kEnglish);
        QTest::keyClick(&unchanged, Qt::Key_Escape);
        QVERIFY(!unchanged.isVisible());
        QVERIFY(services.questions.empty());
    }
    OpenCameraDialog changed(1, kEnglish);
    Choose(changed, 1025, 1);
    services.yesNoAnswers.push_back(true);
    QVERIFY(changed.close());
    QCOMPARE(services.questions.size(), std::size_t { 1 });
    QVERIFY(!changed.isVisible());
}

} // namespace tamb

QTEST_MAIN(tamb::GenericCameraDialogTest)
#include "GenericCameraDialogTest.moc"
