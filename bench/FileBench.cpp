// Prints the median time of building and writing the settings files. Run: tamb_bench [FOLDER]
// (the files are written into FOLDER, by default a fresh folder under the system's temporary folder).
#include "camera/CameraRecord.h"
#include "camera/MenuFile.h"
#include "cellular/SetupFile.h"
#include "common/Paths.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace tamb {
namespace {

using Clock = std::chrono::steady_clock;

// Keeps the compiler from dropping work whose result is otherwise unused.
volatile std::uint32_t g_sink = 0;

struct BenchCase
{
    std::string_view name;
    // Operations per timed sample: cheap operations are timed in batches so the clock's resolution does not count.
    int batch;
    int samples;
    std::function<void()> operation;
};

CameraSettings SampleSettings()
{
    CameraSettings settings;
    settings.cameraMode = 2;
    settings.imageSize = 1;
    settings.videoLength = VideoLengthField(10);
    settings.interval = IntervalField(30, 0);
    settings.clock = ClockReading { 2024, 2, 3, 7, 5, 9 };
    settings.serialNumber = { 10, 7, 0, 35 };
    settings.language = 2;
    settings.longitudeDegrees = 12;
    settings.latitudeDegrees = 47;
    return settings;
}

MmsSettings SampleMmsSettings()
{
    MmsSettings settings;
    settings.countryIndex = 3;
    settings.operatorIndex = 1;
    settings.url = "http://mmsc.mms.o2.co.uk:8002";
    settings.apn = "mobile.o2.co.uk";
    settings.gateway = "82.132.254.1";
    settings.port = "8080";
    settings.account = "o2web";
    settings.password = "password";
    settings.phone1 = "+447700900123";
    settings.email = "owner@example.com";
    settings.phoneScope = PhoneScope::International;
    settings.picturesPerDay = 37;
    return settings;
}

double MedianNanoseconds(const BenchCase& bench)
{
    std::vector<double> perOperation;
    perOperation.reserve(static_cast<std::size_t>(bench.samples));
    for (int sample = 0; sample < bench.samples; ++sample) {
        const auto start = Clock::now();
        for (int i = 0; i < bench.batch; ++i) {
            bench.operation();
        }
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        perOperation.push_back(elapsed.count() / bench.batch);
    }
    std::ranges::nth_element(perOperation, perOperation.begin() + static_cast<std::ptrdiff_t>(perOperation.size() / 2));
    return perOperation[perOperation.size() / 2];
}

std::string Readable(double nanoseconds)
{
    char text[32];
    if (nanoseconds >= 1e6) {
        std::snprintf(text, sizeof text, "%.3f ms", nanoseconds / 1e6);
    } else if (nanoseconds >= 1e3) {
        std::snprintf(text, sizeof text, "%.3f us", nanoseconds / 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.1f ns", nanoseconds);
    }
    return text;
}

} // namespace
} // namespace tamb

int main(int argc, char** argv)
{
    using namespace tamb;
    namespace fs = std::filesystem;
    const bool ownFolder = argc < 2;
    const fs::path folder
        = ownFolder ? fs::temp_directory_path() / ("tamb-bench-" + std::to_string(getpid())) : fs::path(argv[1]);
    std::error_code error;
    fs::create_directories(folder, error);
    const auto folderText = Utf8FromPath(folder);
    const auto settings = SampleSettings();
    const auto mmsSettings = SampleMmsSettings();
    const OemCodePage codePage { 850 };

    bool writeFailed = false;
    const std::array cases {
        BenchCase { "build one camera record", 1000, 201,
            [&] { g_sink = g_sink + BuildCameraRecord(CameraFamily::Q300, settings)[56]; } },
        BenchCase { "build and write menu.dat (temporary file, flush, rename)", 1, 101,
            [&] {
                if (!WriteMenuFile(folderText, BuildCameraRecord(CameraFamily::Q300, settings)).ok()) {
                    writeFailed = true;
                }
            } },
        BenchCase { "build and write setup.dat (through mms.dat, flush, rename)", 1, 101,
            [&] {
                if (!WriteSetupFile(folderText, mmsSettings, AppState {}, codePage).ok()) {
                    writeFailed = true;
                }
            } },
    };

    std::printf("%-60s %s\n", "operation", "median");
    for (const auto& bench : cases) {
        std::printf("%-60.*s %s\n", static_cast<int>(bench.name.size()), bench.name.data(),
            Readable(MedianNanoseconds(bench)).c_str());
    }
    if (ownFolder) {
        fs::remove_all(folder, error);
    }
    if (writeFailed) {
        std::fprintf(stderr, "tamb_bench: writing into %s failed; the write figure is not valid\n", folderText.c_str());
        return 1;
    }
    return 0;
}
