#pragma once

#include "i18n/CameraTexts.h"
#include "i18n/MmsTexts.h"
#include "i18n/SmtpTexts.h"
#include "smtp/SmtpDialogData.h"
#include "ui/DialogLayout.h"

#include <array>
#include <cstddef>

namespace tamb {

// The captions both SMTP dialogs put on the same identifiers; each layout adds the few that moved.
inline constexpr auto kSharedSmtpCaptions = std::to_array<CaptionSource>({
    { 1086, &SmtpModeText },
    { 1089, &PicturesPerDayText },
    { 1090, &UnlimitedNoteText },
    { 1091, &CountryText },
    { 1092, &OperatorText },
    { 1085, &RemoteHourText },
    { 1098, &AccountText },
    { 1099, &PasswordText },
    { 1104, &SenderText },
    { 1100, &SmtpServerText },
    { 1101, &SmtpPortText },
    { 1103, &SenderEmailText },
    { 1102, &SenderPasswordText },
    { 1105, &RecipientsText },
    { 1106, &Email01Text },
    { 1111, &SelectText },
    { 1112, &GenerateText },
    { kCancelId, &ExitText },
    { kSmtpTestButtonId, &TestAccountText },
});

// The shared captions followed by a layout's own.
template <std::size_t N>
[[nodiscard]] constexpr std::array<CaptionSource, kSharedSmtpCaptions.size() + N> WithSharedSmtpCaptions(
    const std::array<CaptionSource, N>& own)
{
    std::array<CaptionSource, kSharedSmtpCaptions.size() + N> all {};
    std::size_t next = 0;
    for (const CaptionSource& caption : kSharedSmtpCaptions)
        all[next++] = caption;
    for (const CaptionSource& caption : own)
        all[next++] = caption;
    return all;
}

} // namespace tamb
