#include "cellular/ProviderDatabase.h"

#include "cellular/MmsSettingsModel.h"
#include "cellular/OperatorParameters.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace tamb {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(TAMB_TEST_DATA_DIR) / "providers" / "serviceproviders.xml";

constexpr std::size_t kProviderSwitzerland = 9;
constexpr std::size_t kProviderSunrise = 1;
constexpr std::size_t kProviderSwisscom = 2;
constexpr std::size_t kProviderEstonia = 38;
constexpr std::size_t kProviderElisa = 1;
constexpr std::size_t kProviderUnitedStates = 1;
constexpr std::size_t kProviderTMobileUs = 0;

// A copy of the fixture (or of `content`) in a folder of its own, with the modification time `written`.
class DatabaseFile
{
public:
    explicit DatabaseFile(std::filesystem::file_time_type written = std::filesystem::file_time_type::clock::now(),
        const std::string& content = {})
    {
        if (content.empty())
            std::filesystem::copy_file(kFixture, path());
        else
            std::ofstream(path(), std::ios::binary) << content;
        std::filesystem::last_write_time(path(), written);
    }
    [[nodiscard]] std::filesystem::path path() const { return m_folder.file("serviceproviders.xml"); }

private:
    test::TempFolder m_folder;
};

std::filesystem::file_time_type At(int year)
{
    using namespace std::chrono;
    return file_clock::from_sys(time_point_cast<seconds>(sys_days(std::chrono::year { year } / January / 1)));
}

TEST(ProviderDatabaseTest, ReadsProvidersCodesAndEveryAccessPoint)
{
    if (!ReadsProviderDatabases())
        GTEST_SKIP() << "this build has no XML reader";
    const std::optional<ProviderDatabase> database = ReadProviderDatabase(kFixture);
    ASSERT_TRUE(database);
    ASSERT_EQ(database->providers.size(), 3U);
    const Provider& swisscom = database->providers[0];
    EXPECT_EQ(swisscom.name, "Swisscom");
    EXPECT_EQ(swisscom.networkCodes, std::vector<std::string> { "228-01" });
    ASSERT_EQ(swisscom.accessPoints.size(), 3U);
    EXPECT_EQ(swisscom.accessPoints[0].usage, "internet");
    EXPECT_EQ(swisscom.accessPoints[0].mmsc, "");
    const ProviderAccessPoint& mms = swisscom.accessPoints[2];
    EXPECT_EQ(mms.apn, "event.swisscom.ch");
    EXPECT_EQ(mms.usage, "mms");
    EXPECT_EQ(mms.username, "mmsuser");
    EXPECT_EQ(mms.password, "");
    EXPECT_EQ(mms.mmsc, "http://mms.example.ch:8079");
    EXPECT_EQ(mms.mmsProxy, "192.0.2.2:8080");
    // A CDMA-only provider has no network codes and no access points.
    EXPECT_TRUE(database->providers[1].networkCodes.empty());
    // An access point without usage counts as internet.
    EXPECT_EQ(database->providers[2].accessPoints[2].usage, "internet");
}

TEST(ProviderDatabaseTest, FindsAnEntryByItsKeyAndOrdinal)
{
    if (!ReadsProviderDatabases())
        GTEST_SKIP() << "this build has no XML reader";
    const std::optional<ProviderDatabase> database = ReadProviderDatabase(kFixture);
    ASSERT_TRUE(database);
    const ProviderAccessPoint* second = database->find({ "248-02", "Elisa", "mms", "Elisa MMS", 2 });
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->mmsc, "http://second.example.ee");
    EXPECT_EQ(database->find({ "248-02", "Elisa", "mms", "Elisa MMS", 3 }), nullptr);
    EXPECT_EQ(database->find({ "248-03", "Elisa", "mms", "Elisa MMS", 1 }), nullptr);
    EXPECT_EQ(database->find({ "228-01", "Swisscom", "event.swisscom.ch", "Other name", 1 }), nullptr);
}

struct AbsentCase
{
    std::string name;
    std::string content; // empty: no file at all
};

class ProviderDatabaseAbsentTest : public ::testing::TestWithParam<AbsentCase>
{
};

TEST_P(ProviderDatabaseAbsentTest, CountsAsAbsent)
{
    const test::TempFolder folder;
    const std::filesystem::path path = folder.file("serviceproviders.xml");
    if (!GetParam().content.empty())
        std::ofstream(path, std::ios::binary) << GetParam().content;
    EXPECT_FALSE(ReadProviderDatabase(path));
    EXPECT_FALSE(ReadProviderDatabase(folder.path())) << "a folder";
}

INSTANTIATE_TEST_SUITE_P(Files, ProviderDatabaseAbsentTest,
    ::testing::Values(AbsentCase { "Missing", "" },
        AbsentCase { "Malformed", "<serviceproviders><country code=\"ch\"><provider></country>" },
        AbsentCase { "NotXml", "this is not a database" },
        AbsentCase { "OtherRoot", "<?xml version=\"1.0\"?><providers/>" }),
    [](const auto& row) { return row.param.name; });

TEST(OperatorParametersTest, MappedOperatorsTakeTheSnapshotAndOthersTheBuiltInTable)
{
    const OperatorParameters snapshotOnly;
    const MmsParameters swisscom = snapshotOnly.mms(kProviderSwitzerland, kProviderSwisscom);
    EXPECT_EQ(swisscom.origin, (ParameterOrigin { ParameterSource::ProviderDatabase, "2023-04-16" }));
    EXPECT_EQ(swisscom.url, ProviderMmsSnapshot[kProviderSwitzerland][kProviderSwisscom].values.url);
    const MmsParameters tMobile = snapshotOnly.mms(kProviderUnitedStates, kProviderTMobileUs);
    EXPECT_EQ(tMobile.origin, (ParameterOrigin { ParameterSource::BuiltIn, "2016" }));
    EXPECT_EQ(tMobile.url, MmsParams(kProviderUnitedStates, kProviderTMobileUs).url);
}

TEST(OperatorParametersTest, ANewerSystemFileServesWhereItHoldsTheEntry)
{
    if (!ReadsProviderDatabases())
        GTEST_SKIP() << "this build has no XML reader";
    const DatabaseFile file;
    const OperatorParameters parameters(ReadProviderDatabase(file.path()));
    ASSERT_TRUE(parameters.usesSystemFile());
    const MmsParameters swisscom = parameters.mms(kProviderSwitzerland, kProviderSwisscom);
    EXPECT_EQ(swisscom.url, "http://mms.example.ch:8079");
    EXPECT_EQ(swisscom.gateway, "192.0.2.2");
    EXPECT_EQ(swisscom.port, "8080");
    EXPECT_EQ(swisscom.account, "mmsuser");
    EXPECT_EQ(swisscom.origin.source, ParameterSource::ProviderDatabase);
    EXPECT_NE(swisscom.origin.date, "2023-04-16");
    EXPECT_EQ(parameters.mms(kProviderEstonia, kProviderElisa).url, "http://second.example.ee");
    // The newer file lacks Sunrise: the snapshot still serves, with its date.
    const MmsParameters sunrise = parameters.mms(kProviderSwitzerland, kProviderSunrise);
    EXPECT_EQ(sunrise.url, ProviderMmsSnapshot[kProviderSwitzerland][kProviderSunrise].values.url);
    EXPECT_EQ(sunrise.origin.date, "2023-04-16");
}

TEST(OperatorParametersTest, AnOlderOrUnusableFileLeavesTheSnapshot)
{
    const DatabaseFile older(At(2020));
    const OperatorParameters parameters(ReadProviderDatabase(older.path()));
    EXPECT_FALSE(parameters.usesSystemFile());
    EXPECT_EQ(parameters.mms(kProviderSwitzerland, kProviderSwisscom).origin.date, "2023-04-16");
    // An entry without a proxy port cannot serve the camera.
    std::string content;
    std::getline(std::ifstream(kFixture), content, '\0');
    content.replace(content.find("192.0.2.2:8080"), 14, "192.0.2.2");
    const DatabaseFile broken({}, content);
    std::filesystem::last_write_time(broken.path(), std::filesystem::file_time_type::clock::now());
    const OperatorParameters withBroken(ReadProviderDatabase(broken.path()));
    EXPECT_EQ(withBroken.mms(kProviderSwitzerland, kProviderSwisscom).url,
        ProviderMmsSnapshot[kProviderSwitzerland][kProviderSwisscom].values.url);
}

// Every mapped operator's values are those of its entry in the system's database, when the system has the file the
// snapshot was made from.
TEST(ProviderSnapshotTest, EveryMappedOperatorCarriesItsEntrysValues)
{
    const std::optional<std::filesystem::path> path = SystemProviderDatabasePath();
    std::optional<ProviderDatabase> system = path ? ReadProviderDatabase(*path) : std::nullopt;
    if (!system || system->fileTime != ProviderSnapshotFileTime)
        GTEST_SKIP() << "the provider database the snapshot was made from is not installed";
    int mapped = 0;
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        for (std::size_t op = 0; op < MmsOperators(country).size(); ++op) {
            const ProviderMmsEntry& entry = ProviderMmsSnapshot[country][op];
            if (entry.key.networkCode.empty())
                continue;
            ++mapped;
            const ProviderAccessPoint* point = system->find(entry.key);
            ASSERT_NE(point, nullptr) << country << "/" << op;
            EXPECT_EQ(point->mmsc, entry.values.url) << country << "/" << op;
            EXPECT_EQ(point->apn, entry.values.apn);
            EXPECT_EQ(point->mmsProxy, std::string(entry.values.gateway) + ":" + std::string(entry.values.port));
            EXPECT_EQ(point->username, entry.values.account);
            EXPECT_EQ(point->password, entry.values.password);
        }
    }
    EXPECT_GE(mapped, 70);
}

TEST(MmsEndedTest, NamesTheOperatorsThatEndedMms)
{
    EXPECT_EQ(MmsEndedDate(kProviderSwitzerland, kProviderSwisscom), "2023-01-10");
    EXPECT_EQ(MmsEndedDate(2, 0), "2023-01-17");
    EXPECT_FALSE(MmsEndedDate(kProviderSwitzerland, kProviderSunrise));
}

} // namespace
} // namespace tamb
