#include "cli/Console.h"

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After <windows.h>, whose types it uses.
#include <shellapi.h>
#endif

namespace tamb {

#ifdef _WIN32

namespace {

std::string Utf8FromWide(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back(); // the terminating zero
    return text;
}

} // namespace

std::vector<std::string> CommandLineWords(int argc, char** argv)
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        // Without the UTF-16 words, the ANSI ones still serve an ASCII command line.
        return { argv, argv + argc };
    }
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        result.push_back(Utf8FromWide(words[i]));
    }
    LocalFree(words);
    return result;
}

void WriteLineFeedsUnchanged()
{
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

#else

std::vector<std::string> CommandLineWords(int argc, char** argv)
{
    return { argv, argv + argc };
}

void WriteLineFeedsUnchanged()
{
}

#endif

} // namespace tamb
