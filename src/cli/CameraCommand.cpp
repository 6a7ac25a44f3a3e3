#include "camera/CameraAssignments.h"
#include "camera/MenuFileLoad.h"
#include "cli/CameraArguments.h"
#include "cli/CliCommand.h"
#include "common/ModelCatalogue.h"

namespace tamb {
namespace {

constexpr std::string_view kCameraCommandName = "camera";

// Runs the camera dialog of the model without a window: the settings are made through the same model the
// dialog uses, the folder is chosen last (as with the dialog's Select button) and Generate writes the file.
int RunCamera(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const CameraEnvironment environment = CameraEnvironmentFromArguments(arguments);
    CameraSettingsModel model(CameraFamilyFor(environment.app.model), environment);
    if (const auto refused = StartFrom(arguments, model, &LoadMenuFile, kCameraCommandName, err))
        return *refused;
    if (const Status applied = ApplyCameraAssignments(model, arguments.assignments); !applied.ok())
        return ReportUsageError(kCameraCommandName, applied.reason(), err);
    (void)model.chooseFolder(*arguments.out);
    return ReportCameraWrite(
        kCameraCommandName, "Wrote", arguments, model.generate(), model.data().generatedText, out, err);
}

// With --model N, the keys of that model's dialog with their allowed values and start values.
void PrintModelKeys(const ParsedArguments& arguments, std::ostream& out)
{
    if (!arguments.model)
        return;
    const CameraEnvironment environment = CameraEnvironmentFromArguments(arguments);
    PrintCameraKeys(CameraSettingsModel(CameraFamilyFor(*arguments.model), environment), out);
}

} // namespace

const CliCommand kCameraCommand {
    kCameraCommandName,
    "write the camera menu (menu.dat) of a model",
    R"(Usage: tamb-setup-cli camera --model N --out DIR [--language L] [--chinese-requested]
                      [--tv-mode T] [--clock YYYY-MM-DDTHH:MM:SS] [--from FILE]
                      [KEY=VALUE ...]

Writes DIR/menu.dat as the camera dialog of model N writes it on Generate, starting
from the dialog's own start values for that model, or with --from from the settings
of an existing menu.dat of that model's camera (the clock is taken afresh). Each
KEY=VALUE makes one setting of that dialog; an existing menu.dat is replaced only
once the new file is complete.

Keys are the record's field names; the dialog of each model offers its own subset,
which "camera --model N --help" lists with the allowed values and start values:
  cameraMode imageSize videoSize pictureCount timeStamp senseLevel sidePir sdCycle
  beepSound timer1Enabled timer2Enabled serialNumberEnabled timeLapseEnabled
  dateFormat wirelessPasswordEnabled longitudeDirection latitudeDirection
  intervalUnit        list fields take the index of the option (0 is the first)
  videoLength         seconds, 1..60
  interval            0..60 (0 only with intervalUnit=0, Second)
  timeLapseHour timeLapseMinute timeLapseSecond
  timer1StartHour timer1StartMinute timer1StopHour timer1StopMinute
  timer2StartHour timer2StartMinute timer2StopHour timer2StopMinute
  longitudeDegrees (0..{longitude degrees}) latitudeDegrees (0..{latitude degrees}) and their Minutes, Seconds (0..59)
  serialNumber        four characters from 0-9 and A-Z, e.g. A70Z
  wirelessPassword    up to four digits
A key the model's dialog does not show, or a value it would not keep, is refused
(exit code 2) and nothing is written.

Options:
  --model N             the model, 1..{last model} (its position in the model list)
  --out DIR             the folder to write into
  --language L          the interface language 1..{last language} (default: the stored one, else 2)
  --chinese-requested   Chinese chosen on a system that is not Chinese (language byte 1)
  --tv-mode T           the TV mode value, 0..65535 (default: the stored one, else 0)
  --clock TIME          the camera clock instead of the local time, years {first clock year}..{last clock year}
  --from FILE           start from the settings of FILE, a menu.dat this model's
                        dialog could have written (else exit code 2 with the reason)
  --help                show this text
)",
    ArgumentRules { Option::Out | Option::Model | Option::Language | Option::ChineseRequested | Option::TvMode
            | Option::Clock | Option::From,
        Option::Out | Option::Model, true, false },
    &RunCamera,
    &PrintModelKeys,
};

} // namespace tamb
