#include "cellular/SetupFileLoad.h"

#include "cellular/MmsAssignments.h"
#include "cellular/SetupFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tamb {
namespace {

constexpr std::array kOperatorParameters { "url", "apn", "gateway", "port", "account", "password" };
constexpr std::array kRecipients { "phone1", "email", "phone2", "phone3" };

// The file's settings as the keys a user of the dialog gives, the mode apart.
std::vector<MmsAssignment> FileAssignments(const SettingsFileReport& report, bool autoMode)
{
    std::vector<MmsAssignment> keys;
    const auto add
        = [&](std::string_view name) { keys.emplace_back(std::string { name }, ReportFieldText(report, name)); };
    keys.emplace_back("mmsStatus", ReportFieldText(report, "mmsStatusIndex"));
    if (autoMode) {
        add("country");
        add("operator");
    } else {
        for (const char* name : kOperatorParameters)
            add(name);
    }
    add("remoteControlHour");
    add("phoneScope");
    if (!autoMode)
        add("linkType");
    for (const char* name : kRecipients)
        add(name);
    add("picturesPerDay");
    return keys;
}

bool IsAutoMode(const SettingsFileReport& report)
{
    return ReportFieldText(report, "autoMode") == "1";
}

// Makes the file's settings in `model`: the mode first, picked even when the list shows it already, so that
// every text and lock starts as a fresh choice of that mode would leave it.
std::optional<MmsRefusal> Apply(MmsSettingsModel& model, const SettingsFileReport& report)
{
    const bool autoMode = IsAutoMode(report);
    (void)model.selectionChanged(mms::kModeList, static_cast<int>(autoMode ? MmsMode::Auto : MmsMode::Manual));
    return ApplyMmsAssignments(model, FileAssignments(report, autoMode), model.app().language);
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
        { static_cast<std::size_t>(MmsHeaderByte::language), static_cast<std::size_t>(MmsHeaderByte::tvMode) });
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
    if (const auto refused = Apply(model, report))
        return Status::failure(refused->reason);
    return Status::success();
}

} // namespace tamb
