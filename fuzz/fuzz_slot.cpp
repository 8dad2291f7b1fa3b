// A slot's decoding for the running game (slot 0, which also stores the running-game flag) and
// a numbered slot: one of the pair fuzzed, the other valid. The pair is decoded from memory by
// the game's own DecodeSlot, which ReadSlotFiles runs on the bytes it reads, and an accepted
// state is encoded back by EncodeSlot, which is what WriteSlotFiles puts on disk.
#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "FuzzSupport.h"
#include "SaveGame.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

constexpr int kFuzzedSlots[] = {0, 1};

struct Target {
    SlotFileBytes valid[std::size(kFuzzedSlots)];
    // Copies of the valid files that an overlay is laid over and taken off again: a .str is
    // 5 MB, and allocating it afresh on every run would cost more than the decoding.
    SlotFileBytes work[std::size(kFuzzedSlots)];
};

// An overlay choice laid over a work copy for one run; the valid bytes go back afterwards.
class Overlay {
  public:
    Overlay(const Choice& c, Bytes& work, const Bytes& valid) : m_work(work), m_valid(valid) {
        if (work.empty()) return;
        m_at = c.offset % work.size();
        m_size = std::min(c.size, work.size() - m_at);
        std::memcpy(work.data() + m_at, c.data, m_size);
    }
    ~Overlay() { std::memcpy(m_work.data() + m_at, m_valid.data() + m_at, m_size); }
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

  private:
    Bytes& m_work;
    const Bytes& m_valid;
    size_t m_at = 0;
    size_t m_size = 0;
};

// What the game writes back for a record file it read: each text as it was, zero filler.
void ExpectSameRecords(const Bytes& written, const Bytes& read, const std::string& what) {
    Expect(written.size() == read.size(), what + ": " + FirstDifference(written, read));
    for (size_t start = 0; start < read.size(); start += kRecordBytes) {
        const size_t used = 1 + size_t{read[start]};
        static const uint8_t zeros[kRecordBytes] = {};
        const bool same =
            std::memcmp(written.data() + start, read.data() + start, used) == 0 &&
            std::memcmp(written.data() + start + used, zeros, kRecordBytes - used) == 0;
        if (!same) Fail(what + ": record " + std::to_string(start / kRecordBytes));
    }
}

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
            s->work[i] = s->valid[i];
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
    const size_t pair = c.file / 2;
    const int slot = kFuzzedSlots[pair];
    const std::string stem = SlotFileStem(slot);
    const bool intsFuzzed = c.file % 2 == 0;
    Bytes& work = intsFuzzed ? t.work[pair].ints : t.work[pair].strs;
    const Bytes& validFile = intsFuzzed ? t.valid[pair].ints : t.valid[pair].strs;
    const Bytes raw = c.raw ? Bytes(c.data, c.data + c.size) : Bytes();
    std::optional<Overlay> overlay;
    if (!c.raw) overlay.emplace(c, work, validFile);
    const Bytes& input = c.raw ? raw : work;
    const Bytes& ints = intsFuzzed ? input : t.valid[pair].ints;
    const Bytes& strs = intsFuzzed ? t.valid[pair].strs : input;

    std::unique_ptr<GameState> gs;
    const Status s = DecodeSlot(slot, ints, strs, gs);
    if (!s) {
        Expect(gs == nullptr, "a refused slot still produced a state");
        Expect(s.message().rfind(stem + ".", 0) == 0,
               "a refusal that names no file: " + s.message());
        return 0;
    }
    Expect(gs != nullptr, "an accepted slot produced no state");
    Expect(ValidChannel(gs->PlayerChannel), "an accepted slot has no valid player channel");
    const SlotFileBytes back = EncodeSlot(*gs, slot);
    ExpectSame(back.ints, ints, stem + ".int changed in a load/save");
    ExpectSameRecords(back.strs, strs, stem + ".str changed in a load/save");
    return 0;
}
