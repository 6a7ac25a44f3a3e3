#include "i18n/StringsDump.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace tamb {
namespace {

TEST(StringsDumpTest, EscapesOnlyTabsAndLineBreaks)
{
    EXPECT_EQ(EscapeForDump("a\tb\nc"), "a\\tb\\nc");
    EXPECT_EQ(EscapeForDump("C:\\ E-mail  01 "), "C:\\ E-mail  01 ");
    EXPECT_EQ(EscapeForDump(""), "");
}

TEST(StringsDumpTest, OneLanguageGivesOnlyItsLines)
{
    std::ostringstream out;
    WriteTableDump(out, 10);
    const std::string dump = out.str();
    EXPECT_NE(dump.find("ExitText\t10\t0\t終了\n"), std::string::npos);
    EXPECT_NE(dump.find("DateFormatOptions\t10\t2\tDDMMYY\n"), std::string::npos);
    EXPECT_NE(dump.find("SidePirText\t10\t0\tサイドセンサー\n"), std::string::npos);
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.find("\t10\t"), std::string::npos) << line;
    }
    EXPECT_EQ(dump.find("ChinaOperatorNamesZh"), std::string::npos);
}

TEST(StringsDumpTest, AllLanguagesIncludeElementZeroAndTheEmptyCountrySlot)
{
    std::ostringstream out;
    WriteTableDump(out, std::nullopt);
    const std::string dump = out.str();
    EXPECT_EQ(dump.rfind("CameraSetupText\t1\t0\t相机设置\n", 0), 0U);
    EXPECT_NE(dump.find("SdCycleText\t0\t0\tSD Cycle\n"), std::string::npos);
    EXPECT_NE(dump.find("CountryNames\t15\t44\t\n"), std::string::npos);
    EXPECT_NE(dump.find("ChinaOperatorNamesZh\t1\t1\t中国联通\n"), std::string::npos);
    EXPECT_NE(dump.find("Email01Text\t15\t0\tE-mail  01\n"), std::string::npos);
}

TEST(StringsDumpTest, MessagesAsNameChineseEnglish)
{
    std::ostringstream out;
    WriteMessageDump(out);
    EXPECT_NE(out.str().find("SmtpFileGenerated\tSMTP配置文件已生成\tSMTP configuration file has been generated\n"),
        std::string::npos);
}

} // namespace
} // namespace tamb
