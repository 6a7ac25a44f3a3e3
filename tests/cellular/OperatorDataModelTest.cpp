#include "cellular/MmsSettingsModel.h"
#include "cellular/OperatorParameters.h"
#include "smtp/SmtpSettingsModel.h"

#include <gtest/gtest.h>
#include <string>

namespace tamb {
namespace {

using namespace mms;

constexpr int kChinaUnicom = 1;
constexpr int kUnitedStates = 1;
constexpr int kTMobileUs = 0;
constexpr int kSwitzerland = 9;
constexpr int kSwisscom = 2;
constexpr int kSunrise = 1;

// An MMS dialog of model 3 that records what it writes, with the snapshot as its provider database.
class OperatorDialog
{
public:
    explicit OperatorDialog(LanguageId language = kEnglish)
        : m_model(MmsEnvironment {
            .app = AppState { .language = language, .model = 3 },
            .startFolder = "/card",
            .codePage = OemCodePage { 850 },
            .writeSetupFile =
                [this](std::string_view, const MmsSettings& settings) {
                    ++m_writes;
                    m_written = settings;
                    return Status::success();
                },
            .operators = &m_operators,
        })
    {
        (void)m_model.editChanged(kEmailEdit, "me@example.org");
    }

    DialogOutcome choose(int country, int op)
    {
        DialogOutcome outcome = m_model.selectionChanged(kCountryList, country);
        if (op != 0)
            outcome = m_model.selectionChanged(kOperatorList, op);
        return outcome;
    }

    MmsSettingsModel& model() { return m_model; }
    [[nodiscard]] int writes() const { return m_writes; }
    [[nodiscard]] const MmsSettings& written() const { return m_written; }

private:
    OperatorParameters m_operators;
    int m_writes = 0;
    MmsSettings m_written;
    MmsSettingsModel m_model;
};

struct AutoCase
{
    std::string name;
    int country;
    int op;
    ParameterSource source;
};

class MmsAutoParametersTest : public ::testing::TestWithParam<AutoCase>
{
};

// Generate in Auto mode writes what the operator's source says: the provider database for an operator mapped to
// it (China Unicom's database entry names another access point than the built-in table), the built-in table
// otherwise.
TEST_P(MmsAutoParametersTest, GenerateWritesTheParametersOfTheOperatorsSource)
{
    OperatorDialog dialog;
    (void)dialog.choose(GetParam().country, GetParam().op);
    (void)dialog.model().clicked(kGenerateButtonId);
    ASSERT_EQ(dialog.writes(), 1);
    const auto country = static_cast<std::size_t>(GetParam().country);
    const auto op = static_cast<std::size_t>(GetParam().op);
    const MmsParameterSet& expected = GetParam().source == ParameterSource::ProviderDatabase
        ? ProviderMmsSnapshot[country][op].values
        : MmsParams(country, op);
    EXPECT_EQ(dialog.written().url, expected.url);
    EXPECT_EQ(dialog.written().apn, expected.apn);
    EXPECT_EQ(dialog.written().gateway, expected.gateway);
    EXPECT_EQ(dialog.written().port, expected.port);
    EXPECT_EQ(dialog.written().account, expected.account);
    EXPECT_EQ(dialog.written().password, expected.password);
}

INSTANTIATE_TEST_SUITE_P(Operators, MmsAutoParametersTest,
    ::testing::Values(AutoCase { "ChinaUnicomFromTheDatabase", 0, kChinaUnicom, ParameterSource::ProviderDatabase },
        AutoCase { "TMobileUsFromTheBuiltInTable", kUnitedStates, kTMobileUs, ParameterSource::BuiltIn }),
    [](const auto& row) { return row.param.name; });

TEST(MmsAutoParametersTest, ChinaUnicomTakesTheDatabasesAccessPoint)
{
    OperatorDialog dialog;
    (void)dialog.choose(0, kChinaUnicom);
    (void)dialog.model().clicked(kGenerateButtonId);
    EXPECT_EQ(dialog.written().apn, "3gwap");
}

struct SourceLineCase
{
    std::string name;
    LanguageId language;
    int country;
    int op;
    std::string line;
};

class MmsSourceLineTest : public ::testing::TestWithParam<SourceLineCase>
{
};

TEST_P(MmsSourceLineTest, SaysWhereTheParametersComeFromAndTheirDate)
{
    OperatorDialog dialog(GetParam().language);
    (void)dialog.choose(GetParam().country, GetParam().op);
    EXPECT_EQ(dialog.model().editText(kParameterSourceText), GetParam().line);
    EXPECT_TRUE(dialog.model().isShown(kParameterSourceText));
    (void)dialog.model().selectionChanged(kModeList, static_cast<int>(MmsMode::Manual));
    EXPECT_FALSE(dialog.model().isShown(kParameterSourceText));
    EXPECT_EQ(dialog.model().editText(kParameterSourceText), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, MmsSourceLineTest,
    ::testing::Values(SourceLineCase { "EnglishDatabase", kEnglish, 0, 0, "Parameters: provider database, 2023-04-16" },
        SourceLineCase { "ChineseDatabase", kChinese, 0, 0, "参数：运营商数据库，2023-04-16" },
        SourceLineCase { "EnglishBuiltIn", kEnglish, kUnitedStates, kTMobileUs, "Parameters: built-in table, 2016" },
        SourceLineCase { "ChineseBuiltIn", kChinese, kUnitedStates, kTMobileUs, "参数：内置表，2016" },
        // Namibia's MTC has no MMS parameters anywhere.
        SourceLineCase {
            "EnglishNone", kEnglish, 37, 0, "Parameters: none known for this operator (use Manual mode)" }),
    [](const auto& row) { return row.param.name; });

TEST(MmsEndedTest, ChoosingTheOperatorWarnsAndGenerateAsksWithNoAsTheDefault)
{
    OperatorDialog dialog;
    // Switzerland selects Orange (now Salt) first, which ended MMS as well.
    const DialogOutcome country = dialog.choose(kSwitzerland, 0);
    ASSERT_EQ(country.messages.size(), 1U);
    EXPECT_EQ(country.messages[0], DialogMessage::of(MessageId::MmsEnded, "Orange", "2023-01-10"));
    EXPECT_TRUE(dialog.choose(kSwitzerland, kSunrise).messages.empty());
    const DialogOutcome swisscom = dialog.choose(kSwitzerland, kSwisscom);
    ASSERT_EQ(swisscom.messages.size(), 1U);
    EXPECT_EQ(swisscom.messages[0].text(kEnglish),
        "Swisscom ended its MMS service on 2023-01-10, so the camera's pictures will not arrive by MMS. E-mail works "
        "instead where this camera model has SMTP Setup.");

    const DialogOutcome generate = dialog.model().clicked(kGenerateButtonId);
    ASSERT_TRUE(generate.question);
    EXPECT_EQ(generate.question->id, MessageId::MmsEndedWriteAnyway);
    EXPECT_EQ(generate.questionDefault, DefaultAnswer::No);
    EXPECT_EQ(dialog.writes(), 0);
    (void)dialog.model().answeredTo(*generate.question, false);
    EXPECT_EQ(dialog.writes(), 0);
    const DialogOutcome again = dialog.model().clicked(kGenerateButtonId);
    ASSERT_TRUE(again.question);
    const DialogOutcome written = dialog.model().answeredTo(*again.question, true);
    EXPECT_EQ(dialog.writes(), 1);
    EXPECT_EQ(written.messages.back().id, MessageId::MmsFileGenerated);
    // The question was answered; a later answer (to another question) writes nothing more.
    (void)dialog.model().answered(true);
    EXPECT_EQ(dialog.writes(), 1);
}

TEST(MmsEndedTest, ManualModeNeitherWarnsNorAsks)
{
    OperatorDialog dialog;
    (void)dialog.choose(kSwitzerland, kSwisscom);
    (void)dialog.model().selectionChanged(kModeList, static_cast<int>(MmsMode::Manual));
    for (const auto& [id, text] : std::vector<std::pair<int, std::string>> { { kUrlEdit, "http://mms.example" },
             { kApnEdit, "mms" }, { kGatewayEdit, "192.0.2.1" }, { kPortEdit, "8080" }, { kEmailEdit, "a@b.cn" } })
        (void)dialog.model().editChanged(id, text);
    EXPECT_FALSE(dialog.model().clicked(kGenerateButtonId).question);
    EXPECT_EQ(dialog.writes(), 1);
}

TEST(SmtpSourceLineTest, SaysWhereTheGprsParametersComeFrom)
{
    const OperatorParameters operators;
    SmtpEnvironment environment;
    environment.app = AppState { .language = kChinese, .model = 4 };
    environment.operators = &operators;
    SmtpSettingsModel model(SmtpFamily::Q400, environment);
    EXPECT_EQ(model.editText(kSmtpParameterSourceId), "参数：运营商数据库，2023-04-16");
    (void)model.selectionChanged(kSmtpCountryListId, 3);
    (void)model.selectionChanged(kSmtpOperatorListId, 5);
    // Virgin (United Kingdom) keeps the built-in values.
    EXPECT_EQ(model.chosenOperatorParameters().apn, GprsParamsFor(3, 5).apn);
    EXPECT_EQ(model.editText(kSmtpParameterSourceId), "参数：内置表，2016");
    (void)model.selectionChanged(kSmtpModeListId, 1);
    EXPECT_FALSE(model.isShown(kSmtpParameterSourceId));
}

} // namespace
} // namespace tamb
