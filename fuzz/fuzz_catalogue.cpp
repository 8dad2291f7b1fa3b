// LoadCatalogueSet over the six files of either set: one file fuzzed, the others valid.
#include <array>
#include <map>
#include <memory>

#include "Catalogue.h"
#include "FuzzSupport.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

struct Target {
    fs::path scratch, out;
    std::map<std::string, Bytes> valid;
    std::string dirty;  // the scratch file that differs from its valid copy
};

std::array<std::string, 6> Names(CatalogueSet set) {
    const CatalogueFiles& f = CatalogueFileNames(set);
    return {f.moviesInt, f.moviesStr, f.adsInt, f.adsStr, f.newsInt, f.newsStr};
}

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        s->scratch = MakeScratch("catalogue");
        s->out = MakeScratch("catalogue-out");
        for (CatalogueSet set : {CatalogueSet::Standard, CatalogueSet::Custom}) {
            if (BaseDir() == nullptr) {
                auto empty = std::make_unique<Catalogue>();
                if (!SaveCatalogueSet(*empty, set, s->scratch)) Fail("cannot write the base set");
            }
            for (const std::string& name : Names(set)) {
                const fs::path from = BaseDir() ? fs::path(BaseDir()) / name : s->scratch / name;
                s->valid[name] = ReadFile(from);
                WriteFile(s->scratch / name, s->valid[name]);
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
    if (!Choose(data, size, 12, c)) return 0;
    const CatalogueSet set = c.file < 6 ? CatalogueSet::Standard : CatalogueSet::Custom;
    const auto names = Names(set);
    const std::string& name = names[c.file % 6];

    if (!t.dirty.empty()) WriteFile(t.scratch / t.dirty, t.valid[t.dirty]);
    const Bytes input = Apply(c, t.valid[name]);
    WriteFile(t.scratch / name, input);
    t.dirty = name;

    auto cat = std::make_unique<Catalogue>();
    cat->MovieTitles[1] = "untouched";
    const Status s = LoadCatalogueSet(*cat, set, t.scratch);
    if (!s) {
        Expect(cat->MovieTitles[1] == "untouched", "a failed load changed the catalogue");
        Expect(s.message().find(name) != std::string::npos,
               "the error does not name the fuzzed file: " + s.message());
        return 0;
    }
    // Every value survives a save: integers exactly, texts up to the filler.
    if (!SaveCatalogueSet(*cat, set, t.out)) Fail("cannot save a loaded catalogue");
    for (const std::string& n : names) {
        const Bytes& given = n == name ? input : t.valid[n];
        const bool text = n.ends_with(".str");
        const Bytes expected = text ? ZeroFiller(given) : given;
        const Bytes saved = ReadFile(t.out / n);
        ExpectSame(saved, expected, n + " changed in a load/save");
    }
    return 0;
}
