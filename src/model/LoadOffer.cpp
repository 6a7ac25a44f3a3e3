#include "model/LoadOffer.h"

#include "common/Paths.h"
#include "common/SmallFile.h"

#include <utility>

namespace tamb {
namespace {

// Every file a dialog writes is a few hundred bytes; anything far larger is not one of them.
constexpr std::size_t kLargestSettingsFile = 4096;

} // namespace

DialogOutcome LoadOffer::offer(std::string_view folder, std::string_view fileName, const Reader& check)
{
    m_offered.reset();
    if (folder.empty())
        return {};
    m_path = FileInFolder(folder, fileName);
    const std::optional<std::string> content = ReadSmallRegularFile(PathFromUtf8(m_path), kLargestSettingsFile);
    if (!content)
        return {};
    std::vector<std::uint8_t> bytes(content->begin(), content->end());
    if (!check(bytes).ok())
        return {};
    m_offered = std::move(bytes);
    DialogOutcome outcome;
    outcome.question = DialogMessage::of(MessageId::LoadExistingFile, m_path);
    return outcome;
}

DialogOutcome LoadOffer::answer(bool yes, const Reader& load)
{
    const std::optional<std::vector<std::uint8_t>> offered = std::exchange(m_offered, std::nullopt);
    if (!yes || !offered)
        return {};
    // The file was checked when it was offered; a dialog changed since may still refuse it, and says why.
    DialogOutcome outcome;
    if (const Status loaded = load(*offered); !loaded.ok())
        outcome.add(DialogMessage::of(MessageId::FileNotLoaded, m_path, loaded.reason()));
    else
        outcome.settingsStored = true;
    return outcome;
}

} // namespace tamb
