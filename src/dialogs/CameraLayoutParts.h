#pragma once

#include "camera/CameraFamilyData.h"
#include "common/Paths.h"
#include "i18n/CameraTexts.h"
#include "ui/DialogLayout.h"

#include <array>
#include <cstddef>

// Pieces that the camera dialog layouts share.
namespace tamb::camera_layout {

inline constexpr ControlStyle kNumberEdit = ControlStyle::DigitsOnly | ControlStyle::Centred;
inline constexpr int kListHeight = 60;

// A drop-down list at x, y, `width` wide, opening `height` units down.
[[nodiscard]] constexpr DialogRect List(int x, int y, int width, int height = kListHeight)
{
    return DialogRect { x, y, width, height };
}

// The folder edit at `rect`: typing stops at the length the folder text may have, which a sync checks as well.
[[nodiscard]] constexpr ControlTemplate FolderEdit(DialogRect rect)
{
    return Edit(kFolderEditId, rect, ControlStyle::None, static_cast<int>(kFolderTextLimit));
}

// The captions every camera dialog gives the same controls.
inline constexpr auto kSharedCaptions = std::to_array<CaptionSource>({
    { 1004, &ModeText },
    { 1005, &ImageSizeText },
    { 1006, &VideoSizeText },
    { 1007, &PictureNoText },
    { 1011, &TimeStampText },
    { 1010, &SensorLevelText },
    { 1008, &VideoLengthText },
    { 1144, &SecondText },
    { 1128, &SecondText },
    { 1009, &IntervalText },
    { 1018, &SetClockText },
    { 1059, &StartText },
    { 1061, &StartText },
    { 1060, &StopText },
    { 1063, &StopText },
    { 1118, &HourText },
    { 1119, &HourText },
    { 1120, &HourText },
    { 1121, &HourText },
    { 1126, &HourText },
    { 1122, &MinuteText },
    { 1123, &MinuteText },
    { 1124, &MinuteText },
    { 1125, &MinuteText },
    { 1127, &MinuteText },
    { 1021, &SerialNoText },
    { 1020, &TimeLapseText },
    { 1043, &DateFormatText },
    { 1031, &GetTimeText },
    { 1057, &SelectText },
    { kOkId, &GenerateText },
    { 1062, &DefaultText },
    { kCancelId, &ExitText },
});

// The shared captions followed by a family's own.
template <std::size_t N> constexpr auto WithSharedCaptions(const std::array<CaptionSource, N>& own)
{
    std::array<CaptionSource, kSharedCaptions.size() + N> captions {};
    for (std::size_t i = 0; i < kSharedCaptions.size(); ++i)
        captions[i] = kSharedCaptions[i];
    for (std::size_t i = 0; i < N; ++i)
        captions[kSharedCaptions.size() + i] = own[i];
    return captions;
}

} // namespace tamb::camera_layout
