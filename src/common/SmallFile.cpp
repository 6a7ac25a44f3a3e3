#include "common/SmallFile.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tamb {
namespace {

#ifdef _WIN32

int OpenForReading(const std::filesystem::path& path)
{
    int descriptor = -1;
    _wsopen_s(&descriptor, path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0);
    return descriptor;
}

bool IsSmallRegularFile(int descriptor, std::size_t limit)
{
    struct _stat64 status
    {
    };
    return _fstat64(descriptor, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG
        && static_cast<unsigned long long>(status.st_size) <= limit;
}

int ReadSome(int descriptor, char* buffer, std::size_t count)
{
    return _read(descriptor, buffer, static_cast<unsigned>(count));
}

void CloseFile(int descriptor)
{
    _close(descriptor);
}

#else

int OpenForReading(const std::filesystem::path& path)
{
    // Without O_NONBLOCK, opening a FIFO waits until some writer opens it too.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

bool IsSmallRegularFile(int descriptor, std::size_t limit)
{
    struct stat status
    {
    };
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)
        && static_cast<unsigned long long>(status.st_size) <= limit;
}

ssize_t ReadSome(int descriptor, char* buffer, std::size_t count)
{
    return ::read(descriptor, buffer, count);
}

void CloseFile(int descriptor)
{
    ::close(descriptor);
}

#endif

} // namespace

std::optional<std::string> ReadSmallRegularFile(const std::filesystem::path& path, std::size_t limit)
{
    const int descriptor = OpenForReading(path);
    if (descriptor < 0) {
        return std::nullopt;
    }
    std::optional<std::string> content;
    if (IsSmallRegularFile(descriptor, limit)) {
        // One byte more than the limit tells a file that grew since it was measured.
        std::string bytes(limit + 1, '\0');
        std::size_t filled = 0;
        bool complete = false;
        while (filled < bytes.size()) {
            const auto count = ReadSome(descriptor, bytes.data() + filled, bytes.size() - filled);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                complete = count == 0;
                break;
            }
            filled += static_cast<std::size_t>(count);
        }
        if (complete) {
            bytes.resize(filled);
            content = std::move(bytes);
        }
    }
    CloseFile(descriptor);
    return content;
}

} // namespace tamb
