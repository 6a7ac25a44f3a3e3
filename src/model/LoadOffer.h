#pragma once

#include "common/Status.h"
#include "model/DialogOutcome.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// Offers to load the file that a dialog writes when its folder already holds one that the dialog could have
// written: the outcome asks the question, and a yes loads what was read when asking, so that what is loaded is
// what was checked.
class LoadOffer
{
public:
    // Checks or loads the bytes of a file; a failure gives the reason.
    using Reader = std::function<Status(std::span<const std::uint8_t> bytes)>;

    // Reads `fileName` in `folder`; when it is a small regular file that `check` accepts, the outcome asks
    // whether to load it. Anything else asks nothing.
    [[nodiscard]] DialogOutcome offer(std::string_view folder, std::string_view fileName, const Reader& check);

    // The answer to the question: yes hands the bytes offered to `load`, whose failure the outcome reports;
    // no, or no offer, does nothing.
    [[nodiscard]] DialogOutcome answer(bool yes, const Reader& load);

private:
    std::optional<std::vector<std::uint8_t>> m_offered;
    std::string m_path;
};

} // namespace tamb
