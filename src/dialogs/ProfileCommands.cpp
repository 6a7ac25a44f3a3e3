#include "dialogs/ProfileCommands.h"

#include "camera/MenuFile.h"
#include "cellular/SetupFile.h"
#include "common/ModelCatalogue.h"
#include "i18n/Messages.h"
#include "i18n/ProfileTexts.h"
#include "smtp/SmtpFile.h"
#include "ui/UiServices.h"

#include <memory>
#include <utility>

namespace tamb {
namespace {

std::optional<std::string>& StartProfile()
{
    static std::optional<std::string> name;
    return name;
}

// The profile commands of one dialog: they work on its model and say what happened in its language.
class ProfileCommands
{
public:
    ProfileCommands(SettingsModel& model, std::string_view fileName, ProfileStore store)
        : m_model(model)
        , m_fileName(fileName)
        , m_store(std::move(store))
    {
    }

    [[nodiscard]] std::string say(ProfileEntry entry, std::initializer_list<std::string> args = {}) const
    {
        return FillPlaceholders(ProfileWord(entry, m_model.app().language), std::vector<std::string>(args));
    }

    DialogOutcome save()
    {
        DialogOutcome outcome;
        const std::optional<SettingsFile> file = m_model.buildFile(outcome);
        if (!file)
            return outcome;
        std::string name;
        for (;;) {
            std::optional<std::string> typed = AskText(say(ProfileEntry::NamePrompt), name);
            if (!typed)
                return {};
            name = std::move(*typed);
            if (!ProfileStore::CheckName(name).ok()) {
                ShowMessage(say(ProfileEntry::NameRefused, { name }));
                continue;
            }
            Profile profile;
            if (m_store.load(name, profile).ok()) {
                if (!AskYesNo(say(ProfileEntry::ReplaceQuestion, { name }), DefaultAnswer::No))
                    continue;
                // The files of another model's dialogs mean nothing to this model.
                if (profile.model != m_model.app().model)
                    profile.files = {};
            }
            profile.name = name;
            profile.model = m_model.app().model;
            if (auto* slot = ProfileFileSlot(profile.files, file->name))
                *slot = file->bytes;
            const Status saved = m_store.save(profile);
            ShowMessage(saved.ok() ? say(ProfileEntry::Saved, { name })
                                   : say(ProfileEntry::NotSaved, { name, saved.reason() }));
            return {};
        }
    }

    DialogOutcome start()
    {
        std::vector<std::string> names;
        for (Profile& profile : m_store.list()) {
            if (profile.model == m_model.app().model && heldFile(profile))
                names.push_back(profile.name);
        }
        if (names.empty()) {
            ShowMessage(say(ProfileEntry::NoneForDialog, { std::string { ModelTitle(m_model.app().model) } }));
            return {};
        }
        const std::optional<std::size_t> chosen = ChooseItem(say(ProfileEntry::ChoosePrompt), names);
        if (!chosen || *chosen >= names.size())
            return {};
        return startFrom(names[*chosen]);
    }

    DialogOutcome startFrom(const std::string& name)
    {
        Profile profile;
        Status loaded = m_store.load(name, profile);
        if (loaded.ok() && profile.model != m_model.app().model)
            loaded = Status::failure("it is a profile of " + std::string { ModelTitle(profile.model) });
        const std::optional<std::vector<std::uint8_t>>* file = loaded.ok() ? heldFile(profile) : nullptr;
        if (loaded.ok() && file == nullptr)
            loaded = Status::failure("it holds no " + std::string { m_fileName });
        if (loaded.ok())
            loaded = m_model.loadFile(**file);
        if (!loaded.ok())
            ShowMessage(say(ProfileEntry::NotLoaded, { name, loaded.reason() }));
        // The settings are not on the card: closing without writing them still asks.
        return {};
    }

private:
    // The dialog's file in `profile`, nothing when the profile lacks it.
    [[nodiscard]] const std::optional<std::vector<std::uint8_t>>* heldFile(Profile& profile) const
    {
        const auto* slot = ProfileFileSlot(profile.files, m_fileName);
        return slot != nullptr && slot->has_value() ? slot : nullptr;
    }

    SettingsModel& m_model;
    std::string_view m_fileName;
    ProfileStore m_store;
};

} // namespace

std::optional<std::vector<std::uint8_t>>* ProfileFileSlot(ProfileFiles& files, std::string_view fileName)
{
    if (fileName == kMenuFileName)
        return &files.menu;
    if (fileName == kSetupFileName)
        return &files.setup;
    if (fileName == kSmtpFileName)
        return &files.smtp;
    return nullptr;
}

void AddProfileCommands(SettingsDialog& dialog, SettingsModel& model, std::string_view fileName, ProfileStore store)
{
    const auto commands = std::make_shared<ProfileCommands>(model, fileName, std::move(store));
    const LanguageId language = model.app().language;
    dialog.addModelCommand(kSaveProfileCommandId, ProfileWord(ProfileEntry::SaveAsProfile, language),
        [commands] { return commands->save(); });
    dialog.addModelCommand(kStartFromProfileCommandId, ProfileWord(ProfileEntry::StartFromProfile, language),
        [commands] { return commands->start(); });
    if (std::optional<std::string> startFrom = ScopedStartProfile::Current())
        dialog.runWhenOpened([commands, name = std::move(*startFrom)] { return commands->startFrom(name); });
}

ScopedStartProfile::ScopedStartProfile(std::optional<std::string> name)
    : m_previous(std::exchange(StartProfile(), std::move(name)))
{
}

ScopedStartProfile::~ScopedStartProfile()
{
    StartProfile() = std::move(m_previous);
}

std::optional<std::string> ScopedStartProfile::Current()
{
    return StartProfile();
}

} // namespace tamb
