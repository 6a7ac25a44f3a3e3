#include "i18n/TableRegistry.h"

#include "i18n/CameraOptionTexts.h"
#include "i18n/CameraTexts.h"
#include "i18n/CoordinateTexts.h"
#include "i18n/CountryTexts.h"
#include "i18n/MainWindowTexts.h"
#include "i18n/MmsTexts.h"
#include "i18n/PrepareCardsTexts.h"
#include "i18n/ProfileTexts.h"
#include "i18n/SmtpTexts.h"

#include <algorithm>
#include <array>

namespace tamb {
namespace {

constexpr std::array kTables {
    ViewOf(CameraSetupText),
    ViewOf(SelectLanguageText),
    ViewOf(CameraModelText),
    ViewOf(MmsSetupText),
    ViewOf(SmtpSetupText),
    ViewOf(UpdateLinkText),
    ViewOf(VersionText),
    ViewOf(AboutItemText),
    ViewOf(ModeText),
    ViewOf(ImageSizeText),
    ViewOf(VideoSizeText),
    ViewOf(PictureNoText),
    ViewOf(TimeStampText),
    ViewOf(SensorLevelText),
    ViewOf(VideoLengthText),
    ViewOf(IntervalText),
    ViewOf(SetClockText),
    ViewOf(TimerText),
    ViewOf(Timer2Text),
    ViewOf(SerialNoText),
    ViewOf(TimeLapseText),
    ViewOf(StartText),
    ViewOf(StopText),
    ViewOf(HourText),
    ViewOf(MinuteText),
    ViewOf(SecondText),
    ViewOf(DateFormatText),
    ViewOf(GetTimeText),
    ViewOf(DefaultText),
    ViewOf(SelectText),
    ViewOf(GenerateText),
    ViewOf(ExitText),
    ViewOf(CancelText),
    ViewOf(WirelessPwdText),
    ViewOf(Timer1Text),
    ViewOf(BeepSoundText),
    ViewOf(SdCycleText),
    ViewOf(SidePirText),
    ViewOf(CameraModeOptions),
    ViewOf(PictureCountOptions),
    ViewOf(OnOffOptions),
    ViewOf(SensitivityOptions),
    ViewOf(IntervalUnitOptions),
    ViewOf(OffOnOptions),
    ViewOf(DateFormatOptions),
    ViewOf(CoordinateText),
    ViewOf(DirectionText),
    ViewOf(DegreeText),
    ViewOf(CoordinateUnitText),
    ViewOf(LongitudeText),
    ViewOf(LatitudeText),
    ViewOf(EastText),
    ViewOf(WestText),
    ViewOf(SouthText),
    ViewOf(NorthText),
    ViewOf(CountryNames),
    ViewOf(OtherText),
    ViewOf(MmsGroupText),
    ViewOf(MmsModeText),
    ViewOf(MmsStatusText),
    ViewOf(MmsModeOptions),
    ViewOf(MmsStatusOptions),
    ViewOf(MmsStatusShortOptions),
    ViewOf(PicturesPerDayText),
    ViewOf(UnlimitedNoteText),
    ViewOf(CountryText),
    ViewOf(OperatorText),
    ViewOf(SmsRemoteControlText),
    ViewOf(HourOffText),
    ViewOf(RemoteHourText),
    ViewOf(UrlText),
    ViewOf(GatewayText),
    ViewOf(PortText),
    ViewOf(PhoneNoText),
    ViewOf(PhoneScopeOptions),
    ViewOf(EmailText),
    ViewOf(AccountText),
    ViewOf(PasswordText),
    ViewOf(PhoneOrEmailText),
    ViewOf(SmtpModeText),
    ViewOf(SmtpModeOptions),
    ViewOf(GprsSettingText),
    ViewOf(SenderText),
    ViewOf(SmtpServerText),
    ViewOf(SmtpPortText),
    ViewOf(SenderEmailText),
    ViewOf(SenderPasswordText),
    ViewOf(RecipientsText),
    ViewOf(Email01Text),
    ViewOf(SmsGroupText),
    ViewOf(SmtpStatusText),
    ViewOf(SmtpStatusOptions),
    ViewOf(TestAccountText),
    ViewOf(PrepareCardsText),
    ViewOf(ProfileText),
    TableView { .name = "ChinaOperatorNamesZh",
        .width = ChinaOperatorNamesZh.size(),
        .firstLanguage = kChinese,
        .table = std::nullopt,
        .oneLanguageTexts = ChinaOperatorNamesZh },
};

} // namespace

std::span<const TableView> AllTables()
{
    return kTables;
}

const TableView* FindTable(std::string_view name)
{
    const auto* found
        = std::find_if(kTables.begin(), kTables.end(), [name](const TableView& table) { return table.name == name; });
    return found == kTables.end() ? nullptr : found;
}

} // namespace tamb
