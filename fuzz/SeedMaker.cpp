// Makes the seed corpora of the harnesses with the program's own code: the files it writes, the preferences
// file its start-up writes, the clock texts it shows and the command lines of its help texts.
// Usage: tamb-fuzz-seeds FOLDER (one subfolder per harness).
#include "FuzzCommands.h"
#include "FuzzInput.h"
#include "camera/CameraRecord.h"
#include "cellular/ScrambledSettingsFile.h"
#include "cellular/SetupFile.h"
#include "common/ModelCatalogue.h"
#include "smtp/SmtpFile.h"
#include "startup/FilePreferenceStore.h"
#include "startup/Startup.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

using namespace tamb;
using namespace tamb::fuzz;
namespace fs = std::filesystem;

namespace {

class SeedFolder
{
public:
    SeedFolder(const fs::path& root, const std::string& harness)
        : m_folder(root / harness)
    {
        fs::create_directories(m_folder);
    }

    void add(const std::string& bytes)
    {
        std::ofstream(m_folder / ("seed-" + std::to_string(m_count++)), std::ios::binary) << bytes;
    }

private:
    fs::path m_folder;
    int m_count = 0;
};

std::string TextOfBytes(std::span<const std::uint8_t> bytes)
{
    return { bytes.begin(), bytes.end() };
}

void MakeInspectSeeds(SeedFolder seeds)
{
    CameraSettings settings;
    settings.sidePir = 1;
    settings.interval = IntervalField(30, 0);
    settings.serialNumber = { 10, 7, 0, 35 };
    for (ModelId model = 1; model <= kModelCount; ++model) {
        const auto record = TextOfBytes(BuildCameraRecord(CameraFamilyFor(model), settings));
        seeds.add(EncodeInspectInput(
            { .kind = 0, .model = static_cast<std::uint8_t>(model), .name = "menu.dat", .content = record }));
    }
    seeds.add(EncodeInspectInput({ .name = "menu.dat", .content = TextOfBytes(FactoryResetRecord()) }));
    seeds.add(EncodeInspectInput({ .kind = 0, .name = "card-\xFF.dat", .content = TextOfBytes(FactoryResetRecord()) }));

    const OemCodePage page { 437 };
    MmsSettings mms;
    mms.url = "http://mmsc.example.net";
    mms.apn = "internet";
    mms.phone1 = "0123456789";
    mms.email = "owner@example.com";
    mms.password = "secret";
    mms.phoneScope = PhoneScope::International;
    const auto setup = BuildScrambledSettingsBytes(BuildSetupRecords(mms, AppState {}, page), 18);
    seeds.add(EncodeInspectInput({ .kind = 1, .name = "setup.dat", .content = TextOfBytes(setup) }));
    seeds.add(EncodeInspectInput({ .name = "setup.dat", .content = TextOfBytes(setup) }));

    SmtpSettings smtp;
    smtp.apn = "internet";
    smtp.smtpServer = "smtp.example.org";
    smtp.smtpPort = "25";
    smtp.senderEmail = "camera@example.org";
    smtp.recipientEmail = "owner@example.org";
    for (const auto family : { SmtpFamily::Q200, SmtpFamily::Q400 }) {
        const auto bytes = BuildScrambledSettingsBytes(BuildSmtpRecords(smtp, family, AppState {}, page), 15);
        seeds.add(EncodeInspectInput({ .kind = 2, .name = "smtp.dat", .content = TextOfBytes(bytes) }));
    }
}

void MakePreferenceSeeds(SeedFolder seeds, const fs::path& scratch)
{
    fs::create_directories(scratch);
    const auto path = scratch / "preferences";
    for (const auto system : { kSystemLanguageChinesePrc, kSystemLanguageGermanLiechtenstein }) {
        fs::remove(path);
        FilePreferenceStore store { path.string(), system };
        static_cast<void>(RunStartup(store, system));
        static_cast<void>(store.WriteModel(13));
        std::ifstream in(path, std::ios::binary);
        seeds.add({ std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() });
    }
    fs::remove_all(scratch);
}

void MakeClockSeeds(SeedFolder seeds)
{
    const ClockReading reading { .year = 2024, .month = 2, .day = 29, .hour = 23, .minute = 59, .second = 58 };
    for (int dateFormat = 0; dateFormat <= 2; ++dateFormat) {
        seeds.add(std::string(1, static_cast<char>(dateFormat)) + FormatClock(dateFormat, reading));
        seeds.add(std::string(1, static_cast<char>(dateFormat)) + FormatClock(dateFormat, ReadLocalClock()));
    }
}

// The lines of a help text that start with the program's name, split into words (the command's name dropped).
void MakeCommandLineSeeds(SeedFolder seeds)
{
    for (std::size_t index = 0; index < kFuzzedCommands.size(); ++index) {
        const auto& command = *kFuzzedCommands[index];
        std::istringstream usage { std::string { command.usage } };
        for (std::string line; std::getline(usage, line);) {
            const auto start = line.find(kProgramName);
            if (start == std::string::npos) {
                continue;
            }
            std::istringstream words { line.substr(start) };
            std::vector<std::string> split { std::istream_iterator<std::string>(words), {} };
            if (split.size() >= 2) {
                split.erase(split.begin(), split.begin() + 2);
                seeds.add(EncodeWords(static_cast<std::uint8_t>(index), split));
            }
        }
        seeds.add(EncodeWords(static_cast<std::uint8_t>(index), { "--help" }));
    }
    seeds.add(EncodeWords(0, { "--model", "1", "--out", "/media/card", "interval=30", "serialNumber=A70Z" }));
    seeds.add(EncodeWords(4, { "--model", "3", "--out", "/media/card", "country=0", "operator=1" }));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: tamb-fuzz-seeds FOLDER\n";
        return 2;
    }
    const fs::path root { argv[1] };
    fs::create_directories(root);
    MakeInspectSeeds(SeedFolder { root, "inspect" });
    MakePreferenceSeeds(SeedFolder { root, "preferences" }, root / "scratch");
    MakeClockSeeds(SeedFolder { root, "clock" });
    MakeCommandLineSeeds(SeedFolder { root, "command_line" });
    return 0;
}
