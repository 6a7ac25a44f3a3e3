#include "fleet/CameraSetup.h"

#include "camera/MenuFile.h"
#include "camera/MenuFileLoad.h"
#include "cellular/SetupFile.h"
#include "cellular/SetupFileLoad.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "model/SettingsModel.h"
#include "smtp/SmtpDialogData.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"

#include <cmath>

namespace tamb {
namespace {

constexpr std::size_t kLargestCardFile = 4096;

// The outcome of a Generate: success when its last message is the success text, else that message.
Status GenerateSucceeded(const DialogOutcome& outcome, std::initializer_list<MessageId> successes, LanguageId language)
{
    if (outcome.messages.empty())
        return Status::failure("nothing was written");
    const DialogMessage& last = outcome.messages.back();
    for (const MessageId success : successes) {
        if (last.id == success)
            return Status::success();
    }
    return Status::failure(last.text(language));
}

// Reads back the file just written and checks it with the load check of its dialog.
template <typename Model, typename Check> Status CheckReadBack(const std::string& path, const Model& model, Check check)
{
    const auto text = ReadSmallRegularFile(PathFromUtf8(path), kLargestCardFile);
    if (!text)
        return Status::failure(path + " cannot be read back");
    const std::vector<std::uint8_t> bytes(text->begin(), text->end());
    return check(model, bytes).prefixed(path + " does not read back as written: ");
}

std::string NumberText(int value)
{
    return std::to_string(value);
}

// Degrees, minutes and seconds of an angle's magnitude, rounded to the nearest second.
std::array<int, 3> Sexagesimal(double degrees)
{
    const auto seconds = static_cast<long>(std::lround(std::fabs(degrees) * 3600.0));
    return { static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60) };
}

} // namespace

CameraSetup::CameraSetup(ModelId model, const FleetEnvironment& environment)
    : m_model(model)
{
    AppState app = environment.app;
    app.model = model;
    CameraEnvironment camera;
    camera.app = app;
    camera.localTime = environment.localTime;
    camera.startFolder = ".";
    camera.folderLimit = DataExchange::kUnlimited;
    m_camera = std::make_unique<CameraSettingsModel>(CameraFamilyFor(model), std::move(camera));
    if (ButtonsFor(model).mms) {
        MmsEnvironment mms {
            .app = app,
            .startFolder = ".",
            .codePage = environment.codePage,
            .writeSetupFile = {},
            .folderLimit = DataExchange::kUnlimited,
        };
        m_mms = std::make_unique<MmsSettingsModel>(std::move(mms));
    }
    if (const auto family = SmtpFamilyFor(model)) {
        SmtpEnvironment smtp;
        smtp.app = app;
        smtp.startFolder = ".";
        smtp.codePage = environment.codePage;
        m_smtp = std::make_unique<SmtpSettingsModel>(*family, std::move(smtp));
    }
}

Status CameraSetup::load(const ProfileFiles& files)
{
    const std::string model = "model " + std::to_string(m_model);
    if (files.menu) {
        if (Status loaded = LoadMenuFile(*m_camera, *files.menu); !loaded.ok())
            return loaded.prefixed(std::string { kMenuFileName } + ": ");
    }
    if (files.setup) {
        if (!m_mms)
            return Status::failure(std::string { kSetupFileName } + ": " + model + " has no MMS settings");
        if (Status loaded = LoadSetupFile(*m_mms, *files.setup); !loaded.ok())
            return loaded.prefixed(std::string { kSetupFileName } + ": ");
        m_writeMms = true;
    }
    if (files.smtp) {
        if (!m_smtp)
            return Status::failure(std::string { kSmtpFileName } + ": " + model + " has no SMTP settings");
        if (Status loaded = LoadSmtpFile(*m_smtp, *files.smtp); !loaded.ok())
            return loaded.prefixed(std::string { kSmtpFileName } + ": ");
        m_writeSmtp = true;
    }
    return Status::success();
}

void CameraSetup::writeCellularSettings()
{
    m_writeMms = m_mms != nullptr;
    m_writeSmtp = m_smtp != nullptr;
}

Status CameraSetup::write(std::string_view folder, std::vector<std::string>& written)
{
    const LanguageId language = m_camera->app().language;
    (void)m_camera->chooseFolder(std::string { folder });
    // The clock is read afresh, as Get Time would, so that every card carries the time it was written.
    (void)m_camera->getTime();
    const std::string menuPath = FileInFolder(folder, kMenuFileName);
    if (Status done = GenerateSucceeded(
            m_camera->generate(), { MessageId::MenuFileGenerated, MessageId::Q400MenuFileGenerated }, language);
        !done.ok())
        return done.prefixed(menuPath + ": ");
    if (Status checked = CheckReadBack(menuPath, *m_camera, &CheckMenuFile); !checked.ok())
        return checked;
    written.push_back(menuPath);
    if (m_writeMms) {
        const std::string path = FileInFolder(folder, kSetupFileName);
        (void)m_mms->folderChosen(std::string { folder });
        if (Status done
            = GenerateSucceeded(m_mms->clicked(kGenerateButtonId), { MessageId::MmsFileGenerated }, language);
            !done.ok())
            return done.prefixed(path + ": ");
        if (Status checked = CheckReadBack(path, *m_mms, &CheckSetupFile); !checked.ok())
            return checked;
        written.push_back(path);
    }
    if (m_writeSmtp) {
        const std::string path = FileInFolder(folder, kSmtpFileName);
        (void)m_smtp->folderChosen(std::string { folder });
        if (Status done = GenerateSucceeded(m_smtp->generate(), { MessageId::SmtpFileGenerated }, language); !done.ok())
            return done.prefixed(path + ": ");
        if (Status checked = CheckReadBack(path, *m_smtp, &CheckSmtpFile); !checked.ok())
            return checked;
        written.push_back(path);
    }
    return Status::success();
}

std::vector<CameraAssignment> SerialNumberAssignments(std::string_view serial)
{
    // The serial number list offers Off, On.
    return { { "serialNumberEnabled", "1" }, { "serialNumber", std::string { serial } } };
}

std::vector<CameraAssignment> CoordinateAssignments(double latitude, double longitude)
{
    const auto lat = Sexagesimal(latitude);
    const auto lon = Sexagesimal(longitude);
    // Longitude: 0 East, 1 West; latitude: 0 South, 1 North. Degrees go first, so that minutes and seconds are
    // judged against the degrees they belong to.
    return {
        { "longitudeDirection", longitude < 0 ? "1" : "0" },
        { "longitudeDegrees", NumberText(lon[0]) },
        { "longitudeMinutes", NumberText(lon[1]) },
        { "longitudeSeconds", NumberText(lon[2]) },
        { "latitudeDirection", latitude < 0 ? "0" : "1" },
        { "latitudeDegrees", NumberText(lat[0]) },
        { "latitudeMinutes", NumberText(lat[1]) },
        { "latitudeSeconds", NumberText(lat[2]) },
    };
}

int IntervalSeconds(const CameraSettingsModel& camera)
{
    const int value = camera.value(CameraNumber::Interval);
    // The unit list offers Second, Minute.
    return camera.selection(CameraList::IntervalUnit) == 0 ? value : value * 60;
}

} // namespace tamb
