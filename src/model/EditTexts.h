#pragma once

#include "model/DataExchange.h"

#include <map>
#include <string>
#include <string_view>

namespace tamb {

// What each edit of a dialog shows, kept by a settings model beside its values: the texts the sync reads and the
// write back fills, by template identifier. An edit never set shows an empty text.
class EditTexts : public ControlTextAccess
{
public:
    [[nodiscard]] std::string controlText(int controlId) const override
    {
        const auto found = m_texts.find(controlId);
        return found != m_texts.end() ? found->second : std::string {};
    }
    void setControlText(int controlId, std::string_view text) override { m_texts[controlId] = std::string { text }; }

private:
    std::map<int, std::string> m_texts;
};

} // namespace tamb
