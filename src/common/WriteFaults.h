#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace tamb {

// How long a write waits for another write of the same file (or into the same folder, for the cellular files) to
// finish before it gives up.
inline constexpr std::chrono::milliseconds kWriteLockWait { 10000 };

// The steps of a write, in the order a write takes them; a test can make the system refuse any of them.
enum class WriteStep
{
    TakeLock, // creating and locking the lock file of the write (the working file mms.dat of the cellular files)
    ReadMode, // reading the mode of the file that is replaced
    CreateFile, // creating the temporary file
    SetMode, // giving the temporary file the mode of the file it replaces
    WriteBytes, // writing the bytes into the temporary file
    FlushFile, // flushing the temporary file to the medium
    ReadBack, // reading the temporary file back through its own handle
    Rename, // renaming the temporary file over the target
    FlushFolder, // flushing the folder after the rename, so that the new name is on the medium
    RemoveFile, // removing the working file of the cellular files
};

// A system error that a step meets instead of doing its work.
struct InjectedWriteError
{
    WriteStep step = WriteStep::CreateFile;
    std::error_code error {};
};

// A step that the system completed, with the path it acted on (the temporary file, the target, the folder).
struct CompletedWriteStep
{
    WriteStep step = WriteStep::CreateFile;
    std::filesystem::path path;

    friend bool operator==(const CompletedWriteStep&, const CompletedWriteStep&) = default;
};

// A seam for tests: make the next writes fail part-way, as a full, locked, pulled or flaky card would, meet names
// planted where the temporary file goes, or watch which steps a write took.
struct WriteFaults
{
    // Fail once this many bytes of the file have been written.
    std::optional<std::size_t> failAfterBytes {};
    // The number of the first temporary name tried, instead of a random one.
    std::optional<std::uint32_t> firstTemporaryNumber {};
    // The system error one step meets.
    std::optional<InjectedWriteError> systemError {};
    // Flip the byte at this offset of what is read back before the rename, as a card that returns other bytes
    // than it was given.
    std::optional<std::size_t> corruptReadBackAt {};
    // How long to wait for another write that holds the lock.
    std::chrono::milliseconds lockWait = kWriteLockWait;
    // When set, every step the system completed is appended here in order, so that a test can see that the
    // temporary file was flushed before the rename and the folder after it.
    std::vector<CompletedWriteStep>* completedSteps = nullptr;

    // The error injected at `step`, or none.
    [[nodiscard]] std::error_code errorAt(WriteStep step) const
    {
        return systemError && systemError->step == step ? systemError->error : std::error_code {};
    }

    // Notes that `step` was done on `path`, when a test watches.
    void completed(WriteStep step, const std::filesystem::path& path) const
    {
        if (completedSteps != nullptr) {
            completedSteps->push_back({ step, path });
        }
    }
};

} // namespace tamb
