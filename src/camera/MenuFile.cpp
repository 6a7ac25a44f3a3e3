#include "camera/MenuFile.h"

#include "common/Paths.h"

#include <string>

namespace tamb {

Status WriteMenuFile(std::string_view folder, const CameraSettingsRecord& record, const WriteFaults& faults)
{
    // An empty folder would put the file at the root of the current drive, which nobody chose.
    if (folder.empty()) {
        return Status::failure("Cannot write menu.dat: no folder was chosen");
    }
    const auto path = FileInFolder(folder, kMenuFileName);
    return WriteFileLocked(PathFromUtf8(path), record, FileAccess::Everyone, faults)
        .prefixed("Cannot write " + path + ": ");
}

} // namespace tamb
