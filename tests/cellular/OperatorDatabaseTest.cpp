#include "cellular/OperatorDatabase.h"

#include "i18n/CountryTexts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tamb {
namespace {

std::vector<std::string> NamesOf(std::span<const std::string_view> names)
{
    return { names.begin(), names.end() };
}

TEST(OperatorDatabaseTest, SmtpListLeavesOutCaymanIslandsAndShiftsTheLastTwoCountries)
{
    for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
        const auto smtp = SmtpCountries(language);
        const auto cayman = CountryName(language, kCaymanIslandsCountry);
        EXPECT_EQ(std::count(smtp.begin(), smtp.end(), cayman), 0) << "language " << language;
        EXPECT_TRUE(std::none_of(smtp.begin(), smtp.end(), [](auto name) { return name.empty(); }));
    }
    const auto english = SmtpCountries(kEnglish);
    EXPECT_EQ(english[40], "Cyprus");
    EXPECT_EQ(english[41], "Israel");
    EXPECT_EQ(english[42], "Bosnia and Herzegovina");
    EXPECT_EQ(CountryName(kEnglish, 42), "Israel");
    EXPECT_EQ(CountryName(kEnglish, 43), "Bosnia and Herzegovina");
    EXPECT_EQ(NamesOf(MmsOperators(42)), NamesOf(SmtpOperators(41)));
    EXPECT_EQ(NamesOf(MmsOperators(43)), NamesOf(SmtpOperators(42)));
}

TEST(OperatorDatabaseTest, MmsAndSmtpListsOfTheUnitedKingdomDiffer)
{
    EXPECT_EQ(MmsOperators(3).size(), 9u);
    EXPECT_EQ(SmtpOperators(3).size(), 8u);
    for (const std::size_t position : { 2u, 6u, 7u }) {
        EXPECT_NE(MmsOperators(3)[position], SmtpOperators(3)[position]) << "position " << position;
    }
}

TEST(OperatorDatabaseTest, ChineseOperatorsCarryTheirKnownAccessPoints)
{
    EXPECT_EQ(MmsParams(0, 0).apn, "cmwap");
    EXPECT_EQ(MmsParams(0, 1).apn, "uniwap");
    EXPECT_EQ(MmsParams(0, 0).gateway, MmsParams(0, 1).gateway);
    EXPECT_EQ(MmsParams(0, 0).port, "80");
    EXPECT_EQ(GprsParamsFor(0, 0).apn, "cmnet");
    EXPECT_EQ(GprsParamsFor(0, 1).apn, "uninet");
}

// A placeholder of the source would be sent to the network literally.
TEST(OperatorDatabaseTest, NoOfferedOperatorCarriesAPlaceholder)
{
    const auto placeholder
        = [](std::string_view value) { return value == "MSISDN" || value == "*" || value == "default"; };
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        for (std::size_t op = 0; op < MmsOperators(country).size(); ++op) {
            const auto& p = MmsParams(country, op);
            for (const auto value : { p.url, p.apn, p.gateway, p.port, p.account, p.password }) {
                EXPECT_FALSE(placeholder(value)) << country << "/" << op;
            }
        }
    }
    for (std::size_t position = 0; position < kSmtpCountryCount; ++position) {
        for (std::size_t op = 0; op < SmtpOperators(position).size(); ++op) {
            const auto& p = GprsParamsFor(position, op);
            for (const auto value : { p.apn, p.account, p.password }) {
                EXPECT_FALSE(placeholder(value)) << position << "/" << op;
            }
        }
    }
}

} // namespace
} // namespace tamb
