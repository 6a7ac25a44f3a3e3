#include "CameraModelFixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

namespace tamb {
namespace {

constexpr LanguageId kGerman = 3;

// A fault the card meets while Generate writes menu.dat, and what the owner reads about it in two languages.
struct CardFaultCase
{
    const char* name;
    WriteFaults faults;
    MessageId expected;
    std::string english; // a part of the English message
    std::string german; // the same part in German
    bool previousKept; // false when the new file is in place
};

void PrintTo(const CardFaultCase& row, std::ostream* out)
{
    *out << row.name << " -> " << row.english;
}

WriteFaults ErrorAt(WriteStep step, int error)
{
    return WriteFaults { .systemError
        = InjectedWriteError { .step = step, .error = { error, std::generic_category() } } };
}

class MenuWriteFailureTest : public test::CameraModelFixture, public ::testing::TestWithParam<CardFaultCase>
{
};

TEST_P(MenuWriteFailureTest, TheOwnerReadsWhatIsWrongWithTheCard)
{
    const std::vector<std::uint8_t> previous(kCameraRecordSize, 7);
    m_temp.write("menu.dat", previous);
    CameraEnvironment faulty = environment(1);
    faulty.writeMenuFile = [faults = GetParam().faults](std::string_view folder, const CameraSettingsRecord& record) {
        return WriteMenuFile(folder, record, faults);
    };
    CameraSettingsModel model(CameraFamily::Generic, faulty);

    const DialogOutcome outcome = model.generate();

    ASSERT_EQ(outcome.messages.size(), 1U);
    const DialogMessage& message = outcome.messages.front();
    EXPECT_EQ(message.id, GetParam().expected);
    const std::string path = FileInFolder(folder(), "menu.dat");
    EXPECT_NE(message.text(kEnglish).find(path), std::string::npos) << message.text(kEnglish);
    EXPECT_NE(message.text(kEnglish).find(GetParam().english), std::string::npos) << message.text(kEnglish);
    EXPECT_NE(message.text(kGerman).find(GetParam().german), std::string::npos) << message.text(kGerman);
    if (GetParam().previousKept) {
        EXPECT_EQ(writtenFile(), previous);
    } else {
        EXPECT_NE(writtenFile(), previous);
        EXPECT_EQ(writtenFile().size(), kCameraRecordSize);
        EXPECT_EQ(message.text(kEnglish).find("could not be written"), std::string::npos) << message.text(kEnglish);
    }
}

INSTANTIATE_TEST_SUITE_P(CardFaults, MenuWriteFailureTest,
    ::testing::Values(CardFaultCase { .name = "LockSwitchOn",
                          .faults = ErrorAt(WriteStep::CreateFile, EROFS),
                          .expected = MessageId::CardWriteProtected,
                          .english = "the card is write-protected. Take the card out, slide the lock switch",
                          .german = "Die Karte ist schreibgeschützt",
                          .previousKept = true },
        CardFaultCase { .name = "CardFull",
            .faults = ErrorAt(WriteStep::WriteBytes, ENOSPC),
            .expected = MessageId::CardFull,
            .english = "the card is full",
            .german = "Die Karte ist voll",
            .previousKept = true },
        CardFaultCase { .name = "CardPulled",
            .faults = ErrorAt(WriteStep::Rename, ENODEV),
            .expected = MessageId::CardMissing,
            .english = "the card or its folder is no longer there",
            .german = "Die Karte oder ihr Ordner ist nicht mehr vorhanden",
            .previousKept = true },
        CardFaultCase { .name = "FlakyCard",
            .faults = WriteFaults { .corruptReadBackAt = 3 },
            .expected = MessageId::CardReadBackDiffers,
            .english = "was not replaced",
            .german = "Versuchen Sie es mit einer anderen Karte",
            .previousKept = true },
        CardFaultCase { .name = "ReadBackFails",
            .faults = ErrorAt(WriteStep::ReadBack, EIO),
            .expected = MessageId::FileNotWritten,
            .english = "could not be written: the new file could not be read back",
            .german = "konnte nicht geschrieben werden",
            .previousKept = true },
        CardFaultCase { .name = "FolderNotFlushedAfterTheRename",
            .faults = ErrorAt(WriteStep::FlushFolder, EIO),
            .expected = MessageId::FileNotConfirmed,
            .english = "is in place, but the card could not confirm that it is stored. Do not take the card out",
            .german = "Nehmen Sie die Karte nicht heraus",
            .previousKept = false },
        CardFaultCase { .name = "OtherErrorKeepsTheSystemsReason",
            .faults = ErrorAt(WriteStep::WriteBytes, EIO),
            .expected = MessageId::FileNotWritten,
            .english = "could not be written: " + std::generic_category().message(EIO),
            .german = "konnte nicht geschrieben werden: " + std::generic_category().message(EIO),
            .previousKept = true }),
    [](const auto& row) { return std::string { row.param.name }; });

} // namespace
} // namespace tamb
