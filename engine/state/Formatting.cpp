#include "Formatting.h"

namespace qvx {

bool IsHoliday(int32_t turn) {
    int64_t month = int64_t{turn} + 1;
    if (month > 12) month = (month - 1) % 12 + 1;
    return month == 7 || month == 12;
}

std::string FormatAmount(int64_t x) {
    // Work on the magnitude in unsigned 64 bits so that even the most negative value formats.
    uint64_t magnitude = x < 0 ? 0 - static_cast<uint64_t>(x) : static_cast<uint64_t>(x);
    std::string digits = std::to_string(magnitude);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (x < 0) out.push_back('-');
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

bool AddLogLine(GameState& gs, int channel, std::string_view text) {
    auto& log = gs.GameLog[channel];
    auto& filled = gs.GameLogFilled[channel];
    const auto isFree = [](const std::string& line) {
        return line.size() == 0 || (line.size() == 1 && line[0] == ' ');
    };
    // The hint is only ever behind the first free line, so a long auto-play does not scan its
    // full log for every message. Logs are cleared all at once, which empties the hint's own
    // line too: then the search starts over from line 1, and so does a log loaded with gaps.
    if (filled < 0 || filled > kLogLines || (filled > 0 && isFree(log[filled]))) filled = 0;
    int at = filled + 1;
    while (at <= kLogLines && !isFree(log[at]))
        ++at;
    if (at > kLogLines) {
        filled = kLogLines;
        return false;
    }
    filled = at;
    std::string& line = log[at];
    line.clear();
    line.reserve(text.size());
    // "&&" keeps its first '&'; whole runs between pairs are copied at once.
    size_t from = 0;
    for (size_t pair = text.find("&&"); pair != std::string_view::npos;
         pair = text.find("&&", from)) {
        line.append(text.substr(from, pair + 1 - from));
        from = pair + 2;
    }
    line.append(text.substr(from));
    return true;
}

int32_t HoldingValue(int32_t held, int32_t total, int32_t price, int32_t bonus) {
    // A company with no shares issued has no holdings to value; the percentage would divide by 0.
    if (total <= 0) return 0;
    const int64_t p = int64_t{held} * 100 / total;
    const int64_t v = int64_t{bonus} + price - price / 5;
    int64_t perShare = 0;
    if (p < 20) {
        perShare = v;
    } else if (p < 30) {
        perShare = v * 65 / 100;
    } else if (p < 40) {
        perShare = v * 50 / 100;
    } else if (p <= 100) {
        perShare = v * 30 / 100;
    }
    return SaturateToInt32(held * perShare);
}

}  // namespace qvx
