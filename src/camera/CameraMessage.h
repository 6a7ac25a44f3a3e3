#pragma once

#include "camera/CameraFamilyData.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tamb {

// A message a camera dialog shows, as data; the texts for a language come from CameraMessageText.
struct CameraMessage
{
    enum class Kind : std::uint8_t
    {
        IntegerRequired, // a numeric edit does not hold an integer
        TooManyCharacters, // `maximum` is the limit
        OutOfRange, // `minimum`..`maximum`
        Result, // `result` names the success text
        WriteFailed, // `path` could not be written for `reason`
    };

    Kind kind = Kind::Result;
    int minimum = 0;
    int maximum = 0;
    CameraResultText result = CameraResultText::CameraMenuGenerated;
    std::string path;
    std::string reason;

    [[nodiscard]] static CameraMessage integerRequired() { return make(Kind::IntegerRequired); }
    [[nodiscard]] static CameraMessage tooManyCharacters(int limit)
    {
        CameraMessage message = make(Kind::TooManyCharacters);
        message.maximum = limit;
        return message;
    }
    [[nodiscard]] static CameraMessage outOfRange(int minimum, int maximum)
    {
        CameraMessage message = make(Kind::OutOfRange);
        message.minimum = minimum;
        message.maximum = maximum;
        return message;
    }
    [[nodiscard]] static CameraMessage resultOf(CameraResultText text)
    {
        CameraMessage message = make(Kind::Result);
        message.result = text;
        return message;
    }
    [[nodiscard]] static CameraMessage writeFailed(std::string path, std::string reason)
    {
        CameraMessage message = make(Kind::WriteFailed);
        message.path = std::move(path);
        message.reason = std::move(reason);
        return message;
    }

    friend bool operator==(const CameraMessage&, const CameraMessage&) = default;

private:
    [[nodiscard]] static CameraMessage make(Kind kind)
    {
        CameraMessage message;
        message.kind = kind;
        return message;
    }
};

// The text of `message` as the message box shows it: Chinese when `language` is Chinese, English otherwise.
[[nodiscard]] std::string CameraMessageText(const CameraMessage& message, LanguageId language);

// What the dialog must do after an event: show the messages in order, give the focus to `focusControl`
// (the edit a failed sync stopped at) and, when `wroteBack`, show the model's texts in its edits again.
struct CameraOutcome
{
    std::vector<CameraMessage> messages;
    std::optional<int> focusControl;
    bool wroteBack = false;
};

} // namespace tamb
