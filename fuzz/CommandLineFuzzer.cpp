// Parses any words by the rules of any command. Whatever it accepts lies within the ranges the commands rely on.
#include "FuzzCheck.h"
#include "FuzzCommands.h"
#include "FuzzInput.h"
#include "cli/CliCommand.h"

#include <set>

using namespace tamb;
using namespace tamb::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto& command = *kFuzzedCommands[data[0] % kFuzzedCommands.size()];
    const auto words = DecodeWords(AsText(data + 1, size - 1));
    ParsedArguments parsed;
    if (!ParseArguments(words, command.rules, parsed).ok() || parsed.help) {
        return 0;
    }
    Check(!parsed.model || (*parsed.model >= 1 && *parsed.model <= kModelCount), "a model is one of 1..kModelCount");
    Check(!parsed.language || (*parsed.language >= 1 && *parsed.language <= 15), "a language is one of 1..15");
    Check(!parsed.clock || (parsed.clock->year >= 2011 && parsed.clock->year <= 2031),
        "a clock year is one of 2011..2031");
    std::set<std::string> keys;
    for (const auto& [key, value] : parsed.assignments) {
        Check(command.rules.assignments, "KEY=VALUE only where the command takes it");
        Check(keys.insert(key).second, "each key at most once");
    }
    Check(parsed.files.empty() || command.rules.files, "files only where the command takes them");
    Check(!command.rules.files || !parsed.files.empty(), "a command that reads files has one");
    Check((command.rules.required & static_cast<unsigned>(Option::Out)) == 0 || parsed.out.has_value(),
        "a required --out is there");
    Check((command.rules.required & static_cast<unsigned>(Option::Model)) == 0 || parsed.model.has_value(),
        "a required --model is there");
    return 0;
}
