#include "Sounds.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>

#include <vorbis/codec.h>

#include "Recipes.h"
#include "SoundWriter.h"
#include "SoundsFingerprint.h"

#if defined(__SSE2__)
#include <pmmintrin.h>
#include <xmmintrin.h>
#endif

namespace qvx::content::sounds {

namespace fs = std::filesystem;

namespace {

// Loudness by kind (gated RMS, dBFS): music sits under everything, cues and effects a few dB
// above it, the office ambience at the music's level.
constexpr double kMusicLevel = -20.0;
constexpr double kCueLevel = -16.0;
constexpr double kAmbienceLevel = -20.0;
constexpr double kEffectLevel = -16.0;
// Vorbis decoding can overshoot the encoded peaks by a fraction of a dB, so Ogg files keep more
// room under the -1 dBFS limit than the sample-exact WAV files.
constexpr double kOggCeilingDb = -2.0;
// What a player may hear at most; a file that decodes louder is turned down and encoded again.
constexpr double kPeakLimitDb = -1.05;
constexpr double kWavCeilingDb = -1.2;
constexpr float kVorbisQuality = 0.35f;

std::vector<Recipe> AllRecipes() {
    std::vector<Recipe> all = MusicRecipes();
    for (auto* part : {CueRecipes, OfficeRecipes, EffectRecipes}) {
        std::vector<Recipe> more = part();
        std::move(more.begin(), more.end(), std::back_inserter(all));
    }
    return all;
}

double LevelFor(const Recipe& recipe) {
    if (recipe.levelDb != 0.0) return recipe.levelDb;
    switch (recipe.kind) {
        case SoundKind::Music:
            return kMusicLevel;
        case SoundKind::Cue:
            return kCueLevel;
        case SoundKind::Ambience:
            return kAmbienceLevel;
        case SoundKind::Effect:
            return kEffectLevel;
    }
    return kEffectLevel;
}

uint64_t Fnv1a(const std::string& bytes) {
    uint64_t hash = 1469598103934665603ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

bool ReadAll(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Denormal numbers in decaying filters and reverbs slow the arithmetic down a hundredfold;
// they are far below anything audible, so each worker flushes them to zero.
void FlushDenormals() {
#if defined(__SSE2__)
    _MM_SET_FLUSH_ZERO_MODE(_MM_FLUSH_ZERO_ON);
    _MM_SET_DENORMALS_ZERO_MODE(_MM_DENORMALS_ZERO_ON);
#endif
}

Status Make(const Recipe& recipe, uint64_t seed, std::string& bytes) {
    const std::string name(recipe.name);
    SoundRng rng = RngFor(seed, recipe.name);
    const uint32_t serial = static_cast<uint32_t>(rng.Next());
    Track track;
    if (Status s = recipe.compose(rng, track); !s)
        return Status::Fail(name + ": could not be composed (" + s.message() + ")");
    if (track.Frames() == 0) return Status::Fail(name + ": the composition came out empty");
    const bool ogg = name.ends_with(".ogg");
    SetLevel(track, LevelFor(recipe), ogg ? kOggCeilingDb : kWavCeilingDb);
    for (int attempt = 0;; ++attempt) {
        Status s = ogg ? EncodeOgg(track, recipe.channels, serial, kVorbisQuality, bytes)
                       : EncodeWav(track, recipe.channels, bytes);
        double peak = 0.0;
        if (s) s = DecodedPeakDb(bytes, peak);
        if (!s) return Status::Fail(name + ": " + s.message());
        if (peak <= kPeakLimitDb) return Status::Ok();
        if (attempt == 3)
            return Status::Fail(name + ": the encoded sound stays louder than the limit");
        track.Scale(DbToGain(kPeakLimitDb - 0.2 - peak));
    }
}

struct ManifestEntry {
    uint64_t hash = 0;
    size_t size = 0;
};
using Manifest = std::map<std::string, ManifestEntry, std::less<>>;

// The encoder's version counts too: another libvorbis makes other bytes from the same samples.
std::string ManifestHeader(uint64_t seed) {
    std::string encoder = vorbis_version_string();
    std::replace(encoder.begin(), encoder.end(), ' ', '_');
    return "quovix-content sounds " + std::string(kSoundsFingerprint) + " " + encoder + " seed " +
           std::to_string(seed);
}

// The entries of a manifest written by this very generator for this seed; anything else is as
// good as no manifest.
Manifest ReadManifest(const fs::path& dir, uint64_t seed) {
    Manifest manifest;
    std::string text;
    if (!ReadAll(dir / kManifestName, text)) return manifest;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != ManifestHeader(seed)) return manifest;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ManifestEntry entry;
        std::string name;
        if (fields >> std::hex >> entry.hash >> std::dec >> entry.size >> name)
            manifest[name] = entry;
    }
    return manifest;
}

Status WriteManifest(const fs::path& dir, uint64_t seed, const Manifest& manifest) {
    std::ostringstream out;
    out << ManifestHeader(seed) << "\n";
    for (const auto& [name, entry] : manifest)
        out << std::hex << entry.hash << std::dec << " " << entry.size << " " << name << "\n";
    return WriteFileAtomically(dir / kManifestName, out.str());
}

bool StillGood(const fs::path& path, const ManifestEntry& entry) {
    std::error_code ec;
    if (fs::file_size(path, ec) != entry.size || ec) return false;
    std::string bytes;
    return ReadAll(path, bytes) && Fnv1a(bytes) == entry.hash;
}

struct Job {
    const Recipe* recipe;
    Status status = Status::Ok();
    ManifestEntry entry;
};

}  // namespace

std::vector<std::string> SoundFileNames() {
    std::vector<std::string> names;
    for (const Recipe& r : AllRecipes())
        names.emplace_back(r.name);
    return names;
}

Status GenerateSounds(const fs::path& dir, uint64_t seed, SoundRun& run,
                      const SoundOptions& options) {
    run = {};
    const std::vector<Recipe> recipes = AllRecipes();
    for (const std::string& wanted : options.only) {
        if (std::none_of(recipes.begin(), recipes.end(),
                         [&](const Recipe& r) { return r.name == wanted; }))
            return Status::Fail(wanted + ": no such sound file");
    }
    const auto selected = [&](const Recipe& r) {
        return options.only.empty() ||
               std::find(options.only.begin(), options.only.end(), r.name) != options.only.end();
    };

    Manifest manifest = ReadManifest(dir, seed);
    std::vector<Job> jobs;
    for (const Recipe& r : recipes) {
        if (!selected(r)) continue;
        const auto known = manifest.find(r.name);
        if (options.reuse && known != manifest.end() && StillGood(dir / r.name, known->second)) {
            run.names.emplace_back(r.name);
            continue;
        }
        manifest.erase(std::string(r.name));
        jobs.push_back({&r, Status::Ok(), {}});
    }

    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    const auto work = [&] {
        FlushDenormals();
        for (size_t k = next++; k < jobs.size() && !failed; k = next++) {
            Job& job = jobs[k];
            std::string bytes;
            job.status = Make(*job.recipe, seed, bytes);
            if (job.status) job.status = WriteFileAtomically(dir / job.recipe->name, bytes);
            if (!job.status) {
                failed = true;
                continue;
            }
            job.entry = {Fnv1a(bytes), bytes.size()};
        }
    };
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    std::vector<std::thread> workers;
    for (size_t t = 0; t < std::min(threads, jobs.size()); ++t)
        workers.emplace_back(work);
    for (std::thread& w : workers)
        w.join();

    for (const Job& job : jobs) {
        if (!job.status) return job.status;
    }
    for (const Job& job : jobs) {
        if (job.entry.size == 0)
            return Status::Fail(std::string(job.recipe->name) + ": was not made");
        manifest[std::string(job.recipe->name)] = job.entry;
    }
    run.written = jobs.size();
    run.names.clear();
    for (const Recipe& r : recipes) {
        if (selected(r)) run.names.emplace_back(r.name);
    }
    return WriteManifest(dir, seed, manifest);
}

std::string SoundsSummaryJson(const SoundRun& run) {
    std::string json = "{\n    \"count\": " + std::to_string(run.names.size()) +
                       ",\n    \"written\": " + std::to_string(run.written) + ",\n    \"files\": [";
    for (size_t i = 0; i < run.names.size(); ++i) {
        json += (i % 4 == 0 ? "\n      " : " ") + ("\"" + run.names[i] + "\"");
        if (i + 1 < run.names.size()) json += ",";
    }
    return json + "\n    ]\n  }";
}

}  // namespace qvx::content::sounds
