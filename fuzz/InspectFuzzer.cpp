// Feeds any file, under any name, as any kind and model, to the inspect command, in text and in JSON. Both
// reports must be UTF-8, the JSON must be valid, and the text report must have exactly one line for the file,
// one per problem and one per field: no text from the file may add or hide a line.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "JsonCheck.h"
#include "cli/CliCommand.h"
#include "common/Utf8Text.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>

using namespace tamb;
using namespace tamb::fuzz;

namespace {

constexpr std::array<const char*, 3> kKinds { "menu", "setup", "smtp" };

// A name the folder can hold: no separator, no NUL, not "." or "..".
std::string SafeFileName(std::string name)
{
    std::ranges::replace(name, '/', '_');
    std::ranges::replace(name, '\0', '_');
    if (name.empty() || name == "." || name == "..") {
        name = "menu.dat";
    }
    return name;
}

std::string RunInspect(ParsedArguments arguments, bool json)
{
    arguments.json = json;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = kInspectCommand.run(arguments, out, err);
    Check(exitCode == kExitSuccess || exitCode == kExitFailure, "inspect exits with 0 or 1");
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto folder = ScratchFolder("inspect");
    const auto input = DecodeInspectInput(AsText(data, size));
    const auto path = folder / SafeFileName(input.name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input.content;

    ParsedArguments arguments;
    arguments.files.push_back(path.string());
    if (input.kind < kKinds.size()) {
        arguments.kind = kKinds[input.kind];
    }
    if (input.model >= 1 && input.model <= kModelCount) {
        arguments.model = input.model;
    }
    const auto text = RunInspect(arguments, false);
    const auto json = RunInspect(arguments, true);
    std::filesystem::remove(path);

    Check(IsValidUtf8(text), "the text report is UTF-8");
    Check(IsValidUtf8(json), "the JSON report is UTF-8");
    Check(!json.empty() && json.back() == '\n' && std::ranges::count(json, '\n') == 1, "JSON is one line per file");
    JsonCheck reader { json };
    Check(reader.valid(), "the JSON report is valid JSON");
    const auto lines = static_cast<std::size_t>(std::ranges::count(text, '\n'));
    Check(lines == 1 + reader.problems() + reader.fields(), "one text line for the file, each problem and field");
    return 0;
}
