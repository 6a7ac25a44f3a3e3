#pragma once

#include <string>
#include <utility>

namespace tamb {

// What kind of failure a Status reports, where an owner can act on it without reading the system's words.
enum class FailureKind
{
    Other, // anything else: the reason says what
    WriteProtected, // the medium refuses every write: a card with its lock switch on
    Full, // no room left on the medium
    Missing, // the folder or the whole medium is gone: a card taken out
    ReadBackDiffers, // the new file read back otherwise than it was written: a flaky card; the earlier file stays
    Busy, // another write into the same folder holds its lock and did not finish in time
    NotConfirmed, // the new file is in place, but the medium did not confirm that the folder holding it is stored
    WorkingFileWiped, // the final file is written; the working file could not be removed and was overwritten with zeros
    WorkingFileLeft, // the final file is written; the working file could neither be removed nor overwritten
};

// What a success leaves the owner to know.
enum class SuccessNote
{
    None,
    OwnerOnlyMode, // the mode of the file replaced could not be read or given: the new file is its owner's alone
};

// The outcome of an operation that can fail: success, or failure with a reason a user can read and its kind.
class Status
{
public:
    [[nodiscard]] static Status success() { return Status {}; }
    // A success with something to say: `detail` is the system's reason for the note.
    [[nodiscard]] static Status success(SuccessNote note, std::string detail)
    {
        Status status;
        status.m_note = note;
        status.m_reason = std::move(detail);
        return status;
    }
    [[nodiscard]] static Status failure(std::string reason, FailureKind kind = FailureKind::Other)
    {
        return Status { std::move(reason), kind };
    }

    [[nodiscard]] bool ok() const { return !m_failed; }
    // Why it failed; for a success with a note, the system's words behind the note.
    [[nodiscard]] const std::string& reason() const { return m_reason; }
    // Other for a success.
    [[nodiscard]] FailureKind kind() const { return m_kind; }
    // None for a failure.
    [[nodiscard]] SuccessNote note() const { return m_note; }

    // The same failure with `context` put before its reason; a success stays the same success.
    [[nodiscard]] Status prefixed(const std::string& context) const
    {
        return m_failed ? failure(context + m_reason, m_kind) : *this;
    }

private:
    Status() = default;
    Status(std::string reason, FailureKind kind)
        : m_failed(true)
        , m_reason(std::move(reason))
        , m_kind(kind)
    {
    }

    bool m_failed = false;
    std::string m_reason;
    FailureKind m_kind = FailureKind::Other;
    SuccessNote m_note = SuccessNote::None;
};

} // namespace tamb
