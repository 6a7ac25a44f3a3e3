#include "model/LoadOffer.h"

#include "common/Paths.h"
#include "support/TempFolder.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace tamb {
namespace {

// What the folder holds under the file's name, and whether the dialog's check accepts it.
struct OfferCase
{
    const char* name;
    std::optional<std::size_t> fileSize; // none: no file of that name
    bool checkAccepts;
    bool asked;
};

void PrintTo(const OfferCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class LoadOfferTest : public ::testing::TestWithParam<OfferCase>
{
};

// Only a file the dialog could have written is offered, and a yes loads exactly the bytes that were checked.
TEST_P(LoadOfferTest, AsksOnlyAboutAFileTheCheckAccepts)
{
    const OfferCase& row = GetParam();
    const test::TempFolder folder;
    const std::vector<std::uint8_t> bytes(row.fileSize.value_or(0), 7);
    if (row.fileSize) {
        std::ofstream(folder.path() / "menu.dat", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const auto check = [&](std::span<const std::uint8_t>) {
        return row.checkAccepts ? Status::success() : Status::failure("not written by this dialog");
    };
    std::optional<std::vector<std::uint8_t>> loaded;
    const auto load = [&](std::span<const std::uint8_t> offered) {
        loaded.emplace(offered.begin(), offered.end());
        return Status::success();
    };
    LoadOffer offer;

    const DialogOutcome asked = offer.offer(Utf8FromPath(folder.path()), "menu.dat", check);
    const DialogOutcome answered = offer.answer(true, load);

    EXPECT_EQ(asked.question.has_value(), row.asked);
    EXPECT_TRUE(answered.messages.empty());
    EXPECT_EQ(loaded, row.asked ? std::optional { bytes } : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Folders, LoadOfferTest,
    ::testing::Values(OfferCase { "NoFile", std::nullopt, true, false },
        OfferCase { "AFileTheCheckRefuses", 300, false, false }, OfferCase { "AFileTheCheckAccepts", 300, true, true },
        OfferCase { "AFileFarLargerThanAnySettingsFile", 5000, true, false }),
    [](const auto& row) { return std::string { row.param.name }; });

} // namespace
} // namespace tamb
