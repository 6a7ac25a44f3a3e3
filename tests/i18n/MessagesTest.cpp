#include "i18n/Messages.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace tamb {
namespace {

struct FillCase
{
    std::string name;
    std::string pattern;
    std::vector<std::string> args;
    std::string expected;
};

void PrintTo(const FillCase& row, std::ostream* stream)
{
    *stream << row.name << " \"" << row.pattern << "\"";
}

class Placeholders : public testing::TestWithParam<FillCase>
{
};

TEST_P(Placeholders, FillsNumberedArguments)
{
    EXPECT_EQ(FillPlaceholders(GetParam().pattern, GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, Placeholders,
    testing::Values(FillCase { "TwoInOrder", "between %1 and %2!", { "0", "99" }, "between 0 and 99!" },
        FillCase { "Reordered", "%2 before %1", { "a", "b" }, "b before a" },
        FillCase { "Repeated", "%1-%1", { "x" }, "x-x" },
        FillCase {
            "ChineseAround", "请输入一个 %1 至 %2 之间的整数。", { "0", "99" }, "请输入一个 0 至 99 之间的整数。" },
        FillCase { "MissingArgumentKept", "%1 and %2", { "1" }, "1 and %2" },
        FillCase { "ArgumentNotRescanned", "%1", { "%2" }, "%2" },
        FillCase { "LiteralPercent", "100% of %1", { "it" }, "100% of it" },
        FillCase { "TrailingPercent", "%1%", { "5" }, "5%" },
        FillCase { "ZeroIsNotAPlaceholder", "%0", { "x" }, "%0" }),
    [](const testing::TestParamInfo<FillCase>& row) { return row.param.name; });

TEST(MessagesTest, EveryLanguageReadsItsOwnTextAndChineseAndEnglishKeepTheirs)
{
    EXPECT_EQ(FormattedMessage(MessageId::IntegerOutOfRange, kChinese, 0, 99), "请输入一个介于0和99之间的值!");
    EXPECT_EQ(
        FormattedMessage(MessageId::IntegerOutOfRange, kEnglish, 0, 99), "Please enter an integer between 0 and 99!");
    EXPECT_EQ(FormattedMessage(MessageId::IntegerOutOfRange, 3, 1, 60),
        "Bitte geben Sie eine ganze Zahl zwischen 1 und 60 ein!");
    EXPECT_EQ(FormattedMessage(MessageId::PromptTextTooLong, kChinese, 80), "输入的字符请不要多于 80 个。");
    EXPECT_EQ(FormattedMessage(MessageId::PromptTextTooLong, 3, 80), "Bitte geben Sie höchstens 80 Zeichen ein.");
    EXPECT_EQ(
        FormattedMessage(MessageId::PhoneTooManyDigits, kEnglish, 11), "The max allowable number of digits phone 11!");
    EXPECT_EQ(
        FormattedMessage(MessageId::PhoneTooManyDigits, 3, 11), "Eine Telefonnummer darf höchstens 11 Ziffern haben!");
    EXPECT_EQ(MessageText(MessageId::SmtpPortMissing, kEnglish), "Port");
    EXPECT_EQ(MessageText(MessageId::MenuFileGenerated, 10), "カメラメニューの設定ファイルを作成しました");
    EXPECT_EQ(FormattedMessage(MessageId::FileNotWritten, kEnglish, std::string { "/media/SD/menu.dat" },
                  std::string_view { "No space left on device" }),
        "The file /media/SD/menu.dat could not be written: No space left on device");
    EXPECT_EQ(FormattedMessage(MessageId::FileNotWritten, kChinese, "E:\\menu.dat", "磁盘已满"),
        "文件 E:\\menu.dat 无法写入：磁盘已满");
}

TEST(MessagesTest, AFailedCheckSaysWhatToDoInEveryLanguageAndAResultDoesNot)
{
    EXPECT_EQ(
        MessageHint(MessageId::SmtpPortMissing, kEnglish), "Enter the SMTP server's port, for example 465 or 587.");
    EXPECT_EQ(MessageHint(MessageId::SmtpPortMissing, kChinese), "请输入 SMTP 服务器的端口，例如 465 或 587。");
    for (const MessageId success : { MessageId::MenuFileGenerated, MessageId::MmsFileGenerated,
             MessageId::SmtpFileGenerated, MessageId::LoadExistingFile, MessageId::CardFull })
        EXPECT_TRUE(MessageHint(success, kEnglish).empty()) << CatalogueEntry(success).name;
    for (const MessageId check :
        { MessageId::IntegerOutOfRange, MessageId::PromptInteger, MessageId::PhoneAndEmailEmpty,
            MessageId::EmailWithoutAt, MessageId::UrlEmpty, MessageId::ApnEmpty, MessageId::GatewayEmpty,
            MessageId::PortEmpty, MessageId::GprsApnMissing, MessageId::SmtpServerMissing, MessageId::EmailMissing,
            MessageId::SenderPasswordMissing, MessageId::SmsPhoneError, MessageId::RemoteControlWithoutPhone }) {
        std::set<std::string_view> hints;
        for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language)
            hints.insert(MessageHint(check, language));
        EXPECT_FALSE(hints.contains(std::string_view {})) << CatalogueEntry(check).name;
        EXPECT_EQ(hints.size(), static_cast<std::size_t>(kLastLanguage)) << CatalogueEntry(check).name;
    }
}

TEST(MessagesTest, SameEnglishTextKeepsItsOwnChineseText)
{
    EXPECT_EQ(MessageText(MessageId::RemoteControlWithoutPhone, kEnglish), MessageText(MessageId::Phone1TooShort, 2));
    EXPECT_EQ(MessageText(MessageId::RemoteControlWithoutPhone, kChinese), "请设置手机号码1");
    EXPECT_EQ(MessageText(MessageId::Phone1TooShort, kChinese), "手机号码错误(01)");
    EXPECT_EQ(MessageText(MessageId::FactoryFileGenerated, kChinese), " 相机菜单出厂设置文件已经生成");
    EXPECT_EQ(MessageText(MessageId::Q400FactoryFileGenerated, kChinese), "相机菜单出厂设置文件已经生成");
}

TEST(MessagesTest, EveryMessageHasBothTextsAndAUniqueName)
{
    std::set<std::string_view> names;
    for (const Message& message : AllMessages()) {
        EXPECT_FALSE(message.chinese().empty()) << message.name;
        EXPECT_FALSE(message.english().empty()) << message.name;
        EXPECT_TRUE(names.insert(message.name).second) << message.name;
        EXPECT_EQ(&CatalogueEntry(message.id), &message) << message.name;
    }
}

// The placeholders %1..%9 that `text` uses, as a set of digits.
std::set<char> PlaceholdersOf(std::string_view text)
{
    std::set<char> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            found.insert(text[i + 1]);
    }
    return found;
}

TEST(MessagesTest, AMessageOfEveryLanguageHasItsOwnTextWithTheSamePlaceholders)
{
    for (const Message& message : AllMessages()) {
        EXPECT_NE(message.translations, nullptr) << message.name;
        if (message.translations == nullptr)
            continue;
        const auto english = MessageText(message.id, kEnglish);
        EXPECT_EQ(message.english(), english) << message.name;
        EXPECT_EQ(message.chinese(), MessageText(message.id, kChinese)) << message.name;
        std::set<std::string_view> texts;
        for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
            const auto text = MessageText(message.id, language);
            EXPECT_EQ(PlaceholdersOf(text), PlaceholdersOf(english)) << message.name << " in language " << language;
            texts.insert(text);
        }
        EXPECT_EQ(texts.size(), static_cast<std::size_t>(kLastLanguage)) << message.name << ": a text is repeated";
    }
    EXPECT_EQ(FormattedMessage(MessageId::CardFull, 13, "E:\\menu.dat"),
        "E:\\menu.dat dosyası yazılamadı: kart dolu. Karttan bazı fotoğraf veya videoları silin ya da başka bir kart "
        "kullanın ve tekrar deneyin.");
}

} // namespace
} // namespace tamb
