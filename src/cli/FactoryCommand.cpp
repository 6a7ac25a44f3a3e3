#include "cli/CameraArguments.h"
#include "cli/CliCommand.h"
#include "common/ModelCatalogue.h"

namespace tamb {
namespace {

constexpr std::string_view kFactoryCommandName = "factory";

// Presses Default in the camera dialog of the model, with --out chosen as its folder: the same reset and the
// same record as the dialog, whether the family writes the fixed reset record or its reset controls.
int RunFactory(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const CameraEnvironment environment = CameraEnvironmentFromArguments(arguments);
    CameraSettingsModel model(CameraFamilyFor(environment.app.model), environment);
    (void)model.chooseFolder(*arguments.out);
    return ReportCameraWrite(kFactoryCommandName, "Wrote the factory settings to", arguments, model.restoreDefaults(),
        model.data().factoryText, out, err);
}

} // namespace

const CliCommand kFactoryCommand {
    kFactoryCommandName,
    "write the factory-settings menu.dat of a model",
    R"(Usage: tamb-setup-cli factory --model N --out DIR [--language L] [--chinese-requested]
                       [--tv-mode T] [--clock YYYY-MM-DDTHH:MM:SS]

Writes DIR/menu.dat as the Default button of the camera dialog of model N writes
it. The models of the generic dialog (1, 3, 5, 15, 16) get a complete record of
their default settings, with the language, TV mode and clock; every other model
gets the fixed record that resets the camera's menu. An existing menu.dat is
replaced only once the new file is complete.

Options:
  --model N             the model, 1..{last model} (its position in the model list)
  --out DIR             the folder to write into, normally the root of the SD card
  --language L          the interface language 1..{last language} (default: the stored one, else 2)
  --chinese-requested   Chinese chosen on a system that is not Chinese (language byte 1)
  --tv-mode T           the TV mode value, 0..65535 (default: the stored one, else 0)
  --clock TIME          the camera clock instead of the local time, years {first clock year}..{last clock year}
  --help                show this text
)",
    ArgumentRules {
        Option::Out | Option::Model | Option::Language | Option::ChineseRequested | Option::TvMode | Option::Clock,
        Option::Out | Option::Model, false, false },
    &RunFactory,
};

} // namespace tamb
