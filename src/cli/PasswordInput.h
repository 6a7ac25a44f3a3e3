#pragma once

#include "common/Status.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tamb {

// The value that stands for "read it from standard input".
inline constexpr std::string_view kFromStandardInput = "-";

// The keys that take a password: the sender's and the GPRS account's of smtp and smtp-test, the MMS account's.
inline constexpr std::array<std::string_view, 2> kSmtpPasswordKeys { "senderPassword", "password" };
inline constexpr std::array<std::string_view, 1> kMmsPasswordKeys { "password" };

// Gives every assignment of one of `passwordKeys` whose value is "-" the next line of standard input instead, in
// the order of the command line, so that a password never has to stand on the command line, where every user of
// the machine can read it. A line ends at LF (a CR before it is dropped) or at the end of the input. From a
// terminal each password is asked for by its key on standard error and not echoed. Fails, naming the key, when
// the input ends before the line or the line is longer than any password field.
[[nodiscard]] Status ReadPasswordsFromInput(
    std::vector<std::pair<std::string, std::string>>& assignments, std::span<const std::string_view> passwordKeys);

} // namespace tamb
