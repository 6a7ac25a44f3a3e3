#pragma once

#include "common/AppState.h"
#include "common/Status.h"
#include "fleet/CameraSheet.h"
#include "fleet/ProfileStore.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace tamb {

// A removable volume as the card window sees it.
struct CardVolume
{
    std::string root; // its root folder
    std::string label; // the volume's label; empty when it has none
    std::string device; // the system's device ("/dev/sdb1"), for ejecting
};

// What the card window needs from the system; tests inject all of it.
struct CardServices
{
    // The removable volumes mounted now.
    std::function<std::vector<CardVolume>()> removableVolumes;
    // Ejects a volume so that its card can be taken out; the failure gives the system's reason.
    std::function<Status(const CardVolume&)> eject;
    // The time to record, ISO 8601 with the offset.
    std::function<std::string()> now;
    // How often the volume list is looked at.
    int pollMilliseconds = 1000;
};

// The system's services: the mounted removable volumes, udisks2 (Linux) or the configuration manager (Windows)
// to eject, the local time.
[[nodiscard]] CardServices SystemCardServices();

// "Prepare cards": shows a sheet of cameras and prepares card after card. The owner picks the camera (or takes the
// next one) and inserts a card; the window notices the new removable volume, and once the owner has pressed
// Write card for the first card of the run, each later card is written at once: that camera's files, read back,
// the row marked with the time and the card's label in the sheet, then the question whether to eject the card. A
// card holding the files of another camera of the sheet asks before it is overwritten.
class PrepareCardsWindow : public QDialog
{
public:
    PrepareCardsWindow(
        FleetEnvironment environment, ProfileStore profiles, CardServices services, QWidget* parent = nullptr);
    ~PrepareCardsWindow() override;

    // Reads and checks the sheet; a sheet with bad cells is shown to the owner and not taken.
    bool openSheet(const std::filesystem::path& path);
    // Looks at the volume list once (the timer calls it).
    void pollVolumes();
    // Write card: writes the chosen camera onto the card in, and starts the run.
    void writeCard();

    [[nodiscard]] QTableWidget* table() const { return m_table; }
    [[nodiscard]] QString status() const;
    [[nodiscard]] std::optional<std::size_t> chosenCamera() const;

private:
    void fillTable();
    void chooseNext();
    void showStatus(std::string text);
    void refreshButtons();
    void ejectCard(const CardVolume& card);
    [[nodiscard]] bool mayOverwrite(const CardVolume& card, const SheetCamera& camera);
    [[nodiscard]] std::string cardName(const CardVolume& card) const;

    AppState m_app;
    FleetEnvironment m_environment;
    ProfileStore m_profiles;
    CardServices m_services;
    std::filesystem::path m_sheetPath;
    CameraSheet m_sheet;
    std::set<std::string> m_seenRoots;
    std::optional<CardVolume> m_card; // the card in, not yet written in this run
    std::optional<CardVolume> m_lastWritten; // the card written last, for Eject
    bool m_runStarted = false;
    QLabel* m_sheetLabel = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_eject = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace tamb
