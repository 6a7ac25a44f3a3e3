#include "camera/MenuFile.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "dialogs/CameraDialog.h"
#include "support/TempFolder.h"
#include "support/TestedProgram.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

namespace tamb {
namespace {

// A family's dialog for `model`, shown without a modal run so that the test drives it from its own body.
class OpenCameraDialog : public CameraDialog
{
public:
    explicit OpenCameraDialog(ModelId model, LanguageId language = kEnglish)
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
        environment.startFolder = "/";
        environment.writeMenuFile
            = [](std::string_view folder, const CameraSettingsRecord& record) { return WriteMenuFile(folder, record); };
        return environment;
    }
};

void Type(OpenCameraDialog& dialog, int editId, const QString& text)
{
    QLineEdit* edit = dialog.edit(editId);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Choose(OpenCameraDialog& dialog, int listId, int index)
{
    QComboBox* list = dialog.list(listId);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Presses Select (answered with `folder`) and Generate.
void GenerateInto(OpenCameraDialog& dialog, RecordingUiServices& services, const QString& folder)
{
    services.folderAnswers.emplace_back(folder.toStdString());
    QTest::mouseClick(dialog.button(1057), Qt::LeftButton);
    QTest::mouseClick(dialog.button(kOkId), Qt::LeftButton);
}

// The words of `text`, separated by single spaces.
QStringList Words(const char* text)
{
    return QString::fromUtf8(text).split(u' ');
}

std::vector<std::string> Items(const QComboBox* list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->itemText(i).toStdString());
    return items;
}

} // namespace

// The camera dialogs of the Q100, Q220, Q300, Q400 and Q420 families: what lives in the dialog layer (rows hidden
// and moved, read-only states, captions by model, the password edit) and that each writes what the command line
// writes for the same choices.
class FamilyCameraDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void generateWritesWhatTheCommandLineWrites_data();
    void generateWritesWhatTheCommandLineWrites();
    void q100PasswordEditFollowsItsSwitchAndTakesFourDigitsAsShown();
    void q220DefaultKeepsTimer2TimesButLocksThem();
    void q300CaptionsFollowModelAndLanguage();
    void q400HidesThePirDirectionRowAndSpreadsTheRowsAbove();
    void q420SecondTimerUnlocksItsOwnEdits();
    void folderTypingStopsAtTheFolderLimitInEveryFamily();
};

void FamilyCameraDialogTest::generateWritesWhatTheCommandLineWrites_data()
{
    // Choices as "list=index", typing as "edit=text", and the same settings as command-line assignments.
    QTest::addColumn<int>("model");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("typing");
    QTest::addColumn<QStringList>("assignments");
    QTest::newRow("Q100") << 14 << Words("1049=1 1013=2") << Words("1028=2580 1002=25")
                          << Words("wirelessPasswordEnabled=1 wirelessPassword=2580 cameraMode=2 videoLength=25");
    QTest::newRow("Q220") << 9 << Words("1048=1 1014=2") << Words("1042=8 1045=15")
                          << Words("timer2Enabled=1 timer2StartHour=8 timer2StartMinute=15 imageSize=2");
    QTest::newRow("Q300") << 12 << Words("1055=1 1049=1 1081=1 1028=0")
                          << Words("1056=8 1058=15 1071=30 1051=52 1052=5")
                          << Words("longitudeDirection=1 longitudeDegrees=8 longitudeMinutes=15 longitudeSeconds=30 "
                                   "latitudeDirection=1 latitudeDegrees=52 latitudeMinutes=5 sdCycle=1 sidePir=0");
    QTest::newRow("Q400") << 10 << Words("1042=0 1046=1 1052=1") << Words("1048=6 1049=30")
                          << Words("beepSound=0 sdCycle=1 timer2Enabled=1 timer2StartHour=6 timer2StartMinute=30");
    QTest::newRow("Q420") << 8 << Words("1015=2 1052=1 1046=1") << Words("1050=18 1051=45")
                          << Words("videoSize=2 timer2Enabled=1 timer2StopHour=18 timer2StopMinute=45 sdCycle=1");
}

void FamilyCameraDialogTest::generateWritesWhatTheCommandLineWrites()
{
    QFETCH(int, model);
    QFETCH(QStringList, choices);
    QFETCH(QStringList, typing);
    QFETCH(QStringList, assignments);
    const test::TempFolder dialogFolder;
    const test::TempFolder cliFolder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenCameraDialog dialog(model);
    for (const QString& choice : choices)
        Choose(dialog, choice.section(u'=', 0, 0).toInt(), choice.section(u'=', 1).toInt());
    for (const QString& typed : typing)
        Type(dialog, typed.section(u'=', 0, 0).toInt(), typed.section(u'=', 1));
    GenerateInto(dialog, services, QString::fromStdString(dialogFolder.text()));
    QCOMPARE(services.messages.size(), std::size_t { 1 });

    const std::string missingCli = test::MissingTestedCli();
    QVERIFY2(missingCli.empty(), missingCli.c_str());
    QProcess cli;
    cli.start(QString::fromStdString(Utf8FromPath(test::TestedCliPath())),
        QStringList { QStringLiteral("camera"), QStringLiteral("--model"), QString::number(model),
            QStringLiteral("--out"), QString::fromStdString(cliFolder.text()), QStringLiteral("--clock"),
            QStringLiteral("2024-02-03T07:05:09") }
            + assignments);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);

    const std::vector<std::uint8_t> fromDialog = dialogFolder.read("menu.dat");
    QCOMPARE(fromDialog.size(), kCameraRecordSize);
    QVERIFY(fromDialog == cliFolder.read("menu.dat"));
}

void FamilyCameraDialogTest::q100PasswordEditFollowsItsSwitchAndTakesFourDigitsAsShown()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenCameraDialog dialog(14);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tamb Vorrel Q100"));
    QCOMPARE(dialog.controlText(1028), std::string { "7394" });
    QVERIFY(dialog.edit(1028)->isReadOnly());
    QVERIFY(!dialog.edit(1030)->isReadOnly()); // the clock accepts typing here
    Choose(dialog, 1049, 1);
    QVERIFY(!dialog.edit(1028)->isReadOnly());
    Type(dialog, 1028, QStringLiteral("12345"));
    QCOMPARE(dialog.controlText(1028), std::string { "1234" });
    // A full-width digit committed by an input method is a digit; it is stored as the digit it shows.
    QLineEdit* password = dialog.edit(1028);
    password->selectAll();
    QInputMethodEvent fullWidthThree;
    fullWidthThree.setCommitString(QStringLiteral("\uFF13"));
    QCoreApplication::sendEvent(password, &fullWidthThree);
    QTest::keyClicks(password, QStringLiteral("1"));
    QCOMPARE(password->text(), QStringLiteral("\uFF131"));
    GenerateInto(dialog, services, QString::fromStdString(folder.text()));
    const std::vector<std::uint8_t> file = folder.read("menu.dat");
    QCOMPARE(file.size(), kCameraRecordSize);
    QCOMPARE(
        std::vector<std::uint8_t>(file.begin() + 36, file.begin() + 41), (std::vector<std::uint8_t> { 3, 1, 0, 0, 1 }));
    Choose(dialog, 1049, 0);
    QVERIFY(dialog.edit(1028)->isReadOnly());
}

void FamilyCameraDialogTest::q220DefaultKeepsTimer2TimesButLocksThem()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenCameraDialog dialog(6);
    QVERIFY(!dialog.hasControl(1028)); // no Side PIR in this family
    QVERIFY(dialog.edit(1030)->isReadOnly());
    Choose(dialog, 1048, 1);
    Type(dialog, 1042, QStringLiteral("8"));
    Type(dialog, 1047, QStringLiteral("45"));
    Type(dialog, 1003, QStringLiteral("30"));
    services.folderAnswers.emplace_back(folder.text());
    QTest::mouseClick(dialog.button(1057), Qt::LeftButton);
    QTest::mouseClick(dialog.button(1062), Qt::LeftButton);
    QCOMPARE(dialog.controlText(1042), std::string { "8" });
    QCOMPARE(dialog.controlText(1047), std::string { "45" });
    QCOMPARE(dialog.controlText(1003), std::string { "30" });
    QCOMPARE(dialog.list(1048)->currentIndex(), 0);
    QVERIFY(dialog.edit(1042)->isReadOnly());
    QVERIFY(dialog.edit(1047)->isReadOnly());
}

void FamilyCameraDialogTest::q300CaptionsFollowModelAndLanguage()
{
    OpenCameraDialog q300(11);
    QCOMPARE(q300.windowTitle(), QStringLiteral("Tamb Vorrel Q300"));
    QCOMPARE(q300.controlText(1019), std::string { "Timer1" });
    QCOMPARE(q300.controlText(1078), std::string { "Minute" });
    QCOMPARE(q300.controlText(1079), std::string { "Second" });
    QCOMPARE(q300.list(1014)->currentText(), QStringLiteral("14MP"));
    QVERIFY(!q300.edit(1030)->isReadOnly());
    QCOMPARE(q300.controlText(1030), std::string { "02/03/2024 07:05:09" });

    OpenCameraDialog q230(17);
    QCOMPARE(q230.windowTitle(), QStringLiteral("Tamb Vorrel Q230 1080P"));
    QCOMPARE(q230.controlText(1019), std::string { "Timer" });
    QCOMPARE(q230.list(1028)->currentText(), QStringLiteral("Off"));

    OpenCameraDialog chinese(13, kChinese);
    QCOMPARE(chinese.controlText(1080), std::string { "坐标" });
    QCOMPARE(chinese.controlText(1078), std::string { "分" });
    QCOMPARE(chinese.controlText(1012), std::string { "纬度" });
    QCOMPARE(Items(chinese.list(1055)), (std::vector<std::string> { "东", "西" }));
    QCOMPARE(Items(chinese.list(1044)), (std::vector<std::string> { "年月日", "月日年", "日月年" }));

    // The date formats are the English abbreviations in every other language.
    OpenCameraDialog finnish(13, 4);
    QCOMPARE(Items(finnish.list(1044)), (std::vector<std::string> { "YYMMDD", "MMDDYY", "DDMMYY" }));
}

void FamilyCameraDialogTest::q400HidesThePirDirectionRowAndSpreadsTheRowsAbove()
{
    OpenCameraDialog dialog(7);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tamb Vorrel Q410"));
    for (const int id : { 1077, 1053, 1054 })
        QVERIFY2(!dialog.control(id)->isVisible(), std::to_string(id).c_str());
    // The last option row reaches into the hidden row's place but stays above the clock ...
    QVERIFY(dialog.controlRect(1076).bottom() > dialog.controlRect(1077).top());
    QVERIFY(dialog.controlRect(1076).bottom() < dialog.controlRect(1030).top());
    // ... and the rows spread evenly: each pair of rows a little further apart than the pair above.
    const int firstGap = dialog.controlRect(1067).top() - dialog.controlRect(1065).top();
    const int lastGap = dialog.controlRect(1074).top() - dialog.controlRect(1073).top();
    QVERIFY(lastGap > firstGap);
    // Each row's caption and list moved with its frame.
    QVERIFY(dialog.controlRect(1046).top() > dialog.controlRect(1076).top());
    QVERIFY(dialog.controlRect(1003).top() > dialog.controlRect(1073).top());
    QCOMPARE(dialog.controlText(1041), std::string { "Beep Sound" });
}

void FamilyCameraDialogTest::q420SecondTimerUnlocksItsOwnEdits()
{
    OpenCameraDialog dialog(8, kChinese);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tamb Vorrel Q420"));
    QCOMPARE(dialog.controlText(1045), std::string { "循环存储" });
    QVERIFY(dialog.edit(1030)->isReadOnly());
    for (const int id : { 1048, 1049, 1050, 1051 })
        QVERIFY(dialog.edit(id)->isReadOnly());
    Choose(dialog, 1052, 1);
    for (const int id : { 1048, 1049, 1050, 1051 })
        QVERIFY2(!dialog.edit(id)->isReadOnly(), std::to_string(id).c_str());
    QVERIFY(dialog.edit(1017)->isReadOnly()); // the first timer stays Off
}

void FamilyCameraDialogTest::folderTypingStopsAtTheFolderLimitInEveryFamily()
{
    std::vector<CameraFamily> families;
    for (ModelId model = 1; model <= kModelCount; ++model) {
        if (std::ranges::find(families, CameraFamilyFor(model)) != families.end())
            continue;
        families.push_back(CameraFamilyFor(model));
        OpenCameraDialog dialog(model);
        const QString folder = QStringLiteral("/media/card/") + QString(100, u'f');
        Type(dialog, kFolderEditId, folder);
        QCOMPARE(
            dialog.controlText(kFolderEditId), folder.left(static_cast<qsizetype>(kFolderTextLimit)).toStdString());
        // A paste stops there as well.
        dialog.edit(kFolderEditId)->selectAll();
        QApplication::clipboard()->setText(folder);
        QTest::keySequence(dialog.edit(kFolderEditId), QKeySequence::Paste);
        QCOMPARE(
            dialog.controlText(kFolderEditId), folder.left(static_cast<qsizetype>(kFolderTextLimit)).toStdString());
    }
    QCOMPARE(families.size(), std::size_t { 6 });
}

} // namespace tamb

QTEST_MAIN(tamb::FamilyCameraDialogTest)
#include "FamilyCameraDialogTest.moc"
