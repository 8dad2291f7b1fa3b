// A patched running game played on: one of the files a loaded game is made of (slot 0's pair and
// history, the catalogue it plays with) is patched and the game loads it as the load button does.
// When the load accepts it, a random player plays a planning phase, the day is played through
// its close into the next planning phase, and the player plays that one too; all of it under the
// sanitizers, so that no number a loaded file may hold (money, populations, prices, counters,
// catalogue figures) leads the rules to undefined behaviour. A game that met the soak's
// invariants when it loaded still meets them, and the game it would autosave loads again and
// saves back to the same bytes.
#include <array>
#include <memory>

#include "Boosters.h"
#include "Catalogue.h"
#include "DayClose.h"
#include "FuzzSupport.h"
#include "Highscores.h"
#include "SaveGame.h"
#include "SoakChecks.h"
#include "SoakPlayer.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

constexpr int kSlot = kRunningGameSlot;

struct Target {
    fs::path dir;  // content and user directory at once
    std::vector<std::string> names;
    std::vector<PatchedFile> files;
    size_t dirty = 0;  // the file on disk that may differ from its valid copy
};

Target& State() {
    static Target* t = [] {
        if (BaseDir() == nullptr) Fail("fuzz_play needs QVX_FUZZ_BASE: a generated game directory");
        auto* s = new Target;
        s->dir = MakeScratch("play");
        const std::string stem = SlotFileStem(kSlot);
        s->names = {stem + ".int", stem + ".str", stem + HistoryFileSuffix()};
        for (const CatalogueSet set : {CatalogueSet::Standard, CatalogueSet::Custom}) {
            for (const CatalogueFile file : kCatalogueFiles)
                s->names.push_back(CatalogueFileName(set, file));
        }
        for (const std::string& name : s->names) {
            s->files.emplace_back(ReadFile(fs::path(BaseDir()) / name));
            WriteFile(s->dir / name, s->files.back().valid());
        }
        return s;
    }();
    return *t;
}

std::array<bool, kChannels + 1> ClosedCompanies(const GameState& gs) {
    std::array<bool, kChannels + 1> closed{};
    for (int c = 1; c <= kChannels; ++c)
        closed[c] = !InBusiness(gs, c);
    return closed;
}

void ExpectHolds(const std::string& problem, const char* when) {
    if (!problem.empty()) Fail(std::string("an invariant broke ") + when + ": " + problem);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Target& t = State();
    Patched in;
    if (!ApplyInput(t.files, data, size, in)) return 0;
    if (t.dirty != in.file) WriteFile(t.dir / t.names[t.dirty], t.files[t.dirty].valid());
    WriteFile(t.dir / t.names[in.file], *in.bytes);
    t.dirty = in.file;

    auto gs = std::make_unique<GameState>();
    auto cat = std::make_unique<Catalogue>();
    if (!LoadGameFromSlot(*gs, *cat, kSlot, GameDirs{t.dir})) return 0;
    const bool sound = sim::CheckInvariants(*gs, *cat).empty();

    // The player, the deck and the day's luck all come from the input, so a finding replays.
    Rng player(Hash(data, size));
    Settings settings;
    for (int slot = 1; slot <= kBoosterSlots; ++slot)
        settings.Deck.ActiveBoosters[slot] = player.Random(kBoosterIds + 1);
    sim::PlayPlanningPhase(*gs, *cat, settings, player);
    if (sound) ExpectHolds(sim::CheckInvariants(*gs, *cat), "in the planning phase");

    const auto closed = ClosedCompanies(*gs);
    Rng day(Hash(data, size) ^ 0x5eedU);
    const DayClose close = PlayTurn(*gs, *cat, settings, day, t.dir, -1);
    if (sound) {
        Expect(static_cast<bool>(close.broadcast.highscore),
               "the highscore entry failed: " + close.broadcast.highscore.message());
        ExpectHolds(sim::CheckClosedCompaniesSilent(*gs, closed), "in the broadcast");
        ExpectHolds(sim::CheckInvariants(*gs, *cat), "in the turn");
    }
    // A game the day ended opens no planning phase, as in the office.
    if (gs->GameInfo[Info::kGameOver] == 0) {
        sim::PlayPlanningPhase(*gs, *cat, settings, player);
        if (sound) ExpectHolds(sim::CheckInvariants(*gs, *cat), "in the next planning phase");
    }

    // What the autosave would write must load again, or the player would lose the game.
    const SlotFileBytes saved = EncodeSlot(*gs, kSlot);
    std::unique_ptr<GameState> back;
    const Status reload = DecodeSlot(kSlot, saved.ints, saved.strs, back);
    if (!reload) Fail("the game saves a slot it cannot load: " + reload.message());
    const SlotFileBytes again = EncodeSlot(*back, kSlot);
    ExpectSame(again.ints, saved.ints, "the played slot's .int changed in a load/save");
    ExpectSameRecords(again.strs, saved.strs, "the played slot's .str changed in a load/save");

    // A game that ended entered its result: the next run starts from no highscores again.
    std::error_code ignored;
    fs::remove(t.dir / kHighscoresIntFile, ignored);
    fs::remove(t.dir / kHighscoresStrFile, ignored);
    return 0;
}
