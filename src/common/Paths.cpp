#include "common/Paths.h"

#include <cstdlib>

namespace tamb {

std::string FileInFolder(std::string_view folder, std::string_view name)
{
#ifdef _WIN32
    constexpr char separator = '\\';
#else
    constexpr char separator = '/';
#endif
    // A folder that already ends with a separator (a drive root "C:\", "/") gets no second one.
    std::string path { folder };
    const bool endsWithSeparator = !path.empty() && (path.back() == separator || path.back() == '/');
    if (!endsWithSeparator) {
        path += separator;
    }
    path += name;
    return path;
}

std::string DefaultOutputFolder()
{
#ifdef _WIN32
    return "C:\\";
#else
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? std::string { home } : std::string { "/" };
#endif
}

std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace tamb
