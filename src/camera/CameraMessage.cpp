#include "camera/CameraMessage.h"

#include "i18n/Messages.h"

namespace tamb {
namespace {

MessageId ResultMessage(CameraResultText text)
{
    switch (text) {
    case CameraResultText::ConfigurationGenerated:
        return MessageId::Q400MenuFileGenerated;
    case CameraResultText::FactoryGenerated:
        return MessageId::FactoryFileGenerated;
    case CameraResultText::FactoryGeneratedNoBlank:
        return MessageId::Q400FactoryFileGenerated;
    case CameraResultText::CameraMenuGenerated:
        break;
    }
    return MessageId::MenuFileGenerated;
}

} // namespace

std::string CameraMessageText(const CameraMessage& message, LanguageId language)
{
    switch (message.kind) {
    case CameraMessage::Kind::IntegerRequired:
        return FormattedMessage(MessageId::PromptInteger, language);
    case CameraMessage::Kind::TooManyCharacters:
        return FormattedMessage(MessageId::PromptTextTooLong, language, message.maximum);
    case CameraMessage::Kind::OutOfRange:
        return FormattedMessage(MessageId::IntegerOutOfRange, language, message.minimum, message.maximum);
    case CameraMessage::Kind::WriteFailed:
        return FormattedMessage(MessageId::FileNotWritten, language, message.path, message.reason);
    case CameraMessage::Kind::Result:
        break;
    }
    return FormattedMessage(ResultMessage(message.result), language);
}

} // namespace tamb
