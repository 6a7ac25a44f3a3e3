#pragma once

#include "app/AppState.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tamb {

// A constant table of 15 languages x W texts (UTF-8); entry i of language L is element (L - 1) * W + i.
template <std::size_t W>
struct LocalisedTable
{
    static constexpr std::size_t kWidth = W;
    std::string_view name;
    std::array<std::string_view, kLanguageCount * W> texts;

    [[nodiscard]] constexpr std::string_view text(LanguageId language, std::size_t index) const
    {
        return texts[static_cast<std::size_t>(language - 1) * W + index];
    }
};

} // namespace tamb
