#include "FleetFixture.h"
#include "camera/CameraAssignments.h"
#include "camera/MenuFile.h"
#include "cellular/SetupFile.h"
#include "common/ModelCatalogue.h"
#include "smtp/SmtpFile.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

using test::FileBytes;
using test::FixedFleetEnvironment;
using test::TempFolder;

// Bytes that a write takes afresh: the clock of menu.dat and the CRC over it.
bool ClockOrCrc(std::size_t offset)
{
    return (offset >= 14 && offset < 20) || offset == 56 || offset == 57;
}

class ProfileRoundTrip : public ::testing::TestWithParam<ModelId>
{
};

// Settings changed from the start values, stored as a profile and started afresh from it, are written again with
// the same bytes apart from the clock, for the camera menu and, where the model has them, setup.dat and smtp.dat.
TEST_P(ProfileRoundTrip, SameBytesApartFromTheClock)
{
    const ModelId model = GetParam();
    TempFolder folder;
    const auto first = folder.file("first");
    const auto second = folder.file("second");
    std::filesystem::create_directories(first);
    std::filesystem::create_directories(second);

    CameraSetup changed(model, FixedFleetEnvironment(9));
    ASSERT_TRUE(
        ApplyCameraAssignments(changed.camera(), { { { "videoLength", "25" }, { "serialNumber", "B12C" } } }).ok());
    test::MakeCellularSettingsValid(changed);
    std::vector<std::string> written;
    const Status wrote = changed.write(Utf8FromPath(first), written);
    ASSERT_TRUE(wrote.ok()) << wrote.reason();

    const ProfileStore store(folder.file("profiles"));
    Profile profile { .name = "Lease north", .model = model, .files = {} };
    profile.files.menu = FileBytes(first / "menu.dat");
    if (changed.mms())
        profile.files.setup = FileBytes(first / "setup.dat");
    if (changed.smtp())
        profile.files.smtp = FileBytes(first / "smtp.dat");
    ASSERT_TRUE(store.save(profile).ok());

    Profile loaded;
    ASSERT_TRUE(store.load("Lease north", loaded).ok());
    EXPECT_EQ(loaded.model, model);
    CameraSetup fresh(model, FixedFleetEnvironment(41));
    ASSERT_TRUE(fresh.load(loaded.files).ok());
    written.clear();
    ASSERT_TRUE(fresh.write(Utf8FromPath(second), written).ok());

    const auto before = FileBytes(first / "menu.dat");
    const auto after = FileBytes(second / "menu.dat");
    ASSERT_EQ(before.size(), after.size());
    EXPECT_NE(before[19], after[19]) << "the clock is taken afresh";
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!ClockOrCrc(i)) {
            EXPECT_EQ(before[i], after[i]) << "menu.dat byte " << i;
        }
    }
    for (const std::string_view name : { kSetupFileName, kSmtpFileName }) {
        const auto path = std::filesystem::path(first) / name;
        if (std::filesystem::exists(path)) {
            EXPECT_EQ(FileBytes(path), FileBytes(second / name)) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ProfileRoundTrip, ::testing::Range(1, kModelCount + 1),
    [](const ::testing::TestParamInfo<ModelId>& row) { return "Model" + std::to_string(row.param); });

TEST(ProfileStore, ListsShowsAndRemovesAndKeepsItPrivate)
{
    TempFolder folder;
    const ProfileStore store(folder.file("data") / "profiles");
    ASSERT_TRUE(store
                    .save({ .name = "Zeta",
                        .model = 11,
                        .files = { .menu = std::vector<std::uint8_t>(60, 1), .setup = {}, .smtp = {} } })
                    .ok());
    ASSERT_TRUE(store
                    .save({ .name = "Alpha",
                        .model = 4,
                        .files = { .menu = std::vector<std::uint8_t>(60, 2),
                            .setup = {},
                            .smtp = std::vector<std::uint8_t>(720, 3) } })
                    .ok());
    // A second save replaces the profile, and a file it no longer holds goes.
    ASSERT_TRUE(store
                    .save({ .name = "Alpha",
                        .model = 4,
                        .files = { .menu = std::vector<std::uint8_t>(60, 4), .setup = {}, .smtp = {} } })
                    .ok());
    std::filesystem::create_directories(store.root() / "stray folder");

    const auto profiles = store.list();
    ASSERT_EQ(profiles.size(), 2U);
    EXPECT_EQ(profiles[0].name, "Alpha");
    EXPECT_EQ(profiles[0].files.menu, std::vector<std::uint8_t>(60, 4));
    EXPECT_FALSE(profiles[0].files.smtp.has_value());
    EXPECT_EQ(profiles[1].model, 11);
#ifndef _WIN32
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(store.root()).permissions() & perms::all, perms::owner_all);
    EXPECT_EQ(std::filesystem::status(store.root() / "Zeta").permissions() & perms::all, perms::owner_all);
    EXPECT_EQ(std::filesystem::status(store.root() / "Zeta" / "menu.dat").permissions() & perms::all,
        perms::owner_read | perms::owner_write);
#endif
    ASSERT_TRUE(store.remove("Zeta").ok());
    EXPECT_FALSE(store.remove("Zeta").ok());
    EXPECT_EQ(store.list().size(), 1U);
}

TEST(ProfileStore, RefusesNamesThatAreNoFileName)
{
    for (const std::string& name : std::vector<std::string> {
             "", "a/b", "..", "back\\slash", " lead", "trail.", "tab\there", "quote\"", std::string(41, 'x') })
        EXPECT_FALSE(ProfileStore::CheckName(name).ok()) << name;
    for (const std::string& name :
        std::vector<std::string> { "Lease north", "Süd-Revier 2", "东区", std::string(40, 'x') })
        EXPECT_TRUE(ProfileStore::CheckName(name).ok()) << name;
}

} // namespace
} // namespace tamb
