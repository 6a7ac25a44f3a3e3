#include "startup/UserPreferenceStore.h"

#ifdef _WIN32
#include "startup/RegistryPreferenceStore.h"
#else
#include "startup/FilePreferenceStore.h"
#endif

namespace tamb {

std::unique_ptr<PreferenceStore> OpenUserPreferenceStore(std::uint16_t systemLanguageId)
{
#ifdef _WIN32
    return std::make_unique<RegistryPreferenceStore>(systemLanguageId);
#else
    return std::make_unique<FilePreferenceStore>(FilePreferenceStore::DefaultPath(), systemLanguageId);
#endif
}

} // namespace tamb
