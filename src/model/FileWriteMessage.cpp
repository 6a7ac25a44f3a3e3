#include "model/FileWriteMessage.h"

#include "common/Paths.h"

#include <optional>
#include <string>

namespace tamb {
namespace {

// The plain message of a failure an owner can act on without the system's words.
std::optional<MessageId> PlainFailureMessage(FailureKind kind)
{
    switch (kind) {
    case FailureKind::WriteProtected:
        return MessageId::CardWriteProtected;
    case FailureKind::Full:
        return MessageId::CardFull;
    case FailureKind::Missing:
        return MessageId::CardMissing;
    case FailureKind::ReadBackDiffers:
        return MessageId::CardReadBackDiffers;
    case FailureKind::Busy:
        return MessageId::CardBusy;
    case FailureKind::NotConfirmed:
        return MessageId::FileNotConfirmed;
    case FailureKind::WorkingFileWiped:
        return MessageId::WorkingFileWiped;
    case FailureKind::WorkingFileLeft:
        return MessageId::WorkingFileLeft;
    case FailureKind::Other:
        break;
    }
    return std::nullopt;
}

} // namespace

DialogMessage FileWriteMessage(
    std::string_view folder, std::string_view fileName, const Status& written, MessageId success)
{
    // The message names the file itself; keep only what the system said about it. Without a folder there is
    // no path to name, and prefixing a separator would point at the root the writer refused to use.
    const std::string path = folder.empty() ? std::string { fileName } : FileInFolder(folder, fileName);
    if (written.ok()) {
        if (written.note() == SuccessNote::OwnerOnlyMode)
            return DialogMessage::of(MessageId::FileWrittenOwnerOnly, path);
        return DialogMessage::of(success);
    }
    if (const auto plain = PlainFailureMessage(written.kind()))
        return DialogMessage::of(*plain, path);
    std::string reason = written.reason();
    const std::string ownPrefix = "Cannot write " + path + ": ";
    if (reason.starts_with(ownPrefix))
        reason.erase(0, ownPrefix.size());
    return DialogMessage::of(MessageId::FileNotWritten, path, reason);
}

bool IsFileWriteFailure(MessageId id)
{
    switch (id) {
    case MessageId::FileNotWritten:
    case MessageId::CardWriteProtected:
    case MessageId::CardFull:
    case MessageId::CardMissing:
    case MessageId::CardReadBackDiffers:
    case MessageId::CardBusy:
    case MessageId::FileNotConfirmed:
    case MessageId::WorkingFileWiped:
    case MessageId::WorkingFileLeft:
        return true;
    default:
        return false;
    }
}

} // namespace tamb
