#pragma once
// Small shared operations: the game calendar, the money format, the channel log and the value
// of a block of shares.
#include <cstdint>
#include <string>
#include <string_view>

#include "GameState.h"

namespace qvx {

// Months 7 and 12 are holidays; turn 1 is month 2.
bool IsHoliday(int32_t turn);
// "1,500", "-3,500,000", "0".
std::string FormatAmount(int64_t x);
// Appends text to the lowest free line of the channel's log ("&&" becomes "&"); false and
// nothing stored when all 5000 lines are used.
bool AddLogLine(GameState& gs, int channel, std::string_view text);
// A block of `held` of `total` shares is worth less per share the larger it is.
int32_t HoldingValue(int32_t held, int32_t total, int32_t price, int32_t bonus);

}  // namespace qvx
