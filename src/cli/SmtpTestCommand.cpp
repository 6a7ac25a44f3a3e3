#include "cli/CliCommand.h"
#include "smtp/SmtpAccount.h"
#include "smtp/SmtpLoginCheck.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <string>

namespace tamb {
namespace {

constexpr std::string_view kSmtpTestCommandName = "smtp-test";

// The keys the check reads; they name the edits of the SMTP dialogs.
constexpr std::array<std::string_view, 4> kReadKeys { "smtpServer", "smtpPort", "senderEmail", "senderPassword" };
// The other keys of the smtp command: accepted so that one command line serves both, and not read.
constexpr std::array<std::string_view, 11> kIgnoredKeys { "mode", "country", "operator", "smtpStatus", "picturesPerDay",
    "remoteControlHour", "apn", "account", "password", "smsPhone", "recipientEmail" };

bool isOneOf(std::string_view key, std::span<const std::string_view> keys)
{
    return std::ranges::find(keys, key) != keys.end();
}

int runSmtpTest(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    std::map<std::string, std::string, std::less<>> read;
    for (const auto& [key, value] : arguments.assignments) {
        if (isOneOf(key, kReadKeys))
            read[key] = value;
        else if (!isOneOf(key, kIgnoredKeys))
            return ReportUsageError(kSmtpTestCommandName, "unknown key '" + key + "'; see --help for the keys", err);
    }
    // Messages in the language asked for, as the dialogs show them in that interface language.
    const LanguageId language = arguments.language.value_or(kEnglish);
    const auto account
        = SmtpAccountFromTexts(read["smtpServer"], read["smtpPort"], read["senderEmail"], read["senderPassword"]);
    if (const auto* refusal = std::get_if<DialogMessage>(&account))
        return ReportUsageError(kSmtpTestCommandName, refusal->text(language), err);

    const SmtpAccount& checked = std::get<SmtpAccount>(account);
    const std::atomic<bool> neverCancelled { false };
    const auto result = CheckSmtpLogin(checked, SmtpLoginOptions {}, neverCancelled);
    out << SmtpLoginMessage(result, checked, kSmtpLoginTimeLimit).text(language) << '\n';
    return IsLoginAccepted(result.outcome) ? kExitSuccess : kExitFailure;
}

} // namespace

const CliCommand kSmtpTestCommand {
    kSmtpTestCommandName,
    "log in to the e-mail account of the SMTP settings, sending no mail",
    R"(Usage: tamb-setup-cli smtp-test [--model N] [--out DIR] [--language L] [KEY=VALUE ...]

Connects to the SMTP server of the settings, secures the connection and logs in with the
sender address and password, then says goodbye without sending any mail. Port 465 uses
TLS from the start; other ports switch to TLS when the server offers it, and log in over
a plain connection only when it offers none (the result says so). The check gives up
after 15 seconds. Nothing is written.

Keys (those of the smtp command; only these four are read):
  smtpServer=HOST          the server's name or address
  smtpPort=N               its port, 1..65535
  senderEmail=ADDRESS      the sender address, which is the login name
  senderPassword=TEXT      the sender's password; never printed

The other keys of smtp, --model, --out and --chinese-requested are accepted and not read,
so that the same command line can test the account and then write the file.

Options:
  --language L  the language of the messages, 1..15 (default 2, English)
  --help        show this text

Exit codes: 0 the server accepted the login, 1 it did not (or could not be reached),
2 a wrong command line or settings that Generate would refuse.
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested, 0, true, false },
    &runSmtpTest,
};

} // namespace tamb
