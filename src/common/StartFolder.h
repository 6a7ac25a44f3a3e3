#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tamb {

// A mounted volume as the setup dialogs see it when they look for the camera's card.
struct Volume
{
    // Its root folder (UTF-8, the platform's separators).
    std::string root;
    // The system says the medium can be taken out: a card in a reader, a USB stick.
    bool removable = false;
    // Its root holds a camera's settings file (menu.dat, setup.dat or smtp.dat) or a DCIM folder of pictures.
    bool holdsCameraFiles = false;
};

// The folder a setup dialog starts in: the root of a removable volume, preferring the first that holds camera
// files over the first one listed; `fallback` when there is no removable volume. A root longer than a dialog's
// folder text may be (kFolderTextLimit) is passed over, since the dialog could not write there.
[[nodiscard]] std::string ChooseStartFolder(std::span<const Volume> volumes, std::string_view fallback);

} // namespace tamb
