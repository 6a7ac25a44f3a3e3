#include "camera/CameraMessage.h"

#include "camera/CameraOptions.h"

#include <gtest/gtest.h>
#include <string>

namespace tamb {
namespace {

struct MessageCase
{
    std::string name;
    CameraMessage message;
    LanguageId language;
    std::string text;
};

class CameraMessageTextTest : public ::testing::TestWithParam<MessageCase>
{
};

TEST_P(CameraMessageTextTest, ShowsChineseOnlyForChinese)
{
    EXPECT_EQ(CameraMessageText(GetParam().message, GetParam().language), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Messages, CameraMessageTextTest,
    ::testing::Values(MessageCase { "RangeInGerman", CameraMessage::outOfRange(1, 60), 3,
                          "Please enter an integer between 1 and 60!" },
        MessageCase { "RangeInChinese", CameraMessage::outOfRange(0, 23), kChinese, "请输入一个介于0和23之间的值!" },
        MessageCase { "IntegerInChinese", CameraMessage::integerRequired(), kChinese, "请输入一个整数。" },
        MessageCase { "FolderLimitInEnglish", CameraMessage::tooManyCharacters(80), kEnglish,
            "Please enter no more than 80 characters." },
        MessageCase { "GenericFactoryInChineseHasALeadingBlank",
            CameraMessage::resultOf(CameraResultText::FactoryGenerated), kChinese, " 相机菜单出厂设置文件已经生成" },
        MessageCase { "Q400FactoryInChineseHasNone", CameraMessage::resultOf(CameraResultText::FactoryGeneratedNoBlank),
            kChinese, "相机菜单出厂设置文件已经生成" },
        MessageCase { "Q400GeneratedInJapanese", CameraMessage::resultOf(CameraResultText::ConfigurationGenerated), 10,
            "Configuration file is generated" },
        MessageCase { "WriteFailureNamesTheReason",
            CameraMessage::writeFailed("/card/menu.dat", "No space left on device"), kChinese,
            "文件 /card/menu.dat 无法写入：No space left on device" }),
    [](const ::testing::TestParamInfo<MessageCase>& row) { return row.param.name; });

TEST(CameraOptionTextsTest, LiteralDateFormatsAreEnglishOutsideChinese)
{
    const CameraModelVariant& variant = FamilyData(CameraFamily::Q300).models.front();
    EXPECT_EQ(OptionTexts(OptionSource::LiteralDateFormat, variant, 4).front(), "YYMMDD");
    EXPECT_EQ(OptionTexts(OptionSource::LiteralDateFormat, variant, kChinese).front(), "年月日");
    EXPECT_NE(OptionTexts(OptionSource::DateFormat, variant, 4).front(), "YYMMDD");
}

} // namespace
} // namespace tamb
