#include "camera/CameraAssignments.h"

#include "camera/CameraOptions.h"
#include "model/SettingKey.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>

namespace tamb {
namespace {

constexpr std::string_view kSerialNumberKey = "serialNumber";
constexpr std::string_view kPasswordKey = "wirelessPassword";
constexpr std::string_view kSerialNumberAllowed = "exactly four characters from 0-9 and A-Z, e.g. A70Z";
constexpr std::string_view kPasswordAllowed = "up to four digits";

struct Pending
{
    std::map<CameraList, int> lists;
    std::map<CameraNumber, int> numbers;
    std::optional<std::array<int, 4>> serial;
    std::optional<std::string> password;
};

std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

Status Rejected(const CameraAssignment& assignment, std::string_view allowed)
{
    return Status::failure(assignment.first + "=" + assignment.second + ": " + std::string { allowed });
}

std::optional<CameraList> ListOfKey(std::string_view key)
{
    for (std::size_t i = 0; i < kCameraListCount; ++i) {
        if (kCameraListKeys[i] == key && key != kSerialNumberKey)
            return static_cast<CameraList>(i);
    }
    return std::nullopt;
}

std::optional<CameraNumber> NumberOfKey(std::string_view key)
{
    for (std::size_t i = 0; i < kCameraNumberCount; ++i) {
        if (kCameraNumberKeys[i] == key)
            return static_cast<CameraNumber>(i);
    }
    return std::nullopt;
}

bool IsKnownKey(std::string_view key)
{
    return ListOfKey(key) || NumberOfKey(key) || key == kSerialNumberKey || key == kPasswordKey;
}

// "0..2 (0 Off, 1 On, 2 Auto)": the option indexes of a list with their English texts.
std::string ListOptions(const CameraSettingsModel& model, CameraList list)
{
    const ListBinding& binding = *FindList(model.data(), list);
    const std::vector<std::string_view> texts = OptionTexts(binding.options, model.variant(), kEnglish);
    std::string allowed = "0.." + std::to_string(texts.size() - 1) + " (";
    for (std::size_t i = 0; i < texts.size(); ++i)
        allowed += (i == 0 ? "" : ", ") + std::to_string(i) + " " + std::string { texts[i] };
    return allowed + ")";
}

std::string NumberRange(const NumberBinding& binding)
{
    return std::to_string(binding.minimum) + ".." + std::to_string(binding.maximum);
}

// What a range alone does not say about a number: its unit, or the values the dialog would still correct.
std::string NumberNote(const NumberBinding& binding)
{
    switch (binding.number) {
    case CameraNumber::VideoLength:
        return "seconds";
    case CameraNumber::Interval:
        return "0 only with intervalUnit=0, seconds";
    case CameraNumber::LongitudeDegrees:
    case CameraNumber::LatitudeDegrees:
        return "minutes and seconds must be 0 at " + std::to_string(binding.maximum);
    default:
        return {};
    }
}

bool IsShownInDialog(const CameraSettingsModel& model, std::string_view key)
{
    if (key == kSerialNumberKey)
        return model.hasList(CameraList::SerialCharacter1);
    if (key == kPasswordKey)
        return model.hasList(CameraList::WirelessPassword);
    if (const auto list = ListOfKey(key))
        return model.isListShown(*list);
    return model.hasNumber(*NumberOfKey(key));
}

Status ParseAssignment(const CameraSettingsModel& model, const CameraAssignment& assignment, Pending& pending)
{
    const std::string& key = assignment.first;
    const std::string& text = assignment.second;
    if (!IsKnownKey(key))
        return Rejected(assignment, "unknown key; " + AcceptedCameraKeys(model));
    if (!IsShownInDialog(model, key))
        return Rejected(assignment,
            "the camera dialog of model " + std::to_string(model.app().model) + " has no such setting; "
                + AcceptedCameraKeys(model));
    if (key == kSerialNumberKey) {
        std::array<int, 4> characters {};
        bool valid = text.size() == characters.size();
        for (std::size_t i = 0; valid && i < characters.size(); ++i) {
            const std::optional<std::int32_t> index
                = SerialCharacterIndex(static_cast<char>(std::toupper(static_cast<unsigned char>(text[i]))));
            valid = index.has_value();
            characters[i] = index.value_or(0);
        }
        if (!valid)
            return Rejected(assignment, "allowed " + std::string { kSerialNumberAllowed });
        pending.serial = characters;
        return Status::success();
    }
    if (key == kPasswordKey) {
        const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || text.size() > kWirelessPasswordLength)
            return Rejected(assignment, "allowed " + std::string { kPasswordAllowed });
        pending.password = text;
        return Status::success();
    }
    const std::optional<int> value = WholeNumber(text);
    if (const auto list = ListOfKey(key)) {
        if (!value || *value < 0 || *value >= model.optionCount(*list))
            return Rejected(assignment, "allowed " + ListOptions(model, *list));
        pending.lists[*list] = *value;
        return Status::success();
    }
    const CameraNumber number = *NumberOfKey(key);
    const NumberBinding& binding = *FindNumber(model.data(), number);
    if (!value || *value < binding.minimum || *value > binding.maximum) {
        return Rejected(assignment,
            "allowed a whole number from " + std::to_string(binding.minimum) + " to "
                + std::to_string(binding.maximum));
    }
    pending.numbers[number] = *value;
    return Status::success();
}

// Values inside their ranges that the dialog would still correct after typing.
Status CheckCombinations(const CameraSettingsModel& model, const Pending& pending)
{
    const auto listValue = [&](CameraList list) {
        const auto given = pending.lists.find(list);
        return given != pending.lists.end() ? given->second : model.selection(list);
    };
    const auto numberValue = [&](CameraNumber number) {
        const auto given = pending.numbers.find(number);
        return given != pending.numbers.end() ? given->second : model.value(number);
    };
    if (pending.numbers.contains(CameraNumber::Interval) && numberValue(CameraNumber::Interval) == 0
        && listValue(CameraList::IntervalUnit) == 1) {
        return Status::failure("interval=0: an interval of 0 exists only in seconds; give intervalUnit=0, or an "
                               "interval from 1 to 60 minutes");
    }
    for (const CoordinateGroup& group : model.data().coordinateGroups) {
        if (!model.hasNumber(group.degrees) || numberValue(group.degrees) != group.maximumDegrees)
            continue;
        for (const CameraNumber part : { group.minutes, group.seconds }) {
            if (numberValue(part) != 0) {
                return Status::failure(std::string { KeyOf(part) } + "=" + std::to_string(numberValue(part))
                    + ": must be 0 when " + std::string { KeyOf(group.degrees) } + " is "
                    + std::to_string(group.maximumDegrees));
            }
        }
    }
    return Status::success();
}

} // namespace

std::vector<CameraKeyHelp> DescribeCameraKeys(const CameraSettingsModel& model)
{
    std::vector<CameraKeyHelp> keys;
    for (const ListBinding& binding : model.data().lists) {
        const std::string_view key = KeyOf(binding.list);
        if (!model.isListShown(binding.list))
            continue;
        // The four character lists are one key, given as one text.
        if (binding.list == CameraList::SerialCharacter1)
            keys.push_back({ .key = std::string { key }, .allowed = std::string { kSerialNumberAllowed } });
        if (key == kSerialNumberKey)
            continue;
        const std::string start = std::to_string(model.selection(binding.list));
        keys.push_back(
            { .key = std::string { key }, .allowed = ListOptions(model, binding.list) + "; starts at " + start });
    }
    for (const NumberBinding& binding : model.data().numbers) {
        std::string allowed = NumberRange(binding);
        if (const std::string note = NumberNote(binding); !note.empty())
            allowed += " (" + note + ")";
        keys.push_back({ .key = std::string { KeyOf(binding.number) },
            .allowed = allowed + "; starts at " + std::to_string(model.value(binding.number)) });
    }
    if (model.hasList(CameraList::WirelessPassword)) {
        const std::string& start = model.editText(CameraText::WirelessPassword);
        keys.push_back({ .key = std::string { kPasswordKey },
            .allowed = std::string { kPasswordAllowed } + "; starts at " + (start.empty() ? "none" : start) });
    }
    return keys;
}

std::string AcceptedCameraKeys(const CameraSettingsModel& model)
{
    std::string keys = "keys of this model:";
    for (const CameraKeyHelp& help : DescribeCameraKeys(model))
        keys += " " + help.key;
    return keys;
}

namespace {

// How numbers reach their edits: typed one by one with the corrections of their handlers, or shown together as
// the dialog held them.
enum class NumberEntry
{
    Typed,
    AsHeld,
};

Status Apply(CameraSettingsModel& model, std::span<const CameraAssignment> assignments, NumberEntry entry)
{
    Pending pending;
    for (const CameraAssignment& assignment : assignments) {
        if (Status parsed = ParseAssignment(model, assignment, pending); !parsed.ok())
            return parsed;
    }
    if (entry == NumberEntry::Typed) {
        if (Status combined = CheckCombinations(model, pending); !combined.ok())
            return combined;
    }

    // Lists first, so that the unit is set before the interval is typed and the switches before their times.
    std::vector<DialogOutcome> outcomes;
    Status applied = Status::success();
    const auto applyToControl = [&](std::string_view key, int controlId, bool isList, const std::string& value) {
        if (!applied.ok())
            return;
        const SettingKey setting { .key = key, .controlId = controlId, .isList = isList, .checkedBeforehand = true };
        outcomes.emplace_back();
        applied = ApplySettingKey(model, setting, value, false, {}, outcomes.back());
    };
    for (const ListBinding& binding : model.data().lists) {
        if (const auto given = pending.lists.find(binding.list); given != pending.lists.end())
            applyToControl(KeyOf(binding.list), binding.controlId, true, std::to_string(given->second));
    }
    if (pending.serial) {
        for (std::size_t i = 0; i < kSerialCharacterLists.size(); ++i) {
            applyToControl(kSerialNumberKey, FindList(model.data(), kSerialCharacterLists[i])->controlId, true,
                std::to_string((*pending.serial)[i]));
        }
    }
    std::vector<std::pair<CameraNumber, std::string>> shown;
    for (const NumberBinding& binding : model.data().numbers) {
        const auto given = pending.numbers.find(binding.number);
        if (given == pending.numbers.end())
            continue;
        if (entry == NumberEntry::Typed)
            applyToControl(KeyOf(binding.number), binding.controlId, false, std::to_string(given->second));
        else
            shown.emplace_back(binding.number, std::to_string(given->second));
    }
    if (!shown.empty()) {
        // The syncs of the lists' handlers read numbers from before; what counts is the one sync of them all.
        outcomes.clear();
        outcomes.push_back(model.showNumbers(shown));
    }
    if (pending.password)
        applyToControl(kPasswordKey, model.data().passwordEditId, false, *pending.password);
    if (!applied.ok())
        return applied;

    // Checked values never make the dialog speak; if it does, say so rather than write a file nobody chose.
    for (const DialogOutcome& outcome : outcomes) {
        if (!outcome.messages.empty())
            return Status::failure(outcome.messages.front().text(kEnglish));
    }
    return Status::success();
}

} // namespace

Status ApplyCameraAssignments(CameraSettingsModel& model, std::span<const CameraAssignment> assignments)
{
    return Apply(model, assignments, NumberEntry::Typed);
}

Status LoadCameraAssignments(CameraSettingsModel& model, std::span<const CameraAssignment> assignments)
{
    return Apply(model, assignments, NumberEntry::AsHeld);
}

} // namespace tamb
