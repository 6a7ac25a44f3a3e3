#include "camera/MenuFile.h"
#include "camera/MenuFileLoad.h"
#include "cellular/SetupFile.h"
#include "cellular/SetupFileLoad.h"
#include "cli/CliCommand.h"
#include "cli/FleetSupport.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"

#include <algorithm>

namespace tamb {
namespace {

constexpr std::string_view kProfileCommandName = "profile";

// Takes `name` from `folder` into `bytes` when the dialog of `setup` could have written it; says what it did.
template <typename Model, typename Check>
void TakeFile(std::string_view folder, std::string_view name, const Model* model, Check check,
    std::optional<std::vector<std::uint8_t>>& bytes, std::ostream& out)
{
    const std::string path = FileInFolder(folder, name);
    if (model == nullptr)
        return;
    std::vector<std::uint8_t> read;
    if (!std::filesystem::exists(PathFromUtf8(path))) {
        out << "No " << name << " in " << folder << '\n';
        return;
    }
    Status taken = ReadSettingsFile(path, read);
    if (taken.ok())
        taken = check(*model, read);
    if (!taken.ok()) {
        out << "Left out " << path << ": " << taken.reason() << '\n';
        return;
    }
    out << "Took " << path << '\n';
    bytes = std::move(read);
}

int SaveProfile(const ParsedArguments& arguments, const std::string& name, std::ostream& out, std::ostream& err)
{
    if (!arguments.model || !arguments.from)
        return ReportUsageError(kProfileCommandName, "profile save needs --model N and --from DIR", err);
    if (const Status named = ProfileStore::CheckName(name); !named.ok())
        return ReportUsageError(kProfileCommandName, named.reason(), err);
    CameraSetup setup(*arguments.model, FleetEnvironmentFromArguments(arguments));
    Profile profile { .name = name, .model = *arguments.model, .files = {} };
    const std::string& folder = *arguments.from;
    TakeFile(folder, kMenuFileName, &setup.camera(), &CheckMenuFile, profile.files.menu, out);
    TakeFile(folder, kSetupFileName, setup.mms(), &CheckSetupFile, profile.files.setup, out);
    TakeFile(folder, kSmtpFileName, setup.smtp(), &CheckSmtpFile, profile.files.smtp, out);
    if (!profile.files.menu && !profile.files.setup && !profile.files.smtp) {
        err << kProgramName << ' ' << kProfileCommandName << ": " << folder
            << " holds no file that the dialogs of model " << *arguments.model << " can load; nothing was saved\n";
        return kExitFailure;
    }
    const ProfileStore store = UserProfileStore();
    if (const Status saved = store.save(profile); !saved.ok()) {
        err << kProgramName << ' ' << kProfileCommandName << ": " << saved.reason() << '\n';
        return kExitFailure;
    }
    out << "Saved the profile '" << name << "' of model " << profile.model << " (" << ModelTitle(profile.model)
        << ") in " << Utf8FromPath(store.root() / PathFromUtf8(name)) << '\n';
    return kExitSuccess;
}

std::string FileList(const ProfileFiles& files)
{
    std::string list;
    const auto add = [&list](bool present, std::string_view name) {
        if (present)
            list += (list.empty() ? "" : " ") + std::string { name };
    };
    add(files.menu.has_value(), kMenuFileName);
    add(files.setup.has_value(), kSetupFileName);
    add(files.smtp.has_value(), kSmtpFileName);
    return list;
}

int ListProfiles(std::ostream& out)
{
    for (const Profile& profile : UserProfileStore().list())
        out << profile.name << "\tmodel " << profile.model << " (" << ModelTitle(profile.model) << ")\t"
            << FileList(profile.files) << '\n';
    return kExitSuccess;
}

int ShowProfile(const ParsedArguments& arguments, const std::string& name, std::ostream& out, std::ostream& err)
{
    Profile profile;
    if (const Status loaded = UserProfileStore().load(name, profile); !loaded.ok()) {
        err << kProgramName << ' ' << kProfileCommandName << ": " << loaded.reason() << '\n';
        return kExitFailure;
    }
    out << "Profile '" << profile.name << "': model " << profile.model << " (" << ModelTitle(profile.model)
        << "), files: " << FileList(profile.files) << '\n';
    CameraSetup setup(profile.model, FleetEnvironmentFromArguments(arguments));
    if (const Status loaded = setup.load(profile.files); !loaded.ok()) {
        err << kProgramName << ' ' << kProfileCommandName << ": the profile does not load: " << loaded.reason() << '\n';
        return kExitFailure;
    }
    out << "Camera settings (the values a dialog started from this profile shows):\n";
    for (const CameraKeyHelp& key : DescribeCameraKeys(setup.camera()))
        out << "  " << key.key << ": " << key.allowed << '\n';
    return kExitSuccess;
}

int RunProfile(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string& action = arguments.files.front();
    const std::size_t names = arguments.files.size() - 1;
    const bool named = action == "save" || action == "show" || action == "remove";
    if (action != "list" && !named)
        return ReportUsageError(
            kProfileCommandName, "unknown action '" + action + "'; use save, list, show or remove", err);
    if (named ? names != 1 : names != 0)
        return ReportUsageError(
            kProfileCommandName, named ? "profile " + action + " takes one NAME" : "profile list takes no NAME", err);
    if ((arguments.model || arguments.from) && action != "save")
        return ReportUsageError(kProfileCommandName, "--model and --from belong to profile save", err);
    if (action == "list")
        return ListProfiles(out);
    const std::string& name = arguments.files[1];
    if (action == "save")
        return SaveProfile(arguments, name, out, err);
    if (action == "show")
        return ShowProfile(arguments, name, out, err);
    if (const Status removed = UserProfileStore().remove(name); !removed.ok()) {
        err << kProgramName << ' ' << kProfileCommandName << ": " << removed.reason() << '\n';
        return kExitFailure;
    }
    out << "Removed the profile '" << name << "'\n";
    return kExitSuccess;
}

} // namespace

const CliCommand kProfileCommand {
    kProfileCommandName,
    "keep named sets of settings (profiles) for many cameras",
    R"(Usage: tamb-setup-cli profile save NAME --model N --from DIR
       tamb-setup-cli profile list
       tamb-setup-cli profile show NAME
       tamb-setup-cli profile remove NAME

A profile is a named set of settings for one model: its camera menu and, where the
model has them, its MMS and SMTP settings, kept as the files the dialogs write in a
folder of its own under $XDG_DATA_HOME/tamb-vorrel/profiles (~/.local/share/... when
XDG_DATA_HOME is not set; %APPDATA%\tamb-vorrel\profiles on Windows), readable by
its owner only. The clock is taken afresh whenever a profile is written to a card.

save     takes the files of DIR that the dialogs of model N can load (menu.dat,
         setup.dat, smtp.dat; says which it left out and why) and stores them under
         NAME, replacing a profile of that name
list     the profiles: name, model and files, one a line
show     a profile's model, files and camera settings
remove   removes a profile

Names have 1 to 40 characters, without / \ : * ? " < > | and control characters,
and do not begin or end with a blank or a dot.

Options:
  --model N     save: the model, 1..{last model} (its position in the model list)
  --from DIR    save: the folder holding the files, normally a card
  --help        show this text
)",
    ArgumentRules { Option::Model | Option::From, 0, false, true },
    &RunProfile,
};

} // namespace tamb
