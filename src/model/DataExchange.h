#pragma once

#include "common/AppState.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// How the data exchange reaches the controls: the text of a control by its template identifier. The ui layer's
// Dialog implements this over real widgets; tests and settings models may implement it over a plain map.
class ControlTextAccess
{
public:
    virtual ~ControlTextAccess() = default;
    [[nodiscard]] virtual std::string controlText(int controlId) const = 0;
    virtual void setControlText(int controlId, std::string_view text) = 0;
};

enum class ExchangeProblem
{
    NotAnInteger, // the text of a numeric control is not a whole number (an emptied edit, for example)
    TooLong, // a text holds more UTF-16 units than its binding allows
    OutOfRange, // a number lies outside its inclusive range
};

// The first failure of a sync: which control, what went wrong, and the numbers a message needs.
struct ExchangeFailure
{
    int controlId = 0;
    ExchangeProblem problem = ExchangeProblem::NotAnInteger;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::size_t maxLength = 0;

    friend bool operator==(const ExchangeFailure&, const ExchangeFailure&) = default;
};

// Moves values between controls and variables, in the order the bindings were made.
//
// The variables belong to the caller (typically a settings model, which binds its own members in its fixed
// binding order); the exchange only keeps their addresses, so they must outlive it.
//
// sync(): reads every bound control in binding order. A number is parsed (blanks around it and a sign allowed;
// values beyond 32 bits are clamped to the 32-bit range) and stored, then checked against its range; a text is
// stored, then checked against its length in UTF-16 units, as the edits count characters. The first failure ends the
// sync and is returned; that failing value is already stored (so a correction rule can act on it), the values bound
// after it keep their contents. A text that is not a number is not stored.
//
// writeBack(): writes every bound value into its control, numbers in decimal.
class DataExchange
{
public:
    static constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

    void bindInteger(int controlId, std::int32_t& value, std::int32_t minimum, std::int32_t maximum);
    void bindText(int controlId, std::string& value, std::size_t maxLength = kUnlimited);

    [[nodiscard]] std::optional<ExchangeFailure> sync(const ControlTextAccess& controls) const;
    void writeBack(ControlTextAccess& controls) const;

private:
    struct Binding
    {
        int controlId = 0;
        std::int32_t* integer = nullptr;
        std::string* text = nullptr;
        std::int32_t minimum = 0;
        std::int32_t maximum = 0;
        std::size_t maxLength = kUnlimited;
    };

    std::vector<Binding> m_bindings;
};

// The three prompts of the data exchange; "%1" and "%2" stand for the numbers of the failure.
struct ExchangePrompts
{
    std::string_view notAnInteger;
    std::string_view tooLong; // %1: the maximum length
    std::string_view outOfRange; // %1: minimum, %2: maximum
};

// The prompts in the message catalogue's language for `language`: Chinese for Chinese, English for every other
// language, like every other message of the program.
[[nodiscard]] ExchangePrompts ExchangePromptsFor(LanguageId language);

// The message for a failure, from the prompts given.
[[nodiscard]] std::string FormatExchangePrompt(const ExchangeFailure& failure, const ExchangePrompts& prompts);

} // namespace tamb
