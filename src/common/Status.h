#pragma once

#include <string>
#include <utility>

namespace tamb {

// The outcome of an operation that can fail: success, or failure with a reason a user can read.
class Status
{
public:
    [[nodiscard]] static Status success() { return Status {}; }
    [[nodiscard]] static Status failure(std::string reason) { return Status { std::move(reason) }; }

    [[nodiscard]] bool ok() const { return !m_failed; }
    [[nodiscard]] const std::string& reason() const { return m_reason; }

private:
    Status() = default;
    explicit Status(std::string reason)
        : m_failed(true)
        , m_reason(std::move(reason))
    {
    }

    bool m_failed = false;
    std::string m_reason;
};

} // namespace tamb
