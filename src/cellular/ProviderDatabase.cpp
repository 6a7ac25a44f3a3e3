#include "cellular/ProviderDatabase.h"

#include "common/SmallFile.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#ifdef TAMB_HAS_PROVIDER_XML
#include <pugixml.hpp>
#endif

namespace tamb {
namespace {

// The database of 2023 takes 360 kB; a file far beyond that is not one.
constexpr std::size_t kLargestDatabase = 16 * 1024 * 1024;

[[nodiscard]] std::optional<std::int64_t> ModificationTime(const std::filesystem::path& path)
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    const auto system = std::chrono::file_clock::to_sys(written);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

#ifdef TAMB_HAS_PROVIDER_XML
// The text of a child element without the blanks and line breaks around it.
[[nodiscard]] std::string Text(const pugi::xml_node& node, const char* child)
{
    const std::string_view text = node.child(child).text().as_string();
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first));
}

[[nodiscard]] ProviderAccessPoint ReadAccessPoint(const pugi::xml_node& apn)
{
    const pugi::xml_node usage = apn.child("usage");
    return ProviderAccessPoint {
        .apn = apn.attribute("value").as_string(),
        .name = Text(apn, "name"),
        .usage = usage ? usage.attribute("type").as_string() : "internet",
        .username = Text(apn, "username"),
        .password = Text(apn, "password"),
        .mmsc = Text(apn, "mmsc"),
        .mmsProxy = Text(apn, "mmsproxy"),
    };
}

[[nodiscard]] Provider ReadProvider(const pugi::xml_node& node)
{
    Provider provider { .name = Text(node, "name"), .networkCodes = {}, .accessPoints = {} };
    const pugi::xml_node gsm = node.child("gsm");
    for (const pugi::xml_node id : gsm.children("network-id")) {
        provider.networkCodes.push_back(
            std::string(id.attribute("mcc").as_string()) + "-" + id.attribute("mnc").as_string());
    }
    for (const pugi::xml_node apn : gsm.children("apn"))
        provider.accessPoints.push_back(ReadAccessPoint(apn));
    return provider;
}

[[nodiscard]] std::optional<ProviderDatabase> Parse(const std::string& content)
{
    pugi::xml_document document;
    // Entities and end-of-line handling as XML defines them; the DTD is not loaded (nothing is fetched).
    if (!document.load_buffer(content.data(), content.size(), pugi::parse_default, pugi::encoding_utf8))
        return std::nullopt;
    const pugi::xml_node root = document.child("serviceproviders");
    if (!root)
        return std::nullopt;
    ProviderDatabase database;
    for (const pugi::xml_node country : root.children("country")) {
        for (const pugi::xml_node provider : country.children("provider"))
            database.providers.push_back(ReadProvider(provider));
    }
    return database;
}
#else
// This build has no XML reader: every file counts as absent, and the snapshot serves.
[[nodiscard]] std::optional<ProviderDatabase> Parse(const std::string& /*content*/)
{
    return std::nullopt;
}
#endif

} // namespace

const ProviderAccessPoint* ProviderDatabase::find(const ProviderKey& key) const
{
    int seen = 0;
    for (const Provider& provider : providers) {
        if (provider.name != key.provider
            || std::ranges::find(provider.networkCodes, key.networkCode) == provider.networkCodes.end())
            continue;
        for (const ProviderAccessPoint& point : provider.accessPoints) {
            if (point.apn == key.apn && point.name == key.apnName && ++seen == key.ordinal)
                return &point;
        }
    }
    return nullptr;
}

std::optional<ProviderDatabase> ReadProviderDatabase(const std::filesystem::path& path)
{
    const std::optional<std::string> content = ReadSmallRegularFile(path, kLargestDatabase);
    const std::optional<std::int64_t> fileTime = ModificationTime(path);
    if (!content || !fileTime)
        return std::nullopt;
    std::optional<ProviderDatabase> database = Parse(*content);
    if (database)
        database->fileTime = *fileTime;
    return database;
}

bool ReadsProviderDatabases()
{
#ifdef TAMB_HAS_PROVIDER_XML
    return true;
#else
    return false;
#endif
}

std::optional<std::filesystem::path> SystemProviderDatabasePath()
{
#ifdef _WIN32
    return std::nullopt;
#else
    return std::filesystem::path("/usr/share/mobile-broadband-provider-info/serviceproviders.xml");
#endif
}

} // namespace tamb
