#include "app/AboutBox.h"

#include "app/ProgramVersion.h"

#include <array>

namespace tamb {

namespace {

constexpr int kProgramNameId = 1102;
constexpr int kVersionId = 1103;

constexpr std::array kAboutControls {
    Icon(152, { 11, 17, 21, 20 }),
    StaticText(kProgramNameId, { 40, 6, 134, 8 }, "Tamb Vorrel Setup"),
    StaticText(kVersionId, { 40, 16, 134, 8 }, "Version"),
    StaticText(1100, { 40, 29, 134, 8 }, "Tamb Vorrel Electronics Co., Ltd"),
    StaticText(1101, { 40, 40, 134, 8 }, kHomePageUrl),
    PushButton(kOkId, { 178, 7, 50, 14 }, "OK", ControlStyle::DefaultButton),
};

constexpr DialogTemplate kAboutTemplate { 100, "About Setup", 235, 55, 9, kAboutControls };

} // namespace

AboutBox::AboutBox(LanguageId language, QWidget* parent)
    : Dialog(kAboutTemplate, parent)
{
    setControlText(kVersionId, VersionLabel(language));
}

} // namespace tamb
