#include "cellular/SetupFileLoad.h"

#include "cellular/MmsAssignments.h"
#include "cellular/SetupFile.h"
#include "common/Utf8Text.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tamb {
namespace {

constexpr std::array kOperatorParameters { "url", "apn", "gateway", "port", "account", "password" };

// A recipient needs more than this many characters to unlock the next one.
constexpr std::size_t kShortRecipient = 4;
// Typed into the e-mail edit for a moment to unlock the second recipient, where the file's own e-mail does not.
constexpr std::string_view kUnlockingAddress = "@@@@@";

bool IsAutoMode(const SettingsFileReport& report)
{
    return ReportFieldText(report, "autoMode") == "1";
}

// The steps a user of the dialog takes to make the file's settings, each applied on its own so that their order
// holds: the lists and typed parameters first; then the recipients, the one that unlocks the second recipient
// typed last before it; the MMS Status last, since an SMS choice locks edits whose texts the file still carries
// (they were typed before).
std::vector<MmsAssignment> FileSteps(const MmsSettingsModel& model, const SettingsFileReport& report)
{
    const bool autoMode = IsAutoMode(report);
    std::vector<MmsAssignment> steps;
    const auto add
        = [&](std::string_view name) { steps.emplace_back(std::string { name }, ReportFieldText(report, name)); };
    steps.emplace_back("mode", autoMode ? "auto" : "manual");
    if (autoMode) {
        add("country");
        add("operator");
    } else {
        add("linkType");
        for (const char* name : kOperatorParameters)
            add(name);
    }
    add("remoteControlHour");
    add("phoneScope");
    add("picturesPerDay");

    const std::string phone1 = ReportFieldText(report, "phone1");
    const std::string email = ReportFieldText(report, "email");
    const bool phone1Unlocks = Utf16Length(phone1) > kShortRecipient;
    const bool emailUnlocks = Utf16Length(email) > kShortRecipient
        && (email.find('@') != std::string::npos || model.rules().recipients == MmsRecipients::PhoneOrEmail);
    const bool furtherRecipients = !ReportFieldText(report, "phone2").empty();
    if (!furtherRecipients || !phone1Unlocks) {
        add("phone1");
        if (furtherRecipients && !emailUnlocks && Utf16Length(email) > kShortRecipient) {
            // An e-mail of more than 4 characters without "@" leaves the lock as it was: it was typed after an
            // address that unlocked the second recipient.
            steps.emplace_back("email", kUnlockingAddress);
            add("phone2");
            add("phone3");
        }
        add("email");
    } else {
        add("email");
        add("phone1");
    }
    add("phone2");
    add("phone3");
    steps.emplace_back("mmsStatus", ReportFieldText(report, "mmsStatusIndex"));
    return steps;
}

// Makes the file's settings in `model`, a freshly opened dialog, as its user would.
std::optional<MmsRefusal> Apply(MmsSettingsModel& model, const SettingsFileReport& report)
{
    for (const MmsAssignment& step : FileSteps(model, report)) {
        if (auto refused = ApplyMmsAssignments(model, std::span { &step, 1 }, model.app().language))
            return refused;
    }
    return std::nullopt;
}

Status Checked(const MmsSettingsModel& model, std::span<const std::uint8_t> bytes, SettingsFileReport& report)
{
    const MmsEnvironment& environment = model.environment();
    report = InspectSetupFile(bytes, environment.codePage);
    if (!report.valid())
        return Status::failure(report.problems.front());

    MmsEnvironment scratchEnvironment = environment;
    scratchEnvironment.offerToLoad = false;
    MmsSettingsModel scratch(scratchEnvironment);
    if (const auto refused = Apply(scratch, report))
        return Status::failure("the MMS dialog of this model refuses it: " + refused->reason);
    DialogOutcome outcome;
    const std::optional<MmsSettings> generated = scratch.checkedSettings(outcome);
    if (!generated)
        return Status::failure("Generate refuses it: " + outcome.messages.front().text(kEnglish));

    // Generate takes the language and the TV-out mode from the main window, not from the dialog.
    return HoldsRecords(bytes, BuildSetupRecords(*generated, environment.app, environment.codePage),
        { static_cast<std::size_t>(MmsHeaderByte::Language), static_cast<std::size_t>(MmsHeaderByte::TvMode) });
}

} // namespace

Status CheckSetupFile(const MmsSettingsModel& model, std::span<const std::uint8_t> bytes)
{
    SettingsFileReport report;
    return Checked(model, bytes, report);
}

Status LoadSetupFile(MmsSettingsModel& model, std::span<const std::uint8_t> bytes)
{
    SettingsFileReport report;
    if (Status checked = Checked(model, bytes, report); !checked.ok())
        return checked;
    // The check made these settings in a fresh dialog; starting from the same state makes them again whole,
    // whatever the user changed before answering.
    model.startAfresh();
    if (const auto refused = Apply(model, report))
        return Status::failure(refused->reason);
    return Status::success();
}

} // namespace tamb
