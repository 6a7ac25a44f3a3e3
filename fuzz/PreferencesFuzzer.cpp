// Reads any text as a preferences file. Reading what was written gives the same text and the same values, and
// setting one value changes that value alone.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "startup/PreferenceLines.h"

#include <array>
#include <optional>
#include <string>

using namespace tamb;
using namespace tamb::fuzz;

namespace {

constexpr std::array<std::string_view, 4> kNames { "language", "model", "TvMode", "Company" };

std::array<std::optional<std::string>, kNames.size()> values(const PreferenceLines& lines)
{
    std::array<std::optional<std::string>, kNames.size()> result;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        result[i] = lines.value(kNames[i]);
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PreferenceLines read { AsText(data, size) };
    const PreferenceLines again { read.text() };
    Check(again.text() == read.text(), "a written file reads back to the same text");
    const auto before = values(read);
    Check(values(again) == before, "a written file reads back to the same values");

    for (const auto& value : before) {
        if (value) {
            static_cast<void>(PreferenceNumber(*value));
        }
    }
    for (std::size_t changed = 0; changed < kNames.size(); ++changed) {
        PreferenceLines lines = read;
        lines.set(kNames[changed], "4711");
        const auto after = values(PreferenceLines { lines.text() });
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            Check(i == changed ? after[i] == "4711" : after[i] == before[i], "a set changes its own value alone");
        }
        Check(PreferenceNumber(*after[changed]) == 4711u, "a stored number reads back");
    }
    return 0;
}
