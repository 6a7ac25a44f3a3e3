#pragma once

#include "common/WriteFaults.h"
#include "startup/PreferenceLines.h"
#include "startup/PreferenceStore.h"

#include <optional>
#include <string>
#include <vector>

namespace tamb {

// The preferences in a small text file, one "name=value" line per value (numbers in decimal), for systems
// without a registry. The file stands for the key: it is created on the first run and rewritten whole and
// atomically on every write, read and rewritten under its WriteLock so that programs started together keep each
// other's values; lines it does not know are kept.
class FilePreferenceStore final : public PreferenceStore
{
public:
    // `path` is the file in UTF-8; an empty path is a key that can be neither opened nor created. `faults` is a
    // seam for tests.
    FilePreferenceStore(std::string path, std::uint16_t systemLanguageId, WriteFaults faults = {});

    // "$XDG_CONFIG_HOME/tamb-vorrel/preferences", or "$HOME/.config/tamb-vorrel/preferences" when
    // XDG_CONFIG_HOME is unset or not an absolute path; empty when neither is known.
    [[nodiscard]] static std::string DefaultPath();

    [[nodiscard]] const std::string& path() const { return m_path; }

    // From here on the values are read from one reading of the file and writes are kept in memory, so that a
    // start does no file work beyond that reading until writeDeferred().
    void deferWrites();
    // Writes what changed since deferWrites() in one atomic write, merged under the file's lock with what another
    // program stored meanwhile (a value that program changed stays its own); writes nothing, and flushes nothing,
    // when nothing changed. Writes go straight to the file again afterwards. False when the write failed.
    bool writeDeferred();

protected:
    [[nodiscard]] bool keyExists() override;
    [[nodiscard]] bool createKey() override;
    [[nodiscard]] std::optional<std::uint32_t> queryNumber(std::string_view name) override;
    [[nodiscard]] bool setNumber(std::string_view name, std::uint32_t value) override;
    [[nodiscard]] bool hasValue(std::string_view name) override;
    [[nodiscard]] bool setText(std::string_view name, std::string_view text) override;

private:
    [[nodiscard]] std::optional<PreferenceLines> readLines() const;
    [[nodiscard]] std::optional<std::string> valueText(std::string_view name) const;
    [[nodiscard]] bool setValue(std::string_view name, std::string_view text);
    [[nodiscard]] bool createFile() const;

    // The file as read when writes were deferred, and as changed since.
    struct Deferred
    {
        std::optional<PreferenceLines> read;
        std::optional<PreferenceLines> lines;
        std::vector<std::string> changedNames;
    };

    std::string m_path;
    WriteFaults m_faults;
    std::optional<Deferred> m_deferred;
};

} // namespace tamb
