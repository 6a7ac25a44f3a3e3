#include "smtp/SmtpFileLoad.h"

#include "smtp/SmtpAssignments.h"
#include "smtp/SmtpFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tamb {
namespace {

constexpr std::array kGprsParameters { "apn", "account", "password" };
constexpr std::array kAccountTexts { "smtpServer", "smtpPort", "senderEmail", "senderPassword", "smsPhone",
    "recipientEmail" };

// Makes the file's settings in `model`, a freshly opened dialog, as its user would: the mode first.
Status Apply(SmtpSettingsModel& model, const SettingsFileReport& report)
{
    const bool autoMode = ReportFieldText(report, "autoMode") == "1";
    std::vector<SmtpAssignment> keys;
    const auto add
        = [&](std::string_view name) { keys.emplace_back(std::string { name }, ReportFieldText(report, name)); };
    keys.emplace_back("mode", autoMode ? "auto" : "manual");
    if (autoMode) {
        add("country");
        add("operator");
    } else {
        for (const char* name : kGprsParameters)
            add(name);
    }
    add("remoteControlHour");
    if (model.data().family == SmtpFamily::Q400)
        add("smtpStatus");
    for (const char* name : kAccountTexts)
        add(name);
    add("picturesPerDay");
    return ApplySmtpAssignments(model, keys);
}

Status Checked(const SmtpSettingsModel& model, std::span<const std::uint8_t> bytes, SettingsFileReport& report)
{
    const SmtpEnvironment& environment = model.environment();
    report = InspectSmtpFile(bytes, environment.codePage);
    if (!report.valid())
        return Status::failure(report.problems.front());

    SmtpEnvironment scratchEnvironment = environment;
    scratchEnvironment.offerToLoad = false;
    SmtpSettingsModel scratch(model.data().family, scratchEnvironment);
    if (Status applied = Apply(scratch, report); !applied.ok())
        return Status::failure("the SMTP dialog of this model refuses it: " + applied.reason());
    DialogOutcome outcome;
    const std::optional<SmtpSettings> generated = scratch.checkedSettings(outcome);
    if (!generated)
        return Status::failure("Generate refuses it: " + outcome.messages.front().text(kEnglish));

    // Generate takes the language from the main window, not from the dialog.
    return HoldsRecords(bytes, BuildSmtpRecords(*generated, model.data().family, environment.app, environment.codePage),
        { static_cast<std::size_t>(SmtpHeaderByte::Language) });
}

} // namespace

Status CheckSmtpFile(const SmtpSettingsModel& model, std::span<const std::uint8_t> bytes)
{
    SettingsFileReport report;
    return Checked(model, bytes, report);
}

Status LoadSmtpFile(SmtpSettingsModel& model, std::span<const std::uint8_t> bytes)
{
    SettingsFileReport report;
    if (Status checked = Checked(model, bytes, report); !checked.ok())
        return checked;
    // The check made these settings in a fresh dialog; starting from the same state makes them again whole.
    model.startAfresh();
    return Apply(model, report);
}

} // namespace tamb
