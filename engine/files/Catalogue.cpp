#include "Catalogue.h"

#include <array>
#include <iterator>
#include <memory>
#include <vector>

#include "BinaryFile.h"

namespace qvx {

namespace fs = std::filesystem;

const CatalogueFiles& CatalogueFileNames(CatalogueSet set) {
    static const CatalogueFiles standard{"QVX2_Movies.int", "QVX2_Movies.str", "QVX2_Ads.int",
                                         "QVX2_Ads.str",    "QVX2_News.int",   "QVX2_News.str"};
    static const CatalogueFiles custom{"QVX2_CustomMovies.int", "QVX2_CustomMovies.str",
                                       "QVX2_CustomAds.int",    "QVX2_CustomAds.str",
                                       "QVX2_CustomNews.int",   "QVX2_CustomNews.str"};
    return set == CatalogueSet::Custom ? custom : standard;
}

CatalogueSet CatalogueSetForKind(int32_t scenarioKind) {
    return scenarioKind == Info::kKindCustom ? CatalogueSet::Custom : CatalogueSet::Standard;
}

const std::string& CatalogueFileName(CatalogueSet set, CatalogueFile file) {
    const CatalogueFiles& n = CatalogueFileNames(set);
    switch (file) {
        case CatalogueFile::MoviesInt:
            return n.moviesInt;
        case CatalogueFile::MoviesStr:
            return n.moviesStr;
        case CatalogueFile::AdsInt:
            return n.adsInt;
        case CatalogueFile::AdsStr:
            return n.adsStr;
        case CatalogueFile::NewsInt:
            return n.newsInt;
        case CatalogueFile::NewsStr:
            break;
    }
    return n.newsStr;
}

size_t CatalogueFileBytes(CatalogueFile file) {
    switch (file) {
        case CatalogueFile::MoviesInt:
            return kMoviesIntBytes;
        case CatalogueFile::MoviesStr:
            return kMoviesStrBytes;
        case CatalogueFile::AdsInt:
            return kAdsIntBytes;
        case CatalogueFile::AdsStr:
            return kAdsStrBytes;
        case CatalogueFile::NewsInt:
            return kNewsIntBytes;
        case CatalogueFile::NewsStr:
            break;
    }
    return kNewsStrBytes;
}

namespace {

// Each file's tables in file order, read and written by the same walks: one over the numbers
// of the .int files, one over the texts of the .str files.
template <class Table, class Visitor>
void Records(Table& table, Visitor& visit) {
    for (size_t i = 1; i < table.size(); ++i) {
        for (int f = 1; f <= kFields; ++f)
            visit(table[i][f]);
    }
}

template <class Table, class Visitor>
void Cells(Table& table, Visitor& visit) {
    for (size_t i = 1; i < table.size(); ++i)
        visit(table[i]);
}

template <class Cat, class Visitor>
void WalkNumbers(Cat& cat, CatalogueFile file, Visitor& visit) {
    if (file == CatalogueFile::MoviesInt) Records(cat.MovieCatalogue, visit);
    if (file == CatalogueFile::AdsInt) Cells(cat.AdTargets, visit);
    if (file == CatalogueFile::NewsInt) Records(cat.NewsCatalogue, visit);
}

template <class Cat, class Visitor>
void WalkTexts(Cat& cat, CatalogueFile file, Visitor& visit) {
    if (file == CatalogueFile::MoviesStr) {
        Cells(cat.MovieTitles, visit);
        Cells(cat.MovieTexts2, visit);
        Cells(cat.MovieDescriptions, visit);
    }
    if (file == CatalogueFile::AdsStr) {
        Cells(cat.AdNames, visit);
        Cells(cat.AdTexts, visit);
    }
    if (file == CatalogueFile::NewsStr) Cells(cat.NewsTexts, visit);
}

bool IsTextFile(CatalogueFile file) {
    return file == CatalogueFile::MoviesStr || file == CatalogueFile::AdsStr ||
           file == CatalogueFile::NewsStr;
}

}  // namespace

Status DecodeCatalogueFile(CatalogueFile file, const std::string& name,
                           const std::vector<uint8_t>& bytes, Catalogue& cat) {
    if (Status s = CheckSize(name, bytes.size(), CatalogueFileBytes(file)); !s) return s;
    if (IsTextFile(file)) {
        StrFileReader in(bytes);
        const auto get = [&in](std::string& s) { s = in.Get(); };
        WalkTexts(cat, file, get);
    } else {
        IntFileReader in(bytes);
        const auto get = [&in](int32_t& v) { v = in.Get(); };
        WalkNumbers(cat, file, get);
    }
    return Status::Ok();
}

void EncodeCatalogueFile(const Catalogue& cat, CatalogueFile file, std::vector<uint8_t>& out) {
    if (IsTextFile(file)) {
        StrFileWriter writer(std::move(out));
        const auto put = [&writer](const std::string& s) { writer.Put(s); };
        WalkTexts(cat, file, put);
        out = writer.TakeBytes();
    } else {
        IntFileWriter writer(std::move(out));
        const auto put = [&writer](const int32_t& v) { writer.Put(v); };
        WalkNumbers(cat, file, put);
        out = writer.TakeBytes();
    }
}

Status LoadCatalogueSet(Catalogue& cat, CatalogueSet set, const fs::path& dir) {
    auto fresh = std::make_unique<Catalogue>();
    std::vector<uint8_t> bytes;
    for (const CatalogueFile file : kCatalogueFiles) {
        const std::string& name = CatalogueFileName(set, file);
        if (Status s = ReadWholeFile(dir / name, bytes); !s) return s;
        if (Status s = DecodeCatalogueFile(file, name, bytes, *fresh); !s) return s;
    }
    cat = std::move(*fresh);
    return Status::Ok();
}

Status SaveCatalogueSet(const Catalogue& cat, CatalogueSet set, const fs::path& dir) {
    std::array<std::vector<uint8_t>, std::size(kCatalogueFiles)> bytes;
    std::vector<FileContent> files;
    for (size_t i = 0; i < bytes.size(); ++i) {
        EncodeCatalogueFile(cat, kCatalogueFiles[i], bytes[i]);
        files.push_back({dir / CatalogueFileName(set, kCatalogueFiles[i]), &bytes[i]});
    }
    return WriteFilesAtomic(files);
}

}  // namespace qvx
