#include "cli/CliCommand.h"
#include "cli/FleetSupport.h"
#include "common/AtomicFile.h"
#include "common/DriveEject.h"
#include "common/Paths.h"
#include "fleet/DeploymentsExport.h"
#include "fleet/SheetRecord.h"

#include <ctime>

namespace tamb {
namespace {

constexpr std::string_view kFleetCommandName = "fleet";

// The card's name as the record keeps it: the last part of the folder, which is the volume label where the
// system mounts cards under their labels (/media/USER/LABEL), or the drive ("E:") on Windows.
std::string CardName(std::string_view folder)
{
    std::filesystem::path path = PathFromUtf8(folder);
    while (path.has_relative_path() && !path.has_filename())
        path = path.parent_path();
    const std::string name = Utf8FromPath(path.filename());
    return name.empty() || name == "." ? Utf8FromPath(path.root_name()) : name;
}

int ReportFailure(std::string_view message, std::ostream& err)
{
    err << kProgramName << ' ' << kFleetCommandName << ": " << message << '\n';
    return kExitFailure;
}

int WriteCamera(const ParsedArguments& arguments, const CameraSheet& sheet, const FleetEnvironment& environment,
    const ProfileStore& store, std::ostream& out, std::ostream& err)
{
    const SheetCamera* camera = sheet.find(*arguments.camera);
    if (camera == nullptr)
        return ReportUsageError(kFleetCommandName, "the sheet lists no camera " + *arguments.camera, err);
    std::unique_ptr<CameraSetup> setup;
    if (const auto problem = PrepareCamera(*camera, LookupIn(store), environment, setup))
        return ReportFailure(DescribeProblem(*problem), err);
    std::vector<std::string> written;
    const Status wrote = setup->write(*arguments.out, written);
    for (const std::string& path : written)
        out << "Wrote " << path << '\n';
    if (!wrote.ok())
        return ReportFailure(wrote.reason(), err);
    const std::string when = IsoLocalTime(std::time(nullptr));
    const std::string card = CardName(*arguments.out);
    if (const Status recorded = RecordCardWritten(PathFromUtf8(*arguments.sheet), camera->serial, when, card);
        !recorded.ok())
        return ReportFailure("the files are written, but the sheet is not updated: " + recorded.reason(), err);
    out << "Recorded camera " << camera->serial << ": written " << when << ", card " << card << '\n';
    if (!arguments.eject)
        return kExitSuccess;
    std::error_code error;
    const std::filesystem::path drive = std::filesystem::absolute(PathFromUtf8(*arguments.out), error);
    if (const Status ejected = EjectDrive(Utf8FromPath(error ? PathFromUtf8(*arguments.out) : drive)); !ejected.ok())
        return ReportFailure("card " + card + " cannot be ejected: " + ejected.reason()
                + ". Close the programs that use it and try again, or eject it with the system.",
            err);
    out << "Card " << card << " can be taken out now.\n";
    return kExitSuccess;
}

int ExportDeployments(const ParsedArguments& arguments, const CameraSheet& sheet, const FleetEnvironment& environment,
    const ProfileStore& store, std::ostream& out, std::ostream& err)
{
    std::string csv;
    if (const Status made = DeploymentsCsv(sheet, LookupIn(store), environment, csv); !made.ok())
        return ReportFailure(made.reason(), err);
    const std::vector<std::uint8_t> bytes(csv.begin(), csv.end());
    if (const Status written = WriteFileAtomically(PathFromUtf8(*arguments.exportTo), bytes, FileAccess::Everyone);
        !written.ok())
        return ReportFailure(*arguments.exportTo + ": " + written.reason(), err);
    out << "Wrote " << sheet.cameras.size() << " deployments to " << *arguments.exportTo << '\n';
    return kExitSuccess;
}

int RunFleet(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const int actions = (arguments.check ? 1 : 0) + (arguments.camera ? 1 : 0) + (arguments.exportTo ? 1 : 0);
    if (actions != 1)
        return ReportUsageError(
            kFleetCommandName, "give one of --check, --camera SERIAL --out DIR, --export FILE", err);
    if (arguments.camera.has_value() != arguments.out.has_value())
        return ReportUsageError(kFleetCommandName, "--camera and --out go together", err);
    if (arguments.eject && !arguments.camera)
        return ReportUsageError(kFleetCommandName, "--eject goes with --camera SERIAL --out DIR", err);
    const FleetEnvironment environment = FleetEnvironmentFromArguments(arguments);
    const ProfileStore store = UserProfileStore();
    CameraSheet sheet;
    const auto problems = LoadCameraSheet(PathFromUtf8(*arguments.sheet), LookupIn(store), environment, sheet);
    if (!problems.empty()) {
        for (const SheetProblem& problem : problems)
            err << *arguments.sheet << ": " << DescribeProblem(problem) << '\n';
        err << kProgramName << ' ' << kFleetCommandName << ": the sheet is not sound (" << problems.size()
            << " problem(s)); nothing was written\n";
        return kExitFailure;
    }
    if (arguments.check) {
        out << *arguments.sheet << ": " << sheet.cameras.size() << " camera(s), every cell is good\n";
        return kExitSuccess;
    }
    if (arguments.camera)
        return WriteCamera(arguments, sheet, environment, store, out, err);
    return ExportDeployments(arguments, sheet, environment, store, out, err);
}

} // namespace

const CliCommand kFleetCommand {
    kFleetCommandName,
    "prepare the cards of many cameras from a sheet of cameras",
    R"(Usage: tamb-setup-cli fleet --sheet FILE --check
       tamb-setup-cli fleet --sheet FILE --camera SERIAL --out DIR [--clock TIME] [--eject]
       tamb-setup-cli fleet --sheet FILE --export FILE

The sheet is a CSV file (comma, semicolon or tab separated, as a spreadsheet saves
it) with a header row and one row per camera:
  camera      the serial number, four characters of 0-9 and A-Z (e.g. A07Z); it is
              written into the camera menu with the serial number switched on
  model       the model, 1..{last model} (its position in the model list)
  name        a name for the place or the camera (optional)
  profile     a stored profile of that model (see "profile --help"); empty for the
              start values of the model's dialogs
  latitude longitude   optional, decimal degrees (north and east positive); only
              for a Q300, whose menu keeps them as degrees, minutes and seconds
  written card         the record this command keeps (below)
  any camera key (interval, videoLength, ... see "camera --help") changes that
  setting where its cell is not empty; a column whose name begins with # is a note.

Every cell is checked first: each bad cell is reported with its row and column and
nothing is written until all are good (exit code 1).

--check                    checks the sheet
--camera SERIAL --out DIR  writes that camera's files (menu.dat and, where the model
                           has them and its profile holds them, setup.dat and
                           smtp.dat) into DIR, reads them back, then records in the
                           sheet's columns written (ISO 8601 with the offset) and
                           card (the last part of DIR) when the card was written;
                           the sheet is replaced whole, every other cell kept;
                           with --eject (Windows), the card's drive is then ejected
--export FILE              writes the cameras as a deployments table with the
                           column names of Camtrap DP: deploymentID, locationName,
                           latitude, longitude, deploymentStart, deploymentEnd,
                           cameraID, cameraModel, cameraDelay (seconds)

Options:
  --sheet FILE          the sheet of cameras
  --language L          the camera language 1..{last language} (default: the stored one, else 2)
  --chinese-requested   Chinese chosen on a system that is not Chinese (language byte 1)
  --tv-mode T           the TV mode value, 0..65535 (default: the stored one, else 0)
  --clock TIME          the camera clock instead of the local time, years {first clock year}..{last clock year}
  --help                show this text
)",
    ArgumentRules { Option::Sheet | Option::Camera | Option::Out | Option::Check | Option::Export | Option::Language
            | Option::ChineseRequested | Option::TvMode | Option::Clock | Option::Eject,
        static_cast<unsigned>(Option::Sheet), false, false },
    &RunFleet,
};

} // namespace tamb
