#pragma once

#include "cellular/ProviderSnapshot.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tamb {

// One access point of a provider, as the database gives it. `usage` is "internet" when the entry names none;
// `mmsProxy` is "host:port".
struct ProviderAccessPoint
{
    std::string apn;
    std::string name;
    std::string usage;
    std::string username;
    std::string password;
    std::string mmsc;
    std::string mmsProxy;
};

// A provider of the database: its first name, its network codes (MCC-MNC) and its GSM access points in order.
struct Provider
{
    std::string name;
    std::vector<std::string> networkCodes;
    std::vector<ProviderAccessPoint> accessPoints;
};

// The mobile-broadband-provider-info database (serviceproviders.xml) as read from a file.
struct ProviderDatabase
{
    std::vector<Provider> providers;
    // The file's modification time, seconds since 1970.
    std::int64_t fileTime = 0;

    // The access point `key` names, or nullptr when the database has no such entry.
    [[nodiscard]] const ProviderAccessPoint* find(const ProviderKey& key) const;
};

// Reads the database at `path`: nothing when the file is missing, unreadable, not a regular file, larger than a
// database can be, or not a well-formed provider database; nothing either in a build without the XML reader.
[[nodiscard]] std::optional<ProviderDatabase> ReadProviderDatabase(const std::filesystem::path& path);

// False in a build without the XML reader (the Windows cross build), which takes every file as absent.
[[nodiscard]] bool ReadsProviderDatabases();

// Where the system keeps the database, where it has one (Linux: the mobile-broadband-provider-info package).
[[nodiscard]] std::optional<std::filesystem::path> SystemProviderDatabasePath();

} // namespace tamb
