// LoadHighscores over the pair "QVX2_Highscores.int"/".str": one patched, the other valid.
#include <memory>

#include "FuzzSupport.h"
#include "Highscores.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

struct Target {
    fs::path scratch, out;
    std::vector<PatchedFile> files;  // the .int, then the .str
};

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        s->scratch = MakeScratch("highscores");
        s->out = MakeScratch("highscores-out");
        fs::path from = BaseDir() != nullptr ? fs::path(BaseDir()) : s->scratch;
        if (!fs::exists(from / kHighscoresIntFile)) {
            auto table = std::make_unique<HighscoreTable>();
            Rng rng(7);
            ResetHighscores(*table, rng);
            if (!SaveHighscores(*table, s->scratch)) Fail("cannot write the base pair");
            from = s->scratch;
        }
        s->files.emplace_back(ReadFile(from / kHighscoresIntFile));
        s->files.emplace_back(ReadFile(from / kHighscoresStrFile));
        return s;
    }();
    return *t;
}

void CheckExamples(const HighscoreTable& table) {
    for (int list = 1; list <= kHighscoreLists; ++list) {
        for (int i = 1; i <= kHighscoreEntries; ++i) {
            const HighscoreEntry& e = table.lists[list][i];
            if (e.logo < 1 || e.logo > kLogos)
                Fail("reset entry with logo " + std::to_string(e.logo));
            if (i > 1 && e.score > table.lists[list][i - 1].score)
                Fail("reset list " + std::to_string(list) + " is not in order");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Target& t = State();
    Patched in;
    if (!ApplyInput(t.files, data, size, in)) return 0;
    const Bytes& ints = in.file == 0 ? *in.bytes : t.files[0].valid();
    const Bytes& strs = in.file == 1 ? *in.bytes : t.files[1].valid();
    WriteFile(t.scratch / kHighscoresIntFile, ints);
    WriteFile(t.scratch / kHighscoresStrFile, strs);

    auto table = std::make_unique<HighscoreTable>();
    Rng rng(size);
    const Status s = LoadHighscores(*table, t.scratch, rng);
    for (int list = 1; list <= kHighscoreLists; ++list) {
        for (int i = 1; i <= kHighscoreEntries; ++i) {
            const int32_t logo = table->lists[list][i].logo;
            if (logo < 1 || logo > kLogos) Fail("loaded logo " + std::to_string(logo));
        }
    }
    if (!s) {
        // Replaced by a fresh reset, written back so that the next load reads it as it stands.
        CheckExamples(*table);
        auto again = std::make_unique<HighscoreTable>();
        Rng other(size + 1);
        Expect(static_cast<bool>(LoadHighscores(*again, t.scratch, other)),
               "the reset pair does not load");
        Expect(again->lists == table->lists, "the reset pair reads back differently");
        return 0;
    }
    // Scores and names survive a save exactly; logos only when they were valid.
    if (!SaveHighscores(*table, t.out)) Fail("cannot save highscores");
    Bytes expectedInts = ints;
    for (size_t k = 300; k < 600; ++k) {
        int32_t logo = 0;
        for (size_t b = 0; b < 4; ++b)
            logo |= static_cast<int32_t>(uint32_t{ints[k * 4 + b]} << (8 * b));
        if (logo < 1 || logo > kLogos) {
            expectedInts[k * 4] = 1;
            expectedInts[k * 4 + 1] = expectedInts[k * 4 + 2] = expectedInts[k * 4 + 3] = 0;
        }
    }
    const Bytes savedInts = ReadFile(t.out / kHighscoresIntFile);
    const Bytes savedStrs = ReadFile(t.out / kHighscoresStrFile);
    ExpectSame(savedInts, expectedInts, "highscore numbers changed in a load/save");
    ExpectSame(savedStrs, ZeroFiller(strs), "highscore names changed in a load/save");
    return 0;
}
