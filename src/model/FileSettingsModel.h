#pragma once

#include "common/Status.h"
#include "model/DataExchange.h"
#include "model/DialogOutcome.h"
#include "model/EditTexts.h"
#include "model/LoadOffer.h"
#include "model/SettingsModel.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tamb {

// Where a settings model hands what Generate made: the folder and what goes into the file there. Tests inject
// faults or capture the value here; a model whose writer is left empty writes its own file.
template <typename Written> using FileWriter = std::function<Status(std::string_view folder, const Written& written)>;

// What the models of every setup dialog share: the edits' texts with the one sync engine over them, the folder the
// dialog writes its file into (set by the folder chooser; an empty choice takes the start folder), the offer to load
// a file of its kind that the folder holds at opening or after a folder choice, and the message of a write.
class FileSettingsModel : public SettingsModel
{
public:
    // The sync engine keeps the addresses of the values, and the load offer the model's own address.
    FileSettingsModel(const FileSettingsModel&) = delete;
    FileSettingsModel& operator=(const FileSettingsModel&) = delete;

    // The folder of the last sync or folder choice.
    [[nodiscard]] const std::string& folderValue() const { return m_folder; }

    // A cancelled choice (no value) changes nothing.
    DialogOutcome folderChosen(const std::optional<std::string>& chosen) override;
    DialogOutcome opened() override;
    // The answer to whether to load the file offered.
    DialogOutcome answered(bool yes) override;
    // Makes the settings of `bytes` through the same load as a yes to the offer.
    [[nodiscard]] Status loadFile(std::span<const std::uint8_t> bytes) override;

protected:
    // Whether `bytes` are a file that the dialog of `Model` could have written, and making its settings there.
    template <typename Model> using FileCheck = Status (*)(const Model& model, std::span<const std::uint8_t> bytes);
    template <typename Model> using FileLoad = Status (*)(Model& model, std::span<const std::uint8_t> bytes);

    // `fileName` is the file the dialog writes and, with `offerToLoad`, offers to load after `check` accepted it,
    // through `load`; it must outlive the model. `Model` is the class derived from this one.
    template <typename Model>
    FileSettingsModel(std::string_view fileName, std::string startFolder, bool offerToLoad, FileCheck<Model> check,
        FileLoad<Model> load)
        : FileSettingsModel(fileName, std::move(startFolder), offerToLoad)
    {
        m_check = [this, check](
                      std::span<const std::uint8_t> bytes) { return check(static_cast<const Model&>(*this), bytes); };
        m_load = [this, load](std::span<const std::uint8_t> bytes) { return load(static_cast<Model&>(*this), bytes); };
    }

    // Syncs every bound edit; the first failure is the outcome's message, and its edit gets the focus with its
    // text selected.
    DialogOutcome sync();
    void writeBack() { m_exchange.writeBack(m_edits); }
    // Adds the message of `failure` to `outcome` and gives its edit the focus with its text selected.
    static void focusFailure(DialogOutcome& outcome, SyncFailure failure);
    // The click of Select: the folder chooser opens on what the edit `folderEditId` shows.
    [[nodiscard]] DialogOutcome chooseFolderFrom(int folderEditId) const;
    // Adds the message of the write of the file into `folder` to `outcome`: `success`, or what went wrong.
    void reportWrite(std::string_view folder, const Status& written, MessageId success, DialogOutcome& outcome) const;
    // Writes `written` into `folder` through the injected `writer`, or else through `ownWrite` (the model's own
    // file), and reports it as reportWrite does.
    template <typename Written, typename OwnWrite>
    void writeFile(std::string_view folder, const FileWriter<Written>& writer, const Written& written,
        OwnWrite&& ownWrite, MessageId success, DialogOutcome& outcome) const
    {
        reportWrite(folder, writer ? writer(folder, written) : ownWrite(), success, outcome);
    }
    // Generate's write of the settings that `check` gives (none where it put the reason into the outcome): into the
    // chosen folder, as writeFile writes, with `ownWrite` given the settings.
    template <typename Written, typename Check, typename OwnWrite>
    [[nodiscard]] DialogOutcome writeChecked(
        Check&& check, const FileWriter<Written>& writer, OwnWrite&& ownWrite, MessageId success)
    {
        DialogOutcome outcome;
        if (const std::optional<Written> written = check(outcome))
            writeFile(
                m_folder, writer, *written, [&] { return ownWrite(*written); }, success, outcome);
        return outcome;
    }

    EditTexts m_edits;
    DataExchange m_exchange;
    std::string m_folder;

private:
    FileSettingsModel(std::string_view fileName, std::string startFolder, bool offerToLoad);
    [[nodiscard]] DialogOutcome offerToLoad();

    LoadOffer::Reader m_check;
    LoadOffer::Reader m_load;

    std::string_view m_fileName;
    std::string m_startFolder;
    bool m_offerToLoad = false;
    LoadOffer m_loadOffer;
};

} // namespace tamb
