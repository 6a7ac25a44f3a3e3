#pragma once

#include "common/OwnedFile.h"
#include "common/Status.h"
#include "common/WriteFaults.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

namespace tamb {

// Writes the whole file so that `target` either keeps its previous content or holds `bytes` completely. The
// caller holds the lock of the target's writes (a WriteLock, or the working file of the cellular files), so that
// no other write of it runs meanwhile. The bytes go to a temporary sibling "<name>.tmpNNNNNN" that is created
// exclusively, never through a link (the next number is tried while a name exists), and are flushed to the medium;
// the system's cached copy is dropped and the file read back through its own handle. Only a file that reads back
// the same is renamed over the target, and the folder is then flushed, so that the new name survives a card pulled
// right after success. Nothing removes the target after the rename.
//
// A failure before the rename removes the temporary file and keeps the earlier file; its reason has the kind that
// ClassifyWriteError gives the system's error, or ReadBackDiffers when the read-back gave other bytes. A failed
// flush of the folder leaves the new file in place and fails with NotConfirmed.
//
// The new file keeps the permission bits of the file it replaces when that is a regular file of the same user,
// without the bits for others when `access` is OwnerOnly; otherwise it gets `access`. When the earlier mode cannot
// be read, or not given to the new file, the new file is its owner's alone and the success carries the note
// OwnerOnlyMode. Temporary siblings of `target` left by killed runs are removed after a success.
[[nodiscard]] Status WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
    FileAccess access, const WriteFaults& faults = {});

// WriteFileAtomically under the target's own WriteLock: a second write of the same file waits for the first (up to
// `faults.lockWait`, then it fails with FailureKind::Busy).
[[nodiscard]] Status WriteFileLocked(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
    FileAccess access, const WriteFaults& faults = {});

} // namespace tamb
