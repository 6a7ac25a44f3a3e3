#include "camera/MenuFile.h"
#include "camera/MenuFileLoad.h"
#include "camera/MenuFileReport.h"
#include "cellular/SettingsFileReport.h"
#include "cellular/SetupFile.h"
#include "cellular/SetupFileLoad.h"
#include "cli/CameraArguments.h"
#include "cli/CliCommand.h"
#include "cli/SettingsKeys.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "common/Utf8Text.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <variant>

namespace tamb {
namespace {

// What a reader makes of one file: the report (fields as JSON shows them) and, beside each field, an English
// meaning where the number alone does not say it (empty otherwise).
struct Inspection
{
    SettingsFileReport report;
    std::vector<std::string> meanings;
};

// A reader per kind of settings file; a new kind adds one row.
struct InspectReader
{
    std::string_view kind;
    std::string_view fileName;
    Inspection (*read)(std::span<const std::uint8_t> bytes, const ParsedArguments& arguments);
};

// With --model: whether that model's dialog offers to load a sound file, and why not when it does not.
void AddLoadability(Inspection& inspection, const Status& loads)
{
    if (!inspection.report.valid())
        return;
    inspection.report.fields.push_back({ "loadable", loads.ok() });
    inspection.meanings.push_back(loads.ok() ? "the dialog of this model offers to load it" : loads.reason());
}

std::string HexBytes(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const auto byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        if (!text.empty())
            text += ' ';
        text += pair;
    }
    return text;
}

Inspection ReadMenu(std::span<const std::uint8_t> bytes, const ParsedArguments& arguments)
{
    const auto menu = InspectMenuFile(bytes, arguments.model);
    Inspection inspection;
    inspection.report.kind = "menu";
    inspection.report.problems = menu.problems;
    const auto add = [&inspection](std::string name, decltype(ReportField::value) value, std::string meaning) {
        inspection.report.fields.push_back({ std::move(name), std::move(value) });
        inspection.meanings.push_back(std::move(meaning));
    };
    if (arguments.model) {
        add("family", std::string { DialogClassName(CameraDialogFor(*arguments.model)) },
            std::string { ModelTitle(*arguments.model) });
    }
    for (const auto& field : menu.fields) {
        add(field.name, field.value, field.meaning);
        if (field.name == "tvMode" && !menu.familyArea.empty()) {
            // The raw family area sits between tvMode and dateFormat, as in the record.
            add("familyArea", HexBytes(menu.familyArea), "bytes 31..47; --model decodes them");
        }
    }
    if (arguments.model) {
        const CameraSettingsModel model(CameraFamilyFor(*arguments.model), CameraEnvironmentFromArguments(arguments));
        AddLoadability(inspection, CheckMenuFile(model, bytes));
    }
    return inspection;
}

Inspection ReadSetup(std::span<const std::uint8_t> bytes, const ParsedArguments& arguments)
{
    Inspection inspection { InspectSetupFile(bytes, OemCodePage::forSystem()), {} };
    inspection.meanings.resize(inspection.report.fields.size());
    if (arguments.model) {
        MmsEnvironment environment;
        environment.app = AppStateFromArguments(arguments);
        environment.codePage = OemCodePage::forSystem();
        const MmsSettingsModel model(environment);
        AddLoadability(inspection, CheckSetupFile(model, bytes));
    }
    return inspection;
}

Inspection ReadSmtp(std::span<const std::uint8_t> bytes, const ParsedArguments& arguments)
{
    Inspection inspection { InspectSmtpFile(bytes, OemCodePage::forSystem()), {} };
    inspection.meanings.resize(inspection.report.fields.size());
    if (arguments.model) {
        const std::optional<SmtpFamily> family = SmtpFamilyFor(*arguments.model);
        SmtpEnvironment environment;
        environment.app = AppStateFromArguments(arguments);
        environment.codePage = OemCodePage::forSystem();
        AddLoadability(inspection,
            family ? CheckSmtpFile(SmtpSettingsModel(*family, environment), bytes)
                   : Status::failure("this model has no SMTP settings"));
    }
    return inspection;
}

struct TextValue
{
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(bool flag) const { return flag ? "yes" : "no"; }
    std::string operator()(const std::string& text) const { return "\"" + EscapedForDisplay(text) + "\""; }
};

constexpr std::array kReaders {
    InspectReader { "menu", kMenuFileName, &ReadMenu },
    InspectReader { "setup", kSetupFileName, &ReadSetup },
    InspectReader { "smtp", kSmtpFileName, &ReadSmtp },
};

// Larger files are reported without being read: no settings file comes near this size.
constexpr std::uintmax_t kLargestReadableFile = 1u << 20;

std::string Lowercase(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The reader for a file: the one --kind names, else the one whose file name matches, else menu for a file of a
// record's length.
const InspectReader* ReaderFor(const std::string& file, std::uintmax_t size, const ParsedArguments& arguments)
{
    const auto name = Lowercase(Utf8FromPath(PathFromUtf8(file).filename()));
    for (const auto& reader : kReaders) {
        if (arguments.kind ? *arguments.kind == reader.kind : name == reader.fileName) {
            return &reader;
        }
    }
    return !arguments.kind && size == kCameraRecordSize ? &kReaders[0] : nullptr;
}

Inspection InspectFile(const std::string& file, const ParsedArguments& arguments)
{
    Inspection failed;
    failed.report.kind = arguments.kind.value_or("unknown");
    const auto path = PathFromUtf8(file);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        failed.report.problems.push_back("it is a folder, not a file");
        return failed;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        failed.report.problems.push_back("cannot be read: " + error.message());
        return failed;
    }
    const auto* reader = ReaderFor(file, size, arguments);
    if (reader == nullptr) {
        failed.report.problems.push_back("cannot tell whether it is menu.dat, setup.dat or smtp.dat; give --kind");
        return failed;
    }
    failed.report.kind = std::string { reader->kind };
    if (size > kLargestReadableFile) {
        failed.report.problems.push_back(
            "the file holds " + std::to_string(size) + " bytes, far more than any settings file");
        return failed;
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    if (!in && !in.eof()) {
        failed.report.problems.push_back("cannot be read");
        return failed;
    }
    return reader->read(bytes, arguments);
}

int RunInspect(const ParsedArguments& arguments, std::ostream& out, std::ostream&)
{
    bool allSound = true;
    for (const auto& file : arguments.files) {
        const auto inspection = InspectFile(file, arguments);
        const auto& report = inspection.report;
        allSound = allSound && report.valid();
        if (arguments.json) {
            out << FormatReportJson(report, file) << '\n';
            continue;
        }
        // Texts come from the file and its name; escaped, none of them can break a line or pose as another.
        out << EscapedForDisplay(file) << ": " << report.kind << ", " << (report.valid() ? "valid" : "NOT valid")
            << '\n';
        for (const auto& problem : report.problems) {
            out << "  problem: " << EscapedForDisplay(problem) << '\n';
        }
        for (std::size_t i = 0; i < report.fields.size(); ++i) {
            const auto& field = report.fields[i];
            out << field.name << ' ' << std::visit(TextValue {}, field.value);
            const bool hasMeaning = i < inspection.meanings.size() && !inspection.meanings[i].empty();
            out << (hasMeaning ? " (" + EscapedForDisplay(inspection.meanings[i]) + ")\n" : std::string { "\n" });
        }
    }
    return allSound ? kExitSuccess : kExitFailure;
}

} // namespace

const CliCommand kInspectCommand {
    "inspect",
    "check settings files and show every field",
    R"(Usage: tamb-setup-cli inspect [--json] [--model N] [--kind menu|setup|smtp] FILE...

Checks each FILE (length, CRC or checksum, CR LF line ends) and prints every
field by name with its meaning. The kind of file comes from --kind, else from
its name (menu.dat, setup.dat, smtp.dat), else a 60-byte file is read as menu.dat.

Options:
  --model N   the camera model (1..{last model}) the file was made for: the family area
              of a menu.dat (bytes 31..47) is decoded, shown raw without it;
              "loadable" tells whether that model's dialog offers to load a
              sound file, and when not, why
  --kind K    read every FILE as K: menu, setup or smtp
  --json      one JSON object per file and line:
              {"file": ..., "kind": ..., "valid": ..., "problems": [...], "fields": {...}}
  --help      show this text

Exit codes: 0 every file is sound, 1 a file is not (the reasons are printed),
2 a wrong command line.
)",
    ArgumentRules { Option::Json | Option::Model | Option::Kind, 0, false, true },
    &RunInspect,
};

} // namespace tamb
