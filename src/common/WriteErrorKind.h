#pragma once

#include "common/Status.h"

#include <filesystem>
#include <system_error>

namespace tamb {

// The kind of a system error met while writing a file into `folder`: a read-only file system, or a refusal by a
// medium that is mounted read-only, is WriteProtected; no space or quota left is Full; a device that is gone, or
// any error once nothing is left under the name `folder`, is Missing; everything else is Other (a file where the
// folder should be, too). Knows errno values and, on Windows, the system's own error numbers.
[[nodiscard]] FailureKind ClassifyWriteError(std::error_code error, const std::filesystem::path& folder);

// A failure of kind ClassifyWriteError(error, folder) whose reason is `context` followed by the system's words.
[[nodiscard]] Status WriteErrorStatus(
    const std::string& context, std::error_code error, const std::filesystem::path& folder);

} // namespace tamb
