// A slot's history file: any bytes either decode to a history that encodes back to exactly those
// bytes, or are refused with the file named and the history left as it was.
#include "FuzzSupport.h"
#include "HistoryFile.h"

using namespace qvx;
using namespace qvx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes bytes(data, data + size);
    GameHistory history;
    history.entries.push_back(HistoryEntry{.turn = 99, .companies = {}});
    const GameHistory before = history;
    const Status s = DecodeHistory("QVX2_SAVEGAME_1.hist", bytes, history);
    if (!s) {
        Expect(history == before, "a refused history file changed the history");
        Expect(s.message().rfind("QVX2_SAVEGAME_1.hist: ", 0) == 0,
               "the refusal does not name the file: " + s.message());
        return 0;
    }
    for (size_t i = 1; i < history.entries.size(); ++i)
        Expect(history.entries[i].turn > history.entries[i - 1].turn, "turns not increasing");
    ExpectSame(EncodeHistory(history), bytes, "a history changed in a load/save");
    return 0;
}
