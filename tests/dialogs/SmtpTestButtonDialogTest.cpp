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
        : SmtpDialog(SmtpFamily::q200, Q200SmtpLayout(), environment(language, folder, timeLimit))
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
        options.trustedCertificates = test::LoopbackSmtpServer::certificate(folder.path()).string();
        environment.checkLogin = [options](const SmtpAccount& account, const std::atomic<bool>& cancel) {
            return CheckSmtpLogin(account, options, cancel);
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
    const test::LoopbackSmtpServer server(Kind::startTls, folder.path(), kUser, kPassword);
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
    const test::LoopbackSmtpServer server(Kind::silent, folder.path(), kUser, kPassword);
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
    const test::LoopbackSmtpServer server(Kind::silent, folder.path(), kUser, kPassword);
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

} // namespace tamb

QTEST_MAIN(tamb::SmtpTestButtonDialogTest)
#include "SmtpTestButtonDialogTest.moc"
