#include "dialogs/SmtpDialog.h"

#include "app/SetupDialogs.h"
#include "common/ModelCatalogue.h"
#include "support/ModalRun.h"
#include "support/TempFolder.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

namespace tamb {
namespace {

SmtpEnvironment TestEnvironment(ModelId model, LanguageId language, const QString& folder)
{
    SmtpEnvironment environment;
    environment.app.model = model;
    environment.app.language = language;
    environment.startFolder = folder.toStdString();
    environment.codePage = OemCodePage { 850 };
    return environment;
}

// A dialog of `model`'s SMTP family; `open` shows it without a modal run, so that the test drives it directly.
class TestSmtpDialog : public SmtpDialog
{
public:
    TestSmtpDialog(ModelId model, LanguageId language, const QString& folder = QStringLiteral("/"), bool open = true)
        : SmtpDialog(*SmtpFamilyFor(model),
            SmtpFamilyFor(model) == SmtpFamily::Q400 ? Q400SmtpLayout() : Q200SmtpLayout(),
            TestEnvironment(model, language, folder))
    {
        if (open) {
            initialise();
            show();
        }
    }
};

void Type(Dialog& dialog, int editId, const QString& text)
{
    QLineEdit* edit = dialog.edit(editId);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void FillSender(Dialog& dialog)
{
    Type(dialog, kSmtpServerEditId, QStringLiteral("smtp.example.com"));
    Type(dialog, kSmtpPortEditId, QStringLiteral("25"));
    Type(dialog, kSmtpSenderEmailEditId, QStringLiteral("cam@example.com"));
    Type(dialog, kSmtpSenderPasswordEditId, QStringLiteral("secret"));
    Type(dialog, kSmtpRecipientEmailEditId, QStringLiteral("me@example.org"));
}

} // namespace

class SmtpDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithCaptionsListsAndAMaskedPassword();
    void addressesStopAtTheFamilysLimit();
    void aLongPasteKeepsWhatFitsTheEdit();
    void q200HourListClosedWithoutAChoiceSyncs();
    void enterInAnEditKeepsTheDialogOpenAndWritesNothing();
    void generateWritesAndAModeChangeRefillsTheLists();
    void smtpSetupOfEveryModelOpensItsDialogUnderTheModelsTitle();
};

void SmtpDialogTest::opensWithCaptionsListsAndAMaskedPassword()
{
    TestSmtpDialog q200(3, kEnglish);
    QCOMPARE(q200.windowTitle(), QStringLiteral("Tamb Vorrel Q200"));
    QCOMPARE(q200.objectName(), QStringLiteral("147"));
    QCOMPARE(q200.controlText(1100), std::string { "Smtp Server" });
    QCOMPARE(q200.controlText(1114), std::string { "Phone No" });
    QCOMPARE(q200.list(1088)->currentText(), QStringLiteral("China"));
    QCOMPARE(q200.list(1135)->currentText(), QStringLiteral("Off"));
    QCOMPARE(q200.edit(1008)->echoMode(), QLineEdit::Password);
    QVERIFY(q200.isReadOnly(1003));

    TestSmtpDialog q300(13, kChinese);
    QCOMPARE(q300.windowTitle(), QStringLiteral("Tamb Vorrel Q300"));
    QCOMPARE(q300.objectName(), QStringLiteral("143"));
    QCOMPARE(q300.controlText(1113), std::string { "Smtp 发送状态" });
    QCOMPARE(q300.controlText(1116), std::string { "手机号码" });
    QCOMPARE(q300.controlText(1146), std::string { "GPRS设置" });
    QCOMPARE(q300.list(1114)->currentText(), QStringLiteral("VGA"));
    QCOMPARE(q300.list(1093)->currentText(), QStringLiteral("中国移动"));
    QCOMPARE(q300.list(1115)->currentText(), QStringLiteral("关闭"));
    QCOMPARE(q300.edit(1008)->echoMode(), QLineEdit::Password);
}

// Only the Q200 dialog's hour list syncs when its opened list closes without a choice; an emptied picture edit
// then shows its prompt again. The Q400 hour list has no handler.
void SmtpDialogTest::q200HourListClosedWithoutAChoiceSyncs()
{
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    const std::vector<std::pair<ModelId, int>> hourLists { { 3, 1135 }, { 4, 1115 } };
    for (const auto& [model, hourList] : hourLists) {
        TestSmtpDialog dialog(model, kEnglish);
        QLineEdit* pictures = dialog.edit(kSmtpPicturesEditId);
        pictures->setFocus();
        pictures->selectAll();
        QTest::keyClick(pictures, Qt::Key_Delete);
        const std::size_t shown = services.messages.size();
        QComboBox* hours = dialog.list(hourList);
        hours->showPopup();
        hours->hidePopup();
        QCoreApplication::processEvents();
        QCOMPARE(services.messages.size(), shown + (hourList == 1135 ? 1 : 0));
    }
    // The prompt's own words come first; what to do follows on lines of its own.
    QVERIFY2(services.messages.back().starts_with("Please enter an integer."), services.messages.back().c_str());
}

void SmtpDialogTest::addressesStopAtTheFamilysLimit()
{
    const QString sender = QStringLiteral("a.sender.of.thirty.five@example.com");
    TestSmtpDialog q200(5, kEnglish);
    Type(q200, kSmtpSenderEmailEditId, sender);
    QCOMPARE(q200.controlText(kSmtpSenderEmailEditId), sender.left(32).toStdString());
    TestSmtpDialog q400(4, kEnglish);
    Type(q400, kSmtpSenderEmailEditId, sender);
    QCOMPARE(q400.controlText(kSmtpSenderEmailEditId), sender.toStdString());
}

void SmtpDialogTest::aLongPasteKeepsWhatFitsTheEdit()
{
    TestSmtpDialog q200(3, kEnglish);
    const QString server = QStringLiteral("smtp.") + QString(195, u'x');
    QLineEdit* edit = q200.edit(kSmtpServerEditId);
    edit->setFocus();
    QApplication::clipboard()->setText(server);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(q200.controlText(kSmtpServerEditId), server.left(40).toStdString());

    QApplication::clipboard()->setText(QString(10000, u'5'));
    q200.edit(kSmtpPortEditId)->setFocus();
    QTest::keySequence(q200.edit(kSmtpPortEditId), QKeySequence::Paste);
    QCOMPARE(q200.controlText(kSmtpPortEditId), std::string(10, '5'));
}

void SmtpDialogTest::enterInAnEditKeepsTheDialogOpenAndWritesNothing()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    for (const ModelId model : { 3, 4 }) {
        TestSmtpDialog dialog(model, kEnglish, QString::fromStdString(folder.text()), false);
        const guitest::RunOutcome outcome = guitest::RunWhile(dialog, [&] {
            FillSender(dialog);
            QTest::keyClick(dialog.edit(kSmtpServerEditId), Qt::Key_Return);
            QTest::keyClick(dialog.edit(kSmtpPicturesEditId), Qt::Key_Enter, Qt::KeypadModifier);
        });
        QVERIFY(outcome.leftOpen);
        QCOMPARE(dialog.controlText(kSmtpServerEditId), std::string { "smtp.example.com" });
    }
    QVERIFY(services.messages.empty());
    QVERIFY(folder.names().empty());
}

void SmtpDialogTest::generateWritesAndAModeChangeRefillsTheLists()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    TestSmtpDialog dialog(16, kEnglish, QString::fromStdString(folder.text()));
    QTest::mouseClick(dialog.button(kSmtpGenerateButtonId), Qt::LeftButton);
    QCOMPARE(services.messages,
        (std::vector<std::string> {
            "Smtp Server\nEnter your e-mail provider's SMTP server, for example smtp.example.com." }));

    FillSender(dialog);
    services.messages.clear();
    QTest::mouseClick(dialog.button(kSmtpGenerateButtonId), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(services.messages, (std::vector<std::string> { "SMTP configuration file has been generated" }));
    QCOMPARE(folder.read("smtp.dat").size(), std::size_t { 720 });

    QComboBox* mode = dialog.list(kSmtpModeListId);
    mode->setCurrentIndex(1);
    emit mode->activated(1);
    QCOMPARE(dialog.list(kSmtpCountryListId)->currentText(), QStringLiteral("Other"));
    QCOMPARE(dialog.list(kSmtpOperatorListId)->count(), 1);
    QVERIFY(!dialog.isReadOnly(kSmtpApnEditId));
    QCOMPARE(dialog.controlText(kSmtpServerEditId), std::string {});
}

void SmtpDialogTest::smtpSetupOfEveryModelOpensItsDialogUnderTheModelsTitle()
{
    for (ModelId model = 1; model <= kModelCount; ++model) {
        if (!ButtonsFor(model).smtp)
            continue;
        const SetupDialogRunner run = SetupDialogTable()[static_cast<std::size_t>(SmtpDialogFor(model))].run;
        QVERIFY(run != nullptr);
        AppState state;
        state.model = model;
        std::string title;
        std::string templateId;
        guitest::ModalDriver driver({ [&](Dialog& dialog) {
            title = dialog.windowTitle().toStdString();
            templateId = dialog.objectName().toStdString();
            QTest::mouseClick(dialog.button(kCancelId), Qt::LeftButton);
        } });
        QCOMPARE(run(state), SetupOutcome::BackToMainWindow);
        QCOMPARE(title, std::string { ModelTitle(model) });
        QCOMPARE(templateId, std::string { SmtpFamilyFor(model) == SmtpFamily::Q400 ? "143" : "147" });
    }
}

} // namespace tamb

QTEST_MAIN(tamb::SmtpDialogTest)
#include "SmtpDialogTest.moc"
