#pragma once

#include "cellular/CellularRecord.h"
#include "cellular/OemCodePage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tamb::test {

// The OEM code page of a US English Windows, for texts that tests write and read back.
inline const OemCodePage kUsPage { 437 };

// Record `index` of a setup.dat or smtp.dat, unscrambled.
inline Record UnscrambledRecord(const std::vector<std::uint8_t>& file, std::size_t index)
{
    Record record {};
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(index * kRecordSize), kRecordSize, record.begin());
    ScrambleRecord(record);
    return record;
}

} // namespace tamb::test
