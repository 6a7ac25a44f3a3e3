#pragma once

#include "camera/CameraAssignments.h"
#include "camera/CameraSettingsModel.h"
#include "cellular/MmsSettingsModel.h"
#include "cellular/OemCodePage.h"
#include "common/Status.h"
#include "fleet/ProfileStore.h"
#include "smtp/SmtpSettingsModel.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// What the settings models of a camera of the sheet need from outside: the language and TV mode of the files
// (the model is the camera's own), the local time the clock is taken from when the files are written, and the
// code page of the cellular files.
struct FleetEnvironment
{
    AppState app;
    std::function<ClockReading()> localTime;
    OemCodePage codePage { 437 };
};

// The settings of one camera as its dialogs would hold them: the camera menu and, where the model has them, the
// MMS and SMTP settings. They start from the dialogs' start values, take a profile's files through the dialogs'
// load path and the camera's own settings through the dialogs' events, and are written as the dialogs' Generate
// writes them.
class CameraSetup
{
public:
    CameraSetup(ModelId model, const FleetEnvironment& environment);

    [[nodiscard]] ModelId model() const { return m_model; }
    [[nodiscard]] CameraSettingsModel& camera() { return *m_camera; }
    [[nodiscard]] const CameraSettingsModel& camera() const { return *m_camera; }
    // Nothing when the model has no such settings.
    [[nodiscard]] MmsSettingsModel* mms() { return m_mms.get(); }
    [[nodiscard]] SmtpSettingsModel* smtp() { return m_smtp.get(); }

    // Loads the files of `files` into the settings they belong to, and marks the MMS and SMTP settings of the
    // files present for writing; a file the model has no dialog for, or one its dialog could not have written,
    // fails with the reason.
    [[nodiscard]] Status load(const ProfileFiles& files);

    // Marks the model's MMS and SMTP settings for writing (as load does for the files of a profile).
    void writeCellularSettings();

    // Writes menu.dat and the MMS and SMTP settings marked for writing (setup.dat, smtp.dat) into `folder`, each
    // through its dialog's Generate (the clock is read now), and reads them back through the load checks. The
    // failure says which file and why; files written before it stay. `written` receives the paths written.
    [[nodiscard]] Status write(std::string_view folder, std::vector<std::string>& written);

private:
    ModelId m_model;
    std::unique_ptr<CameraSettingsModel> m_camera;
    std::unique_ptr<MmsSettingsModel> m_mms;
    std::unique_ptr<SmtpSettingsModel> m_smtp;
    bool m_writeMms = false;
    bool m_writeSmtp = false;
};

// The settings that make `serial` the camera's serial number and switch the serial number on.
[[nodiscard]] std::vector<CameraAssignment> SerialNumberAssignments(std::string_view serial);

// The Q300's coordinate settings for a position in decimal degrees (north and east positive), rounded to the
// nearest second. Latitude must lie within -90..90 and longitude within -180..180.
[[nodiscard]] std::vector<CameraAssignment> CoordinateAssignments(double latitude, double longitude);

// The delay between two triggers in seconds, from the interval and its unit.
[[nodiscard]] int IntervalSeconds(const CameraSettingsModel& camera);

} // namespace tamb
