#include "camera/CameraSettingsModel.h"

#include "camera/CameraOptions.h"
#include "camera/MenuFile.h"
#include "common/Paths.h"
#include "common/Utf8Text.h"

#include <charconv>
#include <utility>

namespace tamb {
namespace {

// Reads an integer as the dialogs' data exchange does: blanks around it are allowed, anything else (an
// empty text, a letter, a number too large for 32 bits) is not an integer.
std::optional<int> ParseInteger(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

struct CoordinateGroup
{
    CameraNumber degrees;
    CameraNumber minutes;
    CameraNumber seconds;
    int maximumDegrees;
};

constexpr std::array<CoordinateGroup, 2> kCoordinateGroups { {
    { CameraNumber::LongitudeDegrees, CameraNumber::LongitudeMinutes, CameraNumber::LongitudeSeconds, 180 },
    { CameraNumber::LatitudeDegrees, CameraNumber::LatitudeMinutes, CameraNumber::LatitudeSeconds, 90 },
} };

// The on/off lists and the edits they lock: the edits are read-only while the list shows `lockedIndex`.
struct LockRule
{
    CameraList list;
    int lockedIndex;
    std::array<CameraNumber, 4> edits;
    std::size_t editCount;
};

constexpr std::array<LockRule, 3> kLockRules { {
    { CameraList::Timer1, 0,
        { CameraNumber::Timer1StartHour, CameraNumber::Timer1StartMinute, CameraNumber::Timer1StopHour,
            CameraNumber::Timer1StopMinute },
        4 },
    { CameraList::Timer2, 0,
        { CameraNumber::Timer2StartHour, CameraNumber::Timer2StartMinute, CameraNumber::Timer2StopHour,
            CameraNumber::Timer2StopMinute },
        4 },
    { CameraList::TimeLapse, 1,
        { CameraNumber::TimeLapseHour, CameraNumber::TimeLapseMinute, CameraNumber::TimeLapseSecond }, 3 },
} };

} // namespace

CameraSettingsModel::CameraSettingsModel(CameraFamily family, CameraEnvironment environment)
    : m_data(FamilyData(family))
    , m_variant(ModelVariant(m_data, environment.app.model))
    , m_environment(std::move(environment))
{
    for (const ListBinding& binding : m_data.lists)
        m_selections[ToIndex(binding.list)] = startSelection(binding);
    for (const NumberBinding& binding : m_data.numbers)
        setValue(binding.number, binding.start);
    if (hasList(CameraList::WirelessPassword))
        m_texts[ToIndex(CameraText::WirelessPassword)] = kDefaultWirelessPassword;
    m_folderValue = m_environment.startFolder;
    readLocalTime();
    m_clockValue = FormatClock(m_data.constructionClockFormat, m_clock);
    writeBack();
}

int CameraSettingsModel::startSelection(const ListBinding& binding) const
{
    if (binding.start != kStartByModel)
        return binding.start;
    switch (binding.list) {
    case CameraList::ImageSize:
        return m_variant.imageSizeStart;
    case CameraList::VideoSize:
        return m_variant.videoSizeStart;
    case CameraList::SidePir:
        return m_variant.sidePirStart;
    default:
        return 0;
    }
}

int CameraSettingsModel::optionCount(CameraList list) const
{
    const ListBinding* binding = FindList(m_data, list);
    return binding != nullptr ? OptionCount(binding->options, m_variant) : 0;
}

bool CameraSettingsModel::isReadOnly(CameraNumber number) const
{
    for (const LockRule& rule : kLockRules) {
        for (std::size_t i = 0; i < rule.editCount; ++i) {
            if (rule.edits[i] == number)
                return selection(rule.list) == rule.lockedIndex;
        }
    }
    return false;
}

bool CameraSettingsModel::isListShown(CameraList list) const
{
    if (!hasList(list))
        return false;
    return list != CameraList::SdCycle || m_variant.sdCycleShown;
}

void CameraSettingsModel::readLocalTime()
{
    m_clock = ClockFromLocalTime(m_environment.localTime());
}

std::optional<CameraSettingsModel::SyncFailure> CameraSettingsModel::sync()
{
    for (const SyncStep& step : m_data.syncOrder) {
        switch (step.kind) {
        case SyncStep::Kind::Number: {
            const NumberBinding& binding = *FindNumber(m_data, step.number);
            const std::optional<int> parsed = ParseInteger(editText(step.number));
            if (!parsed)
                return SyncFailure { CameraMessage::integerRequired(), binding.controlId };
            // The value is taken before its range is checked, as the dialogs always did.
            setValue(step.number, *parsed);
            if (*parsed < binding.minimum || *parsed > binding.maximum) {
                return SyncFailure { CameraMessage::outOfRange(binding.minimum, binding.maximum), binding.controlId };
            }
            break;
        }
        case SyncStep::Kind::ClockText:
            m_clockValue = editText(CameraText::Clock);
            break;
        case SyncStep::Kind::FolderText:
            m_folderValue = editText(CameraText::Folder);
            if (Utf16Length(m_folderValue) > kFolderTextLimit) {
                return SyncFailure { CameraMessage::tooManyCharacters(static_cast<int>(kFolderTextLimit)),
                    kFolderEditId };
            }
            break;
        }
    }
    return std::nullopt;
}

void CameraSettingsModel::writeBack()
{
    for (const NumberBinding& binding : m_data.numbers)
        m_editTexts[ToIndex(binding.number)] = std::to_string(value(binding.number));
    m_texts[ToIndex(CameraText::Clock)] = m_clockValue;
    m_texts[ToIndex(CameraText::Folder)] = m_folderValue;
}

CameraOutcome CameraSettingsModel::syncOnly()
{
    CameraOutcome outcome;
    if (auto failure = sync()) {
        outcome.messages.push_back(std::move(failure->message));
        outcome.focusControl = failure->control;
    }
    return outcome;
}

CameraOutcome CameraSettingsModel::syncAndWriteBack()
{
    CameraOutcome outcome = syncOnly();
    writeBack();
    outcome.wroteBack = true;
    return outcome;
}

bool CameraSettingsModel::correct(CameraNumber number)
{
    const NumberBinding& binding = *FindNumber(m_data, number);
    const int current = value(number);
    int corrected = current;
    switch (binding.correction) {
    case Correction::VideoLength:
        if (current < binding.minimum || current > binding.maximum)
            corrected = 10;
        break;
    case Correction::Interval:
        if (current < binding.minimum || current > binding.maximum)
            corrected = 1;
        else if (current == 0 && selection(CameraList::IntervalUnit) == 1)
            corrected = 1; // a trigger interval of 0 minutes does not exist; 0 seconds does
        break;
    case Correction::Hour:
    case Correction::MinuteOrSecond:
        if (current < binding.minimum || current > binding.maximum)
            corrected = 0;
        break;
    case Correction::CoordinatePart:
        return correctCoordinate(number);
    }
    setValue(number, corrected);
    return corrected != current;
}

// Unlike the time edits, a coordinate is pulled to its nearest bound; at the largest degree value of a
// group its minutes and seconds must be 0.
bool CameraSettingsModel::correctCoordinate(CameraNumber number)
{
    for (const CoordinateGroup& group : kCoordinateGroups) {
        if (number != group.degrees && number != group.minutes && number != group.seconds)
            continue;
        const std::array<int, 3> before { value(group.degrees), value(group.minutes), value(group.seconds) };
        if (number == group.degrees) {
            const int degrees = value(group.degrees);
            if (degrees > group.maximumDegrees)
                setValue(group.degrees, group.maximumDegrees);
            else if (degrees < 0)
                setValue(group.degrees, 0);
            if (value(group.degrees) == group.maximumDegrees && degrees >= group.maximumDegrees) {
                setValue(group.minutes, 0);
                setValue(group.seconds, 0);
            }
        } else {
            const int part = value(number);
            if (value(group.degrees) == group.maximumDegrees)
                setValue(number, 0);
            else if (part > 59)
                setValue(number, 59);
            else if (part < 0)
                setValue(number, 0);
        }
        return before != std::array<int, 3> { value(group.degrees), value(group.minutes), value(group.seconds) };
    }
    return false;
}

CameraOutcome CameraSettingsModel::changeNumber(CameraNumber number, std::string text)
{
    if (!hasNumber(number))
        return {};
    m_editTexts[ToIndex(number)] = std::move(text);
    CameraOutcome outcome = syncOnly();
    if (correct(number)) {
        writeBack();
        outcome.wroteBack = true;
    }
    return outcome;
}

void CameraSettingsModel::changeText(CameraText text, std::string value)
{
    m_texts[ToIndex(text)] = std::move(value);
}

CameraOutcome CameraSettingsModel::selectOption(CameraList list, int index)
{
    if (index < 0 || index >= optionCount(list))
        return {};
    m_selections[ToIndex(list)] = index;
    switch (list) {
    case CameraList::CameraMode:
    case CameraList::ImageSize:
        return syncOnly();
    case CameraList::IntervalUnit: {
        CameraOutcome outcome = syncOnly();
        if (index == 1 && value(CameraNumber::Interval) == 0) {
            setValue(CameraNumber::Interval, 1);
            writeBack();
            outcome.wroteBack = true;
        }
        return outcome;
    }
    case CameraList::Timer1:
    case CameraList::Timer2:
    case CameraList::TimeLapse:
    case CameraList::SerialNumber:
        // The read-only and enabled states follow the selection (isReadOnly, areSerialCharactersEnabled).
        return syncAndWriteBack();
    case CameraList::DateFormat:
        return refreshClock();
    default:
        return {};
    }
}

CameraOutcome CameraSettingsModel::refreshClock()
{
    readLocalTime();
    m_clockValue = FormatClock(selection(CameraList::DateFormat), m_clock, m_clockValue);
    writeBack();
    CameraOutcome outcome;
    outcome.wroteBack = true;
    return outcome;
}

CameraOutcome CameraSettingsModel::getTime()
{
    return refreshClock();
}

CameraOutcome CameraSettingsModel::chooseFolder(const std::optional<std::string>& chosen)
{
    if (!chosen)
        return {};
    m_folderValue = chosen->empty() ? m_environment.startFolder : *chosen;
    writeBack();
    CameraOutcome outcome;
    outcome.wroteBack = true;
    return outcome;
}

CameraSettings CameraSettingsModel::collect() const
{
    CameraSettings settings;
    settings.cameraMode = selection(CameraList::CameraMode);
    settings.imageSize = selection(CameraList::ImageSize);
    settings.videoSize = selection(CameraList::VideoSize);
    settings.pictureCount = selection(CameraList::PictureCount);
    settings.videoLength = value(CameraNumber::VideoLength) - 1;
    settings.timeStamp = selection(CameraList::TimeStamp);
    settings.interval = value(CameraNumber::Interval) + (selection(CameraList::IntervalUnit) == 0 ? 128 : 0);
    settings.senseLevel = selection(CameraList::SenseLevel);
    settings.timer1Enabled = selection(CameraList::Timer1);
    settings.sidePir = selection(CameraList::SidePir);
    settings.timeLapseEnabled = selection(CameraList::TimeLapse);
    settings.timeLapseHour = value(CameraNumber::TimeLapseHour);
    settings.timeLapseMinute = value(CameraNumber::TimeLapseMinute);
    settings.timeLapseSecond = value(CameraNumber::TimeLapseSecond);
    settings.clock = m_clock;
    settings.timer1StartHour = value(CameraNumber::Timer1StartHour);
    settings.timer1StartMinute = value(CameraNumber::Timer1StartMinute);
    settings.timer1StopHour = value(CameraNumber::Timer1StopHour);
    settings.timer1StopMinute = value(CameraNumber::Timer1StopMinute);
    settings.serialNumberEnabled = selection(CameraList::SerialNumber);
    for (std::size_t i = 0; i < kSerialCharacterLists.size(); ++i)
        settings.serialNumber[i] = selection(kSerialCharacterLists[i]);
    settings.language = m_environment.app.fileLanguage();
    settings.tvMode = static_cast<std::int32_t>(m_environment.app.tvMode & 0xFFU);
    settings.dateFormat = selection(CameraList::DateFormat);
    settings.timer2Enabled = selection(CameraList::Timer2);
    settings.timer2StartHour = value(CameraNumber::Timer2StartHour);
    settings.timer2StartMinute = value(CameraNumber::Timer2StartMinute);
    settings.timer2StopHour = value(CameraNumber::Timer2StopHour);
    settings.timer2StopMinute = value(CameraNumber::Timer2StopMinute);
    settings.sdCycle = selection(CameraList::SdCycle);
    settings.beepSound = selection(CameraList::BeepSound);
    // Each password character counts as its digit value; anything else, or a missing character, as 0.
    const std::string& password = editText(CameraText::WirelessPassword);
    for (std::size_t i = 0; i < settings.wirelessPassword.size(); ++i) {
        const bool digit = i < password.size() && password[i] >= '0' && password[i] <= '9';
        settings.wirelessPassword[i] = digit ? password[i] - '0' : 0;
    }
    settings.wirelessPasswordEnabled = selection(CameraList::WirelessPassword);
    settings.longitudeDirection = selection(CameraList::LongitudeDirection);
    settings.longitudeDegrees = value(CameraNumber::LongitudeDegrees);
    settings.longitudeMinutes = value(CameraNumber::LongitudeMinutes);
    settings.longitudeSeconds = value(CameraNumber::LongitudeSeconds);
    settings.latitudeDirection = selection(CameraList::LatitudeDirection);
    settings.latitudeDegrees = value(CameraNumber::LatitudeDegrees);
    settings.latitudeMinutes = value(CameraNumber::LatitudeMinutes);
    settings.latitudeSeconds = value(CameraNumber::LatitudeSeconds);
    return settings;
}

void CameraSettingsModel::writeRecord(
    std::string_view folder, const CameraSettingsRecord& record, CameraResultText success, CameraOutcome& outcome) const
{
    const Status status = m_environment.writeMenuFile(folder, record);
    if (status.ok()) {
        outcome.messages.push_back(CameraMessage::resultOf(success));
        return;
    }
    // The message names the file itself; keep only what the system said about it. Without a folder there is
    // no path to name, and prefixing a separator would point at the root the writer refused to use.
    std::string path = folder.empty() ? std::string { kMenuFileName } : FileInFolder(folder, kMenuFileName);
    std::string reason = status.reason();
    const std::string ownPrefix = "Cannot write " + path + ": ";
    if (reason.starts_with(ownPrefix))
        reason.erase(0, ownPrefix.size());
    outcome.messages.push_back(CameraMessage::writeFailed(std::move(path), std::move(reason)));
}

CameraOutcome CameraSettingsModel::generate()
{
    if (m_data.generateParsesClock) {
        m_clockValue = editText(CameraText::Clock);
        m_clock = ParseClock(selection(CameraList::DateFormat), m_clockValue, m_clock);
    }
    const std::string folder
        = m_data.generateFolder == GenerateFolder::CurrentEditText ? editText(CameraText::Folder) : m_folderValue;
    CameraOutcome outcome;
    writeRecord(folder, BuildCameraRecord(m_data.family, collect()), m_data.generatedText, outcome);
    return outcome;
}

CameraOutcome CameraSettingsModel::restoreDefaults()
{
    const std::string folder = m_folderValue;
    // The sync's message may appear, but the reset goes on whatever it found.
    CameraOutcome outcome = syncOnly();
    for (const ListReset& reset : m_data.defaultLists) {
        if (const ListBinding* binding = FindList(m_data, reset.list))
            m_selections[ToIndex(reset.list)] = reset.index == kStartByModel ? startSelection(*binding) : reset.index;
    }
    for (const NumberReset& reset : m_data.defaultNumbers)
        setValue(reset.number, reset.value);
    if (hasList(CameraList::WirelessPassword))
        m_texts[ToIndex(CameraText::WirelessPassword)] = kDefaultWirelessPassword;
    writeBack();
    outcome.wroteBack = true;

    const CameraSettingsRecord record = m_data.factoryRecord == FactoryRecord::FromResetControls
        ? BuildCameraRecord(m_data.family, collect())
        : FactoryResetRecord();
    writeRecord(folder, record, m_data.factoryText, outcome);
    return outcome;
}

} // namespace tamb
