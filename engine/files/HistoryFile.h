#pragma once
// A save slot's companion file "QVX2_SAVEGAME_<n>.hist": the game's history, little-endian
// int32 throughout like the slot's .int file.
//   magic 0x48585651 ("QVXH"), version 1, count N, then N entries of 21 values each:
//   turn, and for companies 1..4: in business (0/1), funds, company value, prime-time
//   viewers, share price.
#include <cstdint>
#include <string>
#include <vector>

#include "GameHistory.h"
#include "Status.h"

namespace qvx {

constexpr int32_t kHistoryMagic = 0x48585651;
constexpr int32_t kHistoryVersion = 1;
constexpr size_t kHistoryHeaderValues = 3;
constexpr size_t kHistoryEntryValues = 1 + 4 * 5;

std::vector<uint8_t> EncodeHistory(const GameHistory& history);
// Refuses (leaving out untouched) a file of the wrong magic, version or size, or whose turns
// do not strictly increase from 1 up; the message names `fileName` and says why.
Status DecodeHistory(const std::string& fileName, const std::vector<uint8_t>& bytes,
                     GameHistory& out);

}  // namespace qvx
