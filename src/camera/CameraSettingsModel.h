#pragma once

#include "camera/CameraFamilyData.h"
#include "camera/CameraRecord.h"
#include "common/AppState.h"
#include "common/Status.h"
#include "model/DataExchange.h"
#include "model/FileSettingsModel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tamb {

// What a camera model needs from outside: the application state when the dialog opened, the local time,
// the folder offered at the start and the writer of the final file (left empty, menu.dat is written). Tests inject
// all four. The folder edit
// takes at most `folderLimit` characters; the command line, which has no such edit, lifts the limit. With
// `offerToLoad`, a menu.dat that the dialog could have written, found in the folder at opening or after a folder
// choice, is offered for loading.
struct CameraEnvironment
{
    AppState app;
    std::function<ClockReading()> localTime;
    std::string startFolder;
    FileWriter<CameraSettingsRecord> writeMenuFile;
    std::size_t folderLimit = kFolderTextLimit;
    bool offerToLoad = false;
};

// The settings model of one camera dialog, usable without any window: it holds what each control shows
// (edit texts, list selections, read-only and enabled states) beside the dialog's values, and runs the
// dialog's events on them. The dialog's binder mirrors it into the widgets after every event (through the
// SettingsModel interface, by template identifier); the command line drives the same events by name.
//
// Sync copies the edit texts into the values in the family's binding order with their checks and stops at the
// first failure; write back shows every value in its edit again. Generate syncs first and writes nothing when
// the sync fails, so the file always carries what the edits show; list selections are read as they stand.
class CameraSettingsModel : public FileSettingsModel
{
public:
    CameraSettingsModel(CameraFamily family, CameraEnvironment environment);

    [[nodiscard]] const CameraFamilyData& data() const { return m_data; }
    [[nodiscard]] const CameraModelVariant& variant() const { return m_variant; }
    [[nodiscard]] const AppState& app() const override { return m_environment.app; }
    [[nodiscard]] const CameraEnvironment& environment() const { return m_environment; }

    [[nodiscard]] bool hasList(CameraList list) const { return FindList(m_data, list) != nullptr; }
    [[nodiscard]] bool hasNumber(CameraNumber number) const { return FindNumber(m_data, number) != nullptr; }
    // Number of options of a list of this family for this model (0 when the family lacks the list).
    [[nodiscard]] int optionCount(CameraList list) const;

    [[nodiscard]] int selection(CameraList list) const { return m_selections[ToIndex(list)]; }
    [[nodiscard]] int value(CameraNumber number) const { return m_values[ToIndex(number)]; }
    // What an edit shows now.
    [[nodiscard]] std::string editText(CameraNumber number) const;
    [[nodiscard]] std::string editText(CameraText text) const;
    [[nodiscard]] const ClockReading& clock() const { return m_clock; }

    [[nodiscard]] bool isReadOnly(CameraNumber number) const;
    [[nodiscard]] bool isWirelessPasswordReadOnly() const;
    [[nodiscard]] bool areSerialCharactersEnabled() const;
    // Whether a list of the family is shown (the SD Cycle row of the generic models without it is not).
    [[nodiscard]] bool isListShown(CameraList list) const;

    // The user changed the text of a numeric edit: sync, then the edit's correction.
    DialogOutcome changeNumber(CameraNumber number, std::string text);
    // Shows each text in its number's edit and takes them all with one sync, without the corrections of the
    // edits' handlers: what the dialog holds when a sync stopped at an emptied edit while they were typed.
    DialogOutcome showNumbers(std::span<const std::pair<CameraNumber, std::string>> texts);
    // The user changed the text of the clock, folder or password edit: no handler runs.
    void changeText(CameraText text, std::string value);
    // The user picked an option; an index outside the list is ignored.
    DialogOutcome selectOption(CameraList list, int index);
    DialogOutcome getTime();
    // The folder browser returned `chosen` (empty: nothing usable, the start folder is taken); no value means
    // the user cancelled it and the folder stays as it was.
    DialogOutcome chooseFolder(const std::optional<std::string>& chosen);
    // Generate: syncs every edit; when that succeeds, builds the record and writes `menu.dat` into the folder
    // the folder edit shows. A failed sync shows its message, focuses its edit and writes nothing. A family that
    // reads its clock text back writes nothing either when that text is not a date and time of the calendar.
    DialogOutcome generate();
    // Default: resets the controls and writes the factory-settings file into the folder the folder edit shows.
    DialogOutcome restoreDefaults();

    // The collected settings as Generate builds them from the values and selections (without syncing).
    [[nodiscard]] CameraSettings collect() const;

    // SettingsModel, by template identifier.
    [[nodiscard]] std::string editText(int controlId) const override { return m_edits.controlText(controlId); }
    [[nodiscard]] std::vector<std::string> listItems(int controlId) const override;
    [[nodiscard]] int selection(int controlId) const override;
    [[nodiscard]] bool isShown(int controlId) const override;
    [[nodiscard]] bool isEnabled(int controlId) const override;
    [[nodiscard]] bool isReadOnly(int controlId) const override;
    DialogOutcome editChanged(int controlId, std::string text) override;
    DialogOutcome selectionChanged(int controlId, int index) override;
    DialogOutcome clicked(int controlId) override;
    [[nodiscard]] std::optional<SettingsFile> buildFile(DialogOutcome& outcome) override;

private:
    // Generate up to the write: the record of what the edits show, or nothing when the sync or the clock text
    // fails, whose message and focus are then in `outcome`.
    [[nodiscard]] std::optional<CameraSettingsRecord> checkedRecord(DialogOutcome& outcome);
    [[nodiscard]] const LockRule* lockOf(int controlId) const;
    [[nodiscard]] bool isLocked(int controlId) const;
    [[nodiscard]] int controlOf(CameraText text) const;
    bool correct(CameraNumber number);
    bool correctCoordinate(const CoordinateGroup& group, CameraNumber number);
    void setValue(CameraNumber number, int value) { m_values[ToIndex(number)] = value; }
    void readLocalTime();
    DialogOutcome syncAndWriteBack();
    DialogOutcome refreshClock();
    [[nodiscard]] std::optional<ClockReading> readClockText() const;
    void writeRecord(
        std::string_view folder, const CameraSettingsRecord& record, MessageId success, DialogOutcome& outcome) const;
    [[nodiscard]] int startSelection(const ListBinding& binding) const;

    const CameraFamilyData& m_data;
    const CameraModelVariant& m_variant;
    CameraEnvironment m_environment;
    std::array<int, kCameraListCount> m_selections {};
    std::array<std::int32_t, kCameraNumberCount> m_values {};
    std::string m_clockValue;
    // The date-format layout the clock text was last written in.
    int m_clockTextFormat = 0;
    ClockReading m_clock;
};

} // namespace tamb
