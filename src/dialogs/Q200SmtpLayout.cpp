#include "dialogs/SmtpCaptions.h"
#include "dialogs/SmtpDialog.h"

namespace tamb {
namespace {

constexpr ControlStyle kNumberEdit = ControlStyle::DigitsOnly | ControlStyle::Centred;

// Template 147, rectangles in dialog units; a list's height is its opened height. No default button: Enter
// means OK, which the model ignores.
constexpr auto kControls = std::to_array<ControlTemplate>({
    GroupBox(1094, { 11, 0, 267, 27 }),
    StaticText(1086, { 18, 11, 51, 8 }, "Smtp Mode"),
    DropDownList(1087, { 72, 9, 62, 30 }),
    GroupBox(1095, { 11, 25, 267, 24 }),
    StaticText(1089, { 18, 34, 75, 8 }, "Picture No./day"),
    Edit(1002, { 95, 33, 28, 14 }, kNumberEdit),
    StaticText(1090, { 128, 35, 107, 8 }, "Note:0=Unlimited"),
    GroupBox(1096, { 12, 48, 266, 25 }),
    StaticText(1091, { 18, 58, 50, 8 }, "Country"),
    DropDownList(1088, { 73, 57, 62, 112 }),
    StaticText(1092, { 155, 58, 49, 8 }, "Operator"),
    DropDownList(1093, { 211, 56, 62, 79 }),
    GroupBox(1131, { 12, 72, 263, 24 }),
    StaticText(1132, { 15, 82, 73, 8 }, "SMS Remote Control"),
    DropDownList(1135, { 95, 80, 48, 105 }),
    StaticText(1085, { 148, 82, 55, 8 }, "Hour"),
    GroupBox(1107, { 13, 99, 265, 63 }, "GPRS Setting"),
    StaticText(1097, { 18, 117, 52, 8 }, "APN"),
    Edit(1003, { 72, 112, 200, 14 }, ControlStyle::ReadOnly, 32),
    StaticText(1098, { 18, 133, 52, 8 }, "Account"),
    Edit(1004, { 72, 128, 200, 14 }, ControlStyle::ReadOnly, 32),
    StaticText(1099, { 18, 149, 50, 8 }, "Password"),
    Edit(1005, { 72, 145, 200, 14 }, ControlStyle::ReadOnly, 32),
    GroupBox(1104, { 13, 166, 265, 73 }, "Sender"),
    StaticText(1100, { 18, 178, 50, 8 }, "Smtp Server"),
    Edit(1006, { 72, 175, 200, 14 }, ControlStyle::None, 40),
    StaticText(1101, { 18, 196, 50, 8 }, "Port"),
    Edit(1007, { 72, 192, 200, 14 }, ControlStyle::None, 10),
    StaticText(1103, { 18, 211, 50, 8 }, "Sender Email"),
    Edit(1009, { 72, 208, 200, 14 }, ControlStyle::None, 32),
    StaticText(1102, { 18, 227, 50, 8 }, "Password"),
    Edit(1008, { 72, 224, 200, 14 }, ControlStyle::Masked, 32),
    GroupBox(1105, { 13, 241, 266, 28 }, "Recipients"),
    StaticText(1106, { 18, 254, 50, 8 }, "Email01"),
    Edit(1012, { 71, 251, 200, 14 }, ControlStyle::None, 32),
    GroupBox(1083, { 13, 271, 263, 28 }, "SMS"),
    StaticText(1114, { 18, 284, 51, 8 }, "Phone No"),
    Edit(1113, { 73, 281, 196, 14 }, ControlStyle::None, 30),
    PushButton(1111, { 16, 308, 50, 14 }, "Select"),
    Edit(1017, { 71, 308, 200, 14 }),
    PushButton(1112, { 55, 332, 50, 14 }, "Generate"),
    PushButton(kSmtpTestButtonId, { 116, 332, 50, 14 }, "Test"),
    PushButton(kCancelId, { 176, 332, 50, 14 }, "Exit"),
    StaticText(kSmtpParameterSourceId, { 16, 349, 255, 10 }, {}, ControlStyle::ModelText),
});

constexpr DialogTemplate kTemplate { 147, "Tamb Vorrel Q200SMTP", 286, 362, 9, kControls };

constexpr auto kCaptions = WithSharedSmtpCaptions(std::to_array<CaptionSource>({
    { 1132, &SmsRemoteControlText },
    { 1107, &GprsSettingText },
    { 1083, &SmsGroupText },
    { 1114, &PhoneNoText },
}));

const DialogLayout kLayout { .dialogTemplate = kTemplate, .captions = kCaptions };

} // namespace

const DialogLayout& Q200SmtpLayout()
{
    return kLayout;
}

} // namespace tamb
