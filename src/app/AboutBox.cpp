#include "app/AboutBox.h"

#include "app/ProgramVersion.h"

#include <array>

namespace tamb {

namespace {

constexpr std::array kAboutControls {
    Icon(152, { 11, 17, 21, 20 }),
    StaticText(1100, { 40, 10, 150, 8 }, "Tamb Vorrel Electronics Co., Ltd"),
    StaticText(1101, { 40, 25, 150, 8 }, kHomePageUrl),
    PushButton(kOkId, { 178, 7, 50, 14 }, "OK", ControlStyle::DefaultButton),
};

constexpr DialogTemplate kAboutTemplate { 100, "About Setup", 235, 55, 9, kAboutControls };

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : Dialog(kAboutTemplate, parent)
{
}

} // namespace tamb
