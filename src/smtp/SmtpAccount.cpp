#include "smtp/SmtpAccount.h"

#include "common/Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace tamb {
namespace {

// Generate refuses texts shorter than this, counted in characters.
constexpr std::size_t kShortestText = 2;
constexpr unsigned kHighestPort = 65535;

bool TooShort(std::string_view text)
{
    return CodePointsFromUtf8(text).size() < kShortestText;
}

// What Generate says first about the server, port, sender and password, or nothing when they pass.
std::optional<DialogMessage> GenerateRefusal(
    std::string_view server, std::string_view port, std::string_view sender, std::string_view password)
{
    if (TooShort(server))
        return DialogMessage::of(MessageId::SmtpServerMissing);
    if (TooShort(port))
        return DialogMessage::of(MessageId::SmtpPortMissing);
    if (TooShort(sender))
        return DialogMessage::of(MessageId::EmailMissing);
    if (sender.find('@') == std::string_view::npos)
        return DialogMessage::of(MessageId::EmailWithoutAt);
    if (sender.find('.') == std::string_view::npos)
        return DialogMessage::of(MessageId::EmailWithoutDot);
    if (TooShort(password))
        return DialogMessage::of(MessageId::SenderPasswordMissing);
    return std::nullopt;
}

std::optional<std::uint16_t> PortNumber(std::string_view text)
{
    if (text.empty() || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    unsigned number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc {} || end != text.data() + text.size() || number == 0 || number > kHighestPort)
        return std::nullopt;
    return static_cast<std::uint16_t>(number);
}

bool IsAsciiAlphanumeric(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A name or address that can stand in an smtp:// address as it is: letters, digits, dots, hyphens and
// underscores, or hexadecimal digits, colons and dots in brackets. Anything else (a slash, "@", a blank, a
// second port) would change what the address means.
bool IsHostName(std::string_view server)
{
    if (server.size() > 2 && server.front() == '[' && server.back() == ']') {
        const auto inside = server.substr(1, server.size() - 2);
        return std::ranges::all_of(inside, [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
        });
    }
    return server.front() != '-' && server.front() != '.' && std::ranges::all_of(server, [](char c) {
        return IsAsciiAlphanumeric(c) || c == '.' || c == '-' || c == '_';
    });
}

} // namespace

std::variant<SmtpAccount, DialogMessage> SmtpAccountFromTexts(
    std::string_view server, std::string_view port, std::string_view sender, std::string_view password)
{
    if (auto refusal = GenerateRefusal(server, port, sender, password))
        return *refusal;
    const auto number = PortNumber(port);
    if (!number)
        return DialogMessage::of(MessageId::SmtpPortNotNumber);
    if (!IsHostName(server))
        return DialogMessage::of(MessageId::SmtpServerNotHostName);
    return SmtpAccount {
        .server = std::string { server },
        .port = *number,
        .sender = std::string { sender },
        .password = std::string { password },
    };
}

} // namespace tamb
