#include "cellular/SettingsFileReport.h"

#include <cstdio>

namespace tamb {
namespace {

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

struct JsonValue
{
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(bool flag) const { return flag ? "true" : "false"; }
    std::string operator()(const std::string& text) const { return jsonString(text); }
};

} // namespace

std::string FormatReportJson(const SettingsFileReport& report, const std::string& file)
{
    std::string out = "{\"file\": " + jsonString(file) + ", \"kind\": " + jsonString(report.kind)
        + ", \"valid\": " + (report.valid() ? "true" : "false") + ", \"problems\": [";
    for (std::size_t i = 0; i < report.problems.size(); ++i) {
        out += (i == 0 ? "" : ", ") + jsonString(report.problems[i]);
    }
    out += "], \"fields\": {";
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
        const auto& field = report.fields[i];
        out += (i == 0 ? "" : ", ") + jsonString(field.name) + ": " + std::visit(JsonValue {}, field.value);
    }
    return out + "}}";
}

} // namespace tamb
