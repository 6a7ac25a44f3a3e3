#include "startup/FilePreferenceStore.h"

#include "startup/Startup.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tamb {
namespace {

namespace fs = std::filesystem;

class FilePreferenceStoreTest : public ::testing::Test
{
protected:
    [[nodiscard]] std::string path() const { return (m_folder / "config" / "tamb-vorrel" / "preferences").string(); }

    [[nodiscard]] std::string content() const
    {
        std::ifstream in(path());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void writeContent(const std::string& text) const
    {
        fs::create_directories(fs::path(path()).parent_path());
        std::ofstream(path()) << text;
    }

    test::TempFolder m_temp;
    fs::path m_folder = m_temp.path();
};

TEST_F(FilePreferenceStoreTest, FirstRunCreatesTheFileAndTheNextRunReadsIt)
{
    {
        FilePreferenceStore store { path(), kSystemLanguageChinesePrc };
        const auto first = RunStartup(store, kSystemLanguageChinesePrc);
        EXPECT_EQ(first.language, 1);
        EXPECT_TRUE(store.WriteModel(13));
    }
    EXPECT_EQ(content(),
        "# Tamb Vorrel setup preferences\nlanguage=1\nmodel=13\nTvMode=0\nCompany=Tamb Vorrel Electronics Co., "
        "Ltd\n");

    FilePreferenceStore again { path(), 1033 };
    const auto second = RunStartup(again, 1033);
    EXPECT_EQ(second.language, 2);
    EXPECT_TRUE(second.chineseRequested);
    EXPECT_EQ(second.model, 13);
}

// Runs `work` in two processes at once and says whether both finished with true.
template <typename Work> bool InTwoProcesses(Work work)
{
    std::array<pid_t, 2> children {};
    for (int child = 0; child < 2; ++child) {
        children[static_cast<std::size_t>(child)] = ::fork();
        if (children[static_cast<std::size_t>(child)] == 0) {
            ::_exit(work(child) ? 0 : 1);
        }
    }
    bool finished = true;
    for (const pid_t child : children) {
        int status = 0;
        finished = ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0 && finished;
    }
    return finished;
}

// Two windows opened at once: both run the start-up sequence on a first run, then each stores a choice. The
// file is never lost, and neither program's choice overwrites the other's.
TEST_F(FilePreferenceStoreTest, TwoProgramsStartedTogetherKeepTheFileAndEachOthersChoices)
{
    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        fs::remove_all(m_folder / "config");
        const bool bothStarted = InTwoProcesses([this](int) {
            FilePreferenceStore store { path(), 1033 };
            return RunStartup(store, 1033).language == kEnglish;
        });
        ASSERT_TRUE(bothStarted) << "round " << round;
        const auto started = content();
        for (const auto* line : { "language=2\n", "model=1\n", "TvMode=0\n", "Company=" }) {
            ASSERT_NE(started.find(line), std::string::npos) << "round " << round << ":\n" << started;
        }

        const bool bothStored = InTwoProcesses([this](int child) {
            FilePreferenceStore store { path(), 1033 };
            return child == 0 ? store.WriteLanguage(5) : store.WriteModel(9);
        });
        ASSERT_TRUE(bothStored) << "round " << round;
        const auto chosen = content();
        EXPECT_NE(chosen.find("language=5\n"), std::string::npos) << "round " << round << ":\n" << chosen;
        EXPECT_NE(chosen.find("model=9\n"), std::string::npos) << "round " << round << ":\n" << chosen;
        ASSERT_EQ(std::distance(fs::directory_iterator(fs::path(path()).parent_path()), fs::directory_iterator {}), 1)
            << "no lock or temporary file stays";
    }
}

TEST_F(FilePreferenceStoreTest, KeepsLinesItDoesNotKnowAndReadsOnlyWholeNumbers)
{
    writeContent("# mine\nlanguage=seven\nmodel=4\nTvMode=258\nmodelX=9\nother=1\n");
    FilePreferenceStore store { path(), kSystemLanguageGermanLiechtenstein };

    EXPECT_EQ(store.ReadLanguage(), (PreferenceRead { true, 3 })) << "an unreadable value reads like a missing one";
    EXPECT_EQ(store.ReadModel(), (PreferenceRead { true, 4 }));
    EXPECT_EQ(store.ReadTvMode(), (PreferenceRead { true, 258 }));
    EXPECT_FALSE(store.ReadCompany());
    EXPECT_TRUE(store.WriteModel(6));

    EXPECT_EQ(content(), "# mine\nlanguage=seven\nmodel=6\nTvMode=258\nmodelX=9\nother=1\n");
}

TEST_F(FilePreferenceStoreTest, AFolderThatCannotBeCreatedStoresNothing)
{
    writeContent("");
    const auto blocked = (fs::path(path()) / "below-a-file" / "preferences").string();
    FilePreferenceStore store { blocked, kSystemLanguageChinesePrc };

    const auto state = RunStartup(store, kSystemLanguageChinesePrc);

    EXPECT_EQ(state.language, 1);
    EXPECT_EQ(state.model, 1);
    EXPECT_FALSE(fs::exists(blocked));
}

// The steps of the writes a store made, by kind.
long CountSteps(const std::vector<CompletedWriteStep>& steps, WriteStep kind)
{
    return std::count_if(steps.begin(), steps.end(), [kind](const auto& step) { return step.step == kind; });
}

// A start whose writes wait until the window is shown: the first start stores its four values in one flushed
// write, a later start that changes nothing writes and flushes nothing, and a value set to what it already holds
// is not written again.
TEST_F(FilePreferenceStoreTest, DeferredStartWritesOnceOnTheFirstStartAndNothingLater)
{
    std::vector<CompletedWriteStep> steps;
    const WriteFaults watch { .completedSteps = &steps };
    {
        FilePreferenceStore store { path(), kSystemLanguageChinesePrc, watch };
        store.deferWrites();
        EXPECT_EQ(RunStartup(store, kSystemLanguageChinesePrc).language, 1);
        EXPECT_FALSE(fs::exists(fs::path(path()).parent_path())) << "nothing is written before the window shows";
        EXPECT_TRUE(store.writeDeferred());
    }
    EXPECT_EQ(content(),
        "# Tamb Vorrel setup preferences\nlanguage=1\nmodel=1\nTvMode=0\nCompany=Tamb Vorrel Electronics Co., "
        "Ltd\n");
    EXPECT_EQ(CountSteps(steps, WriteStep::FlushFile), 1);
    EXPECT_EQ(CountSteps(steps, WriteStep::FlushFolder), 1);

    steps.clear();
    const auto written = fs::last_write_time(path());
    FilePreferenceStore later { path(), kSystemLanguageChinesePrc, watch };
    later.deferWrites();
    EXPECT_EQ(RunStartup(later, kSystemLanguageChinesePrc).language, 1);
    EXPECT_TRUE(later.WriteModel(1)) << "the model list reselecting the stored model";
    EXPECT_TRUE(later.writeDeferred());
    EXPECT_TRUE(later.WriteLanguage(1));
    EXPECT_TRUE(steps.empty()) << steps.size() << " write steps on a start that changed nothing";
    EXPECT_EQ(fs::last_write_time(path()), written);
}

// Another program stores values while this one's writes wait: each program's own change lands, and a value the
// other program changed is not overwritten by this one's default.
TEST_F(FilePreferenceStoreTest, DeferredWritesKeepWhatAnotherProgramStoredMeanwhile)
{
    FilePreferenceStore first { path(), 1033 };
    first.deferWrites();
    static_cast<void>(RunStartup(first, 1033));
    {
        FilePreferenceStore other { path(), 1033 };
        static_cast<void>(RunStartup(other, 1033));
        EXPECT_TRUE(other.WriteLanguage(5));
    }
    EXPECT_TRUE(first.writeDeferred());
    EXPECT_NE(content().find("language=5\n"), std::string::npos) << content();

    FilePreferenceStore later { path(), 1033 };
    later.deferWrites();
    static_cast<void>(RunStartup(later, 1033));
    EXPECT_TRUE(later.WriteModel(7));
    {
        FilePreferenceStore other { path(), 1033 };
        EXPECT_TRUE(other.WriteLanguage(9));
    }
    EXPECT_TRUE(later.writeDeferred());
    EXPECT_EQ(content(),
        "# Tamb Vorrel setup preferences\nlanguage=9\nmodel=7\nTvMode=0\nCompany=Tamb Vorrel Electronics Co., "
        "Ltd\n");
}

// Two programs started together, each writing what it deferred: one file with all four values, nothing left over.
TEST_F(FilePreferenceStoreTest, TwoDeferredFirstStartsTogetherMakeOneWholeFile)
{
    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        fs::remove_all(m_folder / "config");
        ASSERT_TRUE(InTwoProcesses([this](int) {
            FilePreferenceStore store { path(), 1033 };
            store.deferWrites();
            return RunStartup(store, 1033).language == kEnglish && store.writeDeferred();
        })) << "round "
            << round;
        EXPECT_EQ(content(),
            "# Tamb Vorrel setup preferences\nlanguage=2\nmodel=1\nTvMode=0\nCompany=Tamb Vorrel Electronics Co., "
            "Ltd\n")
            << "round " << round;
        ASSERT_EQ(std::distance(fs::directory_iterator(fs::path(path()).parent_path()), fs::directory_iterator {}), 1)
            << "no lock or temporary file stays";
    }
}

// A deferred write that the system refuses part-way keeps the previous file and says so. (A mode that cannot be
// read or given does not stop a write; the atomic write's own tests cover that.)
class DeferredWriteFaultTest : public FilePreferenceStoreTest, public ::testing::WithParamInterface<WriteStep>
{
};

TEST_P(DeferredWriteFaultTest, KeepsThePreviousFile)
{
    writeContent("# Tamb Vorrel setup preferences\nlanguage=2\nmodel=3\nTvMode=0\nCompany=x\n");
    const auto before = content();
    FilePreferenceStore store { path(), 1033,
        WriteFaults { .systemError = InjectedWriteError { GetParam(), std::make_error_code(std::errc::io_error) },
            .lockWait = std::chrono::milliseconds(0) } };
    store.deferWrites();
    static_cast<void>(RunStartup(store, 1033));
    EXPECT_TRUE(store.WriteModel(8));

    const bool written = store.writeDeferred();

    EXPECT_FALSE(written);
    // After a refused folder flush the new file is in place; only its name may not have reached the medium yet.
    if (GetParam() != WriteStep::FlushFolder) {
        EXPECT_EQ(content(), before);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path()).parent_path()), fs::directory_iterator {}), 1);
}

INSTANTIATE_TEST_SUITE_P(EverySystemCall, DeferredWriteFaultTest,
    ::testing::Values(WriteStep::TakeLock, WriteStep::CreateFile, WriteStep::WriteBytes, WriteStep::FlushFile,
        WriteStep::ReadBack, WriteStep::Rename, WriteStep::FlushFolder),
    [](const auto& row) { return "Step" + std::to_string(static_cast<int>(row.param)); });

// Something under the preferences' name that is not a small regular file: start-up must neither wait for it nor
// read it without end, and must leave it as it is.
struct UnreadableCase
{
    const char* name;
    void (*place)(const fs::path& path);
};

void PrintTo(const UnreadableCase& row, std::ostream* out)
{
    *out << row.name;
}

class UnreadablePreferencesTest : public FilePreferenceStoreTest, public ::testing::WithParamInterface<UnreadableCase>
{
};

TEST_P(UnreadablePreferencesTest, StartupGoesOnWithTheSystemLanguageAndLeavesTheFileAlone)
{
    fs::create_directories(fs::path(path()).parent_path());
    GetParam().place(path());
    const auto before = fs::symlink_status(path()).type();
    FilePreferenceStore store { path(), kSystemLanguageGermanLiechtenstein };

    const auto state = RunStartup(store, kSystemLanguageGermanLiechtenstein);

    EXPECT_EQ(state.language, 3);
    EXPECT_EQ(state.model, 1);
    EXPECT_EQ(fs::symlink_status(path()).type(), before);
}

INSTANTIATE_TEST_SUITE_P(Unreadable, UnreadablePreferencesTest,
    ::testing::Values(
        UnreadableCase {
            .name = "Fifo",
            .place = [](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
        },
        UnreadableCase {
            .name = "LinkToDevZero",
            .place = [](const fs::path& path) { fs::create_symlink("/dev/zero", path); },
        }),
    [](const auto& row) { return std::string { row.param.name }; });

TEST_F(FilePreferenceStoreTest, DefaultPathFollowsXdgThenHome)
{
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string> { value } : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    };
    const auto xdg = saved("XDG_CONFIG_HOME");
    const auto home = saved("HOME");

    setenv("HOME", "/home/owner", 1);
    setenv("XDG_CONFIG_HOME", "/srv/config", 1);
    EXPECT_EQ(FilePreferenceStore::DefaultPath(), "/srv/config/tamb-vorrel/preferences");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(FilePreferenceStore::DefaultPath(), "/home/owner/.config/tamb-vorrel/preferences");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(FilePreferenceStore::DefaultPath(), "/home/owner/.config/tamb-vorrel/preferences");

    restore("XDG_CONFIG_HOME", xdg);
    restore("HOME", home);
}

} // namespace
} // namespace tamb
