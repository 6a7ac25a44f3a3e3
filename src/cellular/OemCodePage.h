#pragma once

#include <string>
#include <string_view>

namespace tamb {

// The code page of the text bytes in the cellular settings files: the one Windows calls the OEM code page.
// On Windows that is the system's own; elsewhere it is the one Windows would use for the user's locale
// (see OemCodePageForLocale). Tests and the command line pass a number of their own.
class OemCodePage
{
public:
    explicit OemCodePage(int number)
        : m_number(number)
    {
    }

    // The OEM code page of this system (Windows), or of the locale in LC_ALL, LC_CTYPE or LANG (elsewhere).
    [[nodiscard]] static OemCodePage forSystem();

    [[nodiscard]] int number() const { return m_number; }

    struct Encoded
    {
        std::string bytes;
        // False when some character could not be held and was replaced by "?".
        bool lossless = true;
    };

    // The bytes of UTF-8 `text` in this code page. ASCII stays ASCII; a character the code page cannot
    // hold (or a malformed UTF-8 byte) becomes "?", as the Windows conversion does by default.
    [[nodiscard]] Encoded encode(std::string_view text) const;

    // UTF-8 text of `bytes` in this code page; a byte sequence the code page does not define becomes U+FFFD.
    [[nodiscard]] std::string decode(std::string_view bytes) const;

private:
    int m_number;
};

// The code page Windows uses as OEM code page for a POSIX locale name such as "de_DE.UTF-8":
// 437 US English and the C locale, 850 Western Europe (and English outside the US), 852 Central Europe,
// 866 Cyrillic, 855 Serbian Cyrillic, 857 Turkish and Azeri, 775 Baltic, 737 Greek, 862 Hebrew, 874 Thai,
// 1258 Vietnamese, 932 Japanese, 949 Korean, 936 Simplified and 950 Traditional Chinese. A language not
// listed gets 437.
[[nodiscard]] int OemCodePageForLocale(std::string_view locale);

} // namespace tamb
