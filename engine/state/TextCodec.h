#pragma once
// Every string inside the game is UTF-8; every file the game reads or writes holds single-byte
// Windows-1252 text. These convert at the file boundary.
#include <string>
#include <string_view>

namespace qvx {

constexpr size_t kMaxRecordText = 255;

// Windows-1252 bytes -> UTF-8. Every byte maps to a character, so this never fails.
std::string Cp1252ToUtf8(std::string_view bytes);
// UTF-8 -> Windows-1252 bytes; a character the code page lacks (or a broken UTF-8 sequence)
// becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// True when every character of the UTF-8 text exists in Windows-1252 (what input fields accept).
bool FitsCp1252(std::string_view utf8);
// Cuts UTF-8 text so that its Windows-1252 form has at most maxBytes bytes, at a character
// boundary (one byte per character in the code page).
std::string TruncateForRecord(std::string_view utf8, size_t maxBytes = kMaxRecordText);

}  // namespace qvx
