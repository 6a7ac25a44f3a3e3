#include "camera/MenuFile.h"

#include "common/Paths.h"

#include <string>

namespace tamb {

Status WriteMenuFile(std::string_view folder, const CameraSettingsRecord& record, const WriteFaults& faults)
{
    const auto path = FileInFolder(folder, kMenuFileName);
    const auto written = WriteFileAtomically(PathFromUtf8(path), record, faults);
    if (!written.ok()) {
        return Status::failure("Cannot write " + path + ": " + written.reason());
    }
    return written;
}

} // namespace tamb
