#include "dialogs/CameraDialog.h"
#include "dialogs/CameraLayoutParts.h"

namespace tamb {
namespace {

using camera_layout::FolderEdit;
using camera_layout::kNumberEdit;
using camera_layout::List;

// Template 148: the common camera rows with two daily timers and nothing else.
constexpr auto kControls = std::to_array<ControlTemplate>({
    GroupBox(1065, { 9, 6, 116, 22 }),
    StaticText(1004, { 14, 16, 50, 8 }, "Camera Mode"),
    DropDownList(1013, List(69, 14, 48)),
    GroupBox(1066, { 156, 6, 116, 22 }),
    StaticText(1005, { 159, 16, 57, 8 }, "Image Size"),
    DropDownList(1014, List(219, 14, 48)),
    GroupBox(1067, { 9, 32, 116, 22 }),
    StaticText(1006, { 14, 42, 51, 8 }, "Video Size"),
    DropDownList(1015, List(69, 39, 48)),
    GroupBox(1068, { 156, 32, 116, 22 }),
    StaticText(1007, { 159, 42, 59, 8 }, "Picture No."),
    DropDownList(1016, List(219, 39, 48)),
    GroupBox(1069, { 9, 57, 116, 22 }),
    StaticText(1011, { 14, 66, 51, 8 }, "Time Stamp"),
    DropDownList(1026, List(69, 64, 48)),
    GroupBox(1070, { 156, 57, 116, 23 }),
    StaticText(1010, { 159, 67, 51, 8 }, "Sense Level"),
    DropDownList(1027, List(219, 64, 48)),
    GroupBox(1073, { 9, 82, 116, 22 }),
    StaticText(1009, { 14, 92, 51, 8 }, "Interval"),
    DropDownList(1029, List(69, 89, 29)),
    Edit(1003, { 101, 89, 19, 12 }, kNumberEdit),
    GroupBox(1072, { 156, 82, 116, 22 }),
    StaticText(1008, { 159, 92, 60, 8 }, "Video Length"),
    Edit(1002, { 221, 89, 26, 12 }, kNumberEdit),
    StaticText(1144, { 252, 92, 16, 8 }, "Sec"),
    GroupBox(1075, { 9, 107, 116, 22 }),
    StaticText(1043, { 14, 117, 58, 8 }, "Date Format"),
    DropDownList(1044, List(69, 114, 48)),
    GroupBox(kNoId, { 9, 132, 262, 26 }),
    StaticText(1018, { 14, 143, 51, 8 }, "Set Clock"),
    Edit(1030, { 71, 141, 117, 14 }, ControlStyle::ReadOnly | ControlStyle::Centred),
    PushButton(1031, { 204, 139, 63, 16 }, "GetTime"),
    GroupBox(kNoId, { 9, 162, 263, 37 }),
    StaticText(1019, { 14, 182, 55, 8 }, "Timer"),
    DropDownList(1025, List(70, 180, 32)),
    StaticText(1059, { 96, 168, 27, 8 }, "Start:"),
    StaticText(1118, { 126, 168, 17, 8 }, "Hour"),
    Edit(1017, { 123, 179, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 147, 181, 8, 8 }, ":"),
    StaticText(1122, { 159, 168, 16, 8 }, "Min"),
    Edit(1022, { 156, 179, 21, 14 }, kNumberEdit),
    StaticText(1060, { 179, 168, 27, 8 }, "Stop:"),
    StaticText(1120, { 209, 168, 17, 8 }, "Hour"),
    Edit(1023, { 207, 179, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 181, 8, 8 }, ":"),
    StaticText(1123, { 244, 168, 16, 8 }, "Min"),
    Edit(1024, { 241, 179, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 200, 263, 37 }),
    StaticText(1041, { 14, 221, 55, 8 }, "Timer2"),
    DropDownList(1048, List(70, 219, 32)),
    StaticText(1061, { 96, 207, 27, 8 }, "Start:"),
    StaticText(1119, { 126, 207, 17, 8 }, "Hour"),
    Edit(1042, { 123, 219, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 147, 221, 8, 8 }, ":"),
    StaticText(1124, { 159, 207, 16, 8 }, "Min"),
    Edit(1045, { 156, 219, 21, 14 }, kNumberEdit),
    StaticText(1063, { 179, 207, 27, 8 }, "Stop:"),
    StaticText(1121, { 209, 207, 17, 8 }, "Hour"),
    Edit(1046, { 207, 219, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 221, 8, 8 }, ":"),
    StaticText(1125, { 244, 207, 16, 8 }, "Min"),
    Edit(1047, { 241, 219, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 238, 264, 27 }),
    StaticText(1021, { 14, 250, 51, 8 }, "Serial No."),
    DropDownList(1032, List(70, 248, 48)),
    DropDownList(1034, List(123, 247, 21)),
    DropDownList(1035, List(151, 247, 21)),
    DropDownList(1036, List(180, 247, 21)),
    DropDownList(1037, List(208, 247, 21)),
    GroupBox(kNoId, { 9, 266, 264, 35 }),
    StaticText(1020, { 14, 286, 51, 8 }, "Time Lapse"),
    DropDownList(1033, List(70, 285, 48)),
    StaticText(1126, { 138, 272, 17, 8 }, "Hour"),
    Edit(1038, { 135, 285, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 158, 288, 8, 8 }, ":"),
    StaticText(1127, { 169, 272, 20, 8 }, "Min"),
    Edit(1039, { 166, 285, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 188, 289, 8, 8 }, ":"),
    StaticText(1128, { 199, 272, 20, 8 }, "Sec"),
    Edit(1040, { 196, 285, 22, 14 }, kNumberEdit),
    PushButton(1057, { 12, 308, 50, 14 }, "Select"),
    FolderEdit({ 73, 307, 194, 14 }),
    PushButton(kOkId, { 20, 328, 60, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(1062, { 103, 328, 62, 14 }, "Default"),
    PushButton(kCancelId, { 185, 328, 60, 14 }, "Exit"),
});

constexpr DialogTemplate kTemplate { 148, "Tamb Vorrel", 288, 348, 9, kControls };

constexpr auto kCaptions = camera_layout::WithSharedCaptions(std::to_array<CaptionSource>({
    { 1019, &TimerText },
    { 1041, &Timer2Text },
}));

const DialogLayout kLayout { .dialogTemplate = kTemplate, .captions = kCaptions };

} // namespace

const DialogLayout& Q220CameraLayout()
{
    return kLayout;
}

} // namespace tamb
