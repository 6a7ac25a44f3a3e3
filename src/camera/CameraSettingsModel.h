#pragma once

#include "camera/CameraFamilyData.h"
#include "camera/CameraMessage.h"
#include "camera/CameraRecord.h"
#include "common/AppState.h"
#include "common/Status.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tamb {

// What a camera model needs from outside: the application state when the dialog opened, the local time,
// the folder offered at the start and the writer of the final file. Tests inject all four.
struct CameraEnvironment
{
    AppState app;
    std::function<ClockReading()> localTime;
    std::string startFolder;
    std::function<Status(std::string_view folder, const CameraSettingsRecord& record)> writeMenuFile;
};

// The settings model of one camera dialog, usable without any window: it holds what each control shows
// (edit texts, list selections, read-only and enabled states) beside the dialog's values, and runs the
// dialog's events on them. A dialog mirrors the model into its widgets after every event; the command
// line drives the same events.
//
// Sync copies the edit texts into the values in the family's binding order with their range checks and
// stops at the first failure; write back shows every value in its edit again. Numeric values enter the
// record from the last sync; list selections are read as they stand.
class CameraSettingsModel
{
public:
    CameraSettingsModel(CameraFamily family, CameraEnvironment environment);

    [[nodiscard]] const CameraFamilyData& data() const { return m_data; }
    [[nodiscard]] const CameraModelVariant& variant() const { return m_variant; }
    [[nodiscard]] const AppState& app() const { return m_environment.app; }

    [[nodiscard]] bool hasList(CameraList list) const { return FindList(m_data, list) != nullptr; }
    [[nodiscard]] bool hasNumber(CameraNumber number) const { return FindNumber(m_data, number) != nullptr; }
    // Number of options of a list of this family for this model (0 when the family lacks the list).
    [[nodiscard]] int optionCount(CameraList list) const;

    [[nodiscard]] int selection(CameraList list) const { return m_selections[ToIndex(list)]; }
    [[nodiscard]] int value(CameraNumber number) const { return m_values[ToIndex(number)]; }
    // What an edit shows now.
    [[nodiscard]] const std::string& editText(CameraNumber number) const { return m_editTexts[ToIndex(number)]; }
    [[nodiscard]] const std::string& editText(CameraText text) const { return m_texts[ToIndex(text)]; }
    // The folder Generate and Default write into unless the family reads its edit.
    [[nodiscard]] const std::string& folderValue() const { return m_folderValue; }
    [[nodiscard]] const ClockReading& clock() const { return m_clock; }

    [[nodiscard]] bool isReadOnly(CameraNumber number) const;
    [[nodiscard]] bool isClockReadOnly() const { return !m_data.clockEditable; }
    [[nodiscard]] bool isWirelessPasswordReadOnly() const { return selection(CameraList::WirelessPassword) == 0; }
    [[nodiscard]] bool areSerialCharactersEnabled() const { return selection(CameraList::SerialNumber) != 0; }
    // A list of the family that this model hides (the SD Cycle row of the generic models without it).
    [[nodiscard]] bool isListShown(CameraList list) const;

    // The user changed the text of a numeric edit: sync, then the edit's correction.
    CameraOutcome changeNumber(CameraNumber number, std::string text);
    // The user changed the text of the clock, folder or password edit: no handler runs.
    void changeText(CameraText text, std::string value);
    // The user picked an option; an index outside the list is ignored.
    CameraOutcome selectOption(CameraList list, int index);
    CameraOutcome getTime();
    // The folder browser returned `chosen` (empty: nothing usable, the start folder is taken); no value means
    // the user cancelled it and the folder stays as it was.
    CameraOutcome chooseFolder(const std::optional<std::string>& chosen);
    // Generate: builds the record from the lists and the last synced values and writes `menu.dat`.
    CameraOutcome generate();
    // Default: resets the controls and writes the factory-settings file.
    CameraOutcome restoreDefaults();

    // The collected settings as Generate builds them (without reading the clock text).
    [[nodiscard]] CameraSettings collect() const;

private:
    struct SyncFailure
    {
        CameraMessage message;
        int control;
    };

    std::optional<SyncFailure> sync();
    void writeBack();
    bool correct(CameraNumber number);
    bool correctCoordinate(CameraNumber number);
    void setValue(CameraNumber number, int value) { m_values[ToIndex(number)] = value; }
    void readLocalTime();
    CameraOutcome syncOnly();
    CameraOutcome syncAndWriteBack();
    CameraOutcome refreshClock();
    void writeRecord(std::string_view folder, const CameraSettingsRecord& record, CameraResultText success,
        CameraOutcome& outcome) const;
    [[nodiscard]] int startSelection(const ListBinding& binding) const;

    const CameraFamilyData& m_data;
    const CameraModelVariant& m_variant;
    CameraEnvironment m_environment;
    std::array<int, kCameraListCount> m_selections {};
    std::array<int, kCameraNumberCount> m_values {};
    std::array<std::string, kCameraNumberCount> m_editTexts;
    std::array<std::string, kCameraTextCount> m_texts;
    std::string m_clockValue;
    std::string m_folderValue;
    ClockReading m_clock;
};

} // namespace tamb
