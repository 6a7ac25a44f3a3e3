#include "camera/CameraSettingsModel.h"

#include "camera/CameraOptions.h"
#include "camera/MenuFile.h"
#include "camera/MenuFileLoad.h"
#include "common/Utf8Text.h"

#include <algorithm>
#include <utility>

namespace tamb {

CameraSettingsModel::CameraSettingsModel(CameraFamily family, CameraEnvironment environment)
    : FileSettingsModel(kMenuFileName, environment.startFolder, environment.offerToLoad, &CheckMenuFile, &LoadMenuFile)
    , m_data(FamilyData(family))
    , m_variant(ModelVariant(m_data, environment.app.model))
    , m_environment(std::move(environment))
{
    for (const ListBinding& binding : m_data.lists)
        m_selections[ToIndex(binding.list)] = startSelection(binding);
    for (const NumberBinding& binding : m_data.numbers)
        setValue(binding.number, binding.start);
    for (const SyncStep& step : m_data.syncOrder) {
        switch (step.kind) {
        case SyncStep::Kind::Number: {
            const NumberBinding& binding = *FindNumber(m_data, step.number);
            m_exchange.bindInteger(binding.controlId, m_values[ToIndex(step.number)], binding.minimum, binding.maximum);
            break;
        }
        case SyncStep::Kind::ClockText:
            m_exchange.bindText(kClockEditId, m_clockValue);
            break;
        case SyncStep::Kind::FolderText:
            m_exchange.bindText(kFolderEditId, m_folder, m_environment.folderLimit);
            break;
        }
    }
    if (hasList(CameraList::WirelessPassword))
        changeText(CameraText::WirelessPassword, std::string { kDefaultWirelessPassword });
    readLocalTime();
    m_clockTextFormat = m_data.constructionClockFormat;
    m_clockValue = FormatClock(m_clockTextFormat, m_clock);
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

int CameraSettingsModel::controlOf(CameraText text) const
{
    switch (text) {
    case CameraText::Clock:
        return kClockEditId;
    case CameraText::Folder:
        return kFolderEditId;
    case CameraText::WirelessPassword:
        break;
    }
    return m_data.passwordEditId;
}

std::string CameraSettingsModel::editText(CameraNumber number) const
{
    const NumberBinding* binding = FindNumber(m_data, number);
    return binding != nullptr ? m_edits.controlText(binding->controlId) : std::string {};
}

std::string CameraSettingsModel::editText(CameraText text) const
{
    return m_edits.controlText(controlOf(text));
}

const LockRule* CameraSettingsModel::lockOf(int controlId) const
{
    for (const LockRule& rule : m_data.locks) {
        if (std::ranges::find(rule.controls, controlId) != rule.controls.end())
            return &rule;
    }
    return nullptr;
}

bool CameraSettingsModel::isLocked(int controlId) const
{
    const LockRule* rule = lockOf(controlId);
    return rule != nullptr && selection(rule->list) == rule->lockedIndex;
}

bool CameraSettingsModel::isReadOnly(int controlId) const
{
    if (controlId == kClockEditId)
        return !m_data.clockEditable;
    return FindListByControl(m_data, controlId) == nullptr && isLocked(controlId);
}

bool CameraSettingsModel::isEnabled(int controlId) const
{
    return FindListByControl(m_data, controlId) == nullptr || !isLocked(controlId);
}

bool CameraSettingsModel::isShown(int controlId) const
{
    for (const HiddenRow& row : m_data.hiddenRows) {
        const bool hidden = row.when == RowCondition::Always || !m_variant.sdCycleShown;
        if (hidden && std::ranges::find(row.controls, controlId) != row.controls.end())
            return false;
    }
    return true;
}

bool CameraSettingsModel::isReadOnly(CameraNumber number) const
{
    const NumberBinding* binding = FindNumber(m_data, number);
    return binding != nullptr && isReadOnly(binding->controlId);
}

bool CameraSettingsModel::isWirelessPasswordReadOnly() const
{
    return m_data.passwordEditId == kNoControl || isReadOnly(m_data.passwordEditId);
}

bool CameraSettingsModel::areSerialCharactersEnabled() const
{
    const ListBinding* first = FindList(m_data, CameraList::SerialCharacter1);
    return first != nullptr && isEnabled(first->controlId);
}

bool CameraSettingsModel::isListShown(CameraList list) const
{
    const ListBinding* binding = FindList(m_data, list);
    return binding != nullptr && isShown(binding->controlId);
}

std::vector<std::string> CameraSettingsModel::listItems(int controlId) const
{
    const ListBinding* binding = FindListByControl(m_data, controlId);
    if (binding == nullptr)
        return {};
    const std::vector<std::string_view> texts = OptionTexts(binding->options, m_variant, app().language);
    return { texts.begin(), texts.end() };
}

int CameraSettingsModel::selection(int controlId) const
{
    const ListBinding* binding = FindListByControl(m_data, controlId);
    return binding != nullptr ? selection(binding->list) : -1;
}

void CameraSettingsModel::readLocalTime()
{
    m_clock = ClockFromLocalTime(m_environment.localTime());
}

DialogOutcome CameraSettingsModel::syncAndWriteBack()
{
    DialogOutcome outcome = sync();
    writeBack();
    return outcome;
}

bool CameraSettingsModel::correct(CameraNumber number)
{
    const NumberBinding& binding = *FindNumber(m_data, number);
    const int current = value(number);
    const bool outside = current < binding.minimum || current > binding.maximum;
    int corrected = current;
    switch (binding.correction) {
    case Correction::VideoLength:
        corrected = outside ? 10 : current;
        break;
    case Correction::Interval:
        // A trigger interval of 0 minutes does not exist; 0 seconds does.
        corrected = outside || (current == 0 && selection(CameraList::IntervalUnit) == 1) ? 1 : current;
        break;
    case Correction::Hour:
    case Correction::MinuteOrSecond:
        corrected = outside ? 0 : current;
        break;
    case Correction::CoordinatePart:
        for (const CoordinateGroup& group : m_data.coordinateGroups) {
            if (number == group.degrees || number == group.minutes || number == group.seconds)
                return correctCoordinate(group, number);
        }
        return false;
    }
    setValue(number, corrected);
    return corrected != current;
}

// Unlike the time edits, a coordinate is pulled to its nearest bound; at the largest degree value of a
// group its minutes and seconds must be 0.
bool CameraSettingsModel::correctCoordinate(const CoordinateGroup& group, CameraNumber number)
{
    const std::array<int, 3> before { value(group.degrees), value(group.minutes), value(group.seconds) };
    if (number == group.degrees) {
        const int degrees = value(group.degrees);
        setValue(group.degrees, std::clamp(degrees, 0, group.maximumDegrees));
        if (degrees >= group.maximumDegrees) {
            setValue(group.minutes, 0);
            setValue(group.seconds, 0);
        }
    } else {
        const bool atMaximum = value(group.degrees) == group.maximumDegrees;
        setValue(number, atMaximum ? 0 : std::clamp(value(number), 0, 59));
    }
    return before != std::array<int, 3> { value(group.degrees), value(group.minutes), value(group.seconds) };
}

DialogOutcome CameraSettingsModel::changeNumber(CameraNumber number, std::string text)
{
    const NumberBinding* binding = FindNumber(m_data, number);
    if (binding == nullptr)
        return {};
    m_edits.setControlText(binding->controlId, text);
    DialogOutcome outcome = sync();
    if (correct(number))
        writeBack();
    return outcome;
}

DialogOutcome CameraSettingsModel::showNumbers(std::span<const std::pair<CameraNumber, std::string>> texts)
{
    for (const auto& [number, text] : texts) {
        if (const NumberBinding* binding = FindNumber(m_data, number))
            m_edits.setControlText(binding->controlId, text);
    }
    DialogOutcome outcome = sync();
    writeBack();
    return outcome;
}

void CameraSettingsModel::changeText(CameraText text, std::string value)
{
    const int controlId = controlOf(text);
    if (controlId != kNoControl)
        m_edits.setControlText(controlId, value);
}

DialogOutcome CameraSettingsModel::selectOption(CameraList list, int index)
{
    if (index < 0 || index >= optionCount(list))
        return {};
    m_selections[ToIndex(list)] = index;
    switch (list) {
    case CameraList::CameraMode:
    case CameraList::ImageSize:
        return sync();
    case CameraList::IntervalUnit: {
        DialogOutcome outcome = sync();
        if (index == 1 && value(CameraNumber::Interval) == 0) {
            setValue(CameraNumber::Interval, 1);
            writeBack();
        }
        return outcome;
    }
    case CameraList::Timer1:
    case CameraList::Timer2:
    case CameraList::TimeLapse:
    case CameraList::SerialNumber:
        // The read-only and enabled states follow the selection through the family's locks.
        return syncAndWriteBack();
    case CameraList::DateFormat:
        return refreshClock();
    default:
        // The wireless password switch, like the plain option lists, needs no sync.
        return {};
    }
}

DialogOutcome CameraSettingsModel::refreshClock()
{
    readLocalTime();
    m_clockTextFormat = selection(CameraList::DateFormat);
    m_clockValue = FormatClock(m_clockTextFormat, m_clock, m_clockValue);
    writeBack();
    return {};
}

// Default moves the list back to month first but leaves the clock text as it stands, so the text is read in the
// layout it was written in; a text the user typed again in the layout the list shows is read in that one. A
// text that is a time in neither is not taken.
std::optional<ClockReading> CameraSettingsModel::readClockText() const
{
    for (const int format : { m_clockTextFormat, selection(CameraList::DateFormat) }) {
        const ClockReading clock = ParseClock(format, m_clockValue, m_clock);
        if (IsCalendarTime(clock))
            return clock;
    }
    return std::nullopt;
}

DialogOutcome CameraSettingsModel::getTime()
{
    return refreshClock();
}

DialogOutcome CameraSettingsModel::chooseFolder(const std::optional<std::string>& chosen)
{
    return folderChosen(chosen);
}

CameraSettings CameraSettingsModel::collect() const
{
    CameraSettings settings;
    // A list or number whose key names a record field takes its value as it stands; a list the family lacks
    // gives its start of 0.
    for (std::size_t i = 0; i < kCameraListCount; ++i) {
        if (std::int32_t* field = SettingsField(settings, KeyOf(static_cast<CameraList>(i))))
            *field = m_selections[i];
    }
    for (std::size_t i = 0; i < kCameraNumberCount; ++i) {
        if (std::int32_t* field = SettingsField(settings, KeyOf(static_cast<CameraNumber>(i))))
            *field = m_values[i];
    }
    // The fields whose record form is not the value the dialog shows.
    settings.videoLength = VideoLengthField(value(CameraNumber::VideoLength));
    settings.interval = IntervalField(value(CameraNumber::Interval), selection(CameraList::IntervalUnit));
    for (std::size_t i = 0; i < kSerialCharacterLists.size(); ++i)
        settings.serialNumber[i] = selection(kSerialCharacterLists[i]);
    settings.wirelessPassword = WirelessPasswordDigits(editText(CameraText::WirelessPassword));
    settings.clock = m_clock;
    settings.language = m_environment.app.fileLanguage();
    settings.tvMode = static_cast<std::int32_t>(m_environment.app.tvMode & 0xFFU);
    return settings;
}

void CameraSettingsModel::writeRecord(
    std::string_view folder, const CameraSettingsRecord& record, MessageId success, DialogOutcome& outcome) const
{
    writeFile(
        folder, m_environment.writeMenuFile, record, [&] { return WriteMenuFile(folder, record); }, success, outcome);
}

std::optional<CameraSettingsRecord> CameraSettingsModel::checkedRecord(DialogOutcome& outcome)
{
    outcome = sync();
    if (!outcome.messages.empty())
        return std::nullopt;
    if (m_data.generateParsesClock) {
        const std::optional<ClockReading> clock = readClockText();
        if (!clock) {
            focusFailure(outcome,
                { kClockEditId,
                    DialogMessage::of(MessageId::ClockNotTime, FormatClock(m_clockTextFormat, m_clock), kClockYearBase,
                        kClockYearLast) });
            return std::nullopt;
        }
        m_clock = *clock;
    }
    return BuildCameraRecord(m_data.family, collect());
}

DialogOutcome CameraSettingsModel::generate()
{
    DialogOutcome outcome;
    if (const std::optional<CameraSettingsRecord> record = checkedRecord(outcome))
        writeRecord(m_folder, *record, m_data.generatedText, outcome);
    return outcome;
}

std::optional<SettingsFile> CameraSettingsModel::buildFile(DialogOutcome& outcome)
{
    const std::optional<CameraSettingsRecord> record = checkedRecord(outcome);
    if (!record)
        return std::nullopt;
    return SettingsFile { .name = kMenuFileName, .bytes = { record->begin(), record->end() } };
}

DialogOutcome CameraSettingsModel::restoreDefaults()
{
    const std::string folder = editText(CameraText::Folder);
    // A folder the folder edit cannot hold is refused as Generate refuses it: nothing is reset or written.
    if (Utf16Length(folder) > m_environment.folderLimit) {
        DialogOutcome refused;
        focusFailure(
            refused, { kFolderEditId, DialogMessage::of(MessageId::PromptTextTooLong, m_environment.folderLimit) });
        return refused;
    }
    // The sync's message may appear, but the reset goes on whatever it found.
    DialogOutcome outcome = sync();
    for (const ListReset& reset : m_data.defaultLists) {
        if (const ListBinding* binding = FindList(m_data, reset.list))
            m_selections[ToIndex(reset.list)] = reset.index == kStartByModel ? startSelection(*binding) : reset.index;
    }
    for (const NumberReset& reset : m_data.defaultNumbers)
        setValue(reset.number, reset.value);
    if (hasList(CameraList::WirelessPassword))
        changeText(CameraText::WirelessPassword, std::string { kDefaultWirelessPassword });
    writeBack();

    const CameraSettingsRecord record = m_data.factoryRecord == FactoryRecord::FromResetControls
        ? BuildCameraRecord(m_data.family, collect())
        : FactoryResetRecord();
    writeRecord(folder, record, m_data.factoryText, outcome);
    return outcome;
}

DialogOutcome CameraSettingsModel::editChanged(int controlId, std::string text)
{
    if (const NumberBinding* binding = FindNumberByControl(m_data, controlId))
        return changeNumber(binding->number, std::move(text));
    if (controlId == kClockEditId || controlId == kFolderEditId
        || (controlId == m_data.passwordEditId && controlId != kNoControl))
        m_edits.setControlText(controlId, text);
    return {};
}

DialogOutcome CameraSettingsModel::selectionChanged(int controlId, int index)
{
    const ListBinding* binding = FindListByControl(m_data, controlId);
    return binding != nullptr ? selectOption(binding->list, index) : DialogOutcome {};
}

DialogOutcome CameraSettingsModel::clicked(int controlId)
{
    switch (controlId) {
    case kGenerateButtonId:
        return generate();
    case kGetTimeButtonId:
        return getTime();
    case kDefaultButtonId:
        return restoreDefaults();
    case kSelectFolderButtonId:
        return chooseFolderFrom(kFolderEditId);
    default:
        return {};
    }
}

} // namespace tamb
