#pragma once
// A strict little JSON syntax check for the headless tool's output: objects, arrays, strings
// with escapes, numbers, true/false/null, nothing trailing.
#include <cctype>
#include <string_view>

namespace qvx::simtest {

class JsonCheck {
  public:
    static bool WellFormed(std::string_view text) {
        JsonCheck check(text);
        return check.Value() && (check.Skip(), check.m_pos == text.size());
    }

  private:
    explicit JsonCheck(std::string_view text) : m_text(text) {}

    void Skip() {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
    }
    bool Eat(char c) {
        Skip();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w) {
        if (m_text.substr(m_pos, w.size()) != w) return false;
        m_pos += w.size();
        return true;
    }
    bool String() {
        if (!Eat('"')) return false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (m_pos >= m_text.size()) return false;
                const char e = m_text[m_pos++];
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i) {
                        if (m_pos >= m_text.size() ||
                            !std::isxdigit(static_cast<unsigned char>(m_text[m_pos++])))
                            return false;
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }
    bool Number() {
        const size_t start = m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '-') ++m_pos;
        size_t digits = 0;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos, ++digits;
        if (digits == 0) return false;
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            size_t fraction = 0;
            while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos])))
                ++m_pos, ++fraction;
            if (fraction == 0) return false;
        }
        return m_pos > start;
    }
    template <class Element>
    bool Sequence(char close, Element element) {
        if (Eat(close)) return true;
        do {
            if (!element()) return false;
        } while (Eat(','));
        return Eat(close);
    }
    bool Value() {
        Skip();
        if (m_pos >= m_text.size()) return false;
        switch (m_text[m_pos]) {
            case '{':
                ++m_pos;
                return Sequence('}', [&] { return String() && Eat(':') && Value(); });
            case '[':
                ++m_pos;
                return Sequence(']', [&] { return Value(); });
            case '"':
                return String();
            case 't':
                return Word("true");
            case 'f':
                return Word("false");
            case 'n':
                return Word("null");
            default:
                return Number();
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
};

}  // namespace qvx::simtest
