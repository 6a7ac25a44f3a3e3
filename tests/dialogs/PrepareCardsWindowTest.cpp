#include "dialogs/PrepareCardsWindow.h"

#include "camera/CameraAssignments.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "i18n/Messages.h"
#include "i18n/PrepareCardsTexts.h"
#include "support/TempFolder.h"
#include "ui/RecordingUiServices.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <fstream>
#include <string>
#include <vector>

namespace tamb {
namespace {

FleetEnvironment Environment(LanguageId language)
{
    FleetEnvironment environment;
    environment.app.language = language;
    environment.localTime = [] { return ClockReading { 2026, 12, 11, 5, 7, 9 }; };
    environment.codePage = OemCodePage(437);
    return environment;
}

std::string Text(const std::filesystem::path& path)
{
    return ReadSmallRegularFile(path, 1 << 20).value_or("");
}

// A sheet of three cameras with a Q300 profile, a folder standing in for the card, and the system services
// injected: the volume list is what `volumes` holds, ejects are recorded and answered by `ejectResult`.
struct CardBench
{
    explicit CardBench(LanguageId language = kEnglish)
        : environment(Environment(language))
        , profiles(folder.file("profiles"))
    {
        std::filesystem::create_directories(folder.file("base"));
        std::filesystem::create_directories(folder.file("CARD"));
        CameraSetup base(11, environment);
        (void)ApplyCameraAssignments(base.camera(), { { { "videoLength", "30" } } });
        std::vector<std::string> written;
        (void)base.write(Utf8FromPath(folder.file("base")), written);
        Profile profile { .name = "Ridge", .model = 11, .files = {} };
        const auto menu = ReadSmallRegularFile(folder.file("base") / "menu.dat", 4096).value_or("");
        profile.files.menu = std::vector<std::uint8_t>(menu.begin(), menu.end());
        (void)profiles.save(profile);
        std::ofstream(sheet, std::ios::binary) << "camera,name,model,profile,latitude,longitude\n"
                                                  "A07Z,Oak ridge,11,Ridge,47.3769,8.5417\n"
                                                  "B10C,Pond,14,,,\n"
                                                  "C20D,Gate,4,,,\n";
        services.removableVolumes = [this] { return volumes; };
        services.eject = [this](const CardVolume& card) {
            ejected.push_back(card.root);
            return ejectResult;
        };
        services.now = [] { return std::string { "2026-12-11T05:07:09+01:00" }; };
        services.pollMilliseconds = 3600 * 1000;
    }

    void insertCard() { volumes = { CardVolume { Utf8FromPath(folder.file("CARD")), "TRAILCAM", "/dev/sdz1" } }; }

    test::TempFolder folder;
    FleetEnvironment environment;
    ProfileStore profiles;
    std::filesystem::path sheet = folder.file("cameras.csv");
    CardServices services;
    std::vector<CardVolume> volumes;
    std::vector<std::string> ejected;
    Status ejectResult = Status::success();
};

std::string Say(PrepareCardsEntry entry, std::initializer_list<std::string> args, LanguageId language = kEnglish)
{
    return FillPlaceholders(PrepareCardsWord(entry, language), std::vector<std::string>(args));
}

} // namespace

class PrepareCardsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Nothing is written before the owner's click on the first card; later cards are written as they come in.
    void cardAfterCard()
    {
        CardBench bench;
        RecordingUiServices ui;
        ScopedUiServices scoped(ui);
        PrepareCardsWindow window(bench.environment, bench.profiles, bench.services);
        window.show();
        QVERIFY(window.openSheet(bench.sheet));
        QCOMPARE(window.status().toStdString(), Say(PrepareCardsEntry::InsertCard, { "A07Z", "Oak ridge" }));

        bench.insertCard();
        window.pollVolumes();
        QCOMPARE(window.status().toStdString(), Say(PrepareCardsEntry::CardReady, { "TRAILCAM", "A07Z" }));
        QVERIFY(!std::filesystem::exists(bench.folder.file("CARD") / "menu.dat"));

        ui.yesNoAnswers = { true };
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("write")), Qt::LeftButton);
        const auto menu = Text(bench.folder.file("CARD") / "menu.dat");
        QCOMPARE(menu.size(), std::size_t { 60 });
        QCOMPARE(static_cast<int>(menu[45]), 47); // latitude degrees
        QCOMPARE(window.table()->item(0, 4)->text(), QStringLiteral("2026-12-11T05:07:09+01:00"));
        QCOMPARE(window.table()->item(0, 5)->text(), QStringLiteral("TRAILCAM"));
        QVERIFY(Text(bench.sheet).find("A07Z,Oak ridge,11,Ridge,47.3769,8.5417,2026-12-11T05:07:09+01:00,TRAILCAM\n")
            != std::string::npos);
        QCOMPARE(ui.questions, std::vector<std::string> { Say(PrepareCardsEntry::AskEject, { "A07Z", "TRAILCAM" }) });
        QCOMPARE(bench.ejected.size(), std::size_t { 1 });
        QCOMPARE(ui.messages, std::vector<std::string> { Say(PrepareCardsEntry::Ejected, { "TRAILCAM" }) });
        QCOMPARE(window.chosenCamera(), std::optional<std::size_t> { 1 });

        // The card comes out and goes in again: written at once, since the run has started, once the owner agreed
        // to write over the first camera's files; this time the eject fails and says why.
        bench.volumes.clear();
        window.pollVolumes();
        bench.insertCard();
        bench.ejectResult = Status::failure("the card is busy");
        ui.yesNoAnswers = { true, true };
        window.pollVolumes();
        QCOMPARE(ui.questions.at(1), Say(PrepareCardsEntry::OtherCamera, { "TRAILCAM", "A07Z", "B10C" }));
        QCOMPARE(static_cast<int>(Text(bench.folder.file("CARD") / "menu.dat")[25]), 11); // B
        QCOMPARE(ui.messages.back(), Say(PrepareCardsEntry::NotEjected, { "TRAILCAM", "the card is busy" }));
        QCOMPARE(window.chosenCamera(), std::optional<std::size_t> { 2 });
    }

    // A card that holds the files of another camera of the sheet asks first; No keeps them.
    void anotherCamerasCardAsksFirst()
    {
        CardBench bench(kChinese);
        RecordingUiServices ui;
        ScopedUiServices scoped(ui);
        PrepareCardsWindow window(bench.environment, bench.profiles, bench.services);
        QVERIFY(window.openSheet(bench.sheet));
        bench.insertCard();
        window.pollVolumes();
        ui.yesNoAnswers = { false };
        window.writeCard();
        const std::string first = Text(bench.folder.file("CARD") / "menu.dat");
        bench.volumes.clear();
        window.pollVolumes();
        // The next camera's card is the first camera's card again.
        bench.insertCard();
        ui.yesNoAnswers = { false };
        window.pollVolumes();
        QCOMPARE(ui.questions.back(), Say(PrepareCardsEntry::OtherCamera, { "TRAILCAM", "A07Z", "B10C" }, kChinese));
        QCOMPARE(Text(bench.folder.file("CARD") / "menu.dat"), first);
        QVERIFY(window.table()->item(1, 4)->text().isEmpty());
    }

    // A sheet with bad cells is shown to the owner and not taken.
    void aBadSheetIsRefused()
    {
        CardBench bench;
        std::ofstream(bench.sheet, std::ios::binary) << "camera,model\nA1,1\n";
        RecordingUiServices ui;
        ScopedUiServices scoped(ui);
        PrepareCardsWindow window(bench.environment, bench.profiles, bench.services);
        QVERIFY(!window.openSheet(bench.sheet));
        QCOMPARE(ui.messages.size(), std::size_t { 1 });
        QVERIFY(ui.messages[0].starts_with(Say(PrepareCardsEntry::SheetBad, { "row 2, column camera" })));
        QCOMPARE(window.table()->rowCount(), 0);
    }

    // With TAMB_PREPARE_CARDS_PICTURE set, the window after three cards is saved there (under a real X server,
    // TAMB_PICTURE_PAUSE_MS keeps it on screen for a screenshot of the whole screen).
    void picture()
    {
        const QByteArray path = qgetenv("TAMB_PREPARE_CARDS_PICTURE");
        if (path.isEmpty())
            QSKIP("TAMB_PREPARE_CARDS_PICTURE is not set");
        // TAMB_PICTURE_LANGUAGE picks the interface language (1..15; English when unset).
        const int number = qEnvironmentVariableIntValue("TAMB_PICTURE_LANGUAGE");
        const LanguageId language = number >= kFirstLanguage && number <= kLastLanguage ? number : kEnglish;
        CardBench bench(language);
        RecordingUiServices ui;
        ScopedUiServices scoped(ui);
        PrepareCardsWindow window(bench.environment, bench.profiles, bench.services);
        window.show();
        QVERIFY(window.openSheet(bench.sheet));
        for (int card = 0; card < 3; ++card) {
            bench.volumes.clear();
            window.pollVolumes();
            bench.insertCard();
            ui.yesNoAnswers = { true, false };
            if (card == 0) {
                window.pollVolumes();
                window.writeCard();
            } else {
                window.pollVolumes();
            }
        }
        QCOMPARE(window.status().toStdString(), std::string { PrepareCardsWord(PrepareCardsEntry::AllDone, language) });
        QTest::qWait(200);
        QVERIFY(window.grab().save(QString::fromUtf8(path)));
        const int pause = qEnvironmentVariableIntValue("TAMB_PICTURE_PAUSE_MS");
        if (pause > 0)
            QTest::qWait(pause);
    }
};

} // namespace tamb

QTEST_MAIN(tamb::PrepareCardsWindowTest)
#include "PrepareCardsWindowTest.moc"
