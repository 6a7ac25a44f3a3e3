#include "cellular/CellularRecord.h"
#include "cli/CliRunner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace tamb {
namespace {

struct CommandCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::string message; // a part of what the program must say
};

void PrintTo(const CommandCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class SettingsCommandRejectTest : public ::testing::TestWithParam<CommandCase>
{
};

TEST_P(SettingsCommandRejectTest, ExitsWithTwoAndWritesNothing)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2) << result.output;
    EXPECT_NE(result.output.find(GetParam().message), std::string::npos) << result.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
}

std::vector<std::string> Mms(std::initializer_list<std::string> more)
{
    std::vector<std::string> words { "mms", "--out", "{dir}/out" };
    words.insert(words.end(), more);
    return words;
}

std::vector<std::string> Smtp(std::initializer_list<std::string> more)
{
    std::vector<std::string> words { "smtp", "--out", "{dir}/out" };
    words.insert(words.end(), more);
    return words;
}

// An smtp command with everything Generate asks for besides `more`.
std::vector<std::string> SmtpFilled(std::initializer_list<std::string> more)
{
    auto words = Smtp(more);
    for (const char* word : { "smtpServer=smtp.example.com", "smtpPort=25", "senderEmail=cam@example.com",
             "senderPassword=secret", "recipientEmail=me@example.org" })
        words.emplace_back(word);
    return words;
}

INSTANTIATE_TEST_SUITE_P(Keys, SettingsCommandRejectTest,
    ::testing::Values(CommandCase { "MmsWithoutModel", Mms({ "phone1=123" }), "--model is required" },
        CommandCase { "MmsModelWithoutMms", Mms({ "--model", "14" }), "no MMS settings" },
        CommandCase { "MmsUnknownKey", Mms({ "--model", "1", "colour=red" }), "unknown key 'colour'" },
        CommandCase { "MmsBadMode", Mms({ "--model", "1", "mode=sometimes" }), "auto or manual" },
        CommandCase { "MmsParameterInAutoMode", Mms({ "--model", "1", "apn=internet" }), "mode=manual" },
        CommandCase { "MmsCountryInManualMode", Mms({ "--model", "1", "mode=manual", "country=3" }), "auto mode only" },
        CommandCase { "MmsStatusBeyondTheShortList", Mms({ "--model", "6", "mmsStatus=3" }), "0 to 2" },
        CommandCase {
            "MmsPicturesNotANumber", Mms({ "--model", "1", "picturesPerDay=many" }), "Please enter an integer." },
        CommandCase { "MmsHundredPictures", Mms({ "--model", "1", "picturesPerDay=100" }), "between 0 and 99" },
        CommandCase { "MmsOperatorNotOffered", Mms({ "--model", "1", "country=42", "operator=1" }), "operator" },
        CommandCase { "MmsPhoneTooLong", Mms({ "--model", "1", "phone1=123456789012" }), "digits phone 11!" },
        CommandCase { "MmsSecondRecipientFirst", Mms({ "--model", "1", "phone2=13800138000" }), "read-only" },
        CommandCase { "MmsPhoneScopeOfTheQ230Mg1080p", Mms({ "--model", "17", "phoneScope=1" }), "not offered" },
        CommandCase { "MmsNoRecipient", Mms({ "--model", "1" }), "Phone & Email Error(0)\n" },
        CommandCase {
            "MmsNoRecipientInChinese", Mms({ "--model", "1", "--language", "1" }), "手机号码和Email错误(0)\n" },
        CommandCase { "MmsQ400GatewayWithoutDot",
            Mms({ "--model", "4", "mode=manual", "url=http://m", "apn=a", "gateway=gw", "port=80", "phone1=13800138000",
                "--language", "1" }),
            "网关错误(.)\n" },
        CommandCase { "SmtpModelWithoutSmtp", Smtp({ "--model", "2" }), "no SMTP settings" },
        CommandCase { "SmtpStatusOnQ200", Smtp({ "--model", "3", "smtpStatus=1" }), "Q400" },
        CommandCase { "SmtpMmsKey", Smtp({ "--model", "4", "phoneScope=1" }), "unknown key 'phoneScope'" },
        CommandCase { "SmtpPositionBeyondTheList", Smtp({ "--model", "4", "country=43" }), "country" },
        CommandCase { "SmtpApnInAutoMode", Smtp({ "--model", "4", "apn=web" }), "mode=manual" },
        CommandCase { "SmtpStatusBeyondSms", Smtp({ "--model", "4", "smtpStatus=3" }), "smtpStatus takes" },
        CommandCase { "SmtpOperatorNotOffered", Smtp({ "--model", "3", "country=41", "operator=1" }), "operator" },
        CommandCase { "SmtpCountryInManualMode", Smtp({ "--model", "3", "mode=manual", "country=3" }), "auto mode" },
        CommandCase { "SmtpHundredPictures", Smtp({ "--model", "3", "picturesPerDay=100" }), "0 and 99" },
        CommandCase { "SmtpQ200SenderOf33", Smtp({ "--model", "3", "senderEmail=" + std::string(33, 'a') }), "32" },
        CommandCase { "SmtpGenerateAsksForTheServer", Smtp({ "--model", "3" }), "Smtp Server" },
        CommandCase {
            "SmtpHourWithoutPhone", SmtpFilled({ "--model", "3", "remoteControlHour=8" }), "Phone No. Error" },
        CommandCase { "SmtpQ400ShortPhone", SmtpFilled({ "--model", "4", "smsPhone=123" }), "Phone No. Error" }),
    [](const auto& row) { return row.param.name; });

// A check of Generate speaks as the dialog's message box does: its text alone on standard error, in the language
// of the messages, without the usage hint that wrong keys get.
TEST(SmtpCommandTest, GenerateRefusalIsTheDialogsMessageAlone)
{
    const CliSandbox sandbox;
    const std::string stdoutFile = (sandbox.folder() / "stdout").string();
    const auto english = sandbox.run(Smtp({ "--model", "3", "--language", "2" }), stdoutFile);
    EXPECT_EQ(english.exitCode, 2);
    EXPECT_EQ(english.output, "Smtp Server\n");
    const auto chinese = sandbox.run(Smtp({ "--model", "3", "--language", "1" }), stdoutFile);
    EXPECT_EQ(chinese.exitCode, 2);
    EXPECT_EQ(chinese.output, "请输入Smtp Server地址\n");
    EXPECT_TRUE(sandbox.outFiles().empty());
}

// The plain record `index` of a written settings file.
Record RecordOfFile(const std::filesystem::path& file, std::size_t index)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    Record record {};
    if (bytes.size() >= (index + 1) * kRecordSize) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(index * kRecordSize), kRecordSize, record.begin());
        ScrambleRecord(record);
    }
    return record;
}

std::string TextOf(const Record& record)
{
    return std::string(reinterpret_cast<const char*>(record.data()));
}

struct HeaderCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::vector<std::pair<std::size_t, std::uint8_t>> headerBytes;
};

void PrintTo(const HeaderCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class MmsCommandWriteTest : public ::testing::TestWithParam<HeaderCase>
{
};

TEST_P(MmsCommandWriteTest, WritesTheHeaderTheDialogWould)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(GetParam().arguments);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto header = RecordOfFile(sandbox.outFolder() / "setup.dat", 0);
    for (const auto& [at, value] : GetParam().headerBytes) {
        EXPECT_EQ(header[at], value) << "byte " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, MmsCommandWriteTest,
    ::testing::Values(HeaderCase { "GenericSms", Mms({ "--model", "1", "mmsStatus=3", "phone1=13800138000" }),
                          { { 0, 3 }, { 1, 4 } } },
        HeaderCase { "ShortListSmsIsThree", Mms({ "--model", "5", "mmsStatus=2", "phone1=13800138000" }),
            { { 0, 3 }, { 1, 3 } } },
        HeaderCase { "Q400SmsIsTwo", Mms({ "--model", "4", "mmsStatus=2" }), { { 0, 2 }, { 1, 3 } } },
        HeaderCase { "Manual",
            Mms({ "--model", "9", "mode=manual", "linkType=1", "url=http://m", "apn=a", "gateway=1.2.3.4", "port=80",
                "phone1=13800138000" }),
            { { 2, 1 }, { 8, 128 }, { 9, 0 }, { 55, 0 } } },
        HeaderCase { "IsraelByCountryIndex",
            Mms({ "--model", "3", "country=42", "picturesPerDay=37", "email=a@b.cn", "--language", "12", "--tv-mode",
                "1" }),
            { { 3, 3 }, { 4, 7 }, { 5, 12 }, { 6, 1 }, { 8, 42 }, { 9, 0 }, { 55, 1 } } },
        HeaderCase { "ChineseRequested",
            Mms({ "--model", "3", "--chinese-requested", "remoteControlHour=7", "phone1=13800138000", "phoneScope=1" }),
            { { 5, 1 }, { 7, 1 }, { 10, 7 } } }),
    [](const auto& row) { return row.param.name; });

TEST(MmsCommandTest, AutoModeTakesTheOperatorParametersFromTheDatabase)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(Mms({ "--model", "2", "country=0", "operator=1", "email=a@b.cn" }));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto file = sandbox.outFolder() / "setup.dat";
    // The provider database names China Unicom's MMS access point 3gwap.
    EXPECT_EQ(TextOf(RecordOfFile(file, 2)), "3gwap");
    EXPECT_EQ(TextOf(RecordOfFile(file, 4)), "80");
    EXPECT_EQ(TextOf(RecordOfFile(file, 6)), "a@b.cn");
    EXPECT_EQ(sandbox.outFiles(), std::vector<std::string> { "setup.dat" });
}

// Swisscom ended MMS: refused with the date, unless --even-if-ended.
TEST(MmsCommandTest, AnOperatorThatEndedMmsIsRefusedUnlessEvenIfEnded)
{
    const CliSandbox sandbox;
    const std::vector<std::string> swisscom
        = Mms({ "--model", "3", "mode=auto", "country=9", "operator=2", "phone1=0791234567" });
    const auto refused = sandbox.run(swisscom);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("Swisscom ended its MMS service on 2023-01-10"), std::string::npos) << refused.output;
    EXPECT_TRUE(sandbox.outFiles().empty());
    std::vector<std::string> anyway = swisscom;
    anyway.emplace_back("--even-if-ended");
    const auto written = sandbox.run(anyway);
    EXPECT_EQ(written.exitCode, 0) << written.output;
    EXPECT_EQ(sandbox.outFiles(), std::vector<std::string> { "setup.dat" });
}

TEST(OperatorsCommandTest, ListsEveryOperatorWithItsSourceDateAndMmsEnd)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run({ "operators", "--json" });
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto count = [&](const std::string& text) {
        std::size_t found = 0;
        for (auto at = result.output.find(text); at != std::string::npos; at = result.output.find(text, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count("\"table\": \"mms\""), 139U);
    EXPECT_EQ(count("\"table\": \"smtp\""), 119U);
    EXPECT_EQ(count("\"source\": "), 139U + 119U);
    EXPECT_EQ(count("\"mmsEnded\": \"20"), 3U);
    EXPECT_NE(result.output.find("\"name\": \"Swisscom\", \"parameters\": {\"url\": \"http://mms.natel.ch:8079\""),
        std::string::npos);
    const auto swiss = sandbox.run({ "operators", "--country", "9" });
    ASSERT_EQ(swiss.exitCode, 0) << swiss.output;
    EXPECT_NE(swiss.output.find("database 2023-04-16\tMMS ended 2023-01-10"), std::string::npos) << swiss.output;
}

class SmtpCommandWriteTest : public ::testing::TestWithParam<HeaderCase>
{
};

TEST_P(SmtpCommandWriteTest, WritesTheHeaderTheDialogWould)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(GetParam().arguments);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto header = RecordOfFile(sandbox.outFolder() / "smtp.dat", 0);
    for (const auto& [at, value] : GetParam().headerBytes) {
        EXPECT_EQ(header[at], value) << "byte " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, SmtpCommandWriteTest,
    ::testing::Values(
        HeaderCase { "Q200Hour", SmtpFilled({ "--model", "5", "remoteControlHour=7", "smsPhone=13800000000" }),
            { { 6, 1 }, { 7, 1 }, { 8, 7 } } },
        HeaderCase { "Q400Hour",
            SmtpFilled({ "--model", "13", "remoteControlHour=7", "smtpStatus=1", "smsPhone=13800000000" }),
            { { 6, 1 }, { 7, 7 }, { 8, 1 } } },
        HeaderCase { "IsraelBySmtpPosition", SmtpFilled({ "--model", "4", "country=41" }), { { 1, 0 }, { 2, 41 } } },
        HeaderCase { "OperatorAfterItsCountry", SmtpFilled({ "--model", "4", "operator=1", "country=3" }),
            { { 1, 1 }, { 2, 3 } } },
        HeaderCase {
            "Manual", SmtpFilled({ "--model", "4", "mode=manual", "apn=web" }), { { 1, 0 }, { 2, 128 }, { 55, 0 } } }),
    [](const auto& row) { return row.param.name; });

TEST(SmtpCommandTest, AutoModeTakesTheGprsParametersFromTheDatabase)
{
    const CliSandbox sandbox;
    const auto result = sandbox.run(SmtpFilled({ "--model", "3", "country=0", "operator=0" }));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto file = sandbox.outFolder() / "smtp.dat";
    EXPECT_EQ(TextOf(RecordOfFile(file, 1)), "cmnet");
    EXPECT_EQ(TextOf(RecordOfFile(file, 9)), "cam");
}

struct RoundTripCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::string file;
    std::string kind;
};

void PrintTo(const RoundTripCase& row, std::ostream* stream)
{
    *stream << row.name << " " << row.file;
}

class SettingsCommandInspectTest : public ::testing::TestWithParam<RoundTripCase>
{
};

TEST_P(SettingsCommandInspectTest, InspectFindsTheWrittenFileSoundAndAFlippedByteNot)
{
    const CliSandbox sandbox;
    ASSERT_EQ(sandbox.run(GetParam().arguments).exitCode, 0);
    const auto path = "{dir}/out/" + GetParam().file;

    const auto sound = sandbox.run({ "inspect", "--json", path });
    EXPECT_EQ(sound.exitCode, 0) << sound.output;
    const auto kind = "\"kind\": \"" + GetParam().kind + "\", \"valid\": true";
    EXPECT_NE(sound.output.find(kind), std::string::npos) << sound.output;

    const auto file = sandbox.outFolder() / GetParam().file;
    std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
    stream.seekg(130);
    const auto byte = static_cast<char>(stream.get() ^ 0x10);
    stream.seekp(130);
    stream.put(byte);
    stream.close();
    const auto damaged = sandbox.run({ "inspect", "--kind", GetParam().kind, path });
    EXPECT_EQ(damaged.exitCode, 1) << damaged.output;
    EXPECT_NE(damaged.output.find("NOT valid"), std::string::npos) << damaged.output;
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsCommandInspectTest,
    ::testing::Values(RoundTripCase { "SetupInternational",
                          Mms({ "--model", "3", "country=3", "operator=8", "phoneScope=1", "phone1=+441234567890" }),
                          "setup.dat", "setup" },
        RoundTripCase { "SetupManual",
            Mms({ "--model", "17", "mode=manual", "url=http://m", "apn=a", "gateway=1.2.3.4", "port=80",
                "phone1=me@example.com" }),
            "setup.dat", "setup" },
        RoundTripCase { "SmtpQ200", SmtpFilled({ "--model", "6" }), "smtp.dat", "smtp" },
        RoundTripCase { "SmtpQ400", SmtpFilled({ "--model", "16", "mode=manual", "apn=web", "smtpStatus=2" }),
            "smtp.dat", "smtp" }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
