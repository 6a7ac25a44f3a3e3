// Reads any text as a clock in any date format. Whatever it reads, the clock text made of the reading reads back
// to the same reading.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "camera/Clock.h"

using namespace tamb;
using namespace tamb::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const int dateFormat = static_cast<std::int8_t>(data[0]);
    const auto text = AsText(data + 1, size - 1);
    const ClockReading previous;
    const auto reading = ParseClock(dateFormat, text, previous);
    const auto shown = FormatClock(dateFormat, reading, "unchanged");
    if (dateFormat < 0 || dateFormat > 2) {
        Check(shown == "unchanged", "an unknown date format shows the text unchanged");
        return 0;
    }
    const ClockReading other { .year = 1, .month = 2, .day = 3, .hour = 4, .minute = 5, .second = 6 };
    Check(ParseClock(dateFormat, shown, other) == reading, "a shown clock reads back to the same reading");
    return 0;
}
