#include "dialogs/CardFolder.h"

#include "camera/MenuFile.h"
#include "cellular/SetupFile.h"
#include "common/Paths.h"
#include "common/StartFolder.h"
#include "smtp/SmtpFile.h"
#include "ui/MountedVolumes.h"

#include <array>
#include <string_view>

namespace tamb {
namespace {

// The folder in which a camera stores its pictures, in the root of its card.
constexpr std::string_view kPictureFolderName = "DCIM";

constexpr std::array kCameraFileNames { kMenuFileName, kSetupFileName, kSmtpFileName, kPictureFolderName };

} // namespace

std::string CardStartFolder()
{
    return ChooseStartFolder(MountedVolumes(kCameraFileNames), DefaultOutputFolder());
}

} // namespace tamb
