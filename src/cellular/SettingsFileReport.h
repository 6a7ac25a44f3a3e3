#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tamb {

// What a reader found in a settings file, for people (text) and programs (JSON).
struct ReportField
{
    std::string name;
    std::variant<std::int64_t, bool, std::string> value;
};

struct SettingsFileReport
{
    std::string kind; // "setup" or "smtp"
    // Empty when the file is sound: right length, CR LF after every record, checksum matching.
    std::vector<std::string> problems;
    std::vector<ReportField> fields;

    [[nodiscard]] bool valid() const { return problems.empty(); }
};

// The value of field `name` as text (a number in decimal, a flag as 1 or 0); empty when there is no such field.
[[nodiscard]] std::string ReportFieldText(const SettingsFileReport& report, std::string_view name);

// One JSON object (no line end): "file", "kind", "valid", "problems" (array of texts) and "fields" (every
// field by its name).
// A JSON string of `text`. JSON must be UTF-8, but a file name is any bytes: a byte that does not belong to a
// well-formed UTF-8 sequence becomes U+FFFD.
[[nodiscard]] std::string JsonString(const std::string& text);

[[nodiscard]] std::string FormatReportJson(const SettingsFileReport& report, const std::string& file);

} // namespace tamb
