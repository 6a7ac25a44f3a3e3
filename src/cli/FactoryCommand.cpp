#include "camera/MenuFile.h"
#include "cli/CliCommand.h"
#include "common/Paths.h"

namespace tamb {
namespace {

int runFactory(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const auto& folder = *arguments.out;
    const auto written = WriteMenuFile(folder, FactoryResetRecord());
    if (!written.ok()) {
        err << kProgramName << " factory: " << written.reason() << '\n';
        return kExitFailure;
    }
    out << "Wrote the factory settings to " << FileInFolder(folder, kMenuFileName) << '\n';
    return kExitSuccess;
}

} // namespace

const CliCommand kFactoryCommand {
    "factory",
    "write the factory-settings menu.dat",
    R"(Usage: tamb-setup-cli factory --out DIR

Writes DIR/menu.dat holding the fixed factory-settings record, which a camera of
any model takes to reset its menu. An existing menu.dat is replaced only once the
new file is complete.

Options:
  --out DIR   the folder to write into, normally the root of the camera's SD card
  --help      show this text
)",
    ArgumentRules { static_cast<unsigned>(Option::Out), static_cast<unsigned>(Option::Out) },
    &runFactory,
};

} // namespace tamb
