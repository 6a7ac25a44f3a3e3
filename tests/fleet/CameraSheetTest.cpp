#include "fleet/CameraSheet.h"

#include "FleetFixture.h"
#include "fleet/CsvTable.h"
#include "fleet/DeploymentsExport.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

using test::FileBytes;
using test::FixedFleetEnvironment;
using test::TempFolder;

// Profiles of a test: "Q300 base" of model 11 (video length 30 s), "Q200 base" of model 1.
Status FindProfile(std::string_view name, Profile& profile)
{
    if (name != "Q300 base" && name != "Q200 base")
        return Status::failure("there is no profile named '" + std::string { name } + "'");
    profile.name = std::string { name };
    profile.model = name == "Q300 base" ? 11 : 1;
    TempFolder folder;
    CameraSetup setup(profile.model, FixedFleetEnvironment());
    EXPECT_TRUE(ApplyCameraAssignments(setup.camera(), { { { "videoLength", "30" } } }).ok());
    std::vector<std::string> written;
    (void)setup.camera().chooseFolder(Utf8FromPath(folder.path()));
    (void)setup.camera().generate();
    profile.files = { .menu = FileBytes(folder.file("menu.dat")), .setup = {}, .smtp = {} };
    return Status::success();
}

std::vector<SheetProblem> Read(const std::string& text, CameraSheet& sheet)
{
    return ReadCameraSheet(text, &FindProfile, FixedFleetEnvironment(), sheet);
}

struct BadCell
{
    std::string name;
    std::string sheet;
    std::size_t row;
    std::string column;
    std::string reasonPart;
};

void PrintTo(const BadCell& cell, std::ostream* out)
{
    *out << cell.name;
}

class SheetBadCell : public ::testing::TestWithParam<BadCell>
{
};

TEST_P(SheetBadCell, IsReportedWithItsRowAndColumnAndNothingIsRead)
{
    const BadCell& cell = GetParam();
    CameraSheet sheet;
    const auto problems = Read(cell.sheet, sheet);
    ASSERT_EQ(problems.size(), 1U) << (problems.empty() ? "" : DescribeProblem(problems.back()));
    EXPECT_EQ(problems[0].row, cell.row);
    EXPECT_EQ(problems[0].column, cell.column);
    EXPECT_NE(problems[0].reason.find(cell.reasonPart), std::string::npos) << problems[0].reason;
    EXPECT_TRUE(sheet.cameras.empty());
}

const std::string kGood = "A001,1,,\n";

INSTANTIATE_TEST_SUITE_P(Sheet, SheetBadCell,
    ::testing::Values(BadCell { "SerialTooShort", "camera,model\nA01,1\n", 2, "camera", "four characters" },
        BadCell { "SerialLowerCase", "camera,model\na001,1\n", 2, "camera", "capitals" },
        BadCell { "SerialTwice", "camera,model\nA001,1\nB002,3\nA001,4\n", 4, "camera", "row 2" },
        BadCell { "ModelNotNumber", "camera,model\nA001,Q300\n", 2, "model", "1 to " + std::to_string(kModelCount) },
        BadCell { "ModelOutOfRange", "camera,model\nA001," + std::to_string(kModelCount + 1) + "\n", 2, "model",
            "1 to " + std::to_string(kModelCount) },
        BadCell { "ProfileMissing", "camera,model,profile\nA001,1,Nowhere\n", 2, "profile", "no profile" },
        BadCell { "ProfileOfOtherModel", "camera,model,profile\nA001,4,Q300 base\n", 2, "profile", "model 11" },
        BadCell { "LatitudeBeyondPole", "camera,model,latitude,longitude\nA001,11,91,8\n", 2, "latitude", "-90" },
        BadCell { "LongitudeNotNumber", "camera,model,latitude,longitude\nA001,11,47,east\n", 2, "longitude", "" },
        BadCell { "LatitudeAlone", "camera,model,latitude,longitude\nA001,11,47,\n", 2, "longitude", "both" },
        BadCell { "CoordinatesOffQ300", "camera,model,latitude,longitude\nA001,4,47.1,8.5\n", 2, "latitude", "Q300" },
        BadCell { "OverrideOutOfRange", "camera,model,videoLength\nA001,1,61\n", 2, "videoLength", "videoLength=61" },
        BadCell { "OverrideOtherFamily", "camera,model,beepSound\nA001,1,1\n", 2, "beepSound", "beepSound" },
        BadCell { "UnknownColumn", "camera,model,intervall\nA001,1,5\n", 1, "intervall", "camera key" },
        BadCell { "SerialAsOverride", "camera,model,serialNumber\nA001,1,B002\n", 1, "serialNumber", "column camera" },
        BadCell { "ModelColumnMissing", "camera,name\nA001,x\n", 1, "model", "needs" },
        BadCell { "QuoteNotClosed", "camera,model\nA001,\"1\n", 0, "", "row 2" },
        BadCell { "NoCamera", "camera,model\n,\n", 2, "", "no camera" }),
    [](const ::testing::TestParamInfo<BadCell>& row) { return row.param.name; });

TEST(CameraSheet, ReportsEveryBadCellAtOnce)
{
    CameraSheet sheet;
    const auto problems = Read("camera,model,videoLength\nA1,1,\nB002,0,\nC003,1,0\n", sheet);
    ASSERT_EQ(problems.size(), 3U);
    EXPECT_EQ(DescribeProblem(problems[0]).substr(0, 19), "row 2, column camer");
    EXPECT_EQ(problems[1].row, 3U);
    EXPECT_EQ(problems[2].column, "videoLength");
}

// The serial number, the Q300's coordinates from decimal degrees and an interval override reach their bytes.
TEST(CameraSheet, SettingsOfARowReachTheirBytes)
{
    CameraSheet sheet;
    const auto problems = Read("\xEF\xBB\xBF"
                               "camera;model;profile;latitude;longitude;interval;intervalUnit;# note\r\n"
                               "A07Z;11;Q300 base;47,376944;-8,541667;30;0;by the oak\r\n"
                               "B10C;11;;-33.8568;151.2153;;;\r\n",
        sheet);
    ASSERT_TRUE(problems.empty()) << DescribeProblem(problems.front());
    ASSERT_EQ(sheet.cameras.size(), 2U);
    TempFolder folder;
    const std::vector<std::pair<std::string, std::array<std::uint8_t, 8>>> expected {
        // Longitude W 8°32'30", latitude N 47°22'37"; longitude E 151°12'55", latitude S 33°51'24".
        { "A07Z", { 1, 8, 32, 30, 1, 47, 22, 37 } },
        { "B10C", { 0, 151, 12, 55, 0, 33, 51, 24 } },
    };
    for (const auto& [serial, coordinates] : expected) {
        std::unique_ptr<CameraSetup> setup;
        ASSERT_FALSE(PrepareCamera(*sheet.find(serial), &FindProfile, FixedFleetEnvironment(), setup).has_value());
        std::vector<std::string> written;
        ASSERT_TRUE(setup->write(Utf8FromPath(folder.path()), written).ok());
        const auto bytes = FileBytes(folder.file("menu.dat"));
        ASSERT_EQ(bytes.size(), 60U);
        EXPECT_EQ(bytes[24], 1) << "serial number on";
        EXPECT_EQ(std::string(bytes.begin() + 25, bytes.begin() + 29),
            std::string({ static_cast<char>(serial[0] - 'A' + 10), static_cast<char>(serial[1] - '0'),
                static_cast<char>(serial[2] - '0'), static_cast<char>(serial[3] - 'A' + 10) }));
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 40, bytes.begin() + 48),
            std::vector<std::uint8_t>(coordinates.begin(), coordinates.end()));
        if (serial == "A07Z") {
            EXPECT_EQ(bytes[6], 30 + 128) << "30 seconds";
            EXPECT_EQ(bytes[4], 29) << "the profile's video length";
        }
    }
}

TEST(CsvTable, WritesBackWhatItRead)
{
    for (const std::string& text : { std::string { "a,b\r\n\"x, \"\"y\"\"\",\"two\nlines\"\r\n" },
             std::string { "\xEF\xBB\xBF"
                           "a;b\n1,5; lead\n" },
             std::string { "a\tb\n1\t2\n" } }) {
        CsvTable table;
        ASSERT_TRUE(ParseCsv(text, table).ok());
        EXPECT_EQ(FormatCsv(table), text);
    }
}

TEST(DeploymentsExport, HeaderAndOneRow)
{
    CameraSheet sheet;
    ASSERT_TRUE(Read("camera,name,model,profile,latitude,longitude,interval,intervalUnit,written,card\n"
                     "A07Z,Oak,11,Q300 base,\"47,5\",8.25,2,1,2026-12-11T05:07:09+01:00,CARD7\n",
        sheet)
                    .empty());
    std::string csv;
    ASSERT_TRUE(DeploymentsCsv(sheet, &FindProfile, FixedFleetEnvironment(), csv).ok());
    EXPECT_EQ(csv,
        "deploymentID,locationName,latitude,longitude,deploymentStart,deploymentEnd,cameraID,cameraModel,cameraDelay\n"
        "A07Z_2026-12-11,Oak,47.5,8.25,2026-12-11T05:07:09+01:00,,A07Z,Tamb Vorrel-Q300,120\n");
}

} // namespace
} // namespace tamb
