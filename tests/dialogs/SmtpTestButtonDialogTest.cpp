#include "dialogs/SmtpDialog.h"
#include "i18n/CameraTexts.h"
#include "i18n/SmtpTexts.h"
#include "smtp/SmtpLoginCheck.h"
#include "support/LoopbackSmtpServer.h"
#include "support/TempFolder.h"
#include "ui/RecordingUiServices.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <memory>
#include <string>

namespace tamb {
namespace {

using Kind = test::LoopbackSmtpServer::Kind;

const std::string kUser = "camera@loopback.test";
const std::string kPassword = "Pine-Marten-7731";
const QString kWrongPassword = QStringLiteral("Wrong-Badger-0042");

// A Q200 SMTP dialog whose Test logs in to a loopback server, trusting its certificate, within `timeLimit`.
class LoopbackSmtpDialog : public SmtpDialog
{
public:
    LoopbackSmtpDialog(LanguageId language, const test::TempFolder& folder, std::chrono::seconds timeLimit)
        : SmtpDialog(SmtpFamily::Q200, Q200SmtpLayout(), environment(language, folder, timeLimit))
    {
        initialise();
        show();
    }

private:
    static SmtpEnvironment environment(
        LanguageId language, const test::TempFolder& folder, std::chrono::seconds timeLimit)
    {
        SmtpEnvironment environment;
        environment.app.model = 3;
        environment.app.language = language;
        environment.startFolder = folder.path().string();
        environment.loginTimeLimit = timeLimit;
        SmtpLoginOptions options;
        options.timeLimit = timeLimit;
        options.systemCertificates = test::LoopbackSmtpServer::certificate(folder.path()).string();
        environment.checkLogin
            = [options](const SmtpAccount& account, bool allowPlainLogin, const std::atomic<bool>& cancel) {
                  SmtpLoginOptions consented = options;
                  consented.allowPlainLogin = allowPlainLogin;
                  return CheckSmtpLogin(account, consented, cancel);
              };
        return environment;
    }
};

void Type(Dialog& dialog, int editId, const QString& text)
{
    QLineEdit* edit = dialog.edit(editId);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void FillAccount(Dialog& dialog, std::uint16_t port, const QString& password)
{
    Type(dialog, kSmtpServerEditId, QStringLiteral("127.0.0.1"));
    Type(dialog, kSmtpPortEditId, QString::number(port));
    Type(dialog, kSmtpSenderEmailEditId, QString::fromStdString(kUser));
    Type(dialog, kSmtpSenderPasswordEditId, password);
}

void ClickTest(Dialog& dialog)
{
    QTest::mouseClick(dialog.button(kSmtpTestButtonId), Qt::LeftButton);
}

std::string TestCaption(LanguageId language)
{
    return std::string { TestAccountText.text(language, 0) };
}

std::string CancelCaption(LanguageId language)
{
    return std::string { CancelText.text(language, 0) };
}

} // namespace

class SmtpTestButtonDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void aWrongPasswordShowsTheRefusalInTheLanguageOnScreen_data();
    void aWrongPasswordShowsTheRefusalInTheLanguageOnScreen();
    void theDialogStaysUsableWhileATestRunsAndItsEndIsShown();
    void pressingTestAgainOrClosingCancelsTheTest();
    void wrongFieldsStopWithGeneratesWords();
    void aServerWithoutEncryptionGetsTheLoginOnlyAfterAYes_data();
    void aServerWithoutEncryptionGetsTheLoginOnlyAfterAYes();
};

void SmtpTestButtonDialogTest::aWrongPasswordShowsTheRefusalInTheLanguageOnScreen_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("refusalStart");
    QTest::newRow("English") << kEnglish << QStringLiteral("The server 127.0.0.1 refused the sender address");
    QTest::newRow("Chinese") << kChinese << QStringLiteral("服务器 127.0.0.1 拒绝了发送人邮箱或密码");
    QTest::newRow("German") << 3 << QStringLiteral("Der Server 127.0.0.1 hat die Absenderadresse oder das Passwort");
}

void SmtpTestButtonDialogTest::aWrongPasswordShowsTheRefusalInTheLanguageOnScreen()
{
    QFETCH(int, language);
    QFETCH(QString, refusalStart);
    const test::TempFolder folder;
    const test::LoopbackSmtpServer server(Kind::StartTls, folder.path(), kUser, kPassword);
    QVERIFY2(server.port() != 0, "the loopback mail server did not start");
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    LoopbackSmtpDialog dialog(language, folder, std::chrono::seconds(10));
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), TestCaption(language));

    FillAccount(dialog, server.port(), kWrongPassword);
    ClickTest(dialog);
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), CancelCaption(language));
    QTRY_COMPARE_WITH_TIMEOUT(services.messages.size(), std::size_t { 1 }, 10000);

    const QString shown = QString::fromStdString(services.messages[0]);
    QVERIFY2(shown.startsWith(refusalStart), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("535")), "the server's reply line follows");
    QVERIFY(!shown.contains(kWrongPassword));
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), TestCaption(language));
}

void SmtpTestButtonDialogTest::theDialogStaysUsableWhileATestRunsAndItsEndIsShown()
{
    const test::TempFolder folder;
    const test::LoopbackSmtpServer server(Kind::Silent, folder.path(), kUser, kPassword);
    QVERIFY(server.port() != 0);
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    LoopbackSmtpDialog dialog(kEnglish, folder, std::chrono::seconds(2));
    FillAccount(dialog, server.port(), QString::fromStdString(kPassword));
    ClickTest(dialog);
    QVERIFY(dialog.cursor().shape() == Qt::BusyCursor);

    // Typing reaches the model while the server keeps silent.
    Type(dialog, kSmtpRecipientEmailEditId, QStringLiteral("owner@example.org"));
    QCOMPARE(dialog.model().editText(kSmtpRecipientEmailEditId), std::string { "owner@example.org" });
    QVERIFY(services.messages.empty());
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), CancelCaption(kEnglish));

    QTRY_COMPARE_WITH_TIMEOUT(services.messages.size(), std::size_t { 1 }, 10000);
    QVERIFY2(services.messages[0].starts_with("The server 127.0.0.1 did not answer"), services.messages[0].c_str());
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), TestCaption(kEnglish));
    QVERIFY(dialog.cursor().shape() != Qt::BusyCursor);
}

void SmtpTestButtonDialogTest::pressingTestAgainOrClosingCancelsTheTest()
{
    const test::TempFolder folder;
    const test::LoopbackSmtpServer server(Kind::Silent, folder.path(), kUser, kPassword);
    QVERIFY(server.port() != 0);
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    auto dialog = std::make_unique<LoopbackSmtpDialog>(kChinese, folder, std::chrono::seconds(1));
    FillAccount(*dialog, server.port(), QString::fromStdString(kPassword));

    ClickTest(*dialog);
    ClickTest(*dialog);
    QCOMPARE(dialog->controlText(kSmtpTestButtonId), TestCaption(kChinese));
    QVERIFY(dialog->cursor().shape() != Qt::BusyCursor);

    // A test running when the dialog closes ends with it; nothing arrives afterwards.
    ClickTest(*dialog);
    services.yesNoAnswers.push_back(true); // close without writing the typed account
    dialog->cancelPressed();
    dialog.reset();
    QTest::qWait(1500);
    QVERIFY2(services.messages.empty(), services.messages.empty() ? "" : services.messages[0].c_str());
}

void SmtpTestButtonDialogTest::wrongFieldsStopWithGeneratesWords()
{
    const test::TempFolder folder;
    RecordingUiServices services;
    ScopedUiServices scoped(services);
    LoopbackSmtpDialog dialog(kEnglish, folder, std::chrono::seconds(1));
    FillAccount(dialog, test::LoopbackSmtpServer::closedPort(), QString::fromStdString(kPassword));
    Type(dialog, kSmtpSenderEmailEditId, QStringLiteral("camera.loopback.test"));

    ClickTest(dialog);
    QCOMPARE(services.messages,
        std::vector<std::string> { DialogMessage::of(MessageId::EmailWithoutAt).shownText(kEnglish) });
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), TestCaption(kEnglish));
}

void SmtpTestButtonDialogTest::aServerWithoutEncryptionGetsTheLoginOnlyAfterAYes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("questionStart");
    QTest::addColumn<QString>("questionEnd");
    QTest::addColumn<QString>("resultStart");
    const QString english = QStringLiteral("127.0.0.1 offers no encryption (TLS) on port ");
    const QString englishEnd = QStringLiteral("\n\nTest anyway, without encryption?");
    const QString chinese = QStringLiteral("127.0.0.1 的端口 ");
    const QString chineseEnd = QStringLiteral("\n\n仍要在不加密的情况下测试吗？");
    QTest::newRow("EnglishNo") << kEnglish << false << english << englishEnd << QString();
    QTest::newRow("EnglishYes") << kEnglish << true << english << englishEnd
                                << QStringLiteral("Login accepted, but 127.0.0.1 offers no encryption");
    QTest::newRow("ChineseNo") << kChinese << false << chinese << chineseEnd << QString();
    QTest::newRow("ChineseYes") << kChinese << true << chinese << chineseEnd
                                << QStringLiteral("登录成功，但 127.0.0.1");
}

void SmtpTestButtonDialogTest::aServerWithoutEncryptionGetsTheLoginOnlyAfterAYes()
{
    QFETCH(int, language);
    QFETCH(bool, yes);
    QFETCH(QString, questionStart);
    QFETCH(QString, questionEnd);
    QFETCH(QString, resultStart);
    const test::TempFolder folder;
    const test::LoopbackSmtpServer server(Kind::Plain, folder.path(), kUser, kPassword);
    QVERIFY2(server.port() != 0, "the loopback mail server did not start");
    RecordingUiServices services;
    services.yesNoAnswers.push_back(yes);
    ScopedUiServices scoped(services);
    LoopbackSmtpDialog dialog(language, folder, std::chrono::seconds(10));
    FillAccount(dialog, server.port(), QString::fromStdString(kPassword));

    ClickTest(dialog);
    QTRY_COMPARE_WITH_TIMEOUT(services.questions.size(), std::size_t { 1 }, 10000);
    const QString question = QString::fromStdString(services.questions[0]);
    QVERIFY2(question.startsWith(questionStart + QString::number(server.port())), qPrintable(question));
    QVERIFY2(question.endsWith(questionEnd), qPrintable(question));
    QVERIFY(!question.contains(QString::fromStdString(kPassword)));
    QCOMPARE(services.questionDefaults, std::vector<DefaultAnswer> { DefaultAnswer::No });

    if (yes) {
        QTRY_COMPARE_WITH_TIMEOUT(services.messages.size(), std::size_t { 1 }, 10000);
        QVERIFY2(QString::fromStdString(services.messages[0]).startsWith(resultStart), services.messages[0].c_str());
        QCOMPARE(test::LoopbackSmtpServer::logins(folder.path()), std::vector<std::string> { "AUTH PLAIN tls=False" });
    } else {
        // No sends nothing: no message, no login, and Test is ready again.
        QTest::qWait(300);
        QVERIFY(services.messages.empty());
        QVERIFY(test::LoopbackSmtpServer::logins(folder.path()).empty());
    }
    QCOMPARE(dialog.controlText(kSmtpTestButtonId), TestCaption(static_cast<LanguageId>(language)));
}

} // namespace tamb

QTEST_MAIN(tamb::SmtpTestButtonDialogTest)
#include "SmtpTestButtonDialogTest.moc"
