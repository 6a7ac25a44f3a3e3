#include "cellular/OemCodePage.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace tamb {
namespace {

struct LocaleCase
{
    const char* name;
    const char* locale;
    int codePage;
};

void PrintTo(const LocaleCase& row, std::ostream* stream)
{
    *stream << row.name << " " << row.locale;
}

class OemCodePageForLocaleTest : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(OemCodePageForLocaleTest, PicksThePageWindowsUsesForTheLocale)
{
    EXPECT_EQ(OemCodePageForLocale(GetParam().locale), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(Locales, OemCodePageForLocaleTest,
    ::testing::Values(LocaleCase { "UsEnglish", "en_US.UTF-8", 437 },
        LocaleCase { "BritishEnglish", "en_GB.UTF-8", 850 }, LocaleCase { "German", "de_DE.UTF-8", 850 },
        LocaleCase { "Polish", "pl_PL.UTF-8", 852 }, LocaleCase { "Czech", "cs_CZ", 852 },
        LocaleCase { "Russian", "ru_RU.UTF-8", 866 }, LocaleCase { "Ukrainian", "uk_UA.UTF-8", 866 },
        LocaleCase { "Turkish", "tr_TR.UTF-8", 857 }, LocaleCase { "Lithuanian", "lt_LT.UTF-8", 775 },
        LocaleCase { "Mainland", "zh_CN.UTF-8", 936 }, LocaleCase { "Taiwan", "zh_TW.UTF-8", 950 },
        LocaleCase { "Japanese", "ja_JP.UTF-8", 932 }, LocaleCase { "SerbianLatin", "sr_RS.UTF-8@latin", 852 },
        LocaleCase { "Serbian", "sr_RS", 855 }, LocaleCase { "CLocale", "C", 437 },
        LocaleCase { "Posix", "POSIX", 437 }, LocaleCase { "Empty", "", 437 }),
    [](const auto& row) { return std::string(row.param.name); });

struct CodePageRoundTrip
{
    const char* name;
    int codePage;
    std::string text;
};

void PrintTo(const CodePageRoundTrip& row, std::ostream* out)
{
    *out << row.name << " (code page " << row.codePage << ")";
}

class OemCodePageRoundTripTest : public ::testing::TestWithParam<CodePageRoundTrip>
{
};

TEST_P(OemCodePageRoundTripTest, DecodesWhatItEncodedWithoutLoss)
{
    const OemCodePage page { GetParam().codePage };
    const auto encoded = page.encode(GetParam().text);
    EXPECT_TRUE(encoded.lossless);
    EXPECT_EQ(page.decode(encoded.bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pages, OemCodePageRoundTripTest,
    ::testing::Values(CodePageRoundTrip { "Western", 850, "Grüße à Paris" },
        CodePageRoundTrip { "Central", 852, "Žluťoučký kůň" }, CodePageRoundTrip { "Cyrillic", 866, "Мегафон" },
        CodePageRoundTrip { "Turkish", 857, "İsrail ğ" }, CodePageRoundTrip { "Baltic", 775, "Łotwa ąčę" },
        CodePageRoundTrip { "Chinese", 936, "中国移动 mail@x.cn" }, CodePageRoundTrip { "Japanese", 932, "その他" },
        CodePageRoundTrip { "UsEnglish", 437, "Café ñ £" }, CodePageRoundTrip { "SerbianCyrillic", 855, "Србија" },
        CodePageRoundTrip { "Greek", 737, "Ελλάδα" }, CodePageRoundTrip { "Hebrew", 862, "ישראל" },
        CodePageRoundTrip { "Thai", 874, "ไทย internet" }, CodePageRoundTrip { "Korean", 949, "대한민국" },
        CodePageRoundTrip { "Traditional", 950, "中華電信" },
        CodePageRoundTrip { "VietnameseEndingInALetter", 1258, "Tiếng Việt internet" }),
    [](const auto& row) { return std::string(row.param.name); });

struct KnownBytesCase
{
    const char* name;
    int codePage;
    std::string text;
    std::string bytes;
};

void PrintTo(const KnownBytesCase& row, std::ostream* stream)
{
    *stream << row.name;
}

class OemCodePageBytesTest : public ::testing::TestWithParam<KnownBytesCase>
{
};

// The bytes are those of the published code page tables, so the conversion of every platform (iconv, or
// WideCharToMultiByte on Windows) must give them, not merely read its own output back.
TEST_P(OemCodePageBytesTest, GivesTheBytesOfThePublishedTable)
{
    const OemCodePage page { GetParam().codePage };
    EXPECT_EQ(page.encode(GetParam().text).bytes, GetParam().bytes);
    EXPECT_EQ(page.decode(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pages, OemCodePageBytesTest,
    ::testing::Values(KnownBytesCase { "UsEnglish", 437, "café", "caf\x82" },
        KnownBytesCase { "Western", 850, "Grüße",
            "Gr\x81\xE1"
            "e" },
        KnownBytesCase { "Central", 852, "kůň", "k\x85\xE5" },
        // Characters that a composing conversion would replace: a compatibility ideograph and the Angstrom sign.
        KnownBytesCase { "KoreanCompatibilityCharacters", 949, "\uF900 \u212B", "\xCB\xD0 \xA1\xCA" },
        KnownBytesCase { "Cyrillic", 866, "Мгн", "\x8C\xA3\xAD" },
        KnownBytesCase { "Chinese", 936, "中国", "\xD6\xD0\xB9\xFA" },
        KnownBytesCase { "Japanese", 932, "その", "\x82\xBB\x82\xCC" }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OemCodePageTest, AsciiStaysAsciiAndTheUnheldBecomeQuestionMarks)
{
    const OemCodePage us { 437 };
    const std::string ascii = "user@example.com:8080/\\~";
    EXPECT_EQ(us.encode(ascii).bytes, ascii);
    EXPECT_TRUE(us.encode(ascii).lossless);

    const auto lossy = us.encode("a中b");
    EXPECT_EQ(lossy.bytes, "a?b");
    EXPECT_FALSE(lossy.lossless);

    const auto malformed = us.encode("a\xFF"
                                     "b");
    EXPECT_EQ(malformed.bytes, "a?b");
    EXPECT_FALSE(malformed.lossless);
}

TEST(OemCodePageTest, UndefinedBytesDecodeToReplacementCharacters)
{
    // 0x81 alone is the lead byte of a pair in code page 936; at the end of the text it is incomplete.
    EXPECT_EQ(OemCodePage { 936 }.decode("ab\x81"), "ab\xEF\xBF\xBD");
}

} // namespace
} // namespace tamb
