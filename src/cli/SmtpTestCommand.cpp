#include "cli/CliCommand.h"
#include "cli/PasswordInput.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "smtp/SmtpAccount.h"
#include "smtp/SmtpAssignments.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"
#include "smtp/SmtpLoginCheck.h"
#include "smtp/SmtpSettingsModel.h"

#include <array>
#include <atomic>
#include <string>

namespace tamb {
namespace {

constexpr std::string_view kSmtpTestCommandName = "smtp-test";
// Larger than the trust store of a whole system; a certificate file of one's own is a few kilobytes.
constexpr std::size_t kLargestCertificateFile = 4 * 1024 * 1024;

// The family whose dialog checks the keys: that of --model; else that of the --from file, whose header tells;
// else the Q400 family, whose fields take the longest texts. Nothing when --model names a model without SMTP
// settings.
std::optional<SmtpFamily> FamilyOf(const ParsedArguments& arguments, const OemCodePage& codePage)
{
    if (arguments.model)
        return SmtpFamilyFor(*arguments.model);
    std::vector<std::uint8_t> bytes;
    if (arguments.from && ReadSettingsFile(*arguments.from, bytes).ok()) {
        const SettingsFileReport report = InspectSmtpFile(bytes, codePage);
        if (ReportFieldText(report, "family") == "q200")
            return SmtpFamily::Q200;
    }
    return SmtpFamily::Q400;
}

// The certificates of --ca-file as PEM text; a failure says why the file cannot serve.
Status ReadCertificates(const std::string& path, std::string& pem)
{
    const std::optional<std::string> content = ReadSmallRegularFile(PathFromUtf8(path), kLargestCertificateFile);
    if (!content)
        return Status::failure("--ca-file " + path + ": not a readable file of at most 4 MiB");
    if (content->find("-----BEGIN CERTIFICATE-----") == std::string::npos)
        return Status::failure(
            "--ca-file " + path + ": holds no certificate in PEM form (-----BEGIN CERTIFICATE-----)");
    pem = *content;
    return Status::success();
}

// Makes the settings through the SMTP dialog's model, as the smtp command does, so that the same keys, files and
// typing limits are accepted; then checks the account as the dialog's Test button does and logs in.
int RunSmtpTest(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    // Messages in the language asked for, as the dialogs show them in that interface language.
    const LanguageId language = arguments.language.value_or(kEnglish);
    SmtpLoginOptions options;
    options.allowPlainLogin = arguments.allowPlainLogin;
    if (arguments.caFile) {
        if (const Status read = ReadCertificates(*arguments.caFile, options.additionalCertificates); !read.ok())
            return ReportUsageError(kSmtpTestCommandName, read.reason(), err);
    }
    SmtpEnvironment environment;
    environment.app.language = language;
    environment.app.model = arguments.model.value_or(environment.app.model);
    environment.startFolder = ".";
    environment.codePage = OemCodePage::forSystem();
    const auto family = FamilyOf(arguments, environment.codePage);
    if (!family) {
        return ReportUsageError(
            kSmtpTestCommandName, "model " + std::to_string(*arguments.model) + " has no SMTP settings", err);
    }
    SmtpSettingsModel settings(*family, environment);
    if (const auto refused = StartFrom(arguments, settings, &LoadSmtpFile, kSmtpTestCommandName, err))
        return *refused;
    if (const Status applied = ApplySmtpAssignments(settings, arguments.assignments); !applied.ok())
        return ReportUsageError(kSmtpTestCommandName, applied.reason(), err);

    const auto account = SmtpAccountFromTexts(settings.editText(kSmtpServerEditId), settings.editText(kSmtpPortEditId),
        settings.editText(kSmtpSenderEmailEditId), settings.editText(kSmtpSenderPasswordEditId));
    if (const auto* refusal = std::get_if<DialogMessage>(&account))
        return ReportUsageError(kSmtpTestCommandName, refusal->text(language), err);
    const SmtpAccount& checked = std::get<SmtpAccount>(account);
    const std::atomic<bool> neverCancelled { false };
    const auto result = CheckSmtpLogin(checked, options, neverCancelled);
    out << SmtpLoginMessage(result, checked, kSmtpLoginTimeLimit).text(language) << '\n';
    if (result.outcome == SmtpLoginOutcome::PlainLoginNotAllowed) {
        err << kProgramName << ' ' << kSmtpTestCommandName
            << ": --allow-plain-login logs in without encryption all the same\n";
    }
    return IsLoginAccepted(result.outcome) ? kExitSuccess : kExitFailure;
}

} // namespace

const CliCommand kSmtpTestCommand {
    kSmtpTestCommandName,
    "log in to the e-mail account of the SMTP settings, sending no mail",
    R"(Usage: tamb-setup-cli smtp-test [--model N] [--from FILE] [--ca-file FILE]
                                [--allow-plain-login] [--language L] [KEY=VALUE ...]

Connects to the SMTP server of the settings, secures the connection and logs in with the
sender address and password, then says goodbye without sending any mail. Port 465 uses
TLS from the start; other ports must switch to TLS with STARTTLS. A server that offers
no encryption gets no login, since the password would cross the network readable (as it
would whenever the camera sends mail there): the result says so and the exit code is 1,
unless --allow-plain-login allows the login without encryption for this test. A STARTTLS
that is offered but fails ends the test; it never goes on without TLS. The test gives up
after 15 seconds. Nothing is written.

The settings are made as the smtp command makes them, through the SMTP dialog of model N
(without --model: of the family of the --from file, else the Q400 family), starting from
its start values or with --from from an smtp.dat that dialog could have written; the keys
then change them. The same keys, values and lengths are refused as there (exit code 2).

Keys (those of the smtp command; these four make the account):
  smtpServer=HOST          the server's name or address, up to 40 characters
  smtpPort=N               its port, 1..65535
  senderEmail=ADDRESS      the sender address, which is the login name
  senderPassword=TEXT      the sender's password, 2 characters or more; never printed

A password given as an argument is visible to every user of this machine (ps,
/proc/PID/cmdline). senderPassword=- (and password=-) reads it from standard input
instead: one line, asked for and not shown when standard input is a terminal. --from
takes the password from the file.

Options:
  --model N            the model whose SMTP dialog makes the settings, 1..{last model}
  --from FILE          start from the settings of FILE, an smtp.dat
  --ca-file FILE       trust the certificates in FILE (PEM) in addition to the system's,
                       such as the private certificate authority of one's own mail
                       server; without it only the system's trust store counts
  --allow-plain-login  log in even where the server offers no encryption, letting the
                       password cross the network readable for this test
  --language L         the language of the messages, 1..{last language} (default 2, English)
  --help               show this text

--out and --chinese-requested are accepted and not read, so that the same command line
can test the account and then write the file.

Exit codes: 0 the server accepted the login, 1 it did not (or could not be reached, or
offers no encryption), 2 a wrong command line or settings that Generate would refuse.
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested | Option::From
            | Option::CaFile | Option::AllowPlainLogin,
        0, true, false },
    &RunSmtpTest,
    nullptr,
    kSmtpPasswordKeys,
};

} // namespace tamb
