#pragma once

#include "camera/Clock.h"
#include "common/AppState.h"
#include "common/Status.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tamb {

// The options the command line knows; a command says which of them it accepts and which it needs.
enum class Option : unsigned
{
    Out = 1u << 0, // --out DIR
    Model = 1u << 1, // --model N (1..kModelCount)
    Language = 1u << 2, // --language L (kFirstLanguage..kLastLanguage)
    ChineseRequested = 1u << 3, // --chinese-requested
    TvMode = 1u << 4, // --tv-mode T (0..65535)
    Clock = 1u << 5, // --clock YYYY-MM-DDTHH:MM:SS
    Json = 1u << 6, // --json
    Kind = 1u << 7, // --kind menu|setup|smtp
    Messages = 1u << 8, // --messages
    From = 1u << 9, // --from FILE
    Sheet = 1u << 10, // --sheet FILE
    Camera = 1u << 11, // --camera SERIAL
    Check = 1u << 12, // --check
    Export = 1u << 13, // --export FILE
    CaFile = 1u << 14, // --ca-file FILE
    AllowPlainLogin = 1u << 15, // --allow-plain-login
    EvenIfEnded = 1u << 16, // --even-if-ended
    Country = 1u << 17, // --country C (0..43)
    Eject = 1u << 18, // --eject
};

[[nodiscard]] constexpr unsigned operator|(Option left, Option right)
{
    return static_cast<unsigned>(left) | static_cast<unsigned>(right);
}
[[nodiscard]] constexpr unsigned operator|(unsigned left, Option right)
{
    return left | static_cast<unsigned>(right);
}

struct ArgumentRules
{
    unsigned accepted = 0; // Options (or-ed) the command accepts.
    unsigned required = 0; // Options (or-ed) the command cannot do without.
    bool assignments = false; // KEY=VALUE words are accepted.
    bool files = false; // Other words are files; at least one is required.
};

struct ParsedArguments
{
    bool help = false;
    std::optional<std::string> out;
    std::optional<ModelId> model;
    std::optional<LanguageId> language;
    bool chineseRequested = false;
    std::optional<std::uint16_t> tvMode;
    std::optional<ClockReading> clock;
    bool json = false;
    std::optional<std::string> kind;
    bool messages = false;
    std::optional<std::string> from;
    std::optional<std::string> sheet;
    std::optional<std::string> camera;
    bool check = false;
    std::optional<std::string> exportTo;
    std::optional<std::string> caFile;
    bool allowPlainLogin = false;
    bool evenIfEnded = false;
    std::optional<std::size_t> country;
    bool eject = false;
    // KEY=VALUE words in the order given; each key at most once.
    std::vector<std::pair<std::string, std::string>> assignments;
    std::vector<std::string> files;
};

// Parses the words after the command name. "--help" anywhere sets `help` and keeps only a --model the command
// accepts (so that a command can show the help of one model); every other word is then ignored. Options take
// their value as the next word or after "="; "--" ends the options. A failure says what was wrong and what is
// allowed.
[[nodiscard]] Status ParseArguments(
    std::span<const std::string> words, const ArgumentRules& rules, ParsedArguments& parsed);

} // namespace tamb
