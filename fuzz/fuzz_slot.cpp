// A slot's decoding for the running game (slot 0, which also stores the running-game flag) and
// a numbered slot: one of the pair fuzzed, the other valid. The pair is decoded from memory by
// the game's own DecodeSlot, which ReadSlotFiles runs on the bytes it reads, and an accepted
// state is encoded back by EncodeSlot, which is what WriteSlotFiles puts on disk.
#include <memory>

#include "FuzzSupport.h"
#include "SaveGame.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

constexpr int kFuzzedSlots[] = {0, 1};

struct Target {
    SlotFileBytes valid[std::size(kFuzzedSlots)];
};

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        for (size_t i = 0; i < std::size(kFuzzedSlots); ++i) {
            const int slot = kFuzzedSlots[i];
            const std::string stem = SlotFileStem(slot);
            if (BaseDir() == nullptr) {
                auto gs = std::make_unique<GameState>();
                gs->PlayerChannel = 1;
                s->valid[i] = EncodeSlot(*gs, slot);
            } else {
                s->valid[i].ints = ReadFile(fs::path(BaseDir()) / (stem + ".int"));
                s->valid[i].strs = ReadFile(fs::path(BaseDir()) / (stem + ".str"));
            }
        }
        return s;
    }();
    return *t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Target& t = State();
    Choice c;
    if (!Choose(data, size, 4, c)) return 0;
    const int slot = kFuzzedSlots[c.file / 2];
    const std::string stem = SlotFileStem(slot);
    const bool intsFuzzed = c.file % 2 == 0;
    const SlotFileBytes& valid = t.valid[c.file / 2];

    // Only the fuzzed file is a copy: the other one is decoded in place.
    const Bytes input = Apply(c, intsFuzzed ? valid.ints : valid.strs);
    const Bytes& ints = intsFuzzed ? input : valid.ints;
    const Bytes& strs = intsFuzzed ? valid.strs : input;

    std::unique_ptr<GameState> gs;
    const Status s = DecodeSlot(slot, ints, strs, gs);
    if (!s) {
        Expect(gs == nullptr, "a refused slot still produced a state");
        Expect(s.message().rfind(stem + ".", 0) == 0,
               "a refusal that names no file: " + s.message());
        return 0;
    }
    Expect(gs != nullptr, "an accepted slot produced no state");
    Expect(gs->PlayerChannel >= 1 && gs->PlayerChannel <= kChannels,
           "an accepted slot has no valid player channel");
    const SlotFileBytes back = EncodeSlot(*gs, slot);
    ExpectSame(back.ints, ints, stem + ".int changed in a load/save");
    ExpectSame(back.strs, ZeroFiller(strs), stem + ".str changed in a load/save");
    return 0;
}
