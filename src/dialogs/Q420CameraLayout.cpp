#include "dialogs/CameraDialog.h"
#include "dialogs/CameraLayoutParts.h"

namespace tamb {
namespace {

using camera_layout::FolderEdit;
using camera_layout::kNumberEdit;
using camera_layout::List;

// Template 157: SD Cycle and Beep Sound in place of Side PIR, the second timer on its own identifiers.
constexpr auto kControls = std::to_array<ControlTemplate>({
    GroupBox(1065, { 9, 6, 116, 22 }),
    StaticText(1004, { 14, 16, 50, 8 }, "Camera Mode"),
    DropDownList(1013, List(72, 14, 48)),
    GroupBox(1066, { 156, 6, 116, 22 }),
    StaticText(1005, { 160, 16, 57, 8 }, "Image Size"),
    DropDownList(1014, List(221, 14, 48)),
    GroupBox(1067, { 9, 32, 116, 22 }),
    StaticText(1006, { 14, 42, 51, 8 }, "Video Size"),
    DropDownList(1015, List(72, 39, 48)),
    GroupBox(1068, { 156, 32, 116, 22 }),
    StaticText(1007, { 160, 42, 59, 8 }, "Picture No."),
    DropDownList(1016, List(221, 39, 48)),
    GroupBox(1069, { 9, 57, 116, 22 }),
    StaticText(1011, { 14, 68, 51, 8 }, "Time Stamp"),
    DropDownList(1026, List(72, 64, 48)),
    GroupBox(1070, { 156, 57, 116, 23 }),
    StaticText(1010, { 160, 67, 51, 8 }, "Sense Level"),
    DropDownList(1027, List(221, 64, 48)),
    GroupBox(1076, { 9, 83, 116, 22 }),
    StaticText(1045, { 14, 92, 57, 8 }, "SD Cycle"),
    DropDownList(1046, List(72, 90, 48)),
    GroupBox(1072, { 156, 82, 116, 22 }),
    StaticText(1008, { 160, 91, 60, 8 }, "Video Length"),
    Edit(1002, { 221, 89, 26, 12 }, kNumberEdit),
    StaticText(1144, { 252, 91, 16, 8 }, "Sec"),
    GroupBox(1073, { 9, 107, 116, 22 }),
    StaticText(1009, { 14, 117, 51, 8 }, "Interval"),
    DropDownList(1029, List(69, 114, 29)),
    Edit(1003, { 101, 114, 19, 14 }, kNumberEdit),
    GroupBox(1075, { 156, 107, 116, 22 }),
    StaticText(1043, { 160, 117, 58, 8 }, "Date Format"),
    DropDownList(1044, List(221, 114, 48)),
    GroupBox(1074, { 9, 129, 116, 22 }),
    StaticText(1041, { 14, 139, 51, 8 }, "Beep Sound"),
    DropDownList(1042, List(72, 136, 48)),
    GroupBox(kNoId, { 9, 152, 263, 26 }),
    StaticText(1018, { 14, 162, 51, 8 }, "Set Clock"),
    Edit(1030, { 71, 160, 117, 14 }, ControlStyle::ReadOnly | ControlStyle::Centred),
    PushButton(1031, { 204, 159, 63, 16 }, "GetTime"),
    GroupBox(kNoId, { 9, 177, 263, 37 }),
    StaticText(1019, { 14, 198, 54, 8 }, "Timer"),
    DropDownList(1025, List(72, 196, 32)),
    StaticText(1059, { 91, 184, 27, 8 }, "Start:"),
    StaticText(1118, { 121, 184, 17, 8 }, "Hour"),
    Edit(1017, { 117, 195, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 141, 197, 8, 8 }, ":"),
    StaticText(1122, { 152, 184, 17, 8 }, "Min"),
    Edit(1022, { 150, 195, 21, 14 }, kNumberEdit),
    StaticText(1060, { 177, 184, 27, 8 }, "Stop:"),
    StaticText(1119, { 208, 184, 17, 8 }, "Hour"),
    Edit(1023, { 207, 195, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 184, 8, 8 }, ":"),
    StaticText(1123, { 245, 184, 18, 8 }, "Min"),
    Edit(1024, { 241, 195, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 213, 263, 37 }),
    StaticText(1047, { 14, 235, 55, 8 }, "Timer2"),
    DropDownList(1052, List(72, 233, 32)),
    StaticText(1061, { 91, 221, 24, 8 }, "Start:"),
    StaticText(1121, { 121, 221, 17, 8 }, "Hour"),
    Edit(1048, { 117, 233, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 141, 235, 8, 8 }, ":"),
    StaticText(1125, { 152, 221, 17, 8 }, "Min"),
    Edit(1049, { 150, 233, 21, 14 }, kNumberEdit),
    StaticText(1063, { 177, 221, 27, 8 }, "Stop:"),
    StaticText(1120, { 208, 221, 17, 8 }, "Hour"),
    Edit(1050, { 207, 233, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 232, 233, 8, 8 }, ":"),
    StaticText(1124, { 245, 221, 16, 8 }, "Min"),
    Edit(1051, { 241, 233, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 248, 263, 26 }),
    StaticText(1021, { 14, 259, 51, 8 }, "Serial No."),
    DropDownList(1032, List(72, 257, 48)),
    DropDownList(1034, List(125, 257, 21)),
    DropDownList(1035, List(153, 257, 21)),
    DropDownList(1036, List(182, 257, 21)),
    DropDownList(1037, List(210, 257, 21)),
    GroupBox(kNoId, { 9, 274, 263, 35 }),
    StaticText(1020, { 14, 293, 51, 8 }, "Time Lapse"),
    DropDownList(1033, List(72, 292, 48)),
    StaticText(1126, { 138, 280, 17, 8 }, "Hour"),
    Edit(1038, { 135, 292, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 158, 280, 8, 8 }, ":"),
    StaticText(1127, { 166, 280, 21, 8 }, "Min"),
    Edit(1039, { 166, 292, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 188, 280, 8, 8 }, ":"),
    StaticText(1128, { 201, 280, 20, 8 }, "Sec"),
    Edit(1040, { 196, 292, 22, 14 }, kNumberEdit),
    PushButton(1057, { 12, 317, 50, 14 }, "Select"),
    FolderEdit({ 73, 316, 194, 14 }),
    PushButton(kOkId, { 20, 338, 60, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(1062, { 103, 338, 62, 14 }, "Default"),
    PushButton(kCancelId, { 185, 338, 60, 14 }, "Exit"),
});

constexpr DialogTemplate kTemplate { 157, "Tamb Vorrel Q420", 285, 356, 9, kControls };

constexpr auto kCaptions = camera_layout::WithSharedCaptions(std::to_array<CaptionSource>({
    { 1045, nullptr, &SdCycleText },
    { 1041, &BeepSoundText },
    { 1019, &TimerText },
    { 1047, &Timer2Text },
}));

const DialogLayout kLayout { .dialogTemplate = kTemplate, .captions = kCaptions };

} // namespace

const DialogLayout& Q420CameraLayout()
{
    return kLayout;
}

} // namespace tamb
