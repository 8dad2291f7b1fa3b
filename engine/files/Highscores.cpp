#include "Highscores.h"

#include <vector>

#include "BinaryFile.h"

namespace qvx {

namespace fs = std::filesystem;

namespace {

constexpr size_t kEntriesInAll = size_t{kHighscoreLists} * kHighscoreEntries;  // 300
constexpr size_t kIntFileBytes = 2 * kEntriesInAll * kIntBytes;                // 2400
constexpr size_t kStrFileBytes = kEntriesInAll * kRecordBytes;                 // 76800

constexpr std::array<const char*, kHighscoreExampleNames> kExampleNames = {
    "Marla Quint",    "Dorian Felk",     "Ysolde Brannick", "Tobias Wren",     "Henrike Vass",
    "Casimir Oduya",  "Lenore Haskett",  "Quentin Morrow",  "Ilse Varga",      "Bertram Suell",
    "Odile Carrow",   "Nikolai Penrose", "Greta Halloway",  "Rufus Tamberlin", "Saskia Lund",
    "Emrys Dacosta",  "Philippa Rood",   "Anselm Kerrigan", "Juno Abernethy",  "Matthias Crole",
    "Wilma Sorensby", "Cyrus Ambleton",  "Petra Okonkwo",   "Leopold Finch",   "Ottilie Marsh",
    "Benedikt Roane", "Clementine Ash",  "Ambrose Tully",   "Sunniva Krogh",   "Desmond Pyle",
};

// B(L): the base score of the example results of list L = 1..30.
constexpr Table<int32_t, kHighscoreLists> kExampleBase = {
    0,                                       // no list 0
    200000, 300000, 100000, 100000, 100000,  // 1..5
    100000, 120000, 80000,  80000,  80000,   // 6..10
    350000, 500000, 250000, 250000, 250000,  // 11..15
    200000, 300000, 100000, 100000, 100000,  // 16..20
    60000,  80000,  50000,  50000,  50000,   // 21..25
    200000, 300000, 100000, 100000, 100000,  // 26..30
};

bool ValidList(int list) {
    return list >= 1 && list <= kHighscoreLists;
}

template <class Visit>
void ForEachEntry(Visit visit) {
    for (int list = 1; list <= kHighscoreLists; ++list) {
        for (int i = 1; i <= kHighscoreEntries; ++i)
            visit(list, i);
    }
}

Status ReadPair(HighscoreTable& table, const fs::path& dir) {
    std::vector<uint8_t> ints;
    std::vector<uint8_t> strs;
    if (Status s = ReadWholeFile(dir / kHighscoresIntFile, ints); !s) return s;
    if (Status s = CheckSize(kHighscoresIntFile, ints.size(), kIntFileBytes); !s) return s;
    if (Status s = ReadWholeFile(dir / kHighscoresStrFile, strs); !s) return s;
    if (Status s = CheckSize(kHighscoresStrFile, strs.size(), kStrFileBytes); !s) return s;

    HighscoreTable fresh;
    IntFileReader in(ints);
    ForEachEntry([&](int list, int i) { fresh.lists[list][i].score = in.Get(); });
    ForEachEntry([&](int list, int i) {
        const int32_t logo = in.Get();
        fresh.lists[list][i].logo = logo >= 1 && logo <= kLogos ? logo : 1;
    });
    StrFileReader names(strs);
    ForEachEntry([&](int list, int i) { fresh.lists[list][i].name = names.Get(); });
    table = std::move(fresh);
    return Status::Ok();
}

}  // namespace

const std::array<const char*, kHighscoreExampleNames>& HighscoreExampleNames() {
    return kExampleNames;
}

void ResetHighscores(HighscoreTable& table, Rng& rng) {
    for (int list = 1; list <= kHighscoreLists; ++list) {
        auto& entries = table.lists[list];
        const int32_t base = kExampleBase[static_cast<size_t>(list)];
        for (int i = 1; i <= kHighscoreEntries; ++i) {
            int32_t score = base + rng.Random(i * 10000);
            for (int j = i - 1; j >= 1; --j) {
                if (score > entries[j].score) score = entries[j].score - rng.Random(base / 10);
            }
            const int32_t logo = rng.Random(4) + 1;
            int32_t name = rng.Random(kHighscoreExampleNames);
            // The first example name is the champion of the examples: it never ranks below 3.
            if (name == 0 && i > 3) name = 1;
            entries[i] = {score, kExampleNames[static_cast<size_t>(name)], logo};
        }
    }
}

Status SaveHighscores(const HighscoreTable& table, const fs::path& dir) {
    IntFileWriter ints;
    ints.Reserve(2 * kEntriesInAll);
    ForEachEntry([&](int list, int i) { ints.Put(table.lists[list][i].score); });
    ForEachEntry([&](int list, int i) { ints.Put(table.lists[list][i].logo); });
    StrFileWriter names;
    names.Reserve(kEntriesInAll);
    ForEachEntry([&](int list, int i) { names.Put(table.lists[list][i].name); });
    return WriteFilesAtomic(
        {{dir / kHighscoresIntFile, &ints.Bytes()}, {dir / kHighscoresStrFile, &names.Bytes()}});
}

Status LoadHighscores(HighscoreTable& table, const fs::path& dir, Rng& rng) {
    const Status read = ReadPair(table, dir);
    if (read) return read;
    ResetHighscores(table, rng);
    std::string note = read.message() + "; the highscores were reset";
    if (Status written = SaveHighscores(table, dir); !written) note += "; " + written.message();
    return Status::Fail(note);
}

int HighscorePosition(const HighscoreTable& table, int list, const HighscoreCandidate& candidate) {
    if (!ValidList(list)) return 0;
    const auto& entries = table.lists[list];
    for (int n = 1; n <= kHighscoreEntries; ++n) {
        if (candidate.score < entries[n].score) continue;
        // Only a better result of the same company keeps the new one out.
        for (int j = 1; j < n; ++j) {
            if (entries[j].name == candidate.name) return 0;
        }
        return n;
    }
    return 0;
}

int InsertHighscore(HighscoreTable& table, int list, const HighscoreCandidate& candidate) {
    const int position = HighscorePosition(table, list, candidate);
    if (position == 0) return 0;
    auto& entries = table.lists[list];
    for (int i = kHighscoreEntries; i > position; --i)
        entries[i] = std::move(entries[i - 1]);
    entries[position] = {candidate.score, candidate.name, candidate.logo};
    return position;
}

Status EnterHighscore(const HighscoreCandidate& candidate, const fs::path& dir, Rng& rng,
                      int* position) {
    HighscoreTable table;
    // A damaged pair has been reset by the load; the result still enters the fresh lists.
    LoadHighscores(table, dir, rng);
    const int entered = InsertHighscore(table, 1, candidate);
    if (position != nullptr) *position = entered;
    return SaveHighscores(table, dir);
}

}  // namespace qvx
