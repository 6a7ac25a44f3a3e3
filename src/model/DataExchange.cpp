#include "model/DataExchange.h"

#include "common/Utf8Text.h"

#include <algorithm>
#include <cctype>

namespace tamb {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::int32_t> ParseExchangeInteger(std::string_view text)
{
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Accumulate with a ceiling just above the 32-bit range so that long digit strings cannot overflow.
    constexpr std::int64_t kCeiling = std::int64_t { std::numeric_limits<std::int32_t>::max() } + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0)
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (c - '0'), kCeiling);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void DataExchange::bindInteger(
    int controlId, std::int32_t& value, std::int32_t minimum, std::int32_t maximum, MessageId rangeMessage)
{
    m_bindings.push_back(Binding { .controlId = controlId,
        .integer = &value,
        .minimum = minimum,
        .maximum = maximum,
        .rangeMessage = rangeMessage });
}

void DataExchange::bindText(int controlId, std::string& value, std::size_t maxLength, TextCheck check)
{
    m_bindings.push_back(
        Binding { .controlId = controlId, .text = &value, .maxLength = maxLength, .check = std::move(check) });
}

std::optional<SyncFailure> DataExchange::sync(const ControlTextAccess& controls) const
{
    for (const Binding& binding : m_bindings) {
        const std::string text = controls.controlText(binding.controlId);
        if (binding.integer != nullptr) {
            const std::optional<std::int32_t> number = ParseExchangeInteger(text);
            if (!number)
                return SyncFailure { binding.controlId, DialogMessage::of(MessageId::PromptInteger) };
            *binding.integer = *number;
            if (*number < binding.minimum || *number > binding.maximum) {
                return SyncFailure { binding.controlId,
                    DialogMessage::of(binding.rangeMessage, binding.minimum, binding.maximum) };
            }
            continue;
        }
        *binding.text = text;
        if (Utf16Length(text) > binding.maxLength) {
            return SyncFailure { binding.controlId,
                DialogMessage::of(MessageId::PromptTextTooLong, binding.maxLength) };
        }
        if (binding.check) {
            if (std::optional<DialogMessage> message = binding.check(text))
                return SyncFailure { binding.controlId, std::move(*message) };
        }
    }
    return std::nullopt;
}

void DataExchange::writeBack(ControlTextAccess& controls) const
{
    for (const Binding& binding : m_bindings) {
        if (binding.integer != nullptr)
            controls.setControlText(binding.controlId, std::to_string(*binding.integer));
        else
            controls.setControlText(binding.controlId, *binding.text);
    }
}

} // namespace tamb
