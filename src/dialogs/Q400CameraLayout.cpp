#include "dialogs/CameraDialog.h"
#include "dialogs/CameraLayoutParts.h"

namespace tamb {
namespace {

using camera_layout::FolderEdit;
using camera_layout::kNumberEdit;
using camera_layout::List;

// Template 140: twelve option rows, the PIR direction row under them (the settings model hides it), then the
// clock, the two timers with the second on its own identifiers, serial number and time lapse.
constexpr auto kControls = std::to_array<ControlTemplate>({
    GroupBox(1065, { 9, 6, 116, 20 }),
    StaticText(1004, { 14, 14, 50, 8 }, "Camera Mode"),
    DropDownList(1013, List(69, 12, 48)),
    GroupBox(1066, { 156, 6, 116, 20 }),
    StaticText(1005, { 159, 14, 57, 8 }, "Image Size"),
    DropDownList(1014, List(219, 12, 48)),
    GroupBox(1067, { 9, 27, 116, 20 }),
    StaticText(1006, { 14, 35, 51, 8 }, "Video Size"),
    DropDownList(1015, List(69, 33, 48)),
    GroupBox(1068, { 156, 27, 116, 20 }),
    StaticText(1007, { 159, 35, 59, 8 }, "Picture No."),
    DropDownList(1016, List(219, 33, 48)),
    GroupBox(1069, { 9, 48, 116, 20 }),
    StaticText(1011, { 14, 56, 51, 8 }, "Time Stamp"),
    DropDownList(1026, List(69, 54, 48)),
    GroupBox(1070, { 156, 48, 116, 20 }),
    StaticText(1010, { 159, 56, 51, 8 }, "Sense Level"),
    DropDownList(1027, List(219, 54, 48)),
    GroupBox(1071, { 9, 69, 116, 20 }),
    StaticText(1012, { 14, 77, 51, 8 }, "Side Pir"),
    DropDownList(1028, List(69, 75, 48)),
    GroupBox(1072, { 156, 69, 116, 20 }),
    StaticText(1008, { 159, 77, 60, 8 }, "Video Length"),
    Edit(1002, { 221, 75, 26, 12 }, kNumberEdit),
    StaticText(1144, { 252, 77, 16, 8 }, "Sec"),
    GroupBox(1073, { 9, 91, 116, 20 }),
    StaticText(1009, { 14, 99, 51, 8 }, "Interval"),
    DropDownList(1029, List(69, 97, 29)),
    Edit(1003, { 101, 97, 19, 12 }, kNumberEdit),
    GroupBox(1075, { 156, 91, 116, 20 }),
    StaticText(1043, { 159, 99, 58, 8 }, "Date Format"),
    DropDownList(1044, List(219, 97, 48)),
    GroupBox(1074, { 9, 112, 116, 20 }),
    StaticText(1041, { 14, 120, 51, 8 }, "Beep Sound"),
    DropDownList(1042, List(69, 118, 48)),
    GroupBox(1076, { 156, 112, 116, 20 }),
    StaticText(1045, { 159, 120, 57, 8 }, "SD Cycle"),
    DropDownList(1046, List(219, 118, 48)),
    GroupBox(1077, { 9, 133, 116, 20 }),
    StaticText(1053, { 14, 141, 51, 8 }, "PIR DIR REC"),
    DropDownList(1054, List(69, 139, 48)),
    GroupBox(kNoId, { 9, 155, 263, 24 }),
    StaticText(1018, { 14, 164, 51, 8 }, "Set Clock"),
    Edit(1030, { 71, 161, 117, 14 }, ControlStyle::ReadOnly | ControlStyle::Centred),
    PushButton(1031, { 204, 160, 63, 16 }, "GetTime"),
    GroupBox(kNoId, { 9, 178, 263, 37 }),
    StaticText(1019, { 14, 198, 55, 8 }, "Timer"),
    DropDownList(1025, List(70, 196, 32)),
    StaticText(1059, { 96, 184, 27, 8 }, "Start:"),
    StaticText(1118, { 126, 184, 17, 8 }, "Hour"),
    Edit(1017, { 123, 195, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 147, 197, 8, 8 }, ":"),
    StaticText(1122, { 159, 184, 16, 8 }, "Min"),
    Edit(1022, { 156, 195, 21, 14 }, kNumberEdit),
    StaticText(1060, { 179, 184, 27, 8 }, "Stop:"),
    StaticText(1119, { 209, 184, 17, 8 }, "Hour"),
    Edit(1023, { 207, 195, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 197, 8, 8 }, ":"),
    StaticText(1123, { 244, 184, 16, 8 }, "Min"),
    Edit(1024, { 241, 195, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 215, 263, 37 }),
    StaticText(1047, { 14, 235, 55, 8 }, "Timer"),
    DropDownList(1052, List(70, 233, 32)),
    StaticText(1061, { 96, 221, 27, 8 }, "Start:"),
    StaticText(1121, { 126, 221, 17, 8 }, "Hour"),
    Edit(1048, { 123, 232, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 147, 234, 8, 8 }, ":"),
    StaticText(1125, { 159, 221, 16, 8 }, "Min"),
    Edit(1049, { 156, 232, 21, 14 }, kNumberEdit),
    StaticText(1063, { 179, 221, 27, 8 }, "Stop:"),
    StaticText(1120, { 209, 221, 17, 8 }, "Hour"),
    Edit(1050, { 207, 232, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 234, 8, 8 }, ":"),
    StaticText(1124, { 244, 221, 16, 8 }, "Min"),
    Edit(1051, { 241, 232, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 252, 264, 24 }),
    StaticText(1021, { 14, 261, 51, 8 }, "Serial No."),
    DropDownList(1032, List(70, 258, 48)),
    DropDownList(1034, List(123, 258, 21)),
    DropDownList(1035, List(151, 258, 21)),
    DropDownList(1036, List(180, 258, 21)),
    DropDownList(1037, List(208, 258, 21)),
    GroupBox(kNoId, { 9, 276, 264, 34 }),
    StaticText(1020, { 14, 294, 51, 8 }, "Time Lapse"),
    DropDownList(1033, List(70, 292, 48)),
    StaticText(1126, { 138, 281, 17, 8 }, "Hour"),
    Edit(1038, { 135, 292, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 158, 295, 8, 8 }, ":"),
    StaticText(1127, { 169, 281, 20, 8 }, "Min"),
    Edit(1039, { 166, 292, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 188, 295, 8, 8 }, ":"),
    StaticText(1128, { 199, 281, 20, 8 }, "Sec"),
    Edit(1040, { 196, 292, 22, 14 }, kNumberEdit),
    PushButton(1057, { 12, 316, 50, 14 }, "Select"),
    FolderEdit({ 73, 316, 194, 14 }),
    PushButton(kOkId, { 20, 338, 60, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(1062, { 103, 338, 62, 14 }, "Default"),
    PushButton(kCancelId, { 185, 338, 60, 14 }, "Exit"),
});

constexpr DialogTemplate kTemplate { 140, "Tamb Vorrel Q400", 284, 364, 9, kControls };

constexpr auto kCaptions = camera_layout::WithSharedCaptions(std::to_array<CaptionSource>({
    { 1012, nullptr, &SidePirText },
    { 1019, &TimerText },
    { 1047, &Timer2Text },
    { 1041, &BeepSoundText },
    { 1045, nullptr, &SdCycleText },
}));

// The twelve option rows spread down into the space of the hidden PIR direction row: each pair of rows a little
// further than the pair above it, the interval edit and the seconds label with their rows.
constexpr auto kPirDirectionGapMoves = std::to_array<ControlMove>({
    { 1065, 10 },
    { 1004, 10 },
    { 1013, 10 },
    { 1066, 10 },
    { 1005, 10 },
    { 1014, 10 },
    { 1067, 14 },
    { 1006, 14 },
    { 1015, 14 },
    { 1068, 14 },
    { 1007, 14 },
    { 1016, 14 },
    { 1069, 18 },
    { 1011, 18 },
    { 1026, 18 },
    { 1070, 18 },
    { 1010, 18 },
    { 1027, 18 },
    { 1071, 22 },
    { 1012, 22 },
    { 1028, 22 },
    { 1072, 22 },
    { 1008, 22 },
    { 1002, 22 },
    { 1144, 22 },
    { 1073, 26 },
    { 1009, 26 },
    { 1029, 26 },
    { 1003, 26 },
    { 1075, 26 },
    { 1043, 26 },
    { 1044, 26 },
    { 1074, 30 },
    { 1041, 30 },
    { 1042, 30 },
    { 1076, 30 },
    { 1045, 30 },
    { 1046, 30 },
});

constexpr auto kRowMoves = std::to_array<RowMoves>({
    { .hiddenControl = 1054, .moves = kPirDirectionGapMoves },
});

const DialogLayout kLayout { .dialogTemplate = kTemplate, .captions = kCaptions, .rowMoves = kRowMoves };

} // namespace

const DialogLayout& Q400CameraLayout()
{
    return kLayout;
}

} // namespace tamb
