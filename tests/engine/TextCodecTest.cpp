#include "TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace qvx {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

TEST(TextCodec, ConvertsTheCharactersOfTheCodePageBothWays) {
    const std::pair<const char*, const char*> cases[] = {
        {"Plain 7 &", "Plain 7 &"},
        {"é", "\xE9"},
        {"€", "\x80"},
        {"“", "\x93"},
        {"”", "\x94"},
        {"Š", "\x8A"},
        {"Ÿ", "\x9F"},
        {"ÿ", "\xFF"},
        {"\u00A0", "\xA0"},
        {"Café “Zürich” 5 €", "Caf\xE9 \x93Z\xFCrich\x94 5 \x80"},
    };
    for (const auto& [utf8, cp1252] : cases) {
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
        EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8) << utf8;
        EXPECT_TRUE(FitsCp1252(utf8)) << utf8;
    }
}

TEST(TextCodec, EveryByteReadFromAFileIsWrittenBackUnchanged) {
    // Including the five bytes the code page leaves undefined.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"漢字", "??"},
        {"a😀b", "a?b"},
        {"\u0141\u00F3d\u017A",
         "?\xF3"
         "d?"},  // Polish letters the code page lacks
        {"a\xC3"
         "b",
         "a?b"},  // a broken sequence must not swallow the 'b'
        {"end\xE2\x82", "end??"},
        {"a\xC0\x80"
         "b",
         "a??b"},                      // an over-long NUL is no character
        {"\xED\xA0\x80", "???"},       // a lone surrogate
        {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
    };
    for (const auto& [utf8, cp1252] : cases) {
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
        EXPECT_FALSE(FitsCp1252(utf8)) << utf8;
    }
}

TEST(TruncateForRecord, CutsAtTheCharacterLimitNotTheByteCount) {
    const struct {
        std::string in;
        size_t max;
        std::string out;
    } cases[] = {
        {Repeat("x", 255), 255, Repeat("x", 255)},
        {Repeat("x", 256), 255, Repeat("x", 255)},
        {Repeat("é", 300), 255, Repeat("é", 255)},
        {Repeat("a", 254) + "€“", 255, Repeat("a", 254) + "€"},
        {"Zürich", 2, "Zü"},
        {"", 255, ""},
        {"漢字ab", 3, "漢字a"},  // one '?' each in the file
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncateForRecord(c.in, c.max), c.out) << c.in;
}

}  // namespace
}  // namespace qvx
