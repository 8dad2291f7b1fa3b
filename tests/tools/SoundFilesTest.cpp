// The game's music and sound files as a player's machine will read them: decoded through
// libsndfile, independently of the code that wrote them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ContentTool.h"
#include "JsonCheck.h"
#include "sounds/Sounds.h"

namespace qvx::content {
namespace {

namespace fs = std::filesystem;
using sounds::GenerateSounds;
using sounds::SoundOptions;
using sounds::SoundRun;

enum class Kind { Music, Cue, Ambience, Effect };

struct ExpectedSound {
    const char* name;
    Kind kind;
    int channels;
};

// The names the game's audio code asks for, with what each file must be.
const std::vector<ExpectedSound>& ExpectedSounds() {
    static const std::vector<ExpectedSound> sounds = {
        {"Intro.ogg", Kind::Music, 2},
        {"Background.ogg", Kind::Music, 2},
        {"Prepping_Theme_1_d.ogg", Kind::Music, 2},
        {"Winning_Music.ogg", Kind::Music, 2},
        {"Action_Cue.ogg", Kind::Cue, 2},
        {"Cartoon_Cue.ogg", Kind::Cue, 2},
        {"Crime_Drama_Cue.ogg", Kind::Cue, 2},
        {"Soap_Cue.ogg", Kind::Cue, 2},
        {"Thriller_Cue_2.ogg", Kind::Cue, 2},
        {"Quiz_Show_Cue.ogg", Kind::Cue, 2},
        {"Cultural_Cue.ogg", Kind::Cue, 2},
        {"Live_Sports_Cue.ogg", Kind::Cue, 2},
        {"War_Action_Movie_Cue.ogg", Kind::Cue, 2},
        {"Western_Cue.ogg", Kind::Cue, 2},
        {"Comedy_Cue.ogg", Kind::Cue, 2},
        {"Medieval_Cue.ogg", Kind::Cue, 2},
        {"Drama_Cue.ogg", Kind::Cue, 2},
        {"Sci-Fi-Cue_2.ogg", Kind::Cue, 2},
        {"News_Theme_Cue.ogg", Kind::Cue, 2},
        {"Fast_Forward.ogg", Kind::Cue, 2},
        {"People_Chatter_3.ogg", Kind::Ambience, 1},
        {"People_Chatter_4.ogg", Kind::Ambience, 1},
        {"Typing_3.ogg", Kind::Ambience, 1},
        {"VCR_InsertTape.ogg", Kind::Ambience, 1},
        {"VCR_EjectTape1.ogg", Kind::Ambience, 1},
        {"Office_Phone.ogg", Kind::Ambience, 1},
        {"Office_Door_2.ogg", Kind::Ambience, 1},
        {"button.wav", Kind::Effect, 1},
        {"fanfare.wav", Kind::Effect, 2},
        {"payment1.wav", Kind::Effect, 1},
        {"payment2.wav", Kind::Effect, 1},
        {"Car_Horn_2.wav", Kind::Effect, 1},
    };
    return sounds;
}

void PrintTo(const ExpectedSound& e, std::ostream* os) {
    *os << e.name;
}

fs::path ScratchDir(const std::string& what) {
    const fs::path dir =
        fs::temp_directory_path() / ("qvx-sounds-" + what + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// The whole set for seed 1, shared by every test process of this build: ctest runs each test in
// a process of its own, and composing the set takes seconds. It lives beside the test program;
// the generator's manifest keeps it as long as the synthesiser's sources do not change, and a
// lock lets one process make it while the others wait.
struct SharedSounds {
    fs::path dir;
    std::string error;

    static const SharedSounds& Get() {
        static SharedSounds shared;
        return shared;
    }
    SharedSounds(const SharedSounds&) = delete;
    SharedSounds& operator=(const SharedSounds&) = delete;

  private:
    SharedSounds() {
        const fs::path home = fs::read_symlink("/proc/self/exe").parent_path();
        dir = home / "sound-test-set";
        fs::create_directories(dir);
        const int lock = ::open((home / "sound-test-set.lock").c_str(), O_CREAT | O_RDWR, 0644);
        if (lock >= 0) ::flock(lock, LOCK_EX);
        SoundRun run;
        if (Status s = GenerateSounds(dir, 1, run); !s) error = s.message();
        if (lock >= 0) {
            ::flock(lock, LOCK_UN);
            ::close(lock);
        }
    }
};

struct Decoded {
    bool ok = false;
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;  // interleaved
    double Seconds() const {
        return channels == 0 ? 0.0
                             : static_cast<double>(samples.size()) / channels / std::max(1, rate);
    }
};

Decoded Decode(const fs::path& path) {
    Decoded d;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) return d;
    d.channels = info.channels;
    d.rate = info.samplerate;
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    sf_count_t frames = 0;
    while ((frames = sf_readf_float(file, block.data(), 4096)) > 0)
        d.samples.insert(d.samples.end(), block.begin(),
                         block.begin() + frames * static_cast<sf_count_t>(info.channels));
    sf_close(file);
    d.ok = true;
    return d;
}

double Db(double linear) {
    return 20.0 * std::log10(std::max(linear, 1e-12));
}

double RmsDb(const std::vector<float>& samples) {
    double sum = 0.0;
    for (float s : samples)
        sum += static_cast<double>(s) * s;
    return Db(std::sqrt(sum / static_cast<double>(std::max<size_t>(1, samples.size()))));
}

// The loudest 50 ms stretch: a door or a click is "not silent" by its loud moment.
double LoudestWindowDb(const Decoded& d) {
    const size_t window = static_cast<size_t>(d.rate / 20 * d.channels);
    double best = 0.0;
    for (size_t start = 0; start + window <= d.samples.size(); start += window / 2) {
        double sum = 0.0;
        for (size_t i = start; i < start + window; ++i)
            sum += static_cast<double>(d.samples[i]) * d.samples[i];
        best = std::max(best, sum / static_cast<double>(window));
    }
    if (d.samples.size() < window) {
        for (float s : d.samples)
            best = std::max(best, static_cast<double>(s) * s / 2.0);
    }
    return 10.0 * std::log10(std::max(best, 1e-24));
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SoundSet : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Shared().error, "") << "generation failed"; }
    static const SharedSounds& Shared() { return SharedSounds::Get(); }
};

// A fresh run into an empty directory: every name once, nothing else left there, and the same
// bytes as the shared set made by another process (threads finishing in another order change
// nothing).
TEST_F(SoundSet, AFreshRunWritesEveryNamedFileOnceAndTheSameBytesAgain) {
    const fs::path dir = ScratchDir("fresh");
    SoundRun run;
    ASSERT_TRUE(GenerateSounds(dir, 1, run));
    std::set<std::string> expected;
    for (const ExpectedSound& e : ExpectedSounds())
        expected.insert(e.name);
    const std::set<std::string> reported(run.names.begin(), run.names.end());
    EXPECT_EQ(reported.size(), run.names.size()) << "a file was reported twice";
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(run.written, expected.size());
    std::set<std::string> onDisk;
    for (const auto& entry : fs::directory_iterator(dir))
        onDisk.insert(entry.path().filename().string());
    expected.insert(std::string(sounds::kManifestName));
    EXPECT_EQ(onDisk, expected) << "a temporary file or a stray file was left behind";
    for (const ExpectedSound& e : ExpectedSounds()) {
        EXPECT_TRUE(ReadBytes(dir / e.name) == ReadBytes(Shared().dir / e.name))
            << e.name << " differs between two runs with the same seed";
    }
    fs::remove_all(dir);
}

class EachSound : public ::testing::TestWithParam<ExpectedSound> {
  protected:
    void SetUp() override { ASSERT_EQ(SharedSounds::Get().error, "") << "generation failed"; }
};

TEST_P(EachSound, DecodesWithItsFormatLengthAndLevel) {
    const ExpectedSound& e = GetParam();
    const Decoded d = Decode(SharedSounds::Get().dir / e.name);
    ASSERT_TRUE(d.ok) << "does not open";
    EXPECT_EQ(d.channels, e.channels);
    EXPECT_EQ(d.rate, 44100);
    float peak = 0.0f;
    for (float s : d.samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_LE(Db(peak), -1.0) << "a sample is louder than -1 dBFS";
    EXPECT_GT(LoudestWindowDb(d), -30.0) << "too quiet to hear";
    const double rms = RmsDb(d.samples);
    switch (e.kind) {
        case Kind::Music:
            // How long is checked against the music timer (MusicFitsItsTimer).
            EXPECT_GE(d.Seconds(), 14.0);
            EXPECT_NEAR(rms, -20.0, 2.0);
            break;
        case Kind::Cue:
            EXPECT_GE(d.Seconds(), 3.0);
            // Fast forward runs for as long as Play is held through an evening.
            EXPECT_LE(d.Seconds(), std::string_view(e.name) == "Fast_Forward.ogg" ? 10.0 : 8.0);
            // A few dB above the music, and never far from the other cues.
            EXPECT_NEAR(rms, -16.0, 2.0);
            break;
        case Kind::Ambience:
            EXPECT_GE(d.Seconds(), 1.5);
            EXPECT_LE(d.Seconds(), 8.0);
            EXPECT_LT(LoudestWindowDb(d), -8.0) << "ambience must stay in the background";
            break;
        case Kind::Effect:
            EXPECT_GT(d.Seconds(), 0.02);
            EXPECT_LE(d.Seconds(), 3.0);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Sounds, EachSound, ::testing::ValuesIn(ExpectedSounds()),
                         [](const ::testing::TestParamInfo<ExpectedSound>& param) {
                             std::string name = param.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// Band energies of a mono excerpt in 20 ms steps, each band a one-pole high-pass into a
// one-pole low-pass.
struct Bands {
    std::vector<double> all, bass, melody, cymbals;
};

Bands Analyse(const Decoded& d, double fromSeconds, double seconds) {
    struct Band {
        double a, b, high = 0.0, low = 0.0, previous = 0.0, sum = 0.0;
        std::vector<double>* out;
    };
    Bands bands;
    const auto band = [&](double lowHz, double highHz, std::vector<double>* out) {
        return Band{std::exp(-2.0 * std::numbers::pi * lowHz / d.rate),
                    std::exp(-2.0 * std::numbers::pi * highHz / d.rate),
                    0,
                    0,
                    0,
                    0,
                    out};
    };
    std::vector<Band> filters = {band(20.0, 16000.0, &bands.all), band(30.0, 180.0, &bands.bass),
                                 band(500.0, 2500.0, &bands.melody),
                                 band(6000.0, 16000.0, &bands.cymbals)};
    const size_t step = static_cast<size_t>(d.rate / 50);
    const size_t channels = static_cast<size_t>(d.channels);
    const size_t first = static_cast<size_t>(fromSeconds * d.rate);
    const size_t last =
        std::min(d.samples.size() / channels, first + static_cast<size_t>(seconds * d.rate));
    for (size_t i = first; i < last; ++i) {
        double x = 0.0;
        for (size_t c = 0; c < channels; ++c)
            x += d.samples[i * channels + c];
        x /= static_cast<double>(channels);
        for (Band& f : filters) {
            f.high = f.a * (f.high + x - f.previous);
            f.previous = x;
            f.low = (1.0 - f.b) * f.high + f.b * f.low;
            f.sum += f.low * f.low;
            if ((i - first + 1) % step == 0) {
                f.out->push_back(f.sum / static_cast<double>(step));
                f.sum = 0.0;
            }
        }
    }
    return bands;
}

double Mean(const std::vector<double>& v) {
    double sum = 0.0;
    for (double x : v)
        sum += x;
    return v.empty() ? 0.0 : sum / static_cast<double>(v.size());
}

// A tune, a bass line and drums: each music track has real energy in the bass and in the
// melody's range, and the cymbals' band jumps up again and again (hits, not a steady hiss).
TEST_F(SoundSet, MusicHasBassMelodyAndDrums) {
    for (const ExpectedSound& e : ExpectedSounds()) {
        if (e.kind != Kind::Music) continue;
        SCOPED_TRACE(e.name);
        const Decoded d = Decode(Shared().dir / e.name);
        ASSERT_TRUE(d.ok);
        // The body of the track, clear of its opening and its ending.
        const double from = std::min(10.0, d.Seconds() / 8.0);
        const double seconds = std::min(30.0, d.Seconds() - from - 3.0);
        const Bands bands = Analyse(d, from, seconds);
        const double all = Mean(bands.all);
        EXPECT_GT(Mean(bands.bass) / all, 0.08) << "no bass";
        EXPECT_GT(Mean(bands.melody) / all, 0.03) << "no melody range";
        int hits = 0;
        const std::vector<double>& c = bands.cymbals;
        for (size_t i = 2; i < c.size(); ++i) {
            if (c[i] > 4.0 * std::min(c[i - 1], c[i - 2])) ++hits;  // up by 6 dB or more
        }
        EXPECT_GT(hits / seconds, 1.5) << "no drum hits in the high band";
    }
}

// What a listener tells cues apart by: the notes (a chroma profile, the spectrum folded onto the
// twelve pitch classes) and the colour of the sound (the level in third-octave-wide bands), each
// centred on its mean so that what every cue shares does not count.
struct CueProfile {
    std::array<double, 12> chroma{};
    std::array<double, 20> bands{};
};

void Fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w =
            std::polar(1.0, -2.0 * std::numbers::pi / static_cast<double>(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                wk *= w;
            }
        }
    }
}

CueProfile Profile(const Decoded& d) {
    constexpr size_t kSize = 4096;
    const size_t channels = static_cast<size_t>(d.channels);
    std::vector<double> mono(d.samples.size() / channels);
    for (size_t i = 0; i < mono.size(); ++i)
        for (size_t c = 0; c < channels; ++c)
            mono[i] += d.samples[i * channels + c] / static_cast<double>(channels);
    CueProfile p;
    std::array<double, 20> bandPower{};
    const double hzPerBin = static_cast<double>(d.rate) / kSize;
    for (size_t start = 0; start + kSize <= mono.size(); start += kSize / 2) {
        std::vector<std::complex<double>> frame(kSize);
        double energy = 0.0;
        for (size_t i = 0; i < kSize; ++i) {
            const double hann =
                0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / kSize);
            frame[i] = mono[start + i] * hann;
            energy += mono[start + i] * mono[start + i];
        }
        if (energy / kSize < 1e-6) continue;  // quieter than -60 dBFS: a tail, not the cue
        Fft(frame);
        std::array<double, 12> chroma{};
        double chromaSum = 0.0;
        for (size_t k = 1; k < kSize / 2; ++k) {
            const double hz = static_cast<double>(k) * hzPerBin, power = std::norm(frame[k]);
            if (hz >= 60.0 && hz <= 4000.0) {
                const long pc = std::lround(12.0 * std::log2(hz / 440.0) + 69.0) % 12;
                chroma[static_cast<size_t>(pc)] += power;
                chromaSum += power;
            }
            const double octaves = std::log2(hz / 50.0) * 20.0 / std::log2(16000.0 / 50.0);
            if (octaves >= 0.0 && octaves < 20.0) bandPower[static_cast<size_t>(octaves)] += power;
        }
        for (size_t c = 0; c < 12 && chromaSum > 0.0; ++c)
            p.chroma[c] += chroma[c] / chromaSum;
    }
    for (size_t b = 0; b < bandPower.size(); ++b)
        p.bands[b] = 10.0 * std::log10(bandPower[b] + 1e-9);
    return p;
}

template <size_t N>
double CentredCosine(const std::array<double, N>& a, const std::array<double, N>& b) {
    double ma = 0.0, mb = 0.0;
    for (size_t i = 0; i < N; ++i) {
        ma += a[i] / N;
        mb += b[i] / N;
    }
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (size_t i = 0; i < N; ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 1.0;
}

double Similarity(const CueProfile& a, const CueProfile& b) {
    return 0.5 * (CentredCosine(a.chroma, b.chroma) + CentredCosine(a.bands, b.bands));
}

// Two genres whose cues share key, chords and colour cannot be told apart on the office TV.
// The table of every pair goes to the log; QVX_SOUND_SET measures another set (an older build's).
TEST_F(SoundSet, EveryPairOfProgrammeCuesSoundsApart) {
    fs::path dir = Shared().dir;
    if (const char* other = std::getenv("QVX_SOUND_SET")) dir = other;
    std::vector<std::pair<std::string, CueProfile>> cues;
    for (const ExpectedSound& e : ExpectedSounds()) {
        if (e.kind != Kind::Cue || std::string(e.name) == "Fast_Forward.ogg") continue;
        const Decoded d = Decode(dir / e.name);
        ASSERT_TRUE(d.ok) << e.name;
        cues.emplace_back(e.name, Profile(d));
    }
    ASSERT_EQ(cues.size(), 15u);
    std::vector<std::pair<double, std::string>> pairs;
    for (size_t i = 0; i < cues.size(); ++i)
        for (size_t j = i + 1; j < cues.size(); ++j)
            pairs.emplace_back(Similarity(cues[i].second, cues[j].second),
                               cues[i].first + " ~ " + cues[j].first);
    std::sort(pairs.rbegin(), pairs.rend());
    for (const auto& [similarity, names] : pairs) {
        std::printf("  %.3f  %s\n", similarity, names.c_str());
        EXPECT_LT(similarity, 0.9) << names;
    }
}

// The ambience timer starts a sound every four seconds and a new one cuts the last: each must
// have ended by then, and end on silence, not in the middle of a keystroke or a ring.
TEST_F(SoundSet, AmbienceFitsItsTimerAndEveryFileEndsOnSilence) {
    for (const ExpectedSound& e : ExpectedSounds()) {
        SCOPED_TRACE(e.name);
        const Decoded d = Decode(Shared().dir / e.name);
        ASSERT_TRUE(d.ok);
        if (e.kind == Kind::Ambience) {
            EXPECT_LE(d.Seconds(), 3.8);
        }
        // Music ends where its timer cuts it; a click is over before any tail.
        if (e.kind == Kind::Music || e.kind == Kind::Effect) continue;
        const size_t tail = static_cast<size_t>(d.rate / 200 * d.channels);
        ASSERT_GT(d.samples.size(), tail);
        const std::vector<float> last(d.samples.end() - static_cast<std::ptrdiff_t>(tail),
                                      d.samples.end());
        EXPECT_LT(RmsDb(last), LoudestWindowDb(d) - 30.0) << "cut off while sounding";
    }
}

// A telephone rings and pauses: between its rings the level drops by 30 dB or more for at
// least a third of a second, and it rings at least twice.
TEST_F(SoundSet, ThePhoneRingsWithSilenceBetweenTheRings) {
    const Decoded d = Decode(Shared().dir / "Office_Phone.ogg");
    ASSERT_TRUE(d.ok);
    const Bands bands = Analyse(d, 0.0, d.Seconds());
    const double loudest = *std::max_element(bands.all.begin(), bands.all.end());
    int rings = 0, quiet = 0;
    bool ringing = false, pausedLongEnough = false;
    for (double power : bands.all) {
        if (power > loudest * 0.1) {  // within 10 dB of the loudest
            if (!ringing && (rings == 0 || pausedLongEnough)) ++rings;
            ringing = true;
            quiet = 0;
            pausedLongEnough = false;
        } else if (power < loudest * 0.001) {
            ringing = false;
            if (++quiet >= 17) pausedLongEnough = true;  // 17 steps of 20 ms
        }
    }
    EXPECT_GE(rings, 2);
}

// The RMS level of frames [first, last) over both channels, in dBFS.
double RmsDb(const Decoded& d, size_t first, size_t last) {
    const size_t channels = static_cast<size_t>(d.channels);
    last = std::min(last, d.samples.size() / channels);
    if (first >= last) return Db(0.0);
    return RmsDb(
        std::vector<float>(d.samples.begin() + static_cast<std::ptrdiff_t>(first * channels),
                           d.samples.begin() + static_cast<std::ptrdiff_t>(last * channels)));
}

// The music timer plays each track for a fixed time and then starts the next: a track must
// have ended (or be fading to its end) before then, not be cut mid-bar at full level.
TEST_F(SoundSet, MusicFitsItsTimer) {
    const struct {
        std::string_view name;
        double timerSeconds;
    } tracks[] = {{"Intro.ogg", 30.0},
                  {"Background.ogg", 62.0},
                  {"Prepping_Theme_1_d.ogg", 62.0},
                  {"Winning_Music.ogg", 16.0}};
    for (const auto& track : tracks) {
        SCOPED_TRACE(track.name);
        const Decoded d = Decode(Shared().dir / track.name);
        ASSERT_TRUE(d.ok);
        // Just inside the time: not cut by it, and not ending long before it.
        EXPECT_LE(d.Seconds(), track.timerSeconds - 0.2);
        EXPECT_GE(d.Seconds(), track.timerSeconds - 2.5);
        const size_t frames = d.samples.size() / 2;
        const size_t half = static_cast<size_t>(d.rate / 2);
        EXPECT_LT(RmsDb(d, frames - half, frames), RmsDb(d.samples) - 9.0)
            << "the last half second is as loud as the track: cut, not ended";
    }
}

// The background loops: across the seam from its last sample to its first, no sample jumps
// further than the music itself moves nearby.
TEST_F(SoundSet, BackgroundLoopsWithoutAClick) {
    const Decoded d = Decode(Shared().dir / "Background.ogg");
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.channels, 2);
    const size_t frames = d.samples.size() / 2;
    const auto at = [&](size_t frame, size_t c) { return d.samples[frame * 2 + c]; };
    float nearby = 0.0f;
    for (size_t c = 0; c < 2; ++c) {
        for (size_t i = 0; i + 1 < 4410; ++i) {
            nearby = std::max(nearby, std::abs(at(i + 1, c) - at(i, c)));
            nearby = std::max(nearby, std::abs(at(frames - 1 - i, c) - at(frames - 2 - i, c)));
        }
    }
    for (size_t c = 0; c < 2; ++c)
        EXPECT_LE(std::abs(at(0, c) - at(frames - 1, c)), nearby) << "channel " << c;
}

// Not nearly mono: the band is spread across the stereo field (left/right correlation).
TEST_F(SoundSet, MusicHasStereoWidth) {
    for (const ExpectedSound& e : ExpectedSounds()) {
        if (e.kind != Kind::Music) continue;
        SCOPED_TRACE(e.name);
        const Decoded d = Decode(Shared().dir / e.name);
        ASSERT_TRUE(d.ok);
        double lr = 0.0, ll = 0.0, rr = 0.0;
        for (size_t i = 0; i + 1 < d.samples.size(); i += 2) {
            lr += static_cast<double>(d.samples[i]) * d.samples[i + 1];
            ll += static_cast<double>(d.samples[i]) * d.samples[i];
            rr += static_cast<double>(d.samples[i + 1]) * d.samples[i + 1];
        }
        const double correlation = lr / std::sqrt(ll * rr);
        EXPECT_LT(correlation, 0.93);
        EXPECT_GT(correlation, 0.5) << "so wide that it falls apart in mono";
    }
}

// When fast forward runs out before Play is let go, it winds down instead of stopping dead.
TEST_F(SoundSet, FastForwardOutlastsAnEveningAndEndsSoftly) {
    const Decoded d = Decode(Shared().dir / "Fast_Forward.ogg");
    ASSERT_TRUE(d.ok);
    EXPECT_GE(d.Seconds(), 8.0);
    const size_t frames = d.samples.size() / static_cast<size_t>(d.channels);
    const size_t tenth = static_cast<size_t>(d.rate / 10);
    EXPECT_LT(RmsDb(d, frames - tenth, frames), RmsDb(d, 3 * tenth * 10, 4 * tenth * 10) - 15.0);
}

TEST(SoundGeneration, TheSameSeedGivesTheSameBytesAndAnotherSeedOthers) {
    const SharedSounds& full = SharedSounds::Get();
    ASSERT_EQ(full.error, "");
    const std::vector<std::string> subset = {"Cartoon_Cue.ogg", "Typing_3.ogg", "payment2.wav"};
    const fs::path same = ScratchDir("same"), other = ScratchDir("other");
    SoundRun run;
    ASSERT_TRUE(GenerateSounds(same, 1, run, {subset, false}));
    EXPECT_EQ(run.names, subset);
    ASSERT_TRUE(GenerateSounds(other, 2, run, {subset, false}));
    for (const std::string& name : subset) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadBytes(full.dir / name);
        EXPECT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == ReadBytes(same / name)) << "seed 1 made different bytes";
        EXPECT_FALSE(bytes == ReadBytes(other / name)) << "seed 2 made the same bytes";
    }
    fs::remove_all(same);
    fs::remove_all(other);
}

TEST(SoundGeneration, KeepsGoodFilesAndRemakesDamagedOrForeignOnes) {
    const fs::path dir = ScratchDir("keep");
    const SoundOptions options{{"button.wav", "Fast_Forward.ogg"}, true};
    SoundRun run;
    ASSERT_TRUE(GenerateSounds(dir, 5, run, options));
    EXPECT_EQ(run.written, 2u);
    const std::string good = ReadBytes(dir / "Fast_Forward.ogg");

    ASSERT_TRUE(GenerateSounds(dir, 5, run, options));
    EXPECT_EQ(run.written, 0u) << "a second run with the same seed must keep the files";
    EXPECT_EQ(run.names.size(), 2u);

    // A file cut short (a full disk, an interrupted copy) is made again.
    fs::resize_file(dir / "Fast_Forward.ogg", good.size() / 2);
    ASSERT_TRUE(GenerateSounds(dir, 5, run, options));
    EXPECT_EQ(run.written, 1u);
    EXPECT_TRUE(ReadBytes(dir / "Fast_Forward.ogg") == good);

    // Same size, other bytes: edited by hand.
    std::string edited = good;
    edited[edited.size() / 2] = static_cast<char>(edited[edited.size() / 2] ^ 0x55);
    std::ofstream(dir / "Fast_Forward.ogg", std::ios::binary | std::ios::trunc) << edited;
    ASSERT_TRUE(GenerateSounds(dir, 5, run, options));
    EXPECT_EQ(run.written, 1u);

    // Another seed, or a manifest this generator did not write, vouches for nothing.
    ASSERT_TRUE(GenerateSounds(dir, 6, run, options));
    EXPECT_EQ(run.written, 2u);
    std::ofstream(dir / std::string(sounds::kManifestName), std::ios::trunc)
        << "quovix-content sounds 0000 seed 6\n";
    ASSERT_TRUE(GenerateSounds(dir, 6, run, options));
    EXPECT_EQ(run.written, 2u);
    fs::remove_all(dir);
}

TEST(SoundGeneration, AnUnwritableDirectoryOrAnUnknownNameIsAnErrorValue) {
    const fs::path dir = ScratchDir("unwritable");
    // A path through a regular file cannot be written, not even by root.
    std::ofstream(dir / "file") << "not a directory";
    SoundRun run;
    const Status s = GenerateSounds(dir / "file", 1, run, {{"button.wav"}, true});
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("button.wav"), std::string::npos) << s.message();
    EXPECT_NE(s.message().find("cannot be written"), std::string::npos) << s.message();

    const Status unknown = GenerateSounds(dir, 1, run, {{"Disco_Cue.ogg"}, true});
    ASSERT_FALSE(unknown);
    EXPECT_NE(unknown.message().find("Disco_Cue.ogg"), std::string::npos);
    fs::remove_all(dir);
}

// The tool lists the sounds in its summary; with the sounds of the same seed already there it
// keeps them.
TEST_F(SoundSet, TheToolListsTheSoundsAndKeepsThoseAlreadyMade) {
    const fs::path dir = ScratchDir("tool");
    for (const auto& entry : fs::directory_iterator(Shared().dir))
        fs::copy(entry.path(), dir / entry.path().filename());
    std::ostringstream out, err;
    const std::vector<std::string> args = {"generate", "--seed", "1", "--out", dir.string()};
    ASSERT_EQ(RunContentTool(args, out, err), 0) << err.str();
    const std::string summary = out.str();
    EXPECT_TRUE(simtest::JsonCheck::WellFormed(summary)) << summary;
    EXPECT_NE(summary.find("\"sounds\": {\n    \"count\": 32,\n    \"written\": 0"),
              std::string::npos)
        << summary;
    EXPECT_NE(summary.find("\"Sci-Fi-Cue_2.ogg\""), std::string::npos);
    EXPECT_NE(summary.find("\"pictures\""), std::string::npos);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace qvx::content
