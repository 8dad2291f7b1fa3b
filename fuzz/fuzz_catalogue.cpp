// The catalogue's six files in either set: one of the twelve patched and read by the game's
// own decoding of that file (LoadCatalogueSet runs it on each file it reads, over a fresh
// catalogue), and an accepted file encoded back as SaveCatalogueSet writes it.
#include <memory>

#include "Catalogue.h"
#include "FuzzSupport.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

constexpr CatalogueSet kSets[] = {CatalogueSet::Standard, CatalogueSet::Custom};
constexpr size_t kFiles = std::size(kCatalogueFiles);

struct Target {
    std::vector<PatchedFile> files;  // the standard set's six, then the custom set's
    std::unique_ptr<Catalogue> scratch = std::make_unique<Catalogue>();
    Bytes encoded;
};

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        const auto empty = std::make_unique<Catalogue>();
        for (const CatalogueSet set : kSets) {
            for (const CatalogueFile file : kCatalogueFiles) {
                Bytes bytes;
                if (BaseDir() != nullptr) {
                    bytes = ReadFile(fs::path(BaseDir()) / CatalogueFileName(set, file));
                } else {
                    EncodeCatalogueFile(*empty, file, bytes);
                }
                s->files.emplace_back(std::move(bytes));
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
    const CatalogueFile file = kCatalogueFiles[in.file % kFiles];
    const std::string& name = CatalogueFileName(kSets[in.file / kFiles], file);
    Catalogue& cat = *t.scratch;

    cat.MovieTitles[1] = "untouched";
    cat.NewsCatalogue[1][1] = -1;
    const Status s = DecodeCatalogueFile(file, name, *in.bytes, cat);
    if (!s) {
        Expect(cat.MovieTitles[1] == "untouched" && cat.NewsCatalogue[1][1] == -1,
               "a refused file changed the catalogue");
        Expect(s.message().rfind(name + ":", 0) == 0,
               "the error does not name the fuzzed file: " + s.message());
        return 0;
    }
    // Every value survives a save: numbers exactly, texts up to the filler.
    EncodeCatalogueFile(cat, file, t.encoded);
    if (name.ends_with(".str")) {
        ExpectSameRecords(t.encoded, *in.bytes, name + " changed in a load/save");
    } else {
        ExpectSame(t.encoded, *in.bytes, name + " changed in a load/save");
    }
    return 0;
}
