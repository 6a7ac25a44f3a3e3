#include "smtp/SmtpLoginResult.h"

#include <array>

namespace tamb {
namespace {

struct OutcomeWords
{
    SmtpLoginOutcome outcome;
    MessageId message;
};

constexpr std::array kOutcomeWords {
    OutcomeWords { .outcome = SmtpLoginOutcome::AcceptedWithTls, .message = MessageId::SmtpLoginAcceptedWithTls },
    OutcomeWords { .outcome = SmtpLoginOutcome::AcceptedWithoutTls, .message = MessageId::SmtpLoginAcceptedWithoutTls },
    OutcomeWords { .outcome = SmtpLoginOutcome::PlainLoginNotAllowed, .message = MessageId::SmtpPlainLoginNotAllowed },
    OutcomeWords { .outcome = SmtpLoginOutcome::CredentialsRefused, .message = MessageId::SmtpLoginRefused },
    OutcomeWords { .outcome = SmtpLoginOutcome::LoginNotOffered, .message = MessageId::SmtpLoginNotOffered },
    OutcomeWords { .outcome = SmtpLoginOutcome::Unreachable, .message = MessageId::SmtpServerUnreachable },
    OutcomeWords { .outcome = SmtpLoginOutcome::TlsFailed, .message = MessageId::SmtpTlsFailed },
    OutcomeWords { .outcome = SmtpLoginOutcome::NoAnswer, .message = MessageId::SmtpNoAnswer },
    OutcomeWords { .outcome = SmtpLoginOutcome::ConversationFailed, .message = MessageId::SmtpConversationFailed },
    OutcomeWords { .outcome = SmtpLoginOutcome::Cancelled, .message = MessageId::SmtpCheckCancelled },
};

constexpr bool InOutcomeOrder()
{
    for (std::size_t i = 0; i < kOutcomeWords.size(); ++i) {
        if (static_cast<std::size_t>(kOutcomeWords[i].outcome) != i)
            return false;
    }
    return static_cast<std::size_t>(SmtpLoginOutcome::Cancelled) + 1 == kOutcomeWords.size();
}
static_assert(InOutcomeOrder(), "every login outcome has its words, in order");

} // namespace

bool IsLoginAccepted(SmtpLoginOutcome outcome)
{
    return outcome == SmtpLoginOutcome::AcceptedWithTls || outcome == SmtpLoginOutcome::AcceptedWithoutTls;
}

DialogMessage SmtpLoginMessage(
    const SmtpLoginResult& result, const SmtpAccount& account, std::chrono::seconds timeLimit)
{
    // The reply is the server's own text in its own language; it follows the sentence after a blank line.
    const std::string reply = result.serverReply.empty() ? std::string {} : "\n\n" + result.serverReply;
    return DialogMessage::of(kOutcomeWords[static_cast<std::size_t>(result.outcome)].message, account.server,
        account.port, reply, timeLimit.count());
}

DialogMessage SmtpPlainLoginQuestion(const SmtpAccount& account)
{
    return DialogMessage::of(MessageId::SmtpPlainLoginQuestion, account.server, account.port);
}

} // namespace tamb
