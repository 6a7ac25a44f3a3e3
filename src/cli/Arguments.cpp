#include "cli/Arguments.h"

#include "camera/CameraRecord.h"
#include "cellular/OperatorDatabase.h"

#include <array>
#include <charconv>

namespace tamb {
namespace {

struct OptionName
{
    Option option;
    std::string_view name;
    bool takesValue;
};

constexpr std::array kOptionNames {
    OptionName { Option::Out, "--out", true },
    OptionName { Option::Model, "--model", true },
    OptionName { Option::Language, "--language", true },
    OptionName { Option::ChineseRequested, "--chinese-requested", false },
    OptionName { Option::TvMode, "--tv-mode", true },
    OptionName { Option::Clock, "--clock", true },
    OptionName { Option::Json, "--json", false },
    OptionName { Option::Kind, "--kind", true },
    OptionName { Option::Messages, "--messages", false },
    OptionName { Option::From, "--from", true },
    OptionName { Option::Sheet, "--sheet", true },
    OptionName { Option::Camera, "--camera", true },
    OptionName { Option::Check, "--check", false },
    OptionName { Option::Export, "--export", true },
    OptionName { Option::CaFile, "--ca-file", true },
    OptionName { Option::AllowPlainLogin, "--allow-plain-login", false },
    OptionName { Option::EvenIfEnded, "--even-if-ended", false },
    OptionName { Option::Country, "--country", true },
    OptionName { Option::Eject, "--eject", false },
};

bool Has(unsigned set, Option option)
{
    return (set & static_cast<unsigned>(option)) != 0;
}

std::string Quoted(std::string_view text)
{
    return "'" + std::string { text } + "'";
}

// A whole decimal number within [minimum, maximum], nothing else in the text.
std::optional<std::int64_t> WholeNumberWithin(std::string_view text, std::int64_t minimum, std::int64_t maximum)
{
    std::int64_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end || value < minimum || value > maximum) {
        return std::nullopt;
    }
    return value;
}

// "YYYY-MM-DDTHH:MM:SS" with a real calendar date and time of day.
std::optional<ClockReading> ClockFromText(std::string_view text)
{
    constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    const auto part = [text](std::size_t at, std::size_t length, std::int64_t minimum, std::int64_t maximum) {
        return WholeNumberWithin(text.substr(at, length), minimum, maximum);
    };
    const auto year = part(0, 4, 0, 9999);
    const auto month = part(5, 2, 1, 12);
    if (!year || !month) {
        return std::nullopt;
    }
    ClockReading clock;
    clock.year = static_cast<std::int32_t>(*year);
    clock.month = static_cast<std::int32_t>(*month);
    const auto day = part(8, 2, 1, DaysInMonth(clock.year, clock.month));
    const auto hour = part(11, 2, 0, 23);
    const auto minute = part(14, 2, 0, 59);
    const auto second = part(17, 2, 0, 59);
    if (!day || !hour || !minute || !second) {
        return std::nullopt;
    }
    clock.day = static_cast<std::int32_t>(*day);
    clock.hour = static_cast<std::int32_t>(*hour);
    clock.minute = static_cast<std::int32_t>(*minute);
    clock.second = static_cast<std::int32_t>(*second);
    return clock;
}

Status StoreValue(Option option, std::string_view name, std::string_view value, ParsedArguments& parsed)
{
    const auto rejected = [&](std::string_view allowed) {
        return Status::failure(std::string { name } + " takes " + std::string { allowed } + ", not " + Quoted(value));
    };
    switch (option) {
    case Option::Out:
        if (value.empty()) {
            return rejected("a folder");
        }
        parsed.out = std::string { value };
        return Status::success();
    case Option::From:
        if (value.empty()) {
            return rejected("a file");
        }
        parsed.from = std::string { value };
        return Status::success();
    case Option::Sheet:
    case Option::Export:
        if (value.empty()) {
            return rejected("a file");
        }
        (option == Option::Sheet ? parsed.sheet : parsed.exportTo) = std::string { value };
        return Status::success();
    case Option::Camera:
        if (value.empty()) {
            return rejected("a serial number");
        }
        parsed.camera = std::string { value };
        return Status::success();
    case Option::Check:
        parsed.check = true;
        return Status::success();
    case Option::Eject:
        parsed.eject = true;
        return Status::success();
    case Option::CaFile:
        if (value.empty()) {
            return rejected("a file");
        }
        parsed.caFile = std::string { value };
        return Status::success();
    case Option::Model:
        if (const auto model = WholeNumberWithin(value, 1, kModelCount)) {
            parsed.model = static_cast<ModelId>(*model);
            return Status::success();
        }
        return rejected(
            "a model number from 1 to " + std::to_string(kModelCount) + " (the position in the model list)");
    case Option::Language:
        if (const auto language = WholeNumberWithin(value, kFirstLanguage, kLastLanguage)) {
            parsed.language = static_cast<LanguageId>(*language);
            return Status::success();
        }
        return rejected("a language number from " + std::to_string(kFirstLanguage) + " to "
            + std::to_string(kLastLanguage) + " (1 Chinese, 2 English, 3 Deutsch, ...)");
    case Option::TvMode:
        if (const auto tvMode = WholeNumberWithin(value, 0, 0xFFFF)) {
            parsed.tvMode = static_cast<std::uint16_t>(*tvMode);
            return Status::success();
        }
        return rejected("a number from 0 to 65535");
    case Option::Clock: {
        const auto clock = ClockFromText(value);
        if (!clock) {
            return rejected("a date and time YYYY-MM-DDTHH:MM:SS (for example 2024-02-03T07:05:09)");
        }
        // Outside these years the clock reading or the record would move the year to a bound without a word.
        // The years a camera dialog's clock reading can hold unchanged.
        if (clock->year < kFirstClockReadingYear || clock->year > kClockYearLast) {
            return rejected(
                "a year from " + std::to_string(kFirstClockReadingYear) + " to " + std::to_string(kClockYearLast));
        }
        parsed.clock = *clock;
        return Status::success();
    }
    case Option::Kind:
        if (value == "menu" || value == "setup" || value == "smtp") {
            parsed.kind = std::string { value };
            return Status::success();
        }
        return rejected("menu, setup or smtp");
    case Option::ChineseRequested:
        parsed.chineseRequested = true;
        return Status::success();
    case Option::Json:
        parsed.json = true;
        return Status::success();
    case Option::Messages:
        parsed.messages = true;
        return Status::success();
    case Option::AllowPlainLogin:
        parsed.allowPlainLogin = true;
        return Status::success();
    case Option::EvenIfEnded:
        parsed.evenIfEnded = true;
        return Status::success();
    case Option::Country:
        if (const auto country = WholeNumberWithin(value, 0, kCountryCount - 1)) {
            parsed.country = static_cast<std::size_t>(*country);
            return Status::success();
        }
        return rejected("a country index from 0 to 43 (the position in the MMS country list)");
    }
    return Status::failure("unknown option " + Quoted(name));
}

// With --help only the model counts: "camera --model 3 --help" shows the keys of model 3.
Status StoreModelForHelp(std::span<const std::string> words, const ArgumentRules& rules, ParsedArguments& parsed)
{
    if (!Has(rules.accepted, Option::Model)) {
        return Status::success();
    }
    constexpr std::string_view kName = "--model";
    for (std::size_t i = 0; i < words.size() && words[i] != "--"; ++i) {
        const std::string_view word = words[i];
        if (word == kName && i + 1 < words.size()) {
            return StoreValue(Option::Model, kName, words[i + 1], parsed);
        }
        if (word.starts_with(kName) && word.size() > kName.size() && word[kName.size()] == '=') {
            return StoreValue(Option::Model, kName, word.substr(kName.size() + 1), parsed);
        }
    }
    return Status::success();
}

Status StoreAssignment(std::string_view word, ParsedArguments& parsed)
{
    const auto equals = word.find('=');
    const auto key = word.substr(0, equals);
    if (key.empty()) {
        return Status::failure(Quoted(word) + " has no key; settings are given as KEY=VALUE");
    }
    for (const auto& [known, value] : parsed.assignments) {
        if (known == key) {
            return Status::failure("the key " + Quoted(key) + " is given twice");
        }
    }
    parsed.assignments.emplace_back(std::string { key }, std::string { word.substr(equals + 1) });
    return Status::success();
}

} // namespace

Status ParseArguments(std::span<const std::string> words, const ArgumentRules& rules, ParsedArguments& parsed)
{
    parsed = ParsedArguments {};
    for (const auto& word : words) {
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            return StoreModelForHelp(words, rules, parsed);
        }
    }
    unsigned given = 0;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && word.size() > 1 && word.front() == '-') {
            const auto equals = word.find('=');
            const auto name = word.substr(0, equals);
            const OptionName* known = nullptr;
            for (const auto& candidate : kOptionNames) {
                if (candidate.name == name && Has(rules.accepted, candidate.option)) {
                    known = &candidate;
                }
            }
            if (known == nullptr) {
                return Status::failure("unknown option " + Quoted(name));
            }
            if (Has(given, known->option)) {
                return Status::failure(std::string { name } + " is given twice");
            }
            given |= static_cast<unsigned>(known->option);
            std::string_view value;
            if (equals != std::string_view::npos) {
                if (!known->takesValue) {
                    return Status::failure(std::string { name } + " takes no value");
                }
                value = word.substr(equals + 1);
            } else if (known->takesValue) {
                if (i + 1 >= words.size()) {
                    return Status::failure(std::string { name } + " needs a value");
                }
                value = words[++i];
            }
            if (auto stored = StoreValue(known->option, name, value, parsed); !stored.ok()) {
                return stored;
            }
        } else if (rules.assignments && word.find('=') != std::string_view::npos) {
            if (auto stored = StoreAssignment(word, parsed); !stored.ok()) {
                return stored;
            }
        } else if (rules.files) {
            parsed.files.emplace_back(word);
        } else {
            return Status::failure("unexpected argument " + Quoted(word));
        }
    }
    for (const auto& candidate : kOptionNames) {
        if (Has(rules.required, candidate.option) && !Has(given, candidate.option)) {
            return Status::failure(std::string { candidate.name } + " is required");
        }
    }
    if (rules.files && parsed.files.empty()) {
        return Status::failure("no file given");
    }
    return Status::success();
}

} // namespace tamb
