#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamb::fuzz {

// How the harnesses read their inputs. The seed maker writes its seeds with the same functions, so that every
// seed means what it was made for.

// inspect: one byte for the kind (0 menu, 1 setup, 2 smtp, other: from the file's name), one for the model
// (0: none, else 1..kModelCount), one for the length of the file's name, the name's bytes, then the file's bytes.
struct InspectInput
{
    std::uint8_t kind = 3;
    std::uint8_t model = 0;
    std::string name;
    std::string content;
};

inline std::string EncodeInspectInput(const InspectInput& input)
{
    std::string bytes;
    bytes += static_cast<char>(input.kind);
    bytes += static_cast<char>(input.model);
    bytes += static_cast<char>(input.name.size());
    return bytes + input.name + input.content;
}

inline InspectInput DecodeInspectInput(std::string_view bytes)
{
    InspectInput input;
    if (bytes.size() < 3) {
        return input;
    }
    input.kind = static_cast<std::uint8_t>(bytes[0]);
    input.model = static_cast<std::uint8_t>(bytes[1]);
    const std::size_t nameLength = std::min<std::size_t>(static_cast<std::uint8_t>(bytes[2]), bytes.size() - 3);
    input.name = std::string { bytes.substr(3, nameLength) };
    input.content = std::string { bytes.substr(3 + nameLength) };
    return input;
}

// Words of a command line: separated by NUL bytes, after one byte that picks the command.
inline std::string EncodeWords(std::uint8_t command, const std::vector<std::string>& words)
{
    std::string bytes(1, static_cast<char>(command));
    for (std::size_t i = 0; i < words.size(); ++i) {
        bytes += (i == 0 ? "" : std::string(1, '\0')) + words[i];
    }
    return bytes;
}

inline std::vector<std::string> DecodeWords(std::string_view bytes)
{
    std::vector<std::string> words;
    while (!bytes.empty()) {
        const auto end = bytes.find('\0');
        words.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return words;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size)
{
    return { reinterpret_cast<const char*>(data), size };
}

} // namespace tamb::fuzz
