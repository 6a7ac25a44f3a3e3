#include "dialogs/MmsDialog.h"
#include "i18n/CameraTexts.h"
#include "i18n/MmsTexts.h"

#include <array>

namespace tamb {
namespace {

constexpr ControlStyle kNumberEdit = ControlStyle::DigitsOnly | ControlStyle::Centred;
constexpr int kListHeight = 60;
constexpr int kParameterWidth = 186;
constexpr int kEditHeight = 14;

constexpr DialogRect List(int x, int y, int width, int openHeight = kListHeight)
{
    return DialogRect { x, y, width, openHeight };
}

// An edit of the long column of parameters and recipients.
constexpr ControlTemplate ColumnEdit(int id, int y, int typingLimit)
{
    return Edit(id, { 81, y, kParameterWidth, kEditHeight }, ControlStyle::None, typingLimit);
}

// Template 130, rectangles in dialog units.
constexpr auto kMmsControls = std::to_array<ControlTemplate>({
    GroupBox(1058, { 3, 2, 285, 365 }, "MMS"),
    StaticText(1039, { 20, 14, 47, 8 }, "MMS Mode"),
    DropDownList(1041, List(70, 12, 60)),
    StaticText(1040, { 148, 14, 56, 8 }, "MMS Status"),
    DropDownList(1042, List(208, 12, 60)),
    GroupBox(kNoId, { 12, 27, 268, 23 }),
    StaticText(1059, { 20, 37, 83, 8 }, "Picture No./day"),
    Edit(1074, { 106, 34, 23, 14 }, kNumberEdit),
    StaticText(1075, { 137, 37, 140, 8 }, "Note"),
    GroupBox(kNoId, { 12, 50, 268, 27 }),
    StaticText(1043, { 20, 61, 47, 8 }, "Country"),
    DropDownList(1045, List(71, 60, 60, 102)),
    StaticText(1044, { 148, 61, 53, 8 }, "Operator"),
    DropDownList(1046, List(208, 60, 60, 128)),
    GroupBox(kNoId, { 12, 75, 268, 25 }),
    StaticText(1129, { 15, 86, 104, 8 }, "SMS Remote Control"),
    DropDownList(1134, List(123, 83, 42, 97)),
    StaticText(1085, { 172, 86, 41, 8 }, "Hour"),
    GroupBox(kNoId, { 13, 99, 267, 210 }),
    StaticText(1047, { 20, 111, 59, 8 }, "URL"),
    ColumnEdit(1002, 109, 50),
    DropDownList(1056, List(19, 129, 51)),
    ColumnEdit(1003, 129, 30),
    StaticText(1048, { 20, 151, 59, 8 }, "Gateway"),
    ColumnEdit(1004, 149, 20),
    StaticText(1049, { 20, 171, 59, 8 }, "Port"),
    ColumnEdit(1005, 169, 10),
    StaticText(1050, { 20, 191, 61, 8 }, "Phone No"),
    Edit(1006, { 81, 189, 118, 14 }),
    DropDownList(1060, List(206, 189, 60)),
    StaticText(1051, { 20, 211, 59, 8 }, "Email"),
    ColumnEdit(1007, 209, 40),
    StaticText(1052, { 20, 231, 60, 8 }, "Account"),
    ColumnEdit(1008, 229, 30),
    StaticText(1053, { 20, 251, 60, 8 }, "Password"),
    ColumnEdit(1009, 249, 30),
    StaticText(1054, { 20, 271, 60, 8 }, "Phone or Email"),
    ColumnEdit(1010, 269, 32),
    StaticText(1055, { 20, 291, 60, 8 }, "Phone or Email"),
    ColumnEdit(1011, 289, 32),
    PushButton(1057, { 19, 313, 50, 14 }, "Select"),
    Edit(1012, { 81, 314, 186, 14 }, ControlStyle::ReadOnly),
    PushButton(kOkId, { 71, 335, 50, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(kCancelId, { 174, 334, 50, 14 }, "Exit"),
    StaticText(mms::kParameterSourceText, { 12, 352, 268, 10 }, {}, ControlStyle::ModelText),
});

// Template 142: the same controls a little tighter, with the remote-control row in a frame of its own.
constexpr auto kQ400MmsControls = std::to_array<ControlTemplate>({
    GroupBox(1058, { 3, 3, 285, 352 }, "MMS"),
    StaticText(1039, { 20, 14, 47, 8 }, "MMS Mode"),
    DropDownList(1041, List(70, 12, 60)),
    StaticText(1040, { 148, 14, 56, 8 }, "MMS Status"),
    DropDownList(1042, List(208, 12, 60)),
    GroupBox(kNoId, { 12, 28, 269, 24 }),
    StaticText(1059, { 20, 37, 82, 8 }, "Picture No./day"),
    Edit(1074, { 106, 34, 23, 14 }, kNumberEdit),
    StaticText(1075, { 139, 37, 112, 8 }, "Note"),
    GroupBox(kNoId, { 12, 49, 269, 28 }),
    StaticText(1043, { 20, 61, 47, 8 }, "Country"),
    DropDownList(1045, List(71, 60, 60, 102)),
    StaticText(1044, { 148, 61, 53, 8 }, "Operator"),
    DropDownList(1046, List(208, 60, 60, 128)),
    GroupBox(1083, { 12, 75, 269, 24 }),
    StaticText(1084, { 17, 85, 106, 12 }, "SMS Remote Control"),
    DropDownList(1061, List(125, 82, 60, 102)),
    StaticText(1085, { 193, 84, 42, 8 }, "Hour"),
    GroupBox(kNoId, { 12, 98, 269, 206 }),
    StaticText(1047, { 20, 109, 59, 8 }, "URL"),
    ColumnEdit(1002, 107, 50),
    DropDownList(1056, List(19, 127, 51)),
    ColumnEdit(1003, 127, 30),
    StaticText(1048, { 20, 149, 59, 8 }, "Gateway"),
    ColumnEdit(1004, 147, 20),
    StaticText(1049, { 20, 169, 59, 8 }, "Port"),
    ColumnEdit(1005, 167, 10),
    StaticText(1050, { 20, 189, 61, 8 }, "Phone No"),
    Edit(1006, { 81, 187, 118, 14 }),
    DropDownList(1060, List(206, 187, 60)),
    StaticText(1051, { 20, 209, 59, 8 }, "Email"),
    ColumnEdit(1007, 207, 40),
    StaticText(1052, { 20, 229, 60, 8 }, "Account"),
    ColumnEdit(1008, 227, 30),
    StaticText(1053, { 20, 249, 59, 8 }, "Password"),
    ColumnEdit(1009, 247, 30),
    StaticText(1054, { 20, 269, 60, 8 }, "Phone or Email"),
    ColumnEdit(1010, 267, 32),
    StaticText(1055, { 20, 289, 62, 8 }, "Phone or Email"),
    ColumnEdit(1011, 287, 32),
    PushButton(1057, { 19, 306, 50, 14 }, "Select"),
    Edit(1012, { 81, 307, 186, 14 }, ControlStyle::ReadOnly),
    PushButton(kOkId, { 71, 326, 50, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(kCancelId, { 174, 325, 50, 14 }, "Exit"),
    StaticText(mms::kParameterSourceText, { 12, 343, 268, 10 }, {}, ControlStyle::ModelText),
});

constexpr DialogTemplate kMmsTemplate { 130, "Tamb Vorrel", 292, 370, 9, kMmsControls };
constexpr DialogTemplate kQ400MmsTemplate { 142, "Tamb Vorrel Q400", 292, 358, 9, kQ400MmsControls };

// One list for both templates: each captions the remote-control label it has (1129 or 1084).
constexpr auto kCaptions = std::to_array<CaptionSource>({
    { 1058, &MmsGroupText },
    { 1039, &MmsModeText },
    { 1040, &MmsStatusText },
    { 1059, &PicturesPerDayText },
    { 1075, &UnlimitedNoteText },
    { 1043, &CountryText },
    { 1044, &OperatorText },
    { 1129, &SmsRemoteControlText },
    { 1084, &SmsRemoteControlText },
    { 1085, &RemoteHourText },
    { 1047, &UrlText },
    { 1048, &GatewayText },
    { 1049, &PortText },
    { 1050, &PhoneNoText },
    { 1051, &EmailText },
    { 1052, &AccountText },
    { 1053, &PasswordText },
    { 1054, &PhoneOrEmailText },
    { 1055, &PhoneOrEmailText },
    { 1057, &SelectText },
    { kOkId, &GenerateText },
    { kCancelId, &ExitText },
});

// Without the phone-scope list the first recipient may be a number or an address: both recipient labels say
// so, the first recipient edit spreads over the list's place like the e-mail edit under it, and every
// recipient edit takes as many characters as the e-mail edit, an address's length.
constexpr auto kPhoneOrEmailCaptions = std::to_array<CaptionSource>({
    { 1050, &PhoneOrEmailText },
    { 1051, &PhoneOrEmailText },
});
constexpr auto kPhoneOrEmailReshapes = std::to_array<ControlReshape>({
    { .controlId = 1006, .likeControl = 1007 },
    { .controlId = 1010, .likeControl = 1007 },
    { .controlId = 1011, .likeControl = 1007 },
});
constexpr auto kWithoutPhoneScope = std::to_array<HiddenControlChanges>({
    { .hiddenControl = 1060, .captions = kPhoneOrEmailCaptions, .reshapes = kPhoneOrEmailReshapes },
});

const DialogLayout kMmsLayout {
    .dialogTemplate = kMmsTemplate, .captions = kCaptions, .whenHidden = kWithoutPhoneScope
};
const DialogLayout kQ400MmsLayout {
    .dialogTemplate = kQ400MmsTemplate, .captions = kCaptions, .whenHidden = kWithoutPhoneScope
};

} // namespace

const DialogLayout& MmsLayout()
{
    return kMmsLayout;
}

const DialogLayout& Q400MmsLayout()
{
    return kQ400MmsLayout;
}

} // namespace tamb
