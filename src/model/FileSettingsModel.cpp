#include "model/FileSettingsModel.h"

#include "model/FileWriteMessage.h"

#include <utility>

namespace tamb {

FileSettingsModel::FileSettingsModel(std::string_view fileName, std::string startFolder, bool offerToLoad)
    : m_folder(startFolder)
    , m_fileName(fileName)
    , m_startFolder(std::move(startFolder))
    , m_offerToLoad(offerToLoad)
{
}

DialogOutcome FileSettingsModel::sync()
{
    DialogOutcome outcome;
    if (std::optional<SyncFailure> failure = m_exchange.sync(m_edits))
        focusFailure(outcome, std::move(*failure));
    return outcome;
}

void FileSettingsModel::focusFailure(DialogOutcome& outcome, SyncFailure failure)
{
    outcome.add(std::move(failure.message));
    outcome.focusControl = failure.controlId;
    outcome.selectFocusedText = true;
}

DialogOutcome FileSettingsModel::chooseFolderFrom(int folderEditId) const
{
    DialogOutcome outcome;
    outcome.chooseFolderFrom = m_edits.controlText(folderEditId);
    return outcome;
}

DialogOutcome FileSettingsModel::folderChosen(const std::optional<std::string>& chosen)
{
    if (!chosen)
        return {};
    m_folder = chosen->empty() ? m_startFolder : *chosen;
    writeBack();
    return offerToLoad();
}

DialogOutcome FileSettingsModel::offerToLoad()
{
    if (!m_offerToLoad)
        return {};
    return m_loadOffer.offer(m_folder, m_fileName, m_check);
}

DialogOutcome FileSettingsModel::opened()
{
    return offerToLoad();
}

DialogOutcome FileSettingsModel::answered(bool yes)
{
    DialogOutcome outcome = m_loadOffer.answer(yes, m_load);
    writeBack();
    return outcome;
}

Status FileSettingsModel::loadFile(std::span<const std::uint8_t> bytes)
{
    Status loaded = m_load(bytes);
    writeBack();
    return loaded;
}

void FileSettingsModel::reportWrite(
    std::string_view folder, const Status& written, MessageId success, DialogOutcome& outcome) const
{
    outcome.add(FileWriteMessage(folder, m_fileName, written, success));
    outcome.settingsStored = written.ok();
}

} // namespace tamb
