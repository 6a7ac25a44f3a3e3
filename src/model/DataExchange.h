#pragma once

#include "model/DialogOutcome.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// Where the data exchange reads and writes what the edits show, by template identifier. A settings model keeps
// its own copy of every edit's text and implements this over it, so that the exchange runs without a window.
class ControlTextAccess
{
public:
    virtual ~ControlTextAccess() = default;
    [[nodiscard]] virtual std::string controlText(int controlId) const = 0;
    virtual void setControlText(int controlId, std::string_view text) = 0;
};

// The first failure of a sync: the control it stopped at and the message to show.
struct SyncFailure
{
    int controlId = 0;
    DialogMessage message;

    friend bool operator==(const SyncFailure&, const SyncFailure&) = default;
};

// A check of a text beyond its length, run after the text is stored; a message stops the sync there.
using TextCheck = std::function<std::optional<DialogMessage>(const std::string& text)>;

// The one sync engine of every settings model: moves values between the edits' texts and the model's
// variables, in the order the bindings were made.
//
// sync() reads every bound edit in binding order. A number is parsed (white space around it and a sign allowed;
// digits beyond the 32-bit range give the nearest 32-bit value, which then fails the range check) and stored,
// then checked against its inclusive range (the message is the binding's own); a text is stored, then checked against
// its length in UTF-16 units (as edits count characters), then by its own check. The first failure ends the sync and is
// returned; the failing value is already stored (so that a correction can act on it), the values bound after it keep
// their contents. A text that is not a number stores nothing. The messages are the catalogue's: PromptInteger,
// PromptTextTooLong with the limit, and with the bounds IntegerOutOfRange or, where a dialog
// uses the platform's own range prompt, PromptIntegerRange.
//
// writeBack() shows every bound value in its edit again, numbers in decimal.
//
// The variables belong to the model; the exchange keeps their addresses, so the model must not be copied.
class DataExchange
{
public:
    static constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

    void bindInteger(int controlId, std::int32_t& value, std::int32_t minimum, std::int32_t maximum,
        MessageId rangeMessage = MessageId::IntegerOutOfRange);
    void bindText(int controlId, std::string& value, std::size_t maxLength = kUnlimited, TextCheck check = {});

    [[nodiscard]] std::optional<SyncFailure> sync(const ControlTextAccess& controls) const;
    void writeBack(ControlTextAccess& controls) const;

private:
    struct Binding
    {
        int controlId = 0;
        std::int32_t* integer = nullptr;
        std::string* text = nullptr;
        std::int32_t minimum = 0;
        std::int32_t maximum = 0;
        MessageId rangeMessage = MessageId::IntegerOutOfRange;
        std::size_t maxLength = kUnlimited;
        TextCheck check {};
    };

    std::vector<Binding> m_bindings;
};

// A whole number as the exchange reads it, or nothing when the text is not one.
[[nodiscard]] std::optional<std::int32_t> ParseExchangeInteger(std::string_view text);

} // namespace tamb
