// The synthesiser's parts: oscillators, the score language, the level control and the encoders'
// byte layouts.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "sounds/Instruments.h"
#include "sounds/Score.h"
#include "sounds/SoundKit.h"
#include "sounds/SoundWriter.h"

namespace qvx::content::sounds {
namespace {

namespace fs = std::filesystem;

struct OscillatorCase {
    Wave wave;
    double frequency;
    double width;
};

// Readable test names: ctest lists each case by its printed value.
std::string Safe(std::string text) {
    for (char& c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.') c = '_';
    return text;
}

void PrintTo(const OscillatorCase& c, std::ostream* os) {
    constexpr const char* kNames[] = {"sine", "saw", "square", "triangle"};
    *os << kNames[static_cast<int>(c.wave)] << "_" << c.frequency << "Hz_w" << c.width;
}

class OscillatorFrequency : public ::testing::TestWithParam<OscillatorCase> {};

// One upward zero crossing per cycle: one second of samples counts the frequency in Hz.
TEST_P(OscillatorFrequency, CrossesZeroUpwardOncePerCycle) {
    const OscillatorCase& c = GetParam();
    Oscillator osc(c.wave);
    osc.SetWidth(c.width);
    int crossings = 0;
    float previous = osc.Next(c.frequency);
    for (int i = 1; i < kSampleRate; ++i) {
        const float value = osc.Next(c.frequency);
        if (previous <= 0.0f && value > 0.0f) ++crossings;
        previous = value;
    }
    EXPECT_NEAR(crossings, c.frequency, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Waves, OscillatorFrequency,
                         ::testing::Values(OscillatorCase{Wave::Sine, 440.0, 0.5},
                                           OscillatorCase{Wave::Sine, 9000.0, 0.5},
                                           OscillatorCase{Wave::Saw, 55.0, 0.5},
                                           OscillatorCase{Wave::Saw, 261.63, 0.5},
                                           OscillatorCase{Wave::Saw, 3520.0, 0.5},
                                           OscillatorCase{Wave::Square, 440.0, 0.5},
                                           OscillatorCase{Wave::Square, 1000.0, 0.25},
                                           OscillatorCase{Wave::Square, 5000.0, 0.5},
                                           OscillatorCase{Wave::Triangle, 123.47, 0.5}));

TEST(Oscillator, StaysWithinFullScaleAndCentred) {
    for (Wave wave : {Wave::Sine, Wave::Saw, Wave::Square, Wave::Triangle}) {
        Oscillator osc(wave);
        osc.SetWidth(0.3);
        double sum = 0.0;
        float peak = 0.0f;
        for (int i = 0; i < kSampleRate; ++i) {
            const float v = osc.Next(441.0);  // exactly 100 samples a cycle
            sum += v;
            peak = std::max(peak, std::abs(v));
        }
        EXPECT_LT(peak, 1.75f) << static_cast<int>(wave);
        EXPECT_NEAR(sum / kSampleRate, 0.0, 0.02) << "DC in wave " << static_cast<int>(wave);
    }
}

struct VoiceCase {
    const char* name;
    Voice (*make)();
    int midi;
};

void PrintTo(const VoiceCase& c, std::ostream* os) {
    *os << c.name << "_" << c.midi;
}

// The fundamental of a steady stretch by autocorrelation: the first lag that correlates almost
// as well as the best one (so that twice the period does not win).
double EstimatePitch(const std::vector<float>& signal, size_t from, size_t length) {
    const size_t minLag = kSampleRate / 2000, maxLag = kSampleRate / 40;
    std::vector<double> corr(maxLag + 1, 0.0);
    double best = 0.0;
    for (size_t lag = minLag; lag <= maxLag; ++lag) {
        double sum = 0.0;
        for (size_t i = from; i < from + length; ++i)
            sum += static_cast<double>(signal[i]) * signal[i + lag];
        corr[lag] = sum;
        best = std::max(best, sum);
    }
    for (size_t lag = minLag + 1; lag < maxLag; ++lag) {
        if (corr[lag] > 0.9 * best && corr[lag] >= corr[lag - 1] && corr[lag] >= corr[lag + 1]) {
            // A parabola through the peak's neighbours refines the lag below one sample.
            const double a = corr[lag - 1], b = corr[lag], c = corr[lag + 1];
            const double shift = 0.5 * (a - c) / (a - 2.0 * b + c);
            return kSampleRate / (static_cast<double>(lag) + shift);
        }
    }
    return 0.0;
}

class VoicePitch : public ::testing::TestWithParam<VoiceCase> {};

// Every instrument plays the note it is asked for: the plucked strings' delay lines, the FM
// piano and the detuned unisons must all land on the pitch.
TEST_P(VoicePitch, SoundsTheRequestedNote) {
    const VoiceCase& c = GetParam();
    KeyPress key;
    key.frequency = MidiToHz(c.midi);
    key.gate = 1.0;
    SoundRng rng(7);
    const std::vector<float> sound = c.make()(key, rng);
    ASSERT_GT(sound.size(), Frames(0.5));
    const double pitch = EstimatePitch(sound, Frames(0.1), 4096);
    EXPECT_NEAR(pitch / key.frequency, 1.0, 0.015) << c.name << " played " << pitch << " Hz";
}

INSTANTIATE_TEST_SUITE_P(
    Band, VoicePitch,
    ::testing::Values(VoiceCase{"lead", LeadSynth, 72}, VoiceCase{"brass", Brass, 67},
                      VoiceCase{"strings", Strings, 64}, VoiceCase{"bass", FingerBass, 40},
                      VoiceCase{"slap", SlapBass, 33}, VoiceCase{"epiano", EPiano, 60},
                      VoiceCase{"piano", Piano, 57}, VoiceCase{"harp", Harp, 55},
                      VoiceCase{"harp_high", Harp, 84}, VoiceCase{"lute", Lute, 50},
                      VoiceCase{"harpsichord", Harpsichord, 67},
                      VoiceCase{"pizzicato", Pizzicato, 43}, VoiceCase{"flute", Flute, 79},
                      VoiceCase{"tuba", Tuba, 36}, VoiceCase{"chip", ChipLead, 76},
                      VoiceCase{"vibes", Vibraphone, 72}, VoiceCase{"xylophone", Xylophone, 76},
                      VoiceCase{"acid", AcidArp, 57}, VoiceCase{"whistle", Whistle, 84},
                      VoiceCase{"trumpet", MutedTrumpet, 70}));

TEST(Envelope, RisesHoldsAndDiesAway) {
    Envelope env({0.01, 0.1, 0.5, 0.2}, 0.5);
    std::vector<float> v;
    for (size_t i = 0; i < env.Length(); ++i)
        v.push_back(env.Next());
    EXPECT_NEAR(v[Frames(0.01) - 1], 1.0f, 0.01f);  // the top of the attack
    EXPECT_NEAR(v[Frames(0.45)], 0.5f, 0.01f);      // settled on the sustain level
    EXPECT_LT(v.back(), 0.002f);                    // silent when the note ends
    EXPECT_LE(*std::max_element(v.begin(), v.end()), 1.0f);
    // A key let go during the attack falls from where it got, without a jump.
    Envelope brief({0.1, 0.1, 0.5, 0.05}, 0.02);
    float previous = 0.0f, biggestStep = 0.0f;
    for (size_t i = 0; i < brief.Length(); ++i) {
        const float value = brief.Next();
        biggestStep = std::max(biggestStep, std::abs(value - previous));
        previous = value;
    }
    EXPECT_LT(biggestStep, 0.01f);
}

TEST(SoundTrack, PanningKeepsThePowerAndEchoesBounceBetweenTheSides) {
    struct PanCase {
        float pan, left, right;
    };
    const float one[] = {1.0f};
    for (const PanCase c : {PanCase{0.0f, 1.0f, 1.0f}, PanCase{-1.0f, 1.41421f, 0.0f},
                            PanCase{1.0f, 0.0f, 1.41421f}}) {
        Track t;
        t.Mix(0, one, 1.0f, c.pan);
        EXPECT_NEAR(t.Left()[0], c.left, 1e-4) << c.pan;
        EXPECT_NEAR(t.Right()[0], c.right, 1e-4) << c.pan;
    }
    Track click(10);
    click.Left()[0] = 1.0f;
    click.Right()[0] = 1.0f;
    const size_t delay = Frames(0.1);
    const Track echoes = Echo(click, 0.1, 0.5f);
    // Left first, then right, then left again, each repeat quieter.
    float firstLeft = 0.0f, firstRight = 0.0f, secondLeft = 0.0f;
    for (size_t i = 0; i < delay / 2; ++i) {
        firstLeft = std::max(firstLeft, std::abs(echoes.Left()[delay + i]));
        firstRight = std::max(firstRight, std::abs(echoes.Right()[2 * delay + i]));
        secondLeft = std::max(secondLeft, std::abs(echoes.Left()[3 * delay + i]));
        EXPECT_EQ(echoes.Right()[delay + i], 0.0f);
    }
    EXPECT_GT(firstLeft, firstRight);
    EXPECT_GT(firstRight, secondLeft);
    EXPECT_GT(secondLeft, 0.0f);
}

struct NotesCase {
    const char* text;
    bool ok;
    double beats;
    std::vector<std::vector<int>> pitches;
    std::vector<double> starts;
};

void PrintTo(const NotesCase& c, std::ostream* os) {
    *os << Safe(c.text);
}

class ScoreNotes : public ::testing::TestWithParam<NotesCase> {};

TEST_P(ScoreNotes, ParseIntoPitchesAndBeats) {
    const NotesCase& c = GetParam();
    std::vector<ScoreNote> notes;
    double beats = 0.0;
    const Status s = ParseNotes(c.text, notes, beats);
    ASSERT_EQ(static_cast<bool>(s), c.ok) << c.text << ": " << (s ? "" : s.message());
    if (!c.ok) {
        EXPECT_FALSE(s.message().empty());
        return;
    }
    EXPECT_NEAR(beats, c.beats, 1e-9);
    ASSERT_EQ(notes.size(), c.pitches.size());
    for (size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].pitches, c.pitches[i]) << c.text << " note " << i;
        EXPECT_NEAR(notes[i].beat, c.starts[i], 1e-9) << c.text << " note " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScoreNotes,
    ::testing::Values(NotesCase{"c4:1 e4 g4:2", true, 4.0, {{60}, {64}, {67}}, {0, 1, 2}},
                      NotesCase{"a4:.5 -:.5 | bb3:1/3 b3",
                                true,
                                1.0 + 2.0 / 3.0,
                                {{69}, {}, {58}, {59}},
                                {0, 0.5, 1, 1 + 1.0 / 3.0}},
                      NotesCase{"f#5+a5+c#6:2! _:1 eb5~", true, 4.0, {{78, 81, 85}, {75}}, {0, 3}},
                      NotesCase{"c0 g9", true, 2.0, {{12}, {127}}, {0, 1}},
                      NotesCase{"c4:0", false, 0, {}, {}}, NotesCase{"h4", false, 0, {}, {}},
                      NotesCase{"c:1", false, 0, {}, {}}, NotesCase{"_ c4", false, 0, {}, {}},
                      NotesCase{"c4:x", false, 0, {}, {}}, NotesCase{"c4+:1", false, 0, {}, {}},
                      NotesCase{"c4:1/0", false, 0, {}, {}}));

TEST(ScoreNotes, MarksSetVelocityAndShortness) {
    std::vector<ScoreNote> notes;
    double beats = 0.0;
    ASSERT_TRUE(ParseNotes("c4 c4! c4? c4~", notes, beats));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_LT(notes[0].velocity, notes[1].velocity);
    EXPECT_LT(notes[2].velocity, notes[0].velocity);
    EXPECT_FALSE(notes[0].shortNote);
    EXPECT_TRUE(notes[3].shortNote);
}

struct DegreeCase {
    const char* chord;
    const char* degree;
    bool ok;
    int semitones;
};

void PrintTo(const DegreeCase& c, std::ostream* os) {
    *os << Safe(std::string(c.chord) + "_" + c.degree);
}

class ChordDegrees : public ::testing::TestWithParam<DegreeCase> {};

// Plain degrees follow the chord (a minor chord's third is minor); flats and sharps do not.
TEST_P(ChordDegrees, MapToSemitonesAboveTheRoot) {
    const DegreeCase& c = GetParam();
    std::vector<ChordSpan> chords;
    double beats = 0.0;
    ASSERT_TRUE(ParseChords(c.chord, chords, beats));
    ASSERT_EQ(chords.size(), 1u);
    int semitones = 0;
    ASSERT_EQ(DegreeToSemitones(c.degree, chords[0], semitones), c.ok)
        << c.chord << " " << c.degree;
    if (c.ok) {
        EXPECT_EQ(semitones, c.semitones) << c.chord << " " << c.degree;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChordDegrees,
    ::testing::Values(DegreeCase{"C", "1", true, 0}, DegreeCase{"Am", "3", true, 3},
                      DegreeCase{"A", "3", true, 4}, DegreeCase{"Csus4", "3", true, 5},
                      DegreeCase{"C7", "7", true, 10}, DegreeCase{"Cmaj7", "7", true, 11},
                      DegreeCase{"C", "7", true, 10}, DegreeCase{"Cdim", "5", true, 6},
                      DegreeCase{"Caug", "5", true, 8}, DegreeCase{"Cmaj7", "b7", true, 10},
                      DegreeCase{"Am", "b3", true, 3}, DegreeCase{"A", "#4", true, 6},
                      DegreeCase{"C", "8'", true, 24}, DegreeCase{"C", "5,", true, -5},
                      DegreeCase{"C", "9", true, 14}, DegreeCase{"C", "0", false, 0},
                      DegreeCase{"C", "10", false, 0}, DegreeCase{"C", "x", false, 0},
                      DegreeCase{"C", "", false, 0}, DegreeCase{"C", "b", false, 0}));

TEST(ScoreChords, ParseRootsQualitiesAndLengths) {
    std::vector<ChordSpan> chords;
    double beats = 0.0;
    ASSERT_TRUE(ParseChords("Bb:2 F#m7 Ebmaj7:1 Cb", chords, beats));
    ASSERT_EQ(chords.size(), 4u);
    EXPECT_EQ(chords[0].root, 10);
    EXPECT_EQ(chords[1].root, 6);
    EXPECT_EQ(chords[1].intervals, (std::vector<int>{0, 3, 7, 10}));
    EXPECT_EQ(chords[2].root, 3);
    EXPECT_EQ(chords[3].root, 11);
    EXPECT_DOUBLE_EQ(chords[1].beat, 2.0);
    EXPECT_DOUBLE_EQ(chords[3].beat, 5.0);
    EXPECT_DOUBLE_EQ(beats, 6.0);
    for (const char* bad : {"H7", "Cblah", "C:-1", "m7"})
        EXPECT_FALSE(ParseChords(bad, chords, beats)) << bad;
}

// A voice that only records what it was asked to play.
struct Recorder {
    std::vector<KeyPress> notes;
    Voice voice() {
        return [this](const KeyPress& note, SoundRng&) {
            notes.push_back(note);
            return std::vector<float>(8, 0.5f);
        };
    }
    std::vector<int> Midi() const {
        std::vector<int> midi;
        for (const KeyPress& n : notes)
            midi.push_back(
                static_cast<int>(std::lround(69.0 + 12.0 * std::log2(n.frequency / 440.0))));
        return midi;
    }
};

TEST(ScoreSequencer, MelodyTurnsBeatsIntoSecondsAndHonoursShortNotes) {
    Score score(120.0, SoundRng(1));
    Recorder rec;
    const double end =
        score.Melody(Bus::Lead, rec.voice(), "c4:1 e4:.5~ -:1 g4+c5:2", 4.0, 1.0f, 0.0f, 0, 0.9);
    ASSERT_TRUE(score.status());
    EXPECT_DOUBLE_EQ(end, 8.5);
    EXPECT_EQ(rec.Midi(), (std::vector<int>{60, 64, 67, 72}));
    ASSERT_EQ(rec.notes.size(), 4u);
    EXPECT_NEAR(rec.notes[0].gate, 0.45, 1e-9);         // a beat is half a second, held 90 %
    EXPECT_NEAR(rec.notes[1].gate, 0.25 * 0.35, 1e-9);  // short: a third of its length
    EXPECT_NEAR(rec.notes[3].gate, 0.9, 1e-9);
}

TEST(ScoreSequencer, ChordsAreVoicedCloseAndPatternsFollowTheChord) {
    Score score(120.0, SoundRng(1));
    Recorder chords, bass;
    score.Chords(Bus::Keys, chords.voice(), "C:2 Am:2", "x:1 -:1", 0.0, 60, 1.0f);
    score.Pattern(Bus::Bass, bass.voice(), "C:2 G7:2", "1:1 5,:1", 0.0, 48, 1.0f);
    ASSERT_TRUE(score.status());
    // Every chord inside the octave above 60: A minor keeps its C and E where C major had them.
    EXPECT_EQ(chords.Midi(), (std::vector<int>{60, 64, 67, 60, 64, 69}));
    EXPECT_EQ(bass.Midi(), (std::vector<int>{48, 43, 55, 50}));
}

TEST(ScoreSequencer, ABadLineIsReportedAndTheFirstErrorKept) {
    struct Case {
        std::string_view line;
        bool ok;
    };
    for (const Case c : {Case{"k:x...x...x...x...", true}, Case{"k:x...x...x...x..", false},
                         Case{"n:x...x...x...x...", false}, Case{"kx...x...x...x...", false},
                         Case{"j:X.x.x.", true}}) {
        Score score(100.0, SoundRng(1));
        const std::string_view lines[] = {c.line};
        score.Drums(lines, 0.0, 1);
        EXPECT_EQ(static_cast<bool>(score.status()), c.ok) << c.line;
    }
    Score score(100.0, SoundRng(1));
    score.Melody(Bus::Lead, Recorder().voice(), "q4", 0.0, 1.0f);
    score.Melody(Bus::Lead, Recorder().voice(), "c4:0", 0.0, 1.0f);
    ASSERT_FALSE(score.status());
    EXPECT_NE(score.status().message().find("q4"), std::string::npos);
}

Track Sine(double seconds, double frequency, float amplitude) {
    Track t(Frames(seconds));
    for (size_t i = 0; i < t.Frames(); ++i) {
        const float v =
            amplitude * static_cast<float>(
                            std::sin(2.0 * kPi * frequency * static_cast<double>(i) / kSampleRate));
        t.Left()[i] = v;
        t.Right()[i] = v;
    }
    return t;
}

TEST(SoundLevels, TheGatedLevelIgnoresTheSilenceAroundASound) {
    Track t = Sine(1.0, 440.0, 0.5f);
    t.Resize(Frames(5.0));
    EXPECT_NEAR(GatedRmsDb(t), 20.0 * std::log10(0.5 / std::sqrt(2.0)), 0.3);
    EXPECT_TRUE(std::isinf(GatedRmsDb(Track(Frames(1.0)))));
}

TEST(SoundLevels, SetLevelReachesItsTargetWithoutCrossingTheCeiling) {
    // A quiet tone with drum-like spikes ten times louder every half second.
    Track t = Sine(3.0, 220.0, 0.1f);
    for (size_t at = 0; at < t.Frames(); at += Frames(0.5)) {
        for (size_t i = at; i < at + 20 && i < t.Frames(); ++i) {
            t.Left()[i] = 1.0f;
            t.Right()[i] = -1.0f;
        }
    }
    SetLevel(t, -12.0, -1.0);
    EXPECT_LE(PeakDb(t), -1.0 + 1e-4);
    EXPECT_NEAR(GatedRmsDb(t), -12.0, 0.3);
    // Between the spikes the tone is untouched by the limiter: its own peak gives its level.
    float body = 0.0f;
    for (size_t i = Frames(0.3); i < Frames(0.45); ++i)
        body = std::max(body, std::abs(t.Left()[i]));
    EXPECT_NEAR(20.0 * std::log10(body / std::sqrt(2.0)), -12.0, 1.0);
}

TEST(SoundTrack, FoldIntoCarriesTheTailOverTheSeam) {
    Track t(12);
    t.Left()[1] = 1.0f;
    t.Left()[11] = 0.5f;
    t.Right()[10] = 0.25f;
    t.FoldInto(10);
    ASSERT_EQ(t.Frames(), 10u);
    EXPECT_FLOAT_EQ(t.Left()[1], 1.5f);
    EXPECT_FLOAT_EQ(t.Right()[0], 0.25f);
}

uint32_t Le32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

int Le16(const std::string& b, size_t at) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                                      static_cast<unsigned char>(b[at + 1]) << 8));
}

// Finds a RIFF chunk by its id; returns the offset of its data or 0.
size_t Chunk(const std::string& wav, const char* id, uint32_t& size) {
    for (size_t at = 12; at + 8 <= wav.size(); at += 8 + size + (size & 1)) {
        size = Le32(wav, at + 4);
        if (wav.compare(at, 4, id) == 0) return at + 8;
    }
    return 0;
}

TEST(SoundWriter, WavIsPlain16BitPcmWithRoundedInterleavedSamples) {
    Track t(4);
    const float left[] = {0.5f, -0.5f, 1.5f, 0.25f};
    const float right[] = {0.5f, -0.5f, 1.5f, -0.25f};
    for (size_t i = 0; i < 4; ++i) {
        t.Left()[i] = left[i];
        t.Right()[i] = right[i];
    }
    std::string mono, stereo;
    ASSERT_TRUE(EncodeWav(t, 1, mono));
    ASSERT_TRUE(EncodeWav(t, 2, stereo));
    for (const std::string* wav : {&mono, &stereo}) {
        ASSERT_GE(wav->size(), 44u);
        EXPECT_EQ(wav->substr(0, 4), "RIFF");
        EXPECT_EQ(Le32(*wav, 4), wav->size() - 8);
        EXPECT_EQ(wav->substr(8, 4), "WAVE");
    }
    uint32_t size = 0;
    size_t fmt = Chunk(stereo, "fmt ", size);
    ASSERT_NE(fmt, 0u);
    EXPECT_EQ(Le16(stereo, fmt), 1);           // PCM
    EXPECT_EQ(Le16(stereo, fmt + 2), 2);       // channels
    EXPECT_EQ(Le32(stereo, fmt + 4), 44100u);  // rate
    EXPECT_EQ(Le32(stereo, fmt + 8), 176400u);
    EXPECT_EQ(Le16(stereo, fmt + 12), 4);  // block align
    EXPECT_EQ(Le16(stereo, fmt + 14), 16);
    const size_t data = Chunk(stereo, "data", size);
    ASSERT_NE(data, 0u);
    ASSERT_EQ(size, 16u);
    const int expected[] = {16384, 16384, -16384, -16384, 32767, 32767, 8192, -8192};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(Le16(stereo, data + 2 * i), expected[i]) << "sample " << i;
    // Mono is the mean of the two sides.
    const size_t monoData = Chunk(mono, "data", size);
    ASSERT_EQ(size, 8u);
    EXPECT_EQ(Le16(mono, monoData + 6), 0);
}

TEST(SoundWriter, OggPagesCarryTheGivenSerialAndDecodeToEveryFrame) {
    const Track tone = Sine(1.0, 440.0, 0.5f);
    std::string bytes, again, otherSerial;
    ASSERT_TRUE(EncodeOgg(tone, 2, 0x12345678u, 0.35f, bytes));
    ASSERT_TRUE(EncodeOgg(tone, 2, 0x12345678u, 0.35f, again));
    ASSERT_TRUE(EncodeOgg(tone, 2, 0x0BADCAFEu, 0.35f, otherSerial));
    EXPECT_TRUE(bytes == again) << "the encoder is not deterministic";
    EXPECT_FALSE(bytes == otherSerial);
    size_t pages = 0;
    for (size_t at = 0; at + 27 <= bytes.size(); ++pages) {
        ASSERT_EQ(bytes.compare(at, 4, "OggS"), 0) << "page " << pages;
        EXPECT_EQ(Le32(bytes, at + 14), 0x12345678u) << "page " << pages;
        const size_t segments = static_cast<unsigned char>(bytes[at + 26]);
        size_t body = 0;
        for (size_t s = 0; s < segments; ++s)
            body += static_cast<unsigned char>(bytes[at + 27 + s]);
        at += 27 + segments + body;
    }
    EXPECT_GE(pages, 3u);

    const fs::path file =
        fs::temp_directory_path() / ("qvx-tone-" + std::to_string(::getpid()) + ".ogg");
    ASSERT_TRUE(WriteFileAtomically(file, bytes));
    SF_INFO info{};
    SNDFILE* sf = sf_open(file.c_str(), SFM_READ, &info);
    ASSERT_NE(sf, nullptr);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplerate, 44100);
    EXPECT_EQ(info.frames, 44100);
    sf_close(sf);
    fs::remove(file);
    double peak = 0.0;
    ASSERT_TRUE(DecodedPeakDb(bytes, peak));
    EXPECT_NEAR(peak, 20.0 * std::log10(0.5), 0.5);
    EXPECT_FALSE(DecodedPeakDb("not a sound file at all", peak));
}

TEST(SoundWriter, AFileThatCannotBeWrittenIsAnErrorNamingItAndLeavesNothing) {
    const fs::path missing =
        fs::temp_directory_path() / ("qvx-no-such-dir-" + std::to_string(::getpid())) / "Intro.ogg";
    const Status s = WriteFileAtomically(missing, "bytes");
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("Intro.ogg"), std::string::npos) << s.message();
    EXPECT_NE(s.message().find("cannot be written"), std::string::npos) << s.message();
    EXPECT_FALSE(fs::exists(missing.parent_path()));
}

}  // namespace
}  // namespace qvx::content::sounds
