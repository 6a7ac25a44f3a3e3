#include "cli/FleetSupport.h"

#include "cli/SettingsKeys.h"

namespace tamb {

FleetEnvironment FleetEnvironmentFromArguments(const ParsedArguments& arguments)
{
    FleetEnvironment environment;
    environment.app = AppStateFromArguments(arguments);
    if (arguments.clock) {
        environment.localTime = [clock = *arguments.clock] { return clock; };
    } else {
        environment.localTime = [] { return ReadLocalClock(); };
    }
    environment.codePage = OemCodePage::forSystem();
    return environment;
}

ProfileStore UserProfileStore()
{
    return ProfileStore(ProfileStore::DefaultRoot());
}

ProfileLookup LookupIn(const ProfileStore& store)
{
    return [&store](std::string_view name, Profile& profile) { return store.load(name, profile); };
}

} // namespace tamb
