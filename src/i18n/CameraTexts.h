#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions shared by the camera-settings dialogs; SelectText, GenerateText and ExitText also serve the
// MMS and SMTP dialogs.

inline constexpr auto ModeText = DeclareLocalisedTable<1>("ModeText");
inline constexpr auto ImageSizeText = DeclareLocalisedTable<1>("ImageSizeText");
inline constexpr auto VideoSizeText = DeclareLocalisedTable<1>("VideoSizeText");
inline constexpr auto PictureNoText = DeclareLocalisedTable<1>("PictureNoText");
inline constexpr auto TimeStampText = DeclareLocalisedTable<1>("TimeStampText");

// The Russian entry ends in a blank that belongs to it.
inline constexpr auto SensorLevelText = DeclareLocalisedTable<1>("SensorLevelText");
inline constexpr auto VideoLengthText = DeclareLocalisedTable<1>("VideoLengthText");
inline constexpr auto IntervalText = DeclareLocalisedTable<1>("IntervalText");
inline constexpr auto SetClockText = DeclareLocalisedTable<1>("SetClockText");
inline constexpr auto TimerText = DeclareLocalisedTable<1>("TimerText");
inline constexpr auto Timer2Text = DeclareLocalisedTable<1>("Timer2Text");
inline constexpr auto SerialNoText = DeclareLocalisedTable<1>("SerialNoText");
inline constexpr auto TimeLapseText = DeclareLocalisedTable<1>("TimeLapseText");
inline constexpr auto StartText = DeclareLocalisedTable<1>("StartText");
inline constexpr auto StopText = DeclareLocalisedTable<1>("StopText");
inline constexpr auto HourText = DeclareLocalisedTable<1>("HourText");
inline constexpr auto MinuteText = DeclareLocalisedTable<1>("MinuteText");
inline constexpr auto SecondText = DeclareLocalisedTable<1>("SecondText");
inline constexpr auto DateFormatText = DeclareLocalisedTable<1>("DateFormatText");
inline constexpr auto GetTimeText = DeclareLocalisedTable<1>("GetTimeText");
inline constexpr auto DefaultText = DeclareLocalisedTable<1>("DefaultText");
inline constexpr auto SelectText = DeclareLocalisedTable<1>("SelectText");
inline constexpr auto GenerateText = DeclareLocalisedTable<1>("GenerateText");
inline constexpr auto ExitText = DeclareLocalisedTable<1>("ExitText");

// A button whose work runs in the background reads this until the work ends; pressing it cancels the work.
inline constexpr auto CancelText = DeclareLocalisedTable<1>("CancelText");
inline constexpr auto WirelessPwdText = DeclareLocalisedTable<1>("WirelessPwdText");
inline constexpr auto Timer1Text = DeclareLocalisedTable<1>("Timer1Text");
inline constexpr auto BeepSoundText = DeclareLocalisedTable<1>("BeepSoundText");

// Caption indexed directly by LanguageId; element 0 holds the English text.
inline constexpr LanguageIndexedText SdCycleText { DeclareLocalisedTable<1>("SdCycleText") };

// Caption indexed directly by LanguageId; element 0 holds the English text.
inline constexpr LanguageIndexedText SidePirText { DeclareLocalisedTable<1>("SidePirText") };

} // namespace tamb
