#include "camera/MenuFileReport.h"

#include "common/ModelCatalogue.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>

namespace tamb {
namespace {

std::map<std::string, MenuField> ByName(const MenuFileReport& report)
{
    std::map<std::string, MenuField> fields;
    for (const auto& field : report.fields) {
        fields[field.name] = field;
    }
    return fields;
}

TEST(MenuFileReportTest, GivesTheMeaningsThatDoNotDependOnTheModel)
{
    CameraSettings settings;
    settings.interval = IntervalField(30, 0);
    settings.videoLength = VideoLengthField(10);
    settings.clock.year = 2024;
    settings.serialNumber = { 35, 0, 9, 10 };
    settings.language = 1;
    settings.dateFormat = 2;
    settings.timeLapseEnabled = 1;
    settings.timer1Enabled = 1;
    const auto report = InspectMenuFile(BuildCameraRecord(CameraFamily::Generic, settings), std::nullopt);

    ASSERT_TRUE(report.problems.empty());
    const auto fields = ByName(report);
    const std::map<std::string, std::string> expected {
        { "interval", "30 seconds" },
        { "videoLength", "10 s" },
        { "clockYear", "2024" },
        { "serialNumber1", "'Z'" },
        { "serialNumber4", "'A'" },
        { "language", "Chinese" },
        { "dateFormat", "day-month-year" },
        { "timeLapseEnabled", "Off" },
        { "timer1Enabled", "On" },

    };
    for (const auto& [name, meaning] : expected) {
        ASSERT_TRUE(fields.contains(name)) << name;
        EXPECT_EQ(fields.at(name).meaning, meaning) << name;
    }
}

TEST(MenuFileReportTest, DecodesTheFamilyAreaOnlyWhenTheFamilyIsKnown)
{
    CameraSettings settings;
    settings.longitudeDegrees = 179;
    settings.latitudeSeconds = 59;
    const auto record = BuildCameraRecord(CameraFamily::Q300, settings);

    const auto decoded = ByName(InspectMenuFile(record, ModelId { 11 }));
    EXPECT_EQ(decoded.at("longitudeDegrees").value, 179);
    EXPECT_EQ(decoded.at("latitudeSeconds").value, 59);

    const auto raw = InspectMenuFile(record, std::nullopt);
    EXPECT_FALSE(ByName(raw).contains("longitudeDegrees"));
    ASSERT_EQ(raw.familyArea.size(), 17u);
    EXPECT_EQ(raw.familyArea[41 - 31], 179);
    EXPECT_EQ(raw.familyArea[47 - 31], 59);
}

TEST(MenuFileReportTest, WithAModelListFieldsShowTheOptionTextOfThatModel)
{
    CameraSettings settings;
    settings.imageSize = 0;
    settings.cameraMode = 2;
    settings.timer1Enabled = 1;
    settings.senseLevel = 9;
    const auto record = BuildCameraRecord(CameraFamily::Generic, settings);

    const auto model1 = ByName(InspectMenuFile(record, ModelId { 1 }));
    const auto model5 = ByName(InspectMenuFile(record, ModelId { 5 }));
    EXPECT_EQ(model1.at("imageSize").meaning, "5MP");
    EXPECT_EQ(model5.at("imageSize").meaning, "12MP") << "model 5 lists its image sizes in another order";
    EXPECT_EQ(model1.at("cameraMode").meaning, "Camera+Video");
    EXPECT_EQ(model1.at("timer1Enabled").meaning, "On");
    EXPECT_EQ(model1.at("senseLevel").meaning, "outside the 4 options of the list");
}

TEST(MenuFileReportTest, AWrongLengthHasNoFields)
{
    const std::vector<std::uint8_t> tooLong(61, 0);
    const auto report = InspectMenuFile(tooLong, ModelId { 1 });
    EXPECT_EQ(report.problems.size(), 1u);
    EXPECT_TRUE(report.fields.empty());
}

TEST(MenuFileReportTest, OutOfRangeBytesAreNamedNotLookedUp)
{
    auto record = FactoryResetRecord();
    record[8] = 200; // timer1Enabled
    record[25] = 36; // serialNumber1
    record[29] = 16; // language
    record[48] = 3; // dateFormat
    const auto fields = ByName(InspectMenuFile(record, std::nullopt));
    EXPECT_EQ(fields.at("timer1Enabled").meaning, "");
    EXPECT_EQ(fields.at("serialNumber1").meaning, "not a serial character");
    EXPECT_EQ(fields.at("language").meaning, "not a language");
    EXPECT_EQ(fields.at("dateFormat").meaning, "unknown layout");
}

ModelId ModelOf(CameraFamily family)
{
    for (ModelId model = 1; model <= kModelCount; ++model) {
        if (CameraFamilyFor(model) == family) {
            return model;
        }
    }
    return 1;
}

CameraSettingsRecord RecordWithSidePir(CameraFamily family)
{
    CameraSettings settings;
    settings.sidePir = 1;
    return BuildCameraRecord(family, settings);
}

TEST(MenuFileReportTest, EveryRecordAFamilyWritesIsSoundWithAndWithoutItsModel)
{
    for (ModelId model = 1; model <= kModelCount; ++model) {
        for (const auto& record : { RecordWithSidePir(CameraFamilyFor(model)), FactoryResetRecord() }) {
            EXPECT_EQ(InspectMenuFile(record, model).problems, std::vector<std::string> {}) << "model " << model;
            EXPECT_EQ(InspectMenuFile(record, std::nullopt).problems, std::vector<std::string> {}) << "model " << model;
        }
    }
}

// One byte outside any field's range of values, with the CRC made to match again: only the checks of fixed
// bytes and of the side PIR copy can find it.
struct FixedByteCase
{
    const char* name;
    CameraFamily family;
    bool withModel;
    std::size_t offset;
    std::uint8_t value;
};

void PrintTo(const FixedByteCase& row, std::ostream* out)
{
    *out << row.name;
}

class MenuFixedByteTest : public ::testing::TestWithParam<FixedByteCase>
{
};

TEST_P(MenuFixedByteTest, AChangedByteIsReportedAsDamage)
{
    const auto& row = GetParam();
    auto record = RecordWithSidePir(row.family);
    record[row.offset] = row.value;
    const auto crc = CameraRecordCrc(record);
    record[kCrcLowOffset] = static_cast<std::uint8_t>(crc & 0xFF);
    record[kCrcHighOffset] = static_cast<std::uint8_t>(crc >> 8);

    const auto report = InspectMenuFile(record, row.withModel ? std::optional { ModelOf(row.family) } : std::nullopt);

    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("byte " + std::to_string(row.offset)), std::string::npos) << report.problems[0];
}

INSTANTIATE_TEST_SUITE_P(Bytes, MenuFixedByteTest,
    ::testing::Values(FixedByteCase { .name = "SidePirCopyChanged",
                          .family = CameraFamily::Generic,
                          .withModel = false,
                          .offset = 51,
                          .value = 2 },
        FixedByteCase { .name = "SidePirCopyDroppedByGeneric",
            .family = CameraFamily::Generic,
            .withModel = true,
            .offset = 51,
            .value = 0 },
        FixedByteCase {
            .name = "SidePirCopyOnQ400", .family = CameraFamily::Q400, .withModel = true, .offset = 51, .value = 1 },
        FixedByteCase { .name = "Byte50", .family = CameraFamily::Q300, .withModel = false, .offset = 50, .value = 7 },
        FixedByteCase {
            .name = "Byte55OfQ420", .family = CameraFamily::Q420, .withModel = true, .offset = 55, .value = 1 },
        FixedByteCase {
            .name = "Byte49InsideTheCrc", .family = CameraFamily::Q100, .withModel = false, .offset = 49, .value = 1 },
        FixedByteCase { .name = "UnusedFamilyByteOfQ220",
            .family = CameraFamily::Q220,
            .withModel = true,
            .offset = 40,
            .value = 3 },
        FixedByteCase {
            .name = "FixedSidePirOfQ220", .family = CameraFamily::Q220, .withModel = true, .offset = 9, .value = 0 }),
    [](const auto& row) { return std::string { row.param.name }; });

} // namespace
} // namespace tamb
