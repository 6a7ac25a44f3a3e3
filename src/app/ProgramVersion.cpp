#include "app/ProgramVersion.h"

#include "i18n/LocalisedText.h"
#include "i18n/MainWindowTexts.h"

namespace tamb {

std::string VersionLabel(LanguageId language, const std::array<std::uint32_t, 4>& version)
{
    std::string label(LocalisedText(VersionText, 0, language));
    label += ':';
    for (std::size_t part = 0; part < version.size(); ++part) {
        label += part == 0 ? ' ' : '.';
        label += std::to_string(version[part] & 0xFFU);
    }
    return label;
}

} // namespace tamb
