#include "dialogs/SmtpCaptions.h"
#include "dialogs/SmtpDialog.h"

namespace tamb {
namespace {

constexpr ControlStyle kNumberEdit = ControlStyle::DigitsOnly | ControlStyle::Centred;

// Template 143: the Q200 SMTP dialog with an SMTP Status list beside the mode, longer e-mail addresses and
// some identifiers moved. Rectangles in dialog units; a list's height is its opened height. No default button.
constexpr auto kControls = std::to_array<ControlTemplate>({
    GroupBox(1094, { 11, 0, 267, 27 }),
    StaticText(1086, { 17, 11, 51, 8 }, "Smtp Mode"),
    DropDownList(1087, { 72, 9, 62, 30 }),
    StaticText(1113, { 153, 12, 51, 8 }, "Smtp Status"),
    DropDownList(1114, { 209, 10, 62, 80 }),
    GroupBox(1095, { 11, 24, 267, 24 }),
    StaticText(1089, { 17, 33, 77, 8 }, "Picture No./day"),
    Edit(1002, { 100, 32, 28, 14 }, kNumberEdit),
    StaticText(1090, { 133, 34, 107, 8 }, "Note:0=Unlimited"),
    GroupBox(1096, { 12, 45, 266, 25 }),
    StaticText(1091, { 17, 56, 50, 8 }, "Country"),
    DropDownList(1088, { 73, 55, 62, 112 }),
    StaticText(1092, { 159, 56, 50, 8 }, "Operator"),
    DropDownList(1093, { 211, 54, 62, 79 }),
    GroupBox(kNoId, { 12, 70, 266, 28 }),
    StaticText(1107, { 17, 81, 97, 8 }, "SMS Remote Control"),
    DropDownList(1115, { 120, 79, 62, 112 }),
    StaticText(1085, { 185, 82, 48, 8 }, "Hour"),
    GroupBox(1146, { 13, 102, 265, 58 }, "GPRS Setting"),
    StaticText(1097, { 17, 116, 53, 8 }, "APN"),
    Edit(1003, { 72, 111, 200, 14 }, ControlStyle::ReadOnly, 32),
    StaticText(1098, { 17, 132, 53, 8 }, "Account"),
    Edit(1004, { 72, 127, 200, 14 }, ControlStyle::ReadOnly, 32),
    StaticText(1099, { 17, 148, 50, 8 }, "Password"),
    Edit(1005, { 72, 144, 200, 14 }, ControlStyle::ReadOnly, 32),
    GroupBox(1104, { 13, 162, 265, 75 }, "Sender"),
    StaticText(1100, { 17, 173, 50, 8 }, "Smtp Server"),
    Edit(1006, { 72, 170, 200, 14 }, ControlStyle::None, 40),
    StaticText(1101, { 17, 191, 50, 8 }, "Port"),
    Edit(1007, { 72, 187, 200, 14 }, ControlStyle::None, 10),
    StaticText(1103, { 17, 206, 50, 8 }, "Sender Email"),
    Edit(1009, { 72, 203, 200, 14 }, ControlStyle::None, 40),
    StaticText(1102, { 17, 221, 50, 8 }, "Password"),
    Edit(1008, { 72, 219, 200, 14 }, ControlStyle::Masked, 32),
    GroupBox(1105, { 13, 240, 266, 30 }, "Recipients"),
    StaticText(1106, { 17, 255, 50, 8 }, "Email01"),
    Edit(1012, { 71, 252, 200, 14 }, ControlStyle::None, 40),
    GroupBox(1147, { 13, 272, 266, 26 }, "SMS"),
    StaticText(1116, { 17, 282, 50, 8 }, "Phone No"),
    Edit(1117, { 71, 281, 201, 14 }, ControlStyle::None, 30),
    PushButton(1111, { 16, 303, 50, 14 }, "Select"),
    Edit(1017, { 71, 303, 200, 14 }),
    PushButton(1112, { 55, 322, 50, 14 }, "Generate"),
    PushButton(kSmtpTestButtonId, { 116, 322, 50, 14 }, "Test"),
    PushButton(kCancelId, { 176, 322, 50, 14 }, "Exit"),
    StaticText(kSmtpParameterSourceId, { 16, 339, 256, 10 }, {}, ControlStyle::ModelText),
});

constexpr DialogTemplate kTemplate { 143, "Tamb Vorrel SMTP", 292, 352, 9, kControls };

constexpr auto kCaptions = WithSharedSmtpCaptions(std::to_array<CaptionSource>({
    { 1113, &SmtpStatusText },
    { 1107, &SmsRemoteControlText },
    { 1146, &GprsSettingText },
    { 1147, &SmsGroupText },
    { 1116, &PhoneNoText },
}));

const DialogLayout kLayout { .dialogTemplate = kTemplate, .captions = kCaptions };

} // namespace

const DialogLayout& Q400SmtpLayout()
{
    return kLayout;
}

} // namespace tamb
