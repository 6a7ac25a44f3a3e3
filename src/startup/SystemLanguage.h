#pragma once

#include <cstdint>
#include <string_view>

namespace tamb {

// The Windows language identifier (LANGID) of a locale name such as "zh_CN", "de_LI.UTF-8" or "en-US", so that
// the start-up rules, which are written for Windows identifiers, apply unchanged on every platform.
//
// Language and territory come from the name (ISO 639 and ISO 3166 codes, "_" or "-" between them, anything
// after "." or "@" ignored). A pair in the table gives its identifier (zh_CN 2052, de_LI 5127, de_DE 1031,
// en_US 1033, ...); a known language with another or no territory gives that language's default identifier
// (zh 2052, de 1031, ...); anything else, "C" and "POSIX" included, gives 1033 (English, United States).
[[nodiscard]] std::uint16_t WindowsLanguageIdFromLocale(std::string_view localeName);

} // namespace tamb
