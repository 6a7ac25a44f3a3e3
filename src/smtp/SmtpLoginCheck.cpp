#include "smtp/SmtpLoginCheck.h"

#include "common/Paths.h"
#include "common/SmallFile.h"

#include <algorithm>
#include <curl/curl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

namespace tamb {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLoginAccepted = 235;
constexpr int kSaslChallenge = 334;
constexpr int kReadyForTls = 220;
constexpr int kEncryptionRequired = 538;
// A reply line is cut here; servers put their explanation first.
constexpr std::size_t kLongestReply = 200;
// Far more than a system's trust store file holds (about 200 kB with every public certificate authority).
constexpr std::size_t kLargestTrustStore = 16 * 1024 * 1024;

// libcurl's process-wide set-up is not safe to run on two threads at once; the first check runs it.
void InitialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool StartsWithWord(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != word[i])
            return false;
    }
    return text.size() == word.size() || text[word.size()] == ' ' || text[word.size()] == '\r';
}

int ReplyCode(std::string_view line)
{
    if (line.size() < 3 || !std::all_of(line.begin(), line.begin() + 3, [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

// What the protocol trace of one connection showed. Commands are only recognised by their first word and never
// kept: the login's lines carry the password, encoded but readable.
struct Conversation
{
    bool offeredStartTls = false;
    bool offeredLogin = false;
    bool sentStartTls = false;
    bool startTlsAccepted = false;
    bool answeredOverTls = false; // a reply came after STARTTLS's "220", so its handshake succeeded
    bool sentLogin = false;
    int loginReplyCode = 0;
    std::string loginReply;
    std::string lastReply;

    void noteCommand(std::string_view command)
    {
        if (StartsWithWord(command, "AUTH"))
            sentLogin = true;
        else if (StartsWithWord(command, "STARTTLS"))
            sentStartTls = true;
    }

    void noteReply(std::string_view line)
    {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        const int code = ReplyCode(line);
        if (code == 250 && line.size() > 4 && StartsWithWord(line.substr(4), "STARTTLS"))
            offeredStartTls = true;
        // "AUTH PLAIN LOGIN", or the older "AUTH=PLAIN"
        if (code == 250 && line.size() > 8 && StartsWithWord(line.substr(4, 4), "AUTH")
            && (line[8] == ' ' || line[8] == '='))
            offeredLogin = true;
        if (startTlsAccepted)
            answeredOverTls = true;
        if (sentStartTls && !startTlsAccepted && code == kReadyForTls)
            startTlsAccepted = true;
        if (code == kSaslChallenge)
            return; // a challenge to the login, not an answer
        if (sentLogin && loginReplyCode == 0) {
            loginReplyCode = code;
            loginReply = line;
        }
        lastReply = line;
    }
};

int OnTrace(CURL*, curl_infotype type, char* data, std::size_t size, void* conversation)
{
    const std::string_view text { data, size };
    auto& seen = *static_cast<Conversation*>(conversation);
    if (type == CURLINFO_HEADER_OUT)
        seen.noteCommand(text);
    else if (type == CURLINFO_HEADER_IN)
        seen.noteReply(text);
    // Everything else (libcurl's own remarks, the bytes on the wire) is dropped: none of it may reach an output.
    return 0;
}

int OnProgress(void* cancel, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool>*>(cancel)->load() ? 1 : 0;
}

std::size_t DiscardBody(char*, std::size_t size, std::size_t count, void*)
{
    return size * count;
}

// The certificates of the system's trust store file, then the additional ones.
std::string TrustedCertificates(CURL* curl, const SmtpLoginOptions& options)
{
    std::string systemFile = options.systemCertificates;
    char* builtIn = nullptr;
    if (systemFile.empty() && curl_easy_getinfo(curl, CURLINFO_CAINFO, &builtIn) == CURLE_OK && builtIn != nullptr)
        systemFile = builtIn;
    std::string certificates;
    if (!systemFile.empty())
        certificates = ReadSmallRegularFile(PathFromUtf8(systemFile), kLargestTrustStore).value_or(std::string {});
    if (!certificates.empty() && certificates.back() != '\n')
        certificates += '\n';
    return certificates + options.additionalCertificates;
}

struct Attempt
{
    CURLcode code = CURLE_OK;
    Conversation conversation;
};

struct CurlCleanup
{
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

// One connection: greeting, EHLO, TLS as `tls` asks, the login, NOOP in place of a mail, QUIT.
Attempt AttemptConnection(const SmtpAccount& account, const SmtpLoginOptions& options, curl_usessl tls,
    std::chrono::milliseconds timeLeft, const std::atomic<bool>& cancel)
{
    Attempt result;
    const std::unique_ptr<CURL, CurlCleanup> handle { curl_easy_init() };
    if (!handle) {
        result.code = CURLE_OUT_OF_MEMORY;
        return result;
    }
    CURL* curl = handle.get();
    const std::string scheme = account.port == options.implicitTlsPort ? "smtps://" : "smtp://";
    const std::string url = scheme + account.server + ":" + std::to_string(account.port);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_USERNAME, account.sender.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, account.password.c_str());
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(tls));
    // With no sender or recipient set, the transfer is one command after the login; NOOP sends nothing.
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "NOOP");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &DiscardBody);
    if (!options.systemCertificates.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, options.systemCertificates.c_str());
    // A blob of certificates takes the place of the system's file, so it carries that file's certificates too.
    std::string trusted = options.additionalCertificates.empty() ? std::string {} : TrustedCertificates(curl, options);
    curl_blob blob { .data = trusted.data(), .len = trusted.size(), .flags = CURL_BLOB_COPY };
    if (!trusted.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &blob);
    const auto limit = static_cast<long>(std::max<std::chrono::milliseconds::rep>(timeLeft.count(), 1));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limit);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limit);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&cancel));
    // The trace is the only way to see whether a login really took place; its text goes to OnTrace alone,
    // never to the standard error stream.
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &OnTrace);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &result.conversation);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    result.code = curl_easy_perform(curl);
    return result;
}

// The reply cut to its first characters, printable ASCII only, with every occurrence of the password blanked,
// however short it is: a server that repeats what it was sent must not get it shown. The password is blanked
// in the whole line before the cut, so that no part of it is left at the end of what is shown.
std::string Printable(std::string_view line, const std::string& password)
{
    std::string text;
    for (const char c : line)
        text += c >= ' ' && c <= '~' ? c : '?';
    if (!password.empty()) {
        for (auto at = text.find(password); at != std::string::npos; at = text.find(password, at + password.size()))
            text.replace(at, password.size(), std::string(password.size(), '*'));
    }
    text.resize(std::min(text.size(), kLongestReply));
    return text;
}

bool IsTlsFailure(CURLcode code)
{
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ENGINE_INITFAILED:
        return true;
    default:
        return false;
    }
}

SmtpLoginOutcome OutcomeOf(const Attempt& done, bool tls)
{
    const Conversation& seen = done.conversation;
    switch (done.code) {
    case CURLE_OK:
        // libcurl goes on without a login when the server offers none; only the server's yes counts.
        if (seen.loginReplyCode != kLoginAccepted)
            return SmtpLoginOutcome::LoginNotOffered;
        return tls ? SmtpLoginOutcome::AcceptedWithTls : SmtpLoginOutcome::AcceptedWithoutTls;
    case CURLE_LOGIN_DENIED:
        if (!seen.sentLogin)
            return SmtpLoginOutcome::LoginNotOffered; // no login method in common
        if (seen.loginReplyCode == kEncryptionRequired)
            return SmtpLoginOutcome::TlsFailed;
        return SmtpLoginOutcome::CredentialsRefused;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        return SmtpLoginOutcome::Unreachable;
    case CURLE_OPERATION_TIMEDOUT:
        return SmtpLoginOutcome::NoAnswer;
    case CURLE_ABORTED_BY_CALLBACK:
        return SmtpLoginOutcome::Cancelled;
    default:
        // A server that said yes to STARTTLS and then broke off before answering over TLS failed the handshake.
        if (IsTlsFailure(done.code) || (seen.startTlsAccepted && !seen.answeredOverTls))
            return SmtpLoginOutcome::TlsFailed;
        return SmtpLoginOutcome::ConversationFailed;
    }
}

} // namespace

SmtpLoginResult CheckSmtpLogin(
    const SmtpAccount& account, const SmtpLoginOptions& options, const std::atomic<bool>& cancel)
{
    InitialiseCurlOnce();
    const auto deadline = Clock::now() + options.timeLimit;
    const auto timeLeft
        = [&] { return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()); };
    if (cancel.load())
        return SmtpLoginResult { .outcome = SmtpLoginOutcome::Cancelled, .serverReply = {} };

    const bool implicitTls = account.port == options.implicitTlsPort;
    // TLS is demanded first: libcurl then sends no login unless the connection is encrypted, and a STARTTLS that
    // is refused or broken ends the check.
    Attempt done = AttemptConnection(account, options, CURLUSESSL_ALL, timeLeft(), cancel);
    bool tls = true;
    // Only a server that did not offer STARTTLS at all is asked again without TLS, and only with consent.
    const bool offersNoTls = done.code == CURLE_USE_SSL_FAILED && !implicitTls && !done.conversation.sentStartTls
        && !done.conversation.offeredStartTls;
    // Without a login on offer no password would be sent: there is nothing to ask about.
    if (offersNoTls && !done.conversation.offeredLogin) {
        return SmtpLoginResult {
            .outcome = SmtpLoginOutcome::LoginNotOffered,
            .serverReply = Printable(done.conversation.lastReply, account.password),
        };
    }
    if (offersNoTls && !options.allowPlainLogin)
        return SmtpLoginResult { .outcome = SmtpLoginOutcome::PlainLoginNotAllowed, .serverReply = {} };
    if (offersNoTls && !cancel.load()) {
        if (timeLeft().count() <= 0)
            return SmtpLoginResult { .outcome = SmtpLoginOutcome::NoAnswer, .serverReply = {} };
        done = AttemptConnection(account, options, CURLUSESSL_NONE, timeLeft(), cancel);
        tls = false;
    }
    const Conversation& seen = done.conversation;
    const std::string_view reply = seen.sentLogin && seen.loginReplyCode != 0 ? seen.loginReply : seen.lastReply;
    return SmtpLoginResult {
        .outcome = OutcomeOf(done, tls),
        .serverReply = Printable(reply, account.password),
    };
}

} // namespace tamb
