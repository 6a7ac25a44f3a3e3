#pragma once

#include "common/Status.h"

#include <string>
#include <string_view>

class QDBusConnection;

namespace tamb {

// Ejects the removable volume mounted at `root` from device `device` (for example "/dev/sdb1"), so that its card
// can be taken out: on Linux through udisks2 over D-Bus (the file system is unmounted, then its drive ejected), on
// Windows through the configuration manager. The failure gives the system's reason in its words.
[[nodiscard]] Status EjectVolume(std::string_view root, std::string_view device);

#ifndef _WIN32
// The udisks2 part of EjectVolume on the bus given, so that tests can put a mock service on a bus of their own.
[[nodiscard]] Status EjectThroughUdisks(const QDBusConnection& bus, std::string_view device);
#endif

} // namespace tamb
