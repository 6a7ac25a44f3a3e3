#include "model/DataExchange.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace tamb {
namespace {

class TextMap : public ControlTextAccess
{
public:
    std::string controlText(int controlId) const override
    {
        const auto found = texts.find(controlId);
        return found == texts.end() ? std::string() : found->second;
    }
    void setControlText(int controlId, std::string_view text) override { texts[controlId] = std::string(text); }

    std::map<int, std::string> texts;
};

struct IntegerCase
{
    const char* name;
    const char* text;
    std::optional<MessageId> problem;
    std::int32_t stored; // the value after the sync; 10 is the value before
};

void PrintTo(const IntegerCase& row, std::ostream* stream)
{
    *stream << row.name << " \"" << row.text << "\"";
}

class IntegerSyncTest : public testing::TestWithParam<IntegerCase>
{
};

TEST_P(IntegerSyncTest, ReadsChecksAndStoresAsTheDialogsExpect)
{
    const IntegerCase& row = GetParam();
    std::int32_t videoLength = 10;
    DataExchange exchange;
    exchange.bindInteger(1002, videoLength, 1, 60);
    TextMap controls;
    controls.texts[1002] = row.text;

    const std::optional<SyncFailure> failure = exchange.sync(controls);

    ASSERT_EQ(failure.has_value(), row.problem.has_value());
    if (failure) {
        EXPECT_EQ(failure->message.id, *row.problem);
        EXPECT_EQ(failure->controlId, 1002);
        if (*row.problem == MessageId::IntegerOutOfRange) {
            EXPECT_EQ(failure->message.arguments, (std::vector<std::string> { "1", "60" }));
        }
    }
    EXPECT_EQ(videoLength, row.stored);
}

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(Texts, IntegerSyncTest,
    testing::Values(IntegerCase { "InRange", "60", std::nullopt, 60 },
        IntegerCase { "BlanksAroundAndPlusSign", "  +7 ", std::nullopt, 7 },
        IntegerCase { "EmptiedEditIsNotAnIntegerAndKeepsValue", "", MessageId::PromptInteger, 10 },
        IntegerCase { "SignAlone", "-", MessageId::PromptInteger, 10 },
        IntegerCase { "TrailingLetter", "7a", MessageId::PromptInteger, 10 },
        IntegerCase { "InnerBlank", "1 2", MessageId::PromptInteger, 10 },
        // A range failure stores the value first, so that a correction rule can act on it.
        IntegerCase { "AboveRangeIsStored", "75", MessageId::IntegerOutOfRange, 75 },
        IntegerCase { "ZeroBelowRange", "0", MessageId::IntegerOutOfRange, 0 },
        IntegerCase { "NegativeBelowRange", "-3", MessageId::IntegerOutOfRange, -3 },
        IntegerCase { "HugeClampsWithoutOverflow", "99999999999999999999", MessageId::IntegerOutOfRange, kInt32Max },
        IntegerCase { "HugeNegativeClamps", "-99999999999999999999", MessageId::IntegerOutOfRange, kInt32Min }),
    [](const testing::TestParamInfo<IntegerCase>& rowInfo) { return std::string(rowInfo.param.name); });

struct ExchangeTextCase
{
    const char* name;
    std::string text;
    bool fits;
};

void PrintTo(const ExchangeTextCase& row, std::ostream* stream)
{
    *stream << row.name << " (" << row.text.size() << " characters)";
}

class TextLengthTest : public testing::TestWithParam<ExchangeTextCase>
{
};

TEST_P(TextLengthTest, CountsUtf16UnitsAgainstTheLimit)
{
    const ExchangeTextCase& row = GetParam();
    std::string folder = "C:\\";
    DataExchange exchange;
    exchange.bindText(1064, folder, 80);
    TextMap controls;
    controls.texts[1064] = row.text;

    const std::optional<SyncFailure> failure = exchange.sync(controls);

    EXPECT_EQ(!failure.has_value(), row.fits);
    if (failure) {
        EXPECT_EQ(*failure, (SyncFailure { 1064, DialogMessage::of(MessageId::PromptTextTooLong, 80) }));
    }
    EXPECT_EQ(folder, row.text);
}

std::string Repeated(std::string_view piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(Texts, TextLengthTest,
    testing::Values(ExchangeTextCase { "EightyAscii", Repeated("a", 80), true },
        ExchangeTextCase { "EightyOneAscii", Repeated("a", 81), false },
        // Three UTF-8 bytes each, one unit each: 240 bytes still fit.
        ExchangeTextCase { "EightyChinese", Repeated("相", 80), true },
        // Outside the basic plane a character takes two units.
        ExchangeTextCase { "FortyOneAstral", Repeated("\xF0\x9F\x93\xB7", 41), false },
        ExchangeTextCase { "FortyAstral", Repeated("\xF0\x9F\x93\xB7", 40), true }),
    [](const testing::TestParamInfo<ExchangeTextCase>& rowInfo) { return std::string(rowInfo.param.name); });

TEST(DataExchangeTest, FirstFailureInBindingOrderEndsTheSyncAndLeavesLaterValues)
{
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::string third = "before";
    DataExchange exchange;
    exchange.bindInteger(1, first, 0, 59);
    exchange.bindInteger(2, second, 0, 23);
    exchange.bindText(3, third, 80);
    TextMap controls;
    controls.texts = { { 1, "30" }, { 2, "24" }, { 3, "after" } };

    const std::optional<SyncFailure> failure = exchange.sync(controls);

    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->controlId, 2);
    EXPECT_EQ(first, 30);
    EXPECT_EQ(second, 24);
    EXPECT_EQ(third, "before");
}

TEST(DataExchangeTest, WriteBackShowsEveryValue)
{
    std::int32_t hour = -5;
    std::string clock = "2024/02/03 07:05:09";
    DataExchange exchange;
    exchange.bindInteger(1017, hour, 0, 23);
    exchange.bindText(1030, clock);
    TextMap controls;

    exchange.writeBack(controls);

    EXPECT_EQ(controls.texts, (std::map<int, std::string> { { 1017, "-5" }, { 1030, "2024/02/03 07:05:09" } }));
}

TEST(DataExchangeTest, TextCheckRunsAfterTheLengthAndStopsTheSync)
{
    std::string phone;
    std::int32_t later = 0;
    DataExchange exchange;
    exchange.bindText(1006, phone, 12, [](const std::string& text) -> std::optional<DialogMessage> {
        if (text.find('x') != std::string::npos)
            return DialogMessage::of(MessageId::PhoneRecheck);
        return std::nullopt;
    });
    exchange.bindInteger(1013, later, 0, 200);
    TextMap controls;
    controls.texts = { { 1006, "12x" }, { 1013, "5" } };

    EXPECT_EQ(exchange.sync(controls), (SyncFailure { 1006, DialogMessage::of(MessageId::PhoneRecheck) }));
    EXPECT_EQ(phone, "12x");
    EXPECT_EQ(later, 0);

    controls.texts[1006] = "1234567890123x";
    EXPECT_EQ(exchange.sync(controls)->message.id, MessageId::PromptTextTooLong);
}

TEST(DataExchangeTest, MessagesReadInTheLanguageOnScreen)
{
    EXPECT_EQ(DialogMessage::of(MessageId::PromptInteger).text(kChinese), "请输入一个整数。");
    EXPECT_EQ(DialogMessage::of(MessageId::PromptTextTooLong, 80).text(kChinese), "输入的字符请不要多于 80 个。");
    EXPECT_EQ(DialogMessage::of(MessageId::IntegerOutOfRange, 0, 23).text(3),
        "Bitte geben Sie eine ganze Zahl zwischen 0 und 23 ein!");
    // What a dialog shows: the check's own text, then what to do.
    EXPECT_EQ(DialogMessage::of(MessageId::IntegerOutOfRange, 0, 23).shownText(kEnglish),
        "Please enter an integer between 0 and 23!\nType a number within these limits into the highlighted field.");
    EXPECT_EQ(DialogMessage::of(MessageId::MenuFileGenerated).shownText(kEnglish),
        "Camera menu configuration file is generated");
}

} // namespace
} // namespace tamb
