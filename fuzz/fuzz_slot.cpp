// A slot's files for the running game (slot 0, which also stores the running-game flag) and a
// numbered slot: one of the four patched and read by the half of DecodeSlot that reads it (which
// is DecodeSlot over a fresh state), and an accepted file encoded back by the half of EncodeSlot
// that writes it.
//
// A .str holds 20,052 texts (5 MB): reading it costs half a millisecond here, writing it back
// three times that. It is always read whole. What a load and save can change is a record's
// text, so the records an input overwrote are written back one by one; a file that changed size
// and came back to it, and one input in sixteen (by its bytes, so a finding replays), are
// written back whole, which keeps the walk that places the texts checked both ways.
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "SaveGame.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

constexpr int kFuzzedSlots[] = {0, 1};

struct Target {
    // .int and .str of each fuzzed slot, in that order.
    std::vector<PatchedFile> files;
    // Decoded into again and again: a fresh state costs more than the decoding, and each half
    // overwrites every cell of its file.
    std::unique_ptr<GameState> scratch = std::make_unique<GameState>();
    Bytes encoded;
};

// Records [from, to) of a record file, each read as the game reads it and written back.
void ExpectRecordsRoundTrip(const Bytes& file, size_t from, size_t to, const std::string& what) {
    static Bytes record(kRecordBytes), written;
    for (size_t r = from; r < to && (r + 1) * kRecordBytes <= file.size(); ++r) {
        std::memcpy(record.data(), file.data() + r * kRecordBytes, kRecordBytes);
        StrFileWriter writer(std::move(written));
        writer.Put(StrFileReader(record).Get());
        written = writer.TakeBytes();
        ExpectSameRecords(written, record, what);
    }
}

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        for (const int slot : kFuzzedSlots) {
            const std::string stem = SlotFileStem(slot);
            if (BaseDir() == nullptr) {
                auto gs = std::make_unique<GameState>();
                gs->PlayerChannel = 1;
                SlotFileBytes b = EncodeSlot(*gs, slot);
                s->files.emplace_back(std::move(b.ints));
                s->files.emplace_back(std::move(b.strs));
            } else {
                s->files.emplace_back(ReadFile(fs::path(BaseDir()) / (stem + ".int")));
                s->files.emplace_back(ReadFile(fs::path(BaseDir()) / (stem + ".str")));
            }
        }
        return s;
    }();
    return *t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Target& t = State();
    Patched in;
    if (!ApplyInput(t.files, data, size, in)) return 0;
    const int slot = kFuzzedSlots[in.file / 2];
    const bool numbers = in.file % 2 == 0;
    const std::string file = SlotFileStem(slot) + (numbers ? ".int" : ".str");
    GameState& gs = *t.scratch;

    const Status s =
        numbers ? DecodeSlotNumbers(slot, *in.bytes, gs) : DecodeSlotTexts(slot, *in.bytes, gs);
    if (!s) {
        Expect(s.message().rfind(file + ":", 0) == 0,
               "a refusal that names no file: " + s.message());
        return 0;
    }
    if (numbers) {
        Expect(ValidChannel(gs.PlayerChannel), "an accepted slot has no valid player channel");
        EncodeSlotNumbers(gs, slot, t.encoded);
        ExpectSame(t.encoded, *in.bytes, file + " changed in a load/save");
    } else if (t.files[in.file].resized() || Hash(data, size) % 16 == 0) {
        EncodeSlotTexts(gs, t.encoded);
        ExpectSameRecords(t.encoded, *in.bytes, file + " changed in a load/save");
    } else {
        for (const auto& [from, to] : t.files[in.file].overwritten()) {
            ExpectRecordsRoundTrip(*in.bytes, from / kRecordBytes,
                                   (to + kRecordBytes - 1) / kRecordBytes,
                                   file + " changed in a load/save");
        }
    }
    return 0;
}
