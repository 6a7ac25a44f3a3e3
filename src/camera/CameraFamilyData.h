#pragma once

#include "camera/CameraFields.h"
#include "camera/CameraRecord.h"
#include "common/AppState.h"
#include "common/Paths.h"
#include "i18n/Messages.h"
#include "model/SettingsModel.h"

#include <optional>
#include <span>
#include <string_view>

namespace tamb {

// Where the options of a list come from. Most are localised tables; image and video sizes are fixed texts
// that depend on the model; the serial characters are "0".."9", "A".."Z" in every language.
enum class OptionSource : std::uint8_t
{
    CameraMode,
    PictureCount,
    Sensitivity,
    IntervalUnit,
    DateFormat,
    LiteralDateFormat, // "YYMMDD", "MMDDYY", "DDMMYY" in every language but Chinese
    OnOff,
    OffOn,
    SerialCharacters,
    LongitudeHemisphere,
    LatitudeHemisphere,
    ModelImageSizes,
    ModelVideoSizes,
};

// The correction an edit change applies to its value after the sync.
enum class Correction : std::uint8_t
{
    VideoLength, // 0 or above 60 becomes 10
    Interval, // above 60 becomes 1; with the unit at Minute, 0 becomes 1
    Hour, // above 23 becomes 0
    MinuteOrSecond, // above 59 becomes 0
    CoordinatePart, // clamps to the bounds of its coordinate group
};

inline constexpr int kStartByModel = -1;

struct ListBinding
{
    CameraList list;
    int controlId;
    OptionSource options;
    int start; // an option index, or kStartByModel
};

struct NumberBinding
{
    CameraNumber number;
    int controlId;
    int minimum;
    int maximum;
    int start;
    Correction correction;
};

// One step of a sync: a numeric edit with its range, or one of the two texts.
struct SyncStep
{
    enum class Kind : std::uint8_t
    {
        Number,
        ClockText,
        FolderText,
    };
    Kind kind;
    CameraNumber number = CameraNumber::VideoLength;
};

// What differs between the models of one family.
struct CameraModelVariant
{
    ModelId model;
    std::span<const std::string_view> imageSizes;
    int imageSizeStart;
    std::span<const std::string_view> videoSizes;
    int videoSizeStart;
    int sidePirStart;
    bool sdCycleShown;
};

struct ListReset
{
    CameraList list;
    int index; // an option index, or kStartByModel
};

struct NumberReset
{
    CameraNumber number;
    int value;
};

// What Default writes: the fixed reset record, or a record built from the reset controls.
enum class FactoryRecord : std::uint8_t
{
    FixedReset,
    FromResetControls,
};

// Controls that a list switches off while it shows `lockedIndex`: edits become read-only, lists disabled.
struct LockRule
{
    CameraList list;
    int lockedIndex;
    std::span<const int> controls;
};

// When a row of the template is hidden.
enum class RowCondition : std::uint8_t
{
    Always, // the row is in the template but never used
    ModelWithoutSdCycle, // the SD Cycle row, for the models that have none
};

// A row of controls that the dialog hides; the dialog's layout says how the rows around it move into its space.
struct HiddenRow
{
    std::span<const int> controls;
    RowCondition when;
};

// A coordinate's three edits and the largest degree value; at that value minutes and seconds must be 0.
struct CoordinateGroup
{
    CameraNumber degrees;
    CameraNumber minutes;
    CameraNumber seconds;
    int maximumDegrees;
};

// A camera dialog family described as data: its template, lists, numbers, binding order, models and Default.
struct CameraFamilyData
{
    CameraFamily family;
    int templateId;
    std::span<const ListBinding> lists;
    std::span<const NumberBinding> numbers;
    std::span<const SyncStep> syncOrder;
    std::span<const CameraModelVariant> models; // the first row also serves a model the family does not list
    std::span<const LockRule> locks;
    std::span<const HiddenRow> hiddenRows = {};
    std::span<const CoordinateGroup> coordinateGroups = {};
    int passwordEditId = kNoControl; // the wireless password edit, where the family has one
    int constructionClockFormat = 0; // date-format layout of the clock text at construction
    bool clockEditable = false;
    bool generateParsesClock = false;
    std::span<const ListReset> defaultLists; // lists not named keep their selection
    std::span<const NumberReset> defaultNumbers;
    FactoryRecord factoryRecord = FactoryRecord::FixedReset;
    MessageId generatedText = MessageId::MenuFileGenerated;
    MessageId factoryText = MessageId::FactoryFileGenerated;
};

// The data of each family.
[[nodiscard]] const CameraFamilyData& FamilyData(CameraFamily family);
// The row of `model` in the family's model table; a model the family does not list gets the first row.
[[nodiscard]] const CameraModelVariant& ModelVariant(const CameraFamilyData& data, ModelId model);

[[nodiscard]] const ListBinding* FindList(const CameraFamilyData& data, CameraList list);
[[nodiscard]] const NumberBinding* FindNumber(const CameraFamilyData& data, CameraNumber number);
// The list or numeric edit of the family on the template identifier `controlId`, if any.
[[nodiscard]] const ListBinding* FindListByControl(const CameraFamilyData& data, int controlId);
[[nodiscard]] const NumberBinding* FindNumberByControl(const CameraFamilyData& data, int controlId);

// Wireless password shown when a Q100 dialog opens and after Default.
inline constexpr std::string_view kDefaultWirelessPassword = "7394";
inline constexpr std::size_t kWirelessPasswordLength = 4;
// Template identifiers that are the same in every family: the clock and folder edits and the buttons.
inline constexpr int kClockEditId = 1030;
inline constexpr int kFolderEditId = 1064;
inline constexpr int kGetTimeButtonId = 1031;
inline constexpr int kSelectFolderButtonId = 1057;
inline constexpr int kDefaultButtonId = 1062;

} // namespace tamb
