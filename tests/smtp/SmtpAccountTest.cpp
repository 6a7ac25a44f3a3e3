#include "smtp/SmtpAccount.h"

#include "smtp/SmtpLoginResult.h"

#include <gtest/gtest.h>
#include <ostream>

namespace tamb {
namespace {

struct AccountCase
{
    std::string name;
    std::string server;
    std::string port;
    std::string sender;
    std::optional<MessageId> refusal; // nothing: the texts make an account
    std::string password = "secret";
};

void PrintTo(const AccountCase& row, std::ostream* out)
{
    *out << row.name << " (" << row.server << ':' << row.port << ", " << row.sender << ')';
}

class SmtpAccountTest : public ::testing::TestWithParam<AccountCase>
{
};

TEST_P(SmtpAccountTest, RefusesAsGenerateDoesThenNeedsANumberAndAHostName)
{
    const AccountCase& row = GetParam();
    const auto account = SmtpAccountFromTexts(row.server, row.port, row.sender, row.password);
    if (row.refusal) {
        ASSERT_TRUE(std::holds_alternative<DialogMessage>(account));
        EXPECT_EQ(std::get<DialogMessage>(account).id, *row.refusal);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<SmtpAccount>(account)) << std::get<DialogMessage>(account).text(kEnglish);
    EXPECT_EQ(std::get<SmtpAccount>(account).server, row.server);
    EXPECT_EQ(std::to_string(std::get<SmtpAccount>(account).port), row.port);
    EXPECT_EQ(std::get<SmtpAccount>(account).password, row.password);
}

INSTANTIATE_TEST_SUITE_P(Texts, SmtpAccountTest,
    ::testing::Values(AccountCase { "HostAndSubmissionPort", "smtp.example.com", "587", "cam@example.com", {} },
        AccountCase { "Ipv4Address", "192.0.2.25", "25", "cam@example.com", {} },
        AccountCase { "Ipv6InBrackets", "[2001:db8::1]", "465", "cam@example.com", {} },
        AccountCase { "HighestPort", "mail.example.com", "65535", "cam@example.com", {} },
        // Generate's order: the server before the port before the sender.
        AccountCase { "EverythingEmpty", "", "", "", MessageId::SmtpServerMissing },
        AccountCase { "OneCharacterServer", "x", "25", "cam@example.com", MessageId::SmtpServerMissing },
        AccountCase { "OneCharacterPort", "smtp.example.com", "9", "", MessageId::SmtpPortMissing },
        AccountCase { "NoSender", "smtp.example.com", "25", "c", MessageId::EmailMissing },
        AccountCase { "SenderWithoutAt", "smtp.example.com", "25", "cam.example.com", MessageId::EmailWithoutAt },
        AccountCase { "SenderWithoutDot", "smtp.example.com", "25", "cam@example", MessageId::EmailWithoutDot },
        // The password after the sender, as Generate checks them; the port's number after both.
        AccountCase { "NoPassword", "smtp.example.com", "25", "cam@example.com", MessageId::SenderPasswordMissing, "" },
        AccountCase { "OneCharacterPassword", "smtp.example.com", "25", "cam@example.com",
            MessageId::SenderPasswordMissing, "x" },
        AccountCase { "NoPasswordAndAPortWithLetters", "smtp.example.com", "25a", "cam@example.com",
            MessageId::SenderPasswordMissing, "" },
        AccountCase { "TwoCharacterPassword", "smtp.example.com", "25", "cam@example.com", {}, "xy" },
        // Texts Generate lets through but no connection can use.
        AccountCase { "PortWithLetters", "smtp.example.com", "25a", "cam@example.com", MessageId::SmtpPortNotNumber },
        AccountCase { "PortZero", "smtp.example.com", "00", "cam@example.com", MessageId::SmtpPortNotNumber },
        AccountCase { "PortBeyondRange", "smtp.example.com", "65536", "cam@example.com", MessageId::SmtpPortNotNumber },
        AccountCase { "SignedPort", "smtp.example.com", "+25", "cam@example.com", MessageId::SmtpPortNotNumber },
        AccountCase {
            "ServerWithPath", "smtp.example.com/x", "25", "cam@example.com", MessageId::SmtpServerNotHostName },
        AccountCase {
            "ServerWithUser", "me@smtp.example.com", "25", "cam@example.com", MessageId::SmtpServerNotHostName },
        AccountCase {
            "ServerWithPort", "smtp.example.com:25", "25", "cam@example.com", MessageId::SmtpServerNotHostName },
        AccountCase {
            "ServerWithBlank", "smtp example.com", "25", "cam@example.com", MessageId::SmtpServerNotHostName },
        AccountCase {
            "ServerStartingWithHyphen", "-oProxy", "25", "cam@example.com", MessageId::SmtpServerNotHostName },
        AccountCase { "ServerNotAscii", "smtp.bücher.de", "25", "cam@example.com", MessageId::SmtpServerNotHostName }),
    [](const auto& row) { return row.param.name; });

TEST(SmtpLoginMessageTest, NamesServerAndPortAndAddsTheReplyLineInTheLanguageOnScreen)
{
    const SmtpAccount account {
        .server = "smtp.example.com", .port = 587, .sender = "cam@example.com", .password = "x"
    };
    const SmtpLoginResult refused { .outcome = SmtpLoginOutcome::CredentialsRefused,
        .serverReply = "535 5.7.8 Authentication credentials invalid" };
    EXPECT_EQ(SmtpLoginMessage(refused, account, std::chrono::seconds(15)).text(kEnglish),
        "The server smtp.example.com refused the sender address or the password.\n\n"
        "535 5.7.8 Authentication credentials invalid");
    EXPECT_EQ(SmtpLoginMessage(refused, account, std::chrono::seconds(15)).text(kChinese),
        "服务器 smtp.example.com 拒绝了发送人邮箱或密码。\n\n535 5.7.8 Authentication credentials invalid");

    const SmtpLoginResult silent { .outcome = SmtpLoginOutcome::NoAnswer, .serverReply = {} };
    EXPECT_EQ(SmtpLoginMessage(silent, account, std::chrono::seconds(15)).text(3),
        "Der Server smtp.example.com hat auf Port 587 nicht innerhalb von 15 Sekunden geantwortet.");
}

} // namespace
} // namespace tamb
