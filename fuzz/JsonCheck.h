#pragma once

#include <cstddef>
#include <string_view>

namespace tamb::fuzz {

// A strict reader of one JSON text (RFC 8259, without the UTF-8 check, which the caller makes). It also counts
// the elements of the top-level "problems" array and the members of the top-level "fields" object.
class JsonCheck
{
public:
    explicit JsonCheck(std::string_view text)
        : m_text(text)
    {
    }

    // True when the whole text is one JSON value, with blanks around it at most.
    [[nodiscard]] bool valid()
    {
        skipBlanks();
        if (!value(0)) {
            return false;
        }
        skipBlanks();
        return m_at == m_text.size();
    }

    [[nodiscard]] std::size_t problems() const { return m_problems; }
    [[nodiscard]] std::size_t fields() const { return m_fields; }

private:
    [[nodiscard]] bool value(int depth)
    {
        if (m_at >= m_text.size() || depth > 32) {
            return false;
        }
        switch (m_text[m_at]) {
        case '{':
            return object(depth);
        case '[':
            return array(depth, nullptr);
        case '"':
            return string(nullptr);
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }

    [[nodiscard]] bool object(int depth)
    {
        ++m_at;
        skipBlanks();
        if (take('}')) {
            return true;
        }
        for (;;) {
            std::string_view key;
            skipBlanks();
            if (!string(&key)) {
                return false;
            }
            skipBlanks();
            if (!take(':')) {
                return false;
            }
            skipBlanks();
            const bool top = depth == 0;
            if (top && key == "problems" && m_at < m_text.size() && m_text[m_at] == '[') {
                if (!array(depth + 1, &m_problems)) {
                    return false;
                }
            } else if (top && key == "fields" && m_at < m_text.size() && m_text[m_at] == '{') {
                const auto before = m_members;
                m_members = 0;
                if (!object(depth + 1)) {
                    return false;
                }
                m_fields = m_members;
                m_members = before;
            } else if (!value(depth + 1)) {
                return false;
            }
            ++m_members;
            skipBlanks();
            if (take('}')) {
                return true;
            }
            if (!take(',')) {
                return false;
            }
        }
    }

    [[nodiscard]] bool array(int depth, std::size_t* count)
    {
        ++m_at;
        skipBlanks();
        if (take(']')) {
            return true;
        }
        for (;;) {
            skipBlanks();
            if (!value(depth + 1)) {
                return false;
            }
            if (count != nullptr) {
                ++*count;
            }
            skipBlanks();
            if (take(']')) {
                return true;
            }
            if (!take(',')) {
                return false;
            }
        }
    }

    [[nodiscard]] bool string(std::string_view* content)
    {
        if (!take('"')) {
            return false;
        }
        const auto begin = m_at;
        while (m_at < m_text.size()) {
            const auto c = static_cast<unsigned char>(m_text[m_at]);
            if (c == '"') {
                if (content != nullptr) {
                    *content = m_text.substr(begin, m_at - begin);
                }
                ++m_at;
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\' && !escape()) {
                return false;
            }
            if (c != '\\') {
                ++m_at;
            }
        }
        return false;
    }

    [[nodiscard]] bool escape()
    {
        ++m_at;
        if (m_at >= m_text.size()) {
            return false;
        }
        const char kind = m_text[m_at++];
        if (std::string_view { "\"\\/bfnrt" }.find(kind) != std::string_view::npos) {
            return true;
        }
        if (kind != 'u' || m_at + 4 > m_text.size()) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            if (std::string_view { "0123456789abcdefABCDEF" }.find(m_text[m_at++]) == std::string_view::npos) {
                return false;
            }
        }
        return true;
    }

    [[nodiscard]] bool number()
    {
        const auto begin = m_at;
        take('-');
        if (!take('0') && !digits()) {
            return false;
        }
        if (take('.') && !digits()) {
            return false;
        }
        if (take('e') || take('E')) {
            if (!take('+')) {
                take('-');
            }
            if (!digits()) {
                return false;
            }
        }
        return m_at > begin;
    }

    [[nodiscard]] bool digits()
    {
        const auto begin = m_at;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            ++m_at;
        }
        return m_at > begin;
    }

    [[nodiscard]] bool word(std::string_view expected)
    {
        if (m_text.substr(m_at, expected.size()) != expected) {
            return false;
        }
        m_at += expected.size();
        return true;
    }

    bool take(char c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (m_at < m_text.size() && std::string_view { " \t\r\n" }.find(m_text[m_at]) != std::string_view::npos) {
            ++m_at;
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_members = 0;
    std::size_t m_problems = 0;
    std::size_t m_fields = 0;
};

} // namespace tamb::fuzz
