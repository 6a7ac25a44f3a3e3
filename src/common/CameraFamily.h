#pragma once

#include <cstddef>

namespace tamb {

// The six camera dialog families; each lays out the family area of the record its own way.
enum class CameraFamily
{
    Generic,
    Q100,
    Q220,
    Q300,
    Q400,
    Q420,
};

inline constexpr std::size_t kCameraFamilyCount = 6;

} // namespace tamb
