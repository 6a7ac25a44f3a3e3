#include "cellular/SettingsFileReport.h"

#include "common/Utf8Text.h"

#include <algorithm>
#include <cstdio>

namespace tamb {
namespace {

} // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char32_t c : CodePointsFromUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += Utf8FromCodePoints(std::u32string_view(&c, 1));
        }
    }
    return out + "\"";
}

namespace {

struct JsonValue
{
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(bool flag) const { return flag ? "true" : "false"; }
    std::string operator()(const std::string& text) const { return JsonString(text); }
};

} // namespace

std::string FormatReportJson(const SettingsFileReport& report, const std::string& file)
{
    std::string out = "{\"file\": " + JsonString(file) + ", \"kind\": " + JsonString(report.kind)
        + ", \"valid\": " + (report.valid() ? "true" : "false") + ", \"problems\": [";
    for (std::size_t i = 0; i < report.problems.size(); ++i) {
        out += (i == 0 ? "" : ", ") + JsonString(report.problems[i]);
    }
    out += "], \"fields\": {";
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
        const auto& field = report.fields[i];
        out += (i == 0 ? "" : ", ") + JsonString(field.name) + ": " + std::visit(JsonValue {}, field.value);
    }
    return out + "}}";
}

std::string ReportFieldText(const SettingsFileReport& report, std::string_view name)
{
    const auto field = std::ranges::find(report.fields, name, &ReportField::name);
    if (field == report.fields.end())
        return {};
    if (const auto* number = std::get_if<std::int64_t>(&field->value))
        return std::to_string(*number);
    if (const auto* flag = std::get_if<bool>(&field->value))
        return *flag ? "1" : "0";
    return std::get<std::string>(field->value);
}

} // namespace tamb
