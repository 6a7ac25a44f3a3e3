#include "common/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tamb {
namespace {

std::string describeErrno(int error)
{
    return std::generic_category().message(error);
}

std::filesystem::path temporarySibling(const std::filesystem::path& target)
{
    std::random_device seed;
    const auto suffix = std::to_string(seed() % 1000000u);
    auto name = target.filename();
    name += ".tmp" + suffix;
    return target.parent_path() / name;
}

bool flushToMedium(std::FILE* file)
{
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

Status writeAll(std::FILE* file, std::span<const std::uint8_t> bytes, const WriteFaults& faults)
{
    auto count = bytes.size();
    if (faults.failAfterBytes && *faults.failAfterBytes < count) {
        count = *faults.failAfterBytes;
    }
    if (std::fwrite(bytes.data(), 1, count, file) != count) {
        return Status::failure(describeErrno(errno));
    }
    if (count != bytes.size()) {
        return Status::failure(describeErrno(ENOSPC));
    }
    if (!flushToMedium(file)) {
        return Status::failure(describeErrno(errno));
    }
    return Status::success();
}

} // namespace

Status WriteFileAtomically(
    const std::filesystem::path& target, std::span<const std::uint8_t> bytes, const WriteFaults& faults)
{
    const auto temporary = temporarySibling(target);
#ifdef _WIN32
    std::FILE* file = _wfopen(temporary.c_str(), L"wb");
#else
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
#endif
    if (file == nullptr) {
        return Status::failure(describeErrno(errno));
    }
    auto written = writeAll(file, bytes, faults);
    if (std::fclose(file) != 0 && written.ok()) {
        written = Status::failure(describeErrno(errno));
    }
    std::error_code error;
    if (written.ok()) {
        std::filesystem::rename(temporary, target, error);
        if (!error) {
            return written;
        }
        written = Status::failure(error.message());
    }
    std::filesystem::remove(temporary, error);
    return written;
}

} // namespace tamb
