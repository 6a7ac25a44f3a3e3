#include "model/DataExchange.h"

#include "common/Utf8Text.h"
#include "i18n/Messages.h"

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
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view replacement)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + replacement.size())) {
        text.replace(at, placeholder.size(), replacement);
    }
}

// A whole number as the exchange reads it, or nothing when the text is not one.
std::optional<std::int32_t> ParseExchangeInteger(std::string_view text)
{
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Accumulate with a ceiling just above the 32-bit range so that long digit strings cannot overflow.
    constexpr std::int64_t kCeiling = std::int64_t { std::numeric_limits<std::int32_t>::max() } + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        magnitude = std::min(magnitude * 10 + (c - '0'), kCeiling);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void DataExchange::bindInteger(int controlId, std::int32_t& value, std::int32_t minimum, std::int32_t maximum)
{
    m_bindings.push_back(Binding { controlId, &value, nullptr, minimum, maximum, kUnlimited });
}

void DataExchange::bindText(int controlId, std::string& value, std::size_t maxLength)
{
    m_bindings.push_back(Binding { controlId, nullptr, &value, 0, 0, maxLength });
}

std::optional<ExchangeFailure> DataExchange::sync(const ControlTextAccess& controls) const
{
    for (const Binding& binding : m_bindings) {
        const std::string text = controls.controlText(binding.controlId);
        if (binding.integer != nullptr) {
            const std::optional<std::int32_t> number = ParseExchangeInteger(text);
            if (!number) {
                return ExchangeFailure { binding.controlId, ExchangeProblem::NotAnInteger, binding.minimum,
                    binding.maximum, 0 };
            }
            *binding.integer = *number;
            if (*number < binding.minimum || *number > binding.maximum) {
                return ExchangeFailure { binding.controlId, ExchangeProblem::OutOfRange, binding.minimum,
                    binding.maximum, 0 };
            }
        } else {
            *binding.text = text;
            if (Utf16Length(text) > binding.maxLength) {
                return ExchangeFailure { binding.controlId, ExchangeProblem::TooLong, 0, 0, binding.maxLength };
            }
        }
    }
    return std::nullopt;
}

void DataExchange::writeBack(ControlTextAccess& controls) const
{
    for (const Binding& binding : m_bindings) {
        if (binding.integer != nullptr) {
            controls.setControlText(binding.controlId, std::to_string(*binding.integer));
        } else {
            controls.setControlText(binding.controlId, *binding.text);
        }
    }
}

ExchangePrompts ExchangePromptsFor(LanguageId language)
{
    return ExchangePrompts { MessageText(MessageId::PromptInteger, language),
        MessageText(MessageId::PromptTextTooLong, language), MessageText(MessageId::PromptIntegerRange, language) };
}

std::string FormatExchangePrompt(const ExchangeFailure& failure, const ExchangePrompts& prompts)
{
    std::string message;
    switch (failure.problem) {
    case ExchangeProblem::NotAnInteger:
        message = prompts.notAnInteger;
        break;
    case ExchangeProblem::TooLong:
        message = prompts.tooLong;
        ReplaceAll(message, "%1", std::to_string(failure.maxLength));
        break;
    case ExchangeProblem::OutOfRange:
        message = prompts.outOfRange;
        ReplaceAll(message, "%1", std::to_string(failure.minimum));
        ReplaceAll(message, "%2", std::to_string(failure.maximum));
        break;
    }
    return message;
}

} // namespace tamb
