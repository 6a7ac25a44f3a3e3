#include "cellular/OemCodePage.h"

#include "common/Utf8Text.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace tamb {
namespace {

struct LocaleCodePage
{
    std::string_view locale; // "ll" for a language, "ll_TT" for one territory of it
    int codePage;
};

// Territory rows come before the rows of their language, so the first match is the most specific.
constexpr std::array kLocaleCodePages {
    LocaleCodePage { "en_US", 437 },
    LocaleCodePage { "en_ZA", 437 },
    LocaleCodePage { "en_IN", 437 },
    LocaleCodePage { "zh_TW", 950 },
    LocaleCodePage { "zh_HK", 950 },
    LocaleCodePage { "zh_MO", 950 },
    LocaleCodePage { "en", 850 },
    LocaleCodePage { "de", 850 },
    LocaleCodePage { "fr", 850 },
    LocaleCodePage { "it", 850 },
    LocaleCodePage { "es", 850 },
    LocaleCodePage { "pt", 850 },
    LocaleCodePage { "nl", 850 },
    LocaleCodePage { "sv", 850 },
    LocaleCodePage { "da", 850 },
    LocaleCodePage { "nb", 850 },
    LocaleCodePage { "nn", 850 },
    LocaleCodePage { "no", 850 },
    LocaleCodePage { "fi", 850 },
    LocaleCodePage { "ca", 850 },
    LocaleCodePage { "eu", 850 },
    LocaleCodePage { "gl", 850 },
    LocaleCodePage { "ga", 850 },
    LocaleCodePage { "af", 850 },
    LocaleCodePage { "pl", 852 },
    LocaleCodePage { "cs", 852 },
    LocaleCodePage { "sk", 852 },
    LocaleCodePage { "hu", 852 },
    LocaleCodePage { "sl", 852 },
    LocaleCodePage { "hr", 852 },
    LocaleCodePage { "ro", 852 },
    LocaleCodePage { "sq", 852 },
    LocaleCodePage { "bs", 852 },
    LocaleCodePage { "ru", 866 },
    LocaleCodePage { "uk", 866 },
    LocaleCodePage { "be", 866 },
    LocaleCodePage { "bg", 866 },
    LocaleCodePage { "mk", 866 },
    LocaleCodePage { "kk", 866 },
    LocaleCodePage { "sr", 855 },
    LocaleCodePage { "tr", 857 },
    LocaleCodePage { "az", 857 },
    LocaleCodePage { "lt", 775 },
    LocaleCodePage { "lv", 775 },
    LocaleCodePage { "et", 775 },
    LocaleCodePage { "el", 737 },
    LocaleCodePage { "he", 862 },
    LocaleCodePage { "th", 874 },
    LocaleCodePage { "vi", 1258 },
    LocaleCodePage { "ja", 932 },
    LocaleCodePage { "ko", 949 },
    LocaleCodePage { "zh", 936 },
};
constexpr int kFallbackCodePage = 437;
// Serbian in Latin script shares the Central European page.
constexpr std::string_view kLatinModifier = "@latin";

#ifdef _WIN32

// The UTF-16 text of `bytes`; empty when some byte sequence is not defined in the code page and `flags` holds
// MB_ERR_INVALID_CHARS.
std::wstring WideFrom(UINT codePage, std::string_view bytes, DWORD flags = 0)
{
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
    return wide;
}

// The bytes of `wide` in the code page; `usedDefault` (when given) tells whether a character was replaced.
std::string BytesFrom(UINT codePage, const std::wstring& wide, DWORD flags, BOOL* usedDefault)
{
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, usedDefault);
    return bytes;
}

#else

std::string IconvName(int codePage)
{
    return "CP" + std::to_string(codePage);
}

// An iconv descriptor that closes itself.
class Converter
{
public:
    Converter(const std::string& to, const std::string& from)
        : m_handle(iconv_open(to.c_str(), from.c_str()))
    {
    }
    ~Converter()
    {
        if (valid()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    [[nodiscard]] bool valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `input` as it can into `output`; returns false on a sequence it cannot convert,
    // leaving `input` at that sequence. Either way the characters converted so far are complete in `output`.
    bool convert(std::string_view& input, std::string& output) const
    {
        std::array<char, 64> buffer {};
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data()); // iconv's signature only; it does not write
            std::size_t inLeft = input.size();
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const auto result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer.data(), buffer.size() - outLeft);
            input.remove_prefix(input.size() - inLeft);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                finish(output);
                return false;
            }
        }
        finish(output);
        return true;
    }

private:
    // Some converters hold the last character back to see whether a combining mark follows (code page 1258
    // does); this writes it out and returns the converter to its initial state.
    void finish(std::string& output) const
    {
        std::array<char, 64> buffer {};
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(m_handle, nullptr, nullptr, &out, &outLeft);
        output.append(buffer.data(), buffer.size() - outLeft);
    }

    iconv_t m_handle;
};

#endif

} // namespace

int OemCodePageForLocale(std::string_view locale)
{
    const auto end = locale.find_first_of(".@");
    const auto name = locale.substr(0, end);
    const auto underscore = name.find('_');
    const auto language = name.substr(0, underscore);
    if (language == "sr" && locale.find(kLatinModifier) != std::string_view::npos) {
        return 852;
    }
    for (const auto& row : kLocaleCodePages) {
        if (row.locale == name || row.locale == language) {
            return row.codePage;
        }
    }
    return kFallbackCodePage;
}

#ifdef _WIN32

OemCodePage OemCodePage::forSystem()
{
    return OemCodePage { static_cast<int>(GetOEMCP()) };
}

namespace {

// The bytes of one character in the code page without best-fit look-alikes; empty when the page lacks it.
std::string CharacterBytes(UINT codePage, const std::wstring& character)
{
    BOOL usedDefault = FALSE;
    std::string bytes = BytesFrom(codePage, character, WC_NO_BEST_FIT_CHARS, &usedDefault);
    return usedDefault != FALSE ? std::string {} : bytes;
}

std::wstring Normalised(NORM_FORM form, const std::wstring& text)
{
    const int size = static_cast<int>(text.size());
    const int length = NormalizeString(form, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    const int written = NormalizeString(form, text.data(), size, result.data(), length);
    result.resize(static_cast<std::size_t>(std::max(written, 0)));
    return result;
}

// A character that a page holds only as a base letter and combining marks (the Vietnamese page writes "ệ" as "ê"
// and the dot-below tone mark): the marks the page has as characters of their own follow the base letter composed
// with all the others. Empty when the page lacks that letter or has none of the marks.
std::string DecomposedBytes(UINT codePage, const std::wstring& character)
{
    const std::wstring parts = Normalised(NormalizationD, character);
    if (parts.size() < 2) {
        return {};
    }
    std::wstring head = parts.substr(0, 1);
    std::string marks;
    for (std::size_t k = 1; k < parts.size(); ++k) {
        const std::string mark = CharacterBytes(codePage, parts.substr(k, 1));
        if (mark.empty()) {
            head += parts[k];
        } else {
            marks += mark;
        }
    }
    const std::string base = CharacterBytes(codePage, Normalised(NormalizationC, head));
    return base.empty() || marks.empty() ? std::string {} : base + marks;
}

} // namespace

// One character at a time and without best-fit look-alikes, so that a character the code page cannot hold gives
// one "?" (not one per UTF-16 unit, nor a similar letter) and the files match those written on other systems.
// A character the page holds only decomposed is written so, as iconv does elsewhere.
OemCodePage::Encoded OemCodePage::encode(std::string_view text) const
{
    Encoded result;
    const auto codePage = static_cast<UINT>(m_number);
    for (const char32_t c : CodePointsFromUtf8(text)) {
        if (c < 0x80) {
            result.bytes.push_back(static_cast<char>(c));
            continue;
        }
        // U+FFFD stands for a malformed input byte here; it is never a character the user typed.
        std::string converted;
        if (c != 0xFFFD) {
            const std::wstring character = WideFrom(CP_UTF8, Utf8FromCodePoints(std::u32string_view(&c, 1)));
            converted = CharacterBytes(codePage, character);
            if (converted.empty()) {
                converted = DecomposedBytes(codePage, character);
            }
        }
        if (converted.empty()) {
            result.bytes.push_back('?');
            result.lossless = false;
        } else {
            result.bytes += converted;
        }
    }
    return result;
}

// A byte sequence the code page does not define (an undefined byte, a lead byte without its trail byte) becomes
// U+FFFD, as on other systems; the rest converts as a whole. The Vietnamese page's letters and tone marks are
// composed, as iconv gives them elsewhere. Only there: composing would also turn the Korean page's compatibility
// ideographs and its Angstrom sign into other characters, which iconv keeps.
std::string OemCodePage::decode(std::string_view bytes) const
{
    constexpr int kVietnamese = 1258;
    const auto codePage = static_cast<UINT>(m_number);
    if (auto whole = WideFrom(codePage, bytes, MB_ERR_INVALID_CHARS); !whole.empty() || bytes.empty()) {
        const std::wstring composed = m_number == kVietnamese ? Normalised(NormalizationC, whole) : std::wstring {};
        return BytesFrom(CP_UTF8, composed.empty() ? whole : composed, 0, nullptr);
    }
    std::string result;
    while (!bytes.empty()) {
        const auto lead = static_cast<BYTE>(bytes.front());
        const std::size_t width = IsDBCSLeadByteEx(codePage, lead) != FALSE && bytes.size() > 1 ? 2 : 1;
        const auto character = WideFrom(codePage, bytes.substr(0, width), MB_ERR_INVALID_CHARS);
        result += character.empty() ? std::string { "\xEF\xBF\xBD" } : BytesFrom(CP_UTF8, character, 0, nullptr);
        bytes.remove_prefix(width);
    }
    return result;
}

#else

OemCodePage OemCodePage::forSystem()
{
    for (const char* variable : { "LC_ALL", "LC_CTYPE", "LANG" }) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return OemCodePage { OemCodePageForLocale(value) };
        }
    }
    return OemCodePage { kFallbackCodePage };
}

OemCodePage::Encoded OemCodePage::encode(std::string_view text) const
{
    Encoded result;
    const Converter converter(IconvName(m_number), "UTF-8");
    for (const char32_t c : CodePointsFromUtf8(text)) {
        if (c < 0x80) {
            result.bytes.push_back(static_cast<char>(c));
            continue;
        }
        const auto utf8 = Utf8FromCodePoints(std::u32string_view(&c, 1));
        std::string_view input = utf8;
        std::string converted;
        // U+FFFD stands for a malformed input byte here; it is never a character the user typed.
        if (c != 0xFFFD && converter.valid() && converter.convert(input, converted)) {
            result.bytes += converted;
        } else {
            result.bytes.push_back('?');
            result.lossless = false;
        }
    }
    return result;
}

std::string OemCodePage::decode(std::string_view bytes) const
{
    const Converter converter("UTF-8", IconvName(m_number));
    std::string result;
    std::string_view input = bytes;
    while (!input.empty()) {
        if (converter.valid() && converter.convert(input, result)) {
            break;
        }
        if (static_cast<unsigned char>(input.front()) < 0x80) {
            result.push_back(input.front());
        } else {
            result += "\xEF\xBF\xBD";
        }
        input.remove_prefix(1);
    }
    return result;
}

#endif

} // namespace tamb
