#pragma once

#include "common/AppState.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamb {

// The program's version from the build: major, minor, patch, tweak.
inline constexpr std::array<std::uint32_t, 4> kProgramVersion { TAMB_VERSION_MAJOR, TAMB_VERSION_MINOR,
    TAMB_VERSION_PATCH, TAMB_VERSION_TWEAK };

// The main window's version label: "<VersionText>: a.b.c.d", each number reduced to its low 8 bits.
[[nodiscard]] std::string VersionLabel(
    LanguageId language, const std::array<std::uint32_t, 4>& version = kProgramVersion);

// The program's home page: the update button opens it and the About box names it.
inline constexpr std::string_view kHomePageUrl = "https://tambvorrel.example/";

} // namespace tamb
