#include "dialogs/CameraDialog.h"
#include "dialogs/CameraLayoutParts.h"
#include "i18n/CoordinateTexts.h"

namespace tamb {
namespace {

using camera_layout::FolderEdit;
using camera_layout::kNumberEdit;
using camera_layout::List;

// Template 149: the camera rows on the left of the coordinate frame, Recycle and Side PIR under them, then the
// clock, timers, serial number and time lapse across the whole width.
constexpr auto kControls = std::to_array<ControlTemplate>({
    GroupBox(1065, { 9, 4, 116, 20 }),
    StaticText(1004, { 14, 14, 50, 8 }, "Camera Mode"),
    DropDownList(1013, List(69, 12, 48)),
    GroupBox(1066, { 156, 4, 116, 20 }),
    StaticText(1005, { 159, 14, 57, 8 }, "Image Size"),
    DropDownList(1014, List(219, 12, 48)),
    GroupBox(1067, { 9, 26, 116, 20 }),
    StaticText(1006, { 14, 37, 51, 8 }, "Video Size"),
    DropDownList(1015, List(69, 34, 48)),
    GroupBox(1068, { 156, 26, 116, 20 }),
    StaticText(1007, { 159, 37, 59, 8 }, "Picture No."),
    DropDownList(1016, List(219, 34, 48)),
    GroupBox(1069, { 9, 48, 116, 20 }),
    StaticText(1011, { 14, 59, 51, 8 }, "Time Stamp"),
    DropDownList(1026, List(69, 56, 48)),
    GroupBox(1070, { 156, 48, 116, 20 }),
    StaticText(1010, { 159, 59, 51, 8 }, "Sense Level"),
    DropDownList(1027, List(219, 56, 48)),
    GroupBox(1072, { 9, 70, 112, 20 }),
    StaticText(1008, { 14, 80, 52, 8 }, "Video Length"),
    Edit(1002, { 69, 77, 26, 12 }, kNumberEdit),
    StaticText(1144, { 99, 80, 20, 8 }, "Sec"),
    GroupBox(kNoId, { 126, 70, 150, 64 }),
    StaticText(1080, { 130, 80, 36, 8 }, "Coordinate"),
    StaticText(1076, { 168, 80, 24, 8 }, "Dir."),
    StaticText(1077, { 194, 80, 24, 8 }, "Degree"),
    StaticText(1078, { 220, 80, 26, 8 }, "Minute"),
    StaticText(1079, { 247, 80, 27, 8 }, "Second"),
    GroupBox(1073, { 9, 92, 112, 20 }),
    StaticText(1009, { 14, 101, 52, 8 }, "Interval"),
    DropDownList(1029, List(69, 98, 29)),
    Edit(1003, { 100, 98, 19, 12 }, kNumberEdit),
    StaticText(1054, { 130, 98, 36, 8 }, "Longitude:"),
    DropDownList(1055, List(168, 95, 24)),
    Edit(1056, { 194, 95, 22, 12 }, kNumberEdit),
    Edit(1058, { 220, 95, 22, 12 }, kNumberEdit),
    Edit(1071, { 247, 95, 22, 12 }, kNumberEdit),
    GroupBox(1075, { 9, 113, 112, 20 }),
    StaticText(1043, { 14, 122, 52, 8 }, "Date Format"),
    DropDownList(1044, List(69, 119, 48)),
    StaticText(1012, { 130, 119, 36, 8 }, "Latitude:"),
    DropDownList(1049, List(168, 116, 24)),
    Edit(1051, { 194, 116, 22, 12 }, kNumberEdit),
    Edit(1052, { 220, 116, 22, 12 }, kNumberEdit),
    Edit(1053, { 247, 116, 22, 12 }, kNumberEdit),
    GroupBox(1082, { 9, 135, 116, 19 }),
    StaticText(1050, { 14, 143, 50, 8 }, "Recycle"),
    DropDownList(1081, List(69, 140, 48)),
    GroupBox(1084, { 156, 135, 116, 19 }),
    StaticText(1136, { 159, 143, 57, 8 }, "Side Pir"),
    DropDownList(1028, List(219, 140, 48)),
    GroupBox(kNoId, { 9, 154, 263, 24 }),
    StaticText(1018, { 14, 163, 51, 8 }, "Set Clock"),
    Edit(1030, { 71, 159, 117, 14 }, ControlStyle::Centred),
    PushButton(1031, { 204, 158, 63, 16 }, "GetTime"),
    GroupBox(kNoId, { 9, 175, 263, 37 }),
    StaticText(1019, { 14, 195, 55, 8 }, "Timer"),
    DropDownList(1025, List(70, 193, 32)),
    StaticText(1059, { 96, 181, 27, 8 }, "Start:"),
    StaticText(1118, { 126, 181, 17, 8 }, "Hour"),
    Edit(1017, { 123, 192, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 147, 194, 8, 8 }, ":"),
    StaticText(1122, { 159, 181, 16, 8 }, "Min"),
    Edit(1022, { 156, 192, 21, 14 }, kNumberEdit),
    StaticText(1060, { 179, 181, 27, 8 }, "Stop:"),
    StaticText(1120, { 209, 181, 17, 8 }, "Hour"),
    Edit(1023, { 207, 192, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 194, 8, 8 }, ":"),
    StaticText(1123, { 244, 181, 16, 8 }, "Min"),
    Edit(1024, { 241, 192, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 212, 263, 37 }),
    StaticText(1041, { 14, 233, 55, 8 }, "Timer"),
    DropDownList(1048, List(70, 231, 32)),
    StaticText(1061, { 96, 218, 27, 8 }, "Start:"),
    StaticText(1119, { 126, 218, 17, 8 }, "Hour"),
    Edit(1042, { 123, 230, 23, 14 }, kNumberEdit),
    StaticText(kNoId, { 147, 232, 8, 8 }, ":"),
    StaticText(1124, { 159, 218, 16, 8 }, "Min"),
    Edit(1045, { 156, 230, 21, 14 }, kNumberEdit),
    StaticText(1063, { 179, 218, 27, 8 }, "Stop:"),
    StaticText(1121, { 209, 218, 17, 8 }, "Hour"),
    Edit(1046, { 207, 230, 24, 14 }, kNumberEdit),
    StaticText(kNoId, { 233, 232, 8, 8 }, ":"),
    StaticText(1125, { 244, 218, 16, 8 }, "Min"),
    Edit(1047, { 241, 230, 20, 14 }, kNumberEdit),
    GroupBox(kNoId, { 9, 249, 264, 24 }),
    StaticText(1021, { 14, 259, 51, 8 }, "Serial No."),
    DropDownList(1032, List(70, 257, 48)),
    DropDownList(1034, List(123, 256, 21)),
    DropDownList(1035, List(151, 256, 21)),
    DropDownList(1036, List(180, 256, 21)),
    DropDownList(1037, List(208, 256, 21)),
    GroupBox(kNoId, { 9, 274, 264, 34 }),
    StaticText(1020, { 14, 292, 51, 8 }, "Time Lapse"),
    DropDownList(1033, List(70, 290, 48)),
    StaticText(1126, { 138, 279, 17, 8 }, "Hour"),
    Edit(1038, { 135, 290, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 158, 293, 8, 8 }, ":"),
    StaticText(1127, { 169, 279, 20, 8 }, "Min"),
    Edit(1039, { 166, 290, 22, 14 }, kNumberEdit),
    StaticText(kNoId, { 188, 293, 8, 8 }, ":"),
    StaticText(1128, { 199, 279, 20, 8 }, "Sec"),
    Edit(1040, { 196, 290, 22, 14 }, kNumberEdit),
    PushButton(1057, { 12, 311, 50, 14 }, "Select"),
    FolderEdit({ 73, 311, 194, 14 }),
    PushButton(kOkId, { 20, 331, 60, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(1062, { 103, 331, 62, 14 }, "Default"),
    PushButton(kCancelId, { 185, 331, 60, 14 }, "Exit"),
});

constexpr DialogTemplate kTemplate { 149, "Tamb Vorrel Q300", 286, 353, 9, kControls };

// The first timer is "Timer1" on the models with a second timer of the same name, plain "Timer" on model 17.
constexpr std::array<ModelId, 3> kTimer1Models { 11, 12, 13 };
constexpr std::array<ModelId, 1> kTimerModels { 17 };

constexpr auto kCaptions = camera_layout::WithSharedCaptions(std::to_array<CaptionSource>({
    { .controlId = 1019, .table = &Timer1Text, .models = kTimer1Models },
    { .controlId = 1019, .table = &TimerText, .models = kTimerModels },
    { .controlId = 1041, .table = &Timer2Text },
    { .controlId = 1050, .indexed = &SdCycleText },
    { .controlId = 1136, .indexed = &SidePirText },
    { .controlId = 1080, .table = &CoordinateText },
    { .controlId = 1076, .table = &DirectionText },
    { .controlId = 1077, .table = &DegreeText },
    { .controlId = 1078, .pair = &CoordinateUnitText, .column = 1 },
    { .controlId = 1079, .pair = &CoordinateUnitText, .column = 0 },
    { .controlId = 1054, .table = &LongitudeText },
    { .controlId = 1012, .table = &LatitudeText },
}));

const DialogLayout kLayout { .dialogTemplate = kTemplate, .captions = kCaptions };

} // namespace

const DialogLayout& Q300CameraLayout()
{
    return kLayout;
}

} // namespace tamb
