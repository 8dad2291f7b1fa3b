#include "Json.h"

#include <cstdio>

namespace qvx::json {

std::string Quote(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
    return out;
}

void Writer::Separate() {
    if (m_needComma) m_out.push_back(',');
    // Only the top level gets line breaks: one table per line keeps dumps diffable.
    if (m_depth == 1 && m_needComma) m_out += "\n ";
    m_needComma = true;
}

Writer& Writer::Key(std::string_view key) {
    Separate();
    m_out += Quote(key);
    m_out.push_back(':');
    m_needComma = false;
    return *this;
}

Writer& Writer::Value(int64_t v) {
    Separate();
    m_out += std::to_string(v);
    return *this;
}

Writer& Writer::Value(std::string_view s) {
    Separate();
    m_out += Quote(s);
    return *this;
}

Writer& Writer::Bool(bool b) {
    Separate();
    m_out += b ? "true" : "false";
    return *this;
}

Writer& Writer::Raw(std::string_view json) {
    Separate();
    m_out += json;
    return *this;
}

Writer& Writer::BeginObject() {
    Separate();
    m_out.push_back('{');
    m_needComma = false;
    ++m_depth;
    return *this;
}

Writer& Writer::EndObject() {
    m_out.push_back('}');
    m_needComma = true;
    --m_depth;
    return *this;
}

Writer& Writer::BeginArray() {
    Separate();
    m_out.push_back('[');
    m_needComma = false;
    ++m_depth;
    return *this;
}

Writer& Writer::EndArray() {
    m_out.push_back(']');
    m_needComma = true;
    --m_depth;
    return *this;
}

}  // namespace qvx::json
