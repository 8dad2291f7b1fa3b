#pragma once
// A minimal JSON writer for the headless tool's output. Arrays of the game's 1-based tables are
// written whole, element 0 included, so that a JSON index equals the game's index:
// .Channel[1][2] is the money of channel 1.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qvx::json {

std::string Quote(std::string_view utf8);

class Writer {
  public:
    Writer& Key(std::string_view key);
    Writer& Value(int64_t v);
    Writer& Value(std::string_view s);
    Writer& Bool(bool b);
    // A value already in JSON form (a number with a fraction, say).
    Writer& Raw(std::string_view json);
    Writer& BeginObject();
    Writer& EndObject();
    Writer& BeginArray();
    Writer& EndArray();

    template <size_t N>
    Writer& Value(const std::array<int32_t, N>& table) {
        BeginArray();
        for (const int32_t v : table)
            Value(int64_t{v});
        return EndArray();
    }
    template <class T, size_t N>
    Writer& Value(const std::array<T, N>& table) {
        BeginArray();
        for (const auto& inner : table)
            Value(inner);
        return EndArray();
    }

    const std::string& Text() const { return m_out; }

  private:
    void Separate();
    std::string m_out;
    bool m_needComma = false;
    int m_depth = 0;
};

}  // namespace qvx::json
