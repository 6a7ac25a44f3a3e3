#pragma once

#include "common/AppState.h"
#include "smtp/SmtpSettings.h"

#include <cstddef>
#include <optional>

namespace tamb {

// Template identifiers that both SMTP dialogs give the same control.
inline constexpr int kSmtpModeListId = 1087;
inline constexpr int kSmtpCountryListId = 1088;
inline constexpr int kSmtpOperatorListId = 1093;
inline constexpr int kSmtpPicturesEditId = 1002;
inline constexpr int kSmtpApnEditId = 1003;
inline constexpr int kSmtpAccountEditId = 1004;
inline constexpr int kSmtpPasswordEditId = 1005;
inline constexpr int kSmtpServerEditId = 1006;
inline constexpr int kSmtpPortEditId = 1007;
inline constexpr int kSmtpSenderPasswordEditId = 1008;
inline constexpr int kSmtpSenderEmailEditId = 1009;
inline constexpr int kSmtpRecipientEmailEditId = 1012;
inline constexpr int kSmtpFolderEditId = 1017;
// The line under the buttons that says where the chosen operator's parameters come from (Auto mode only).
inline constexpr int kSmtpParameterSourceId = 1190;
inline constexpr int kSmtpSelectFolderButtonId = 1111;
inline constexpr int kSmtpGenerateButtonId = 1112;
inline constexpr int kSmtpTestButtonId = 1150;

// Positions of the mode list.
enum class SmtpMode
{
    Auto = 0,
    Manual = 1,
};

// Positions of the Q400 family's SMTP Status list; the position is what the file stores.
enum class SmtpStatus
{
    Off = 0,
    Vga = 1,
    Sms = 2,
};

// Where the two SMTP dialogs differ: the header layout they write, the identifiers that moved, the longer
// e-mail addresses and the SMTP Status list of the Q400 family, and its stricter phone check.
struct SmtpDialogData
{
    SmtpFamily family;
    int smsPhoneEditId;
    int hourListId;
    int statusListId; // kNoControl when the family has no SMTP Status list
    std::size_t emailLimit; // sender and recipient address
    bool phoneCheckedWithoutHour; // a phone of 1 to 4 characters fails even with the hour at Off
    bool hourListSyncsOnClose; // the hour list syncs the edits when its opened list closes without a choice
};

[[nodiscard]] const SmtpDialogData& SmtpDialogDataOf(SmtpFamily family);

// The SMTP family of a model's SMTP Setup button, or nothing when the model has none.
[[nodiscard]] std::optional<SmtpFamily> SmtpFamilyFor(ModelId model);

} // namespace tamb
