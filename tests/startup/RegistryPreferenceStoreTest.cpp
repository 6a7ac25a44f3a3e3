#include "startup/RegistryPreferenceStore.h"

#include "startup/Startup.h"
#include "support/PreferenceKey.h"
#include "support/SystemLanguages.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

using test::kChinaPrc;
using test::kGermanLiechtenstein;
using test::PreferenceKeyExists;
using test::RegistryValue;
using test::StoredPreferenceValue;
using test::StorePreferenceNumber;

std::vector<std::uint8_t> DwordBytes(std::uint32_t value)
{
    return { static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24) };
}

// Every test starts without the key and leaves none behind, so that the command-line tests in the same
// prefix see no stored preferences.
class RegistryPreferenceStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { test::RemovePreferenceKey(); }
    void TearDown() override { test::RemovePreferenceKey(); }
};

TEST_F(RegistryPreferenceStoreTest, FirstRunCreatesTheKeyAndStoresEveryValueInItsRegistryType)
{
    RegistryPreferenceStore store { kChinaPrc };

    const auto state = RunStartup(store, kChinaPrc);

    EXPECT_EQ(state.language, 1);
    EXPECT_EQ(state.model, 1);
    ASSERT_TRUE(PreferenceKeyExists());
    for (const auto& [name, number] : { std::pair { L"language", 1u }, { L"model", 1u }, { L"TvMode", 0u } }) {
        const auto value = StoredPreferenceValue(name);
        ASSERT_TRUE(value.has_value()) << "missing value";
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(value->bytes, DwordBytes(number));
    }
    const auto company = StoredPreferenceValue(L"Company");
    ASSERT_TRUE(company.has_value());
    EXPECT_EQ(company->type, static_cast<DWORD>(REG_SZ));
    const auto block = CompanyBlock();
    EXPECT_EQ(company->bytes, std::vector<std::uint8_t>(block.begin(), block.end()));
}

TEST_F(RegistryPreferenceStoreTest, ReadsKeepTheLow16BitsAndAMissingLanguageComesFromTheSystem)
{
    ASSERT_TRUE(StorePreferenceNumber(L"model", 0x00010003u));
    ASSERT_TRUE(StorePreferenceNumber(L"TvMode", 0x00020102u));
    RegistryPreferenceStore store { kGermanLiechtenstein };

    EXPECT_EQ(store.ReadLanguage(), (PreferenceRead { true, 3 }));
    EXPECT_EQ(store.ReadModel(), (PreferenceRead { true, 3 }));
    EXPECT_EQ(store.ReadTvMode(), (PreferenceRead { true, 0x0102 }));
    EXPECT_FALSE(store.ReadCompany());
    EXPECT_FALSE(StoredPreferenceValue(L"language").has_value()) << "a read writes nothing";
}

TEST_F(RegistryPreferenceStoreTest, WritesReplaceTheStoredNumberAndLookingCreatesNothing)
{
    RegistryPreferenceStore store { kChinaPrc };
    EXPECT_FALSE(store.StoredLanguage().has_value());
    EXPECT_FALSE(store.WriteModel(5)) << "a write without the key fails";
    EXPECT_FALSE(PreferenceKeyExists());

    ASSERT_TRUE(StorePreferenceNumber(L"model", 9));
    ASSERT_TRUE(store.WriteModel(17));
    ASSERT_TRUE(store.WriteLanguage(15));

    EXPECT_EQ(store.ReadModel(), (PreferenceRead { true, 17 }));
    EXPECT_EQ(store.StoredLanguage(), LanguageId { 15 });
    EXPECT_EQ(StoredPreferenceValue(L"language")->bytes, DwordBytes(15));
}

} // namespace
} // namespace tamb
