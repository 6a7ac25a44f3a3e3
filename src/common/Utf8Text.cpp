#include "common/Utf8Text.h"

#include <cstdint>
#include <cstdio>

namespace tamb {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded
{
    char32_t codePoint;
    std::size_t length; // bytes used; 0 when the sequence is malformed
};

Decoded DecodeOne(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<std::uint8_t>(text[at]);
    if (lead < 0x80) {
        return { lead, 1 };
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return { kReplacement, 0 };
    }
    if (at + length > text.size()) {
        return { kReplacement, 0 };
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return { kReplacement, 0 };
        }
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < minimum || value > 0x10FFFF || surrogate) {
        return { kReplacement, 0 };
    }
    return { value, length };
}

} // namespace

std::u32string CodePointsFromUtf8(std::string_view utf8)
{
    std::u32string result;
    result.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto decoded = DecodeOne(utf8, at);
        result.push_back(decoded.codePoint);
        at += decoded.length == 0 ? 1 : decoded.length;
    }
    return result;
}

std::string Utf8FromCodePoints(std::u32string_view codePoints)
{
    std::string result;
    result.reserve(codePoints.size());
    for (const char32_t c : codePoints) {
        if (c < 0x80) {
            result.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (c >> 6)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (c >> 12)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (c >> 18)));
            result.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = DecodeOne(text, at);
        if (decoded.length == 0) {
            return false;
        }
        at += decoded.length;
    }
    return true;
}

std::size_t Utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    for (const char32_t c : CodePointsFromUtf8(utf8)) {
        units += c >= 0x10000 ? 2 : 1;
    }
    return units;
}

std::string EscapedForDisplay(std::string_view text)
{
    std::string result;
    for (const char32_t c : CodePointsFromUtf8(text)) {
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
        if (c == '\\' || c == '"') {
            result += '\\';
            result += static_cast<char>(c);
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\r') {
            result += "\\r";
        } else if (c == '\t') {
            result += "\\t";
        } else if (control) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, c < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(c));
            result += escaped;
        } else {
            result += Utf8FromCodePoints(std::u32string_view(&c, 1));
        }
    }
    return result;
}

} // namespace tamb
