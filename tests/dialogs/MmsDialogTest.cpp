#include "dialogs/MmsDialog.h"

#include "app/SetupDialogs.h"
#include "cellular/MmsControls.h"
#include "cellular/SetupFile.h"
#include "common/ModelCatalogue.h"
#include "support/ModalRun.h"
#include "support/TempFolder.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

namespace tamb {
namespace {

MmsEnvironment TestEnvironment(ModelId model, LanguageId language)
{
    MmsEnvironment environment {
        .app = AppState { .language = language, .model = model },
        .startFolder = "/",
        .codePage = OemCodePage { 850 },
        .writeSetupFile = {},
    };
    environment.writeSetupFile = [app = environment.app](std::string_view folder, const MmsSettings& settings) {
        return WriteSetupFile(folder, settings, app, OemCodePage { 850 });
    };
    return environment;
}

// A dialog shown without a modal run, so that the test drives it and checks it from its own body.
class OpenMmsDialog : public MmsDialog
{
public:
    OpenMmsDialog(ModelId model, LanguageId language = kEnglish)
        : MmsDialog(MmsDialogFor(model) == SetupDialog::Q400Mms ? Q400MmsLayout() : MmsLayout(),
            TestEnvironment(model, language))
    {
        initialise();
        show();
    }
};

void Type(OpenMmsDialog& dialog, int editId, const QString& text)
{
    QLineEdit* edit = dialog.edit(editId);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void Choose(OpenMmsDialog& dialog, int listId, int index)
{
    QComboBox* list = dialog.list(listId);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Records, with each message, what the operator list and the phone edit showed while it was on screen.
class ScreenAtMessage : public RecordingUiServices
{
public:
    void showMessage(std::string_view text) override
    {
        RecordingUiServices::showMessage(text);
        operatorShown.push_back(dialog->list(mms::kOperatorList)->currentText().toStdString());
        phoneShown.push_back(dialog->controlText(mms::kPhone1Edit));
    }

    OpenMmsDialog* dialog = nullptr;
    std::vector<std::string> operatorShown;
    std::vector<std::string> phoneShown;
};

} // namespace

class MmsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyStatesFollowTheTyping();
    void internationalScopeShowsItsMessage();
    void theQ230Mg1080pHasNoScopeAndAWideFirstRecipient();
    void enterGeneratesAndWritesTheFile();
    void mmsSetupOpensEachModelsDialogUnderItsTitle();
    void aMessageShowsBesideTheListsItSpeaksOf();
};

void MmsDialogTest::readOnlyStatesFollowTheTyping()
{
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenMmsDialog dialog(1);
    QVERIFY(dialog.isReadOnly(1010));
    Type(dialog, 1006, QStringLiteral("1380"));
    QVERIFY(dialog.isReadOnly(1010));
    QTest::keyClicks(dialog.edit(1006), QStringLiteral("0"));
    QVERIFY(!dialog.isReadOnly(1010));
    Type(dialog, 1010, QStringLiteral("13900139000"));
    QVERIFY(!dialog.isReadOnly(1011));
    // A twelfth digit: the message, then the number is gone and the further recipients with it.
    Type(dialog, 1006, QStringLiteral("138001380001"));
    QCOMPARE(services.messages,
        (std::vector<std::string> {
            "The max allowable number of digits phone 11!\nShorten the phone number in the highlighted field." }));
    QCOMPARE(dialog.controlText(1006), std::string {});
    QCOMPARE(dialog.controlText(1010), std::string {});
    QVERIFY(dialog.isReadOnly(1010));
    QVERIFY(dialog.isReadOnly(1011));

    Choose(dialog, 1041, 1);
    QVERIFY(!dialog.isReadOnly(1002));
    QCOMPARE(dialog.list(1045)->currentText(), QStringLiteral("Other"));
    QCOMPARE(dialog.list(1056)->count(), 2);
}

void MmsDialogTest::internationalScopeShowsItsMessage()
{
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    OpenMmsDialog dialog(3, kChinese);
    QCOMPARE(dialog.list(1046)->itemText(0), QStringLiteral("中国移动"));
    Choose(dialog, 1060, 1);
    QCOMPARE(services.messages, (std::vector<std::string> { "手机号码将不能在相机设置菜单显示" }));
    Choose(dialog, 1060, 0);
    QCOMPARE(services.messages.size(), std::size_t { 1 });
}

void MmsDialogTest::theQ230Mg1080pHasNoScopeAndAWideFirstRecipient()
{
    OpenMmsDialog q230(17);
    QVERIFY(!q230.control(1060)->isVisible());
    QCOMPARE(q230.controlRect(1006).size(), q230.controlRect(1007).size());
    QCOMPARE(q230.controlRect(1006).left(), q230.controlRect(1007).left());
    Type(q230, 1006, QString(41, QLatin1Char('a')));
    QCOMPARE(q230.controlText(1006), std::string(40, 'a'));
    // The further recipients take an address as long as the first one.
    Type(q230, 1010, QString(41, QLatin1Char('b')));
    QCOMPARE(q230.controlText(1010), std::string(40, 'b'));
    Type(q230, 1011, QString(41, QLatin1Char('c')));
    QCOMPARE(q230.controlText(1011), std::string(40, 'c'));
    QCOMPARE(q230.controlText(1050), std::string { "Phone or Email" });
    QCOMPARE(q230.controlText(1051), std::string { "Phone or Email" });

    OpenMmsDialog q400(4);
    QVERIFY(q400.control(1060)->isVisible());
    QVERIFY(q400.controlRect(1006).width() < q400.controlRect(1007).width());
    QCOMPARE(q400.controlText(1050), std::string { "Phone No" });
    Type(q400, 1006, QStringLiteral("13800138000"));
    Type(q400, 1010, QString(33, QLatin1Char('b')));
    QCOMPARE(q400.controlText(1010), std::string(32, 'b'));
}

void MmsDialogTest::enterGeneratesAndWritesTheFile()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    services.folderAnswers.emplace_back(folder.text());
    OpenMmsDialog dialog(4);
    QTest::mouseClick(dialog.button(1057), Qt::LeftButton);
    QCOMPARE(dialog.controlText(1012), folder.text());
    dialog.edit(1074)->setFocus();
    QTest::keyClick(dialog.edit(1074), Qt::Key_Return);
    QCOMPARE(services.messages,
        (std::vector<std::string> {
            "Phone & Email Error(0)\nEnter at least one phone number or e-mail address to send the pictures to." }));
    QVERIFY(folder.names().empty());

    Type(dialog, 1006, QStringLiteral("13800138000"));
    QTest::keyClick(dialog.edit(1006), Qt::Key_Return);
    QCOMPARE(services.messages.back(),
        std::string { "MMS configuration file (URL|APN|Gateway|Port ...) has been generated" });
    QCOMPARE(folder.read("setup.dat").size(), std::size_t { 720 });
    QVERIFY(dialog.isVisible()); // Generate leaves the dialog open
}

void MmsDialogTest::mmsSetupOpensEachModelsDialogUnderItsTitle()
{
    std::vector<std::string> titles;
    std::vector<std::string> expected;
    for (ModelId model = 1; model <= kModelCount; ++model) {
        if (!ButtonsFor(model).mms)
            continue;
        const SetupDialog kind = MmsDialogFor(model);
        const SetupDialogRunner run = SetupDialogTable()[static_cast<std::size_t>(kind)].run;
        QVERIFY(run != nullptr);
        AppState state;
        state.model = model;
        guitest::ModalDriver driver({ [&](Dialog& dialog) {
            titles.push_back(dialog.objectName().toStdString() + " " + dialog.windowTitle().toStdString());
            QTest::mouseClick(dialog.button(kCancelId), Qt::LeftButton);
        } });
        QCOMPARE(run(state), SetupOutcome::BackToMainWindow);
        expected.push_back(std::to_string(DialogTemplateId(kind)) + " " + std::string { ModelTitle(model) });
    }
    QCOMPARE(titles.size(), std::size_t { 14 });
    QCOMPARE(titles, expected);
}

void MmsDialogTest::aMessageShowsBesideTheListsItSpeaksOf()
{
    ScreenAtMessage services;
    ScopedUiServices scoped(services);
    OpenMmsDialog dialog(1);
    services.dialog = &dialog;
    // A country whose first operator ended MMS: the warning names it while the list already shows it.
    Choose(dialog, mms::kCountryList, dialog.list(mms::kCountryList)->findText(QStringLiteral("Deutschland")));
    QCOMPARE(services.messages.size(), std::size_t { 1 });
    QVERIFY(services.messages[0].starts_with("Vodafone ended its MMS service"));
    QCOMPARE(services.operatorShown[0], std::string { "Vodafone" });
    // A phone number too long: the message shows beside the typed number, which goes after it.
    Type(dialog, mms::kPhone1Edit, QStringLiteral("138001380001"));
    QCOMPARE(services.phoneShown.back(), std::string { "138001380001" });
    QCOMPARE(dialog.controlText(mms::kPhone1Edit), std::string {});
}

} // namespace tamb

QTEST_MAIN(tamb::MmsDialogTest)
#include "MmsDialogTest.moc"
