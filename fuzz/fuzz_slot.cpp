// ReadSlotFiles for the running game (slot 0, which also stores the running-game flag) and a
// numbered slot: one of the pair fuzzed, the other valid.
#include <map>
#include <memory>

#include "FuzzSupport.h"
#include "SaveGame.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

constexpr int kFuzzedSlots[] = {0, 1};

struct Target {
    fs::path scratch;
    std::map<std::string, Bytes> valid;
    std::string dirty;
};

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        s->scratch = MakeScratch("slot");
        for (int slot : kFuzzedSlots) {
            const std::string stem = SlotFileStem(slot);
            if (BaseDir() == nullptr) {
                auto gs = std::make_unique<GameState>();
                gs->PlayerChannel = 1;
                if (!WriteSlotFiles(*gs, slot, s->scratch)) Fail("cannot write the base slot");
            }
            for (const char* ext : {".int", ".str"}) {
                const std::string name = stem + ext;
                const fs::path from = BaseDir() ? fs::path(BaseDir()) / name : s->scratch / name;
                s->valid[name] = ReadFile(from);
                WriteFile(s->scratch / name, s->valid[name]);
            }
        }
        return s;
    }();
    return *t;
}

// What the game would write for this state, built in memory from the same item lists.
void Serialise(GameState& gs, int slot, Bytes& ints, Bytes& strs) {
    IntFileWriter iw;
    for (const StoredIntItem& item : SlotIntItems()) {
        if (!item.runningGameOnly || slot == kRunningGameSlot)
            item.walk(gs, [&](int32_t& v) { iw.Put(v); });
    }
    StrFileWriter sw;
    for (const StoredStrItem& item : SlotStrItems())
        item.walk(gs, [&](std::string& v) { sw.Put(v); });
    ints = iw.Bytes();
    strs = sw.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Target& t = State();
    Choice c;
    if (!Choose(data, size, 4, c)) return 0;
    const int slot = kFuzzedSlots[c.file / 2];
    const std::string stem = SlotFileStem(slot);
    const std::string name = stem + (c.file % 2 == 0 ? ".int" : ".str");

    if (!t.dirty.empty()) WriteFile(t.scratch / t.dirty, t.valid[t.dirty]);
    const Bytes input = Apply(c, t.valid[name]);
    WriteFile(t.scratch / name, input);
    t.dirty = name;

    std::unique_ptr<GameState> gs;
    const Status s = ReadSlotFiles(slot, t.scratch, gs);
    if (!s) {
        Expect(gs == nullptr, "a refused slot still produced a state");
        return 0;
    }
    Expect(gs != nullptr, "an accepted slot produced no state");
    Expect(ValidChannel(gs->PlayerChannel), "an accepted slot has no valid player channel");
    Bytes ints, strs;
    Serialise(*gs, slot, ints, strs);
    const Bytes& givenInts = c.file % 2 == 0 ? input : t.valid[stem + ".int"];
    const Bytes& givenStrs = c.file % 2 == 1 ? input : t.valid[stem + ".str"];
    ExpectSame(ints, givenInts, stem + ".int changed in a load/save");
    ExpectSame(strs, ZeroFiller(givenStrs), stem + ".str changed in a load/save");
    return 0;
}
