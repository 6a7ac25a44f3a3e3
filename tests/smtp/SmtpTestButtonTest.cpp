#include "smtp/SmtpSettingsModel.h"

#include <atomic>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tamb {
namespace {

const std::string kAccountPassword = "Pine-Marten-7731";

// A login check that answers `result` at once and remembers the account it was given and whether a login
// without TLS was allowed; a server without TLS answers plainLoginNotAllowed unless it was.
struct FakeCheck
{
    SmtpLoginResult result;
    std::optional<SmtpAccount> checked;
    bool serverOffersTls = true;
    std::vector<bool> plainLoginAllowed {}; // one entry per check
};

SmtpEnvironment EnvironmentWith(FakeCheck& fake, LanguageId language)
{
    SmtpEnvironment environment;
    environment.app.language = language;
    environment.app.model = 3;
    environment.startFolder = "/";
    environment.checkLogin = [&fake](const SmtpAccount& account, bool allowPlainLogin, const std::atomic<bool>&) {
        fake.checked = account;
        fake.plainLoginAllowed.push_back(allowPlainLogin);
        if (!fake.serverOffersTls && !allowPlainLogin)
            return SmtpLoginResult { .outcome = SmtpLoginOutcome::PlainLoginNotAllowed, .serverReply = {} };
        return fake.result;
    };
    return environment;
}

void Type(SmtpSettingsModel& model, const std::string& server, const std::string& port, const std::string& sender)
{
    (void)model.editChanged(kSmtpServerEditId, server);
    (void)model.editChanged(kSmtpPortEditId, port);
    (void)model.editChanged(kSmtpSenderEmailEditId, sender);
    (void)model.editChanged(kSmtpSenderPasswordEditId, kAccountPassword);
}

struct FieldCase
{
    std::string name;
    std::string server;
    std::string port;
    std::string sender;
    MessageId expected;
};

void PrintTo(const FieldCase& row, std::ostream* out)
{
    *out << row.name;
}

class SmtpTestFieldsTest : public ::testing::TestWithParam<FieldCase>
{
};

// Test refuses what Generate refuses, with Generate's words, and starts no check.
TEST_P(SmtpTestFieldsTest, RefusesWithGeneratesWordsAndChecksNothing)
{
    const FieldCase& row = GetParam();
    FakeCheck fake;
    SmtpSettingsModel model(SmtpFamily::Q200, EnvironmentWith(fake, kEnglish));
    Type(model, row.server, row.port, row.sender);
    const DialogOutcome outcome = model.clicked(kSmtpTestButtonId);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].id, row.expected);
    EXPECT_FALSE(outcome.background.has_value());
}

INSTANTIATE_TEST_SUITE_P(Fields, SmtpTestFieldsTest,
    ::testing::Values(FieldCase { .name = "NoServer",
                          .server = "",
                          .port = "25",
                          .sender = "cam@example.com",
                          .expected = MessageId::SmtpServerMissing },
        FieldCase { .name = "NoPort",
            .server = "smtp.example.com",
            .port = "",
            .sender = "cam@example.com",
            .expected = MessageId::SmtpPortMissing },
        FieldCase { .name = "SenderWithoutAt",
            .server = "smtp.example.com",
            .port = "25",
            .sender = "cam.example.com",
            .expected = MessageId::EmailWithoutAt },
        FieldCase { .name = "PortOutOfRange",
            .server = "smtp.example.com",
            .port = "70000",
            .sender = "cam@example.com",
            .expected = MessageId::SmtpPortNotNumber },
        FieldCase { .name = "ServerWithASlash",
            .server = "smtp.example.com/x",
            .port = "25",
            .sender = "cam@example.com",
            .expected = MessageId::SmtpServerNotHostName }),
    [](const auto& row) { return row.param.name; });

TEST(SmtpTestButtonTest, ChecksTheAccountInTheBackgroundAndSaysHowItWentInTheLanguageOnScreen)
{
    FakeCheck fake { .result = { .outcome = SmtpLoginOutcome::CredentialsRefused, .serverReply = "535 5.7.8 no" },
        .checked = {} };
    SmtpSettingsModel model(SmtpFamily::Q400, EnvironmentWith(fake, kChinese));
    Type(model, "smtp.example.com", "587", "cam@example.com");

    const DialogOutcome outcome = model.clicked(kSmtpTestButtonId);
    ASSERT_TRUE(outcome.messages.empty());
    ASSERT_TRUE(outcome.background.has_value());
    EXPECT_EQ(outcome.background->controlId, kSmtpTestButtonId);
    EXPECT_FALSE(fake.checked.has_value()) << "the check runs only when the dialog runs the work";

    // Typing on while the work runs changes nothing of the account being checked.
    (void)model.editChanged(kSmtpServerEditId, "other.example.com");
    const std::atomic<bool> notCancelled { false };
    const DialogOutcome done = outcome.background->run(notCancelled);
    ASSERT_TRUE(fake.checked.has_value());
    EXPECT_EQ(fake.checked->server, "smtp.example.com");
    EXPECT_EQ(fake.checked->port, 587);
    EXPECT_EQ(fake.checked->sender, "cam@example.com");
    EXPECT_EQ(fake.checked->password, kAccountPassword);
    ASSERT_EQ(done.messages.size(), 1u);
    const std::string shown = done.messages[0].text(kChinese);
    EXPECT_EQ(shown, "服务器 smtp.example.com 拒绝了发送人邮箱或密码。\n\n535 5.7.8 no");
    EXPECT_EQ(shown.find(kAccountPassword), std::string::npos);
}

// A server without TLS gets no login until the user says yes to the question, whose default is No; the yes
// checks the account of the Test that asked, not what was typed since.
TEST(SmtpTestButtonTest, AServerWithoutTlsAsksFirstAndOnlyAYesLogsInWithoutIt)
{
    FakeCheck fake { .result = { .outcome = SmtpLoginOutcome::AcceptedWithoutTls, .serverReply = "235 ok" },
        .checked = {},
        .serverOffersTls = false,
        .plainLoginAllowed = {} };
    SmtpSettingsModel model(SmtpFamily::Q200, EnvironmentWith(fake, kChinese));
    Type(model, "mail.example.com", "25", "cam@example.com");
    const std::atomic<bool> notCancelled { false };

    for (const bool yes : { false, true }) {
        SCOPED_TRACE(yes ? "yes" : "no");
        fake.plainLoginAllowed.clear();
        const DialogOutcome started = model.clicked(kSmtpTestButtonId);
        ASSERT_TRUE(started.background.has_value());
        (void)model.editChanged(kSmtpServerEditId, "other.example.com");
        const DialogOutcome asked = started.background->run(notCancelled);
        EXPECT_TRUE(asked.messages.empty());
        ASSERT_TRUE(asked.question.has_value());
        EXPECT_EQ(asked.questionDefault, DefaultAnswer::No);
        EXPECT_EQ(asked.question->text(kChinese),
            "mail.example.com 的端口 25 "
            "不提供加密（TLS）。测试会以明文在网络上发送密码，相机每次通过此服务器发送邮件时也"
            "会以明文发送密码。\n\n仍要在不加密的情况下测试吗？");

        const DialogOutcome answered = model.answeredTo(*asked.question, yes);
        EXPECT_EQ(answered.background.has_value(), yes);
        if (yes) {
            const DialogOutcome done = answered.background->run(notCancelled);
            ASSERT_EQ(done.messages.size(), 1u);
            EXPECT_EQ(done.messages[0].id, MessageId::SmtpLoginAcceptedWithoutTls);
            EXPECT_EQ(fake.checked->server, "mail.example.com");
        }
        const std::vector<bool> expected = yes ? std::vector<bool> { false, true } : std::vector<bool> { false };
        EXPECT_EQ(fake.plainLoginAllowed, expected);
        (void)model.editChanged(kSmtpServerEditId, "mail.example.com");
    }
}

TEST(SmtpTestButtonTest, ACancelledCheckSaysNothing)
{
    FakeCheck fake { .result = { .outcome = SmtpLoginOutcome::Cancelled, .serverReply = {} }, .checked = {} };
    SmtpSettingsModel model(SmtpFamily::Q200, EnvironmentWith(fake, kEnglish));
    Type(model, "smtp.example.com", "465", "cam@example.com");
    const DialogOutcome outcome = model.clicked(kSmtpTestButtonId);
    ASSERT_TRUE(outcome.background.has_value());
    const std::atomic<bool> cancelled { true };
    EXPECT_TRUE(outcome.background->run(cancelled).messages.empty());
}

} // namespace
} // namespace tamb
