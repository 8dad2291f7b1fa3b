#include "Catalogue.h"

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

namespace {

Status ReadSized(const fs::path& dir, const std::string& name, size_t expected,
                 std::vector<uint8_t>& bytes) {
    if (Status s = ReadWholeFile(dir / name, bytes); !s) return s;
    return CheckSize(name, bytes.size(), expected);
}

template <size_t N>
void ReadRecords(IntFileReader& in, std::array<Record, N>& table) {
    for (size_t i = 1; i < N; ++i) {
        for (int f = 1; f <= kFields; ++f)
            table[i][f] = in.Get();
    }
}

template <size_t N>
void ReadStrings(StrFileReader& in, std::array<std::string, N>& table) {
    for (size_t i = 1; i < N; ++i)
        table[i] = in.Get();
}

template <size_t N>
void WriteRecords(IntFileWriter& out, const std::array<Record, N>& table) {
    for (size_t i = 1; i < N; ++i) {
        for (int f = 1; f <= kFields; ++f)
            out.Put(table[i][f]);
    }
}

template <size_t N>
void WriteStrings(StrFileWriter& out, const std::array<std::string, N>& table) {
    for (size_t i = 1; i < N; ++i)
        out.Put(table[i]);
}

}  // namespace

Status LoadCatalogueSet(Catalogue& cat, CatalogueSet set, const fs::path& dir) {
    const CatalogueFiles& names = CatalogueFileNames(set);
    auto fresh = std::make_unique<Catalogue>();
    std::vector<uint8_t> bytes;

    if (Status s = ReadSized(dir, names.moviesInt, kMoviesIntBytes, bytes); !s) return s;
    {
        IntFileReader in(bytes);
        ReadRecords(in, fresh->MovieCatalogue);
    }
    if (Status s = ReadSized(dir, names.moviesStr, kMoviesStrBytes, bytes); !s) return s;
    {
        StrFileReader in(bytes);
        ReadStrings(in, fresh->MovieTitles);
        ReadStrings(in, fresh->MovieTexts2);
        ReadStrings(in, fresh->MovieDescriptions);
    }
    if (Status s = ReadSized(dir, names.adsInt, kAdsIntBytes, bytes); !s) return s;
    {
        IntFileReader in(bytes);
        for (int i = 1; i <= kAds; ++i)
            fresh->AdTargets[i] = in.Get();
    }
    if (Status s = ReadSized(dir, names.adsStr, kAdsStrBytes, bytes); !s) return s;
    {
        StrFileReader in(bytes);
        ReadStrings(in, fresh->AdNames);
        ReadStrings(in, fresh->AdTexts);
    }
    if (Status s = ReadSized(dir, names.newsInt, kNewsIntBytes, bytes); !s) return s;
    {
        IntFileReader in(bytes);
        ReadRecords(in, fresh->NewsCatalogue);
    }
    if (Status s = ReadSized(dir, names.newsStr, kNewsStrBytes, bytes); !s) return s;
    {
        StrFileReader in(bytes);
        ReadStrings(in, fresh->NewsTexts);
    }
    cat = std::move(*fresh);
    return Status::Ok();
}

Status SaveCatalogueSet(const Catalogue& cat, CatalogueSet set, const fs::path& dir) {
    const CatalogueFiles& names = CatalogueFileNames(set);
    IntFileWriter moviesInt;
    WriteRecords(moviesInt, cat.MovieCatalogue);
    StrFileWriter moviesStr;
    WriteStrings(moviesStr, cat.MovieTitles);
    WriteStrings(moviesStr, cat.MovieTexts2);
    WriteStrings(moviesStr, cat.MovieDescriptions);
    IntFileWriter adsInt;
    for (int i = 1; i <= kAds; ++i)
        adsInt.Put(cat.AdTargets[i]);
    StrFileWriter adsStr;
    WriteStrings(adsStr, cat.AdNames);
    WriteStrings(adsStr, cat.AdTexts);
    IntFileWriter newsInt;
    WriteRecords(newsInt, cat.NewsCatalogue);
    StrFileWriter newsStr;
    WriteStrings(newsStr, cat.NewsTexts);

    return WriteFilesAtomic({{dir / names.moviesInt, &moviesInt.Bytes()},
                             {dir / names.moviesStr, &moviesStr.Bytes()},
                             {dir / names.adsInt, &adsInt.Bytes()},
                             {dir / names.adsStr, &adsStr.Bytes()},
                             {dir / names.newsInt, &newsInt.Bytes()},
                             {dir / names.newsStr, &newsStr.Bytes()}});
}

}  // namespace qvx
