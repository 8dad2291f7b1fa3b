#include "GameHistory.h"

#include <algorithm>

namespace qvx {

void AppendHistory(GameHistory& history, const HistoryEntry& entry) {
    auto& entries = history.entries;
    entries.erase(std::find_if(entries.begin(), entries.end(),
                               [&](const HistoryEntry& e) { return e.turn >= entry.turn; }),
                  entries.end());
    entries.push_back(entry);
}

}  // namespace qvx
