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
    ReadBackDiffers, // the file was written, but reading it back gave other bytes or failed: a flaky card
};

// The outcome of an operation that can fail: success, or failure with a reason a user can read and its kind.
class Status
{
public:
    [[nodiscard]] static Status success() { return Status {}; }
    [[nodiscard]] static Status failure(std::string reason, FailureKind kind = FailureKind::Other)
    {
        return Status { std::move(reason), kind };
    }

    [[nodiscard]] bool ok() const { return !m_failed; }
    [[nodiscard]] const std::string& reason() const { return m_reason; }
    // Other for a success.
    [[nodiscard]] FailureKind kind() const { return m_kind; }

    // The same failure with `context` put before its reason; a success stays a success.
    [[nodiscard]] Status prefixed(const std::string& context) const
    {
        return m_failed ? failure(context + m_reason, m_kind) : success();
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
};

} // namespace tamb
