#include "model/FileWriteMessage.h"

#include "common/Paths.h"

#include <string>

namespace tamb {

DialogMessage FileWriteMessage(
    std::string_view folder, std::string_view fileName, const Status& written, MessageId success)
{
    if (written.ok())
        return DialogMessage::of(success);
    // The message names the file itself; keep only what the system said about it. Without a folder there is
    // no path to name, and prefixing a separator would point at the root the writer refused to use.
    const std::string path = folder.empty() ? std::string { fileName } : FileInFolder(folder, fileName);
    std::string reason = written.reason();
    const std::string ownPrefix = "Cannot write " + path + ": ";
    if (reason.starts_with(ownPrefix))
        reason.erase(0, ownPrefix.size());
    return DialogMessage::of(MessageId::FileNotWritten, path, reason);
}

} // namespace tamb
