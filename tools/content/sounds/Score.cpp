#include "Score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

namespace qvx::content::sounds {

namespace {

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        const size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        if (i > start && text.substr(start, i - start) != "|")
            tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

// "1", ".5", "1.5" or "1/3".
std::optional<double> ParseBeats(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::string s(text);
    char* end = nullptr;
    double value = std::strtod(s.c_str(), &end);
    if (end == s.c_str()) return std::nullopt;
    if (*end == '/') {
        const char* start = end + 1;
        const double divisor = std::strtod(start, &end);
        if (end == start || divisor <= 0.0) return std::nullopt;
        value /= divisor;
    }
    if (*end != '\0' || !(value > 0.0)) return std::nullopt;
    return value;
}

// Splits "body:beats" off its trailing marks; the marks come back in `marks`.
struct Token {
    std::string_view body;
    std::optional<double> beats;
    std::string_view marks;
    bool ok = true;
};

Token SplitToken(std::string_view token) {
    Token t;
    size_t end = token.size();
    while (end > 0 && (token[end - 1] == '!' || token[end - 1] == '?' || token[end - 1] == '~'))
        --end;
    t.marks = token.substr(end);
    token = token.substr(0, end);
    const size_t colon = token.find(':');
    t.body = token.substr(0, colon);
    if (colon != std::string_view::npos) {
        t.beats = ParseBeats(token.substr(colon + 1));
        t.ok = t.beats.has_value();
    }
    return t;
}

int PitchClass(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'c':
            return 0;
        case 'd':
            return 2;
        case 'e':
            return 4;
        case 'f':
            return 5;
        case 'g':
            return 7;
        case 'a':
            return 9;
        case 'b':
            return 11;
        default:
            return -1;
    }
}

// "c4" = 60, "f#5", "bb3"; the octave is required.
std::optional<int> ParsePitch(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    int pc = PitchClass(text[0]);
    if (pc < 0) return std::nullopt;
    size_t i = 1;
    if (text[i] == '#') {
        ++pc;
        ++i;
    } else if (text[i] == 'b' && i + 1 < text.size()) {
        --pc;
        ++i;
    }
    if (i >= text.size()) return std::nullopt;
    int octave = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        octave = octave * 10 + (text[i] - '0');
    }
    return (octave + 1) * 12 + pc;
}

float Velocity(std::string_view marks) {
    if (marks.find('!') != std::string_view::npos) return 1.0f;
    if (marks.find('?') != std::string_view::npos) return 0.55f;
    return 0.8f;
}

const std::map<std::string, std::vector<int>, std::less<>>& Qualities() {
    static const std::map<std::string, std::vector<int>, std::less<>> qualities = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},    {"maj7", {0, 4, 7, 11}},   {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},     {"sus4", {0, 5, 7}},       {"sus2", {0, 2, 7}},
        {"dim", {0, 3, 6}},       {"aug", {0, 4, 8}},        {"add9", {0, 4, 7, 14}},
        {"9", {0, 4, 7, 10, 14}}, {"m9", {0, 3, 7, 10, 14}}, {"m7b5", {0, 3, 6, 10}},
        {"7sus4", {0, 5, 7, 10}}, {"madd9", {0, 3, 7, 14}},  {"maj9", {0, 4, 7, 11, 14}},
    };
    return qualities;
}

}  // namespace

Status ParseNotes(std::string_view text, std::vector<ScoreNote>& notes, double& beats) {
    notes.clear();
    beats = 0.0;
    double length = 1.0;
    for (std::string_view token : Tokens(text)) {
        const Token t = SplitToken(token);
        if (!t.ok) return Status::Fail("the note '" + std::string(token) + "' has a bad length");
        if (t.beats) length = *t.beats;
        if (t.body == "_") {
            if (notes.empty()) return Status::Fail("'_' holds no note");
            notes.back().beats += length;
            beats += length;
            continue;
        }
        ScoreNote note;
        note.beat = beats;
        note.beats = length;
        note.velocity = Velocity(t.marks);
        note.shortNote = t.marks.find('~') != std::string_view::npos;
        if (t.body != "-") {
            size_t start = 0;
            while (start <= t.body.size()) {
                const size_t plus = std::min(t.body.find('+', start), t.body.size());
                const auto pitch = ParsePitch(t.body.substr(start, plus - start));
                if (!pitch) return Status::Fail("'" + std::string(token) + "' is not a note");
                note.pitches.push_back(*pitch);
                start = plus + 1;
            }
        }
        notes.push_back(std::move(note));
        beats += length;
    }
    return Status::Ok();
}

Status ParseChords(std::string_view text, std::vector<ChordSpan>& chords, double& beats) {
    chords.clear();
    beats = 0.0;
    double length = 4.0;
    for (std::string_view token : Tokens(text)) {
        const Token t = SplitToken(token);
        if (!t.ok || t.body.empty())
            return Status::Fail("the chord '" + std::string(token) + "' is malformed");
        if (t.beats) length = *t.beats;
        ChordSpan chord;
        chord.beat = beats;
        chord.beats = length;
        chord.root = PitchClass(t.body[0]);
        if (chord.root < 0)
            return Status::Fail("'" + std::string(token) + "' does not start with a note name");
        size_t i = 1;
        if (i < t.body.size() && (t.body[i] == '#' || t.body[i] == 'b')) {
            chord.root += t.body[i] == '#' ? 1 : -1;
            ++i;
        }
        const auto quality = Qualities().find(t.body.substr(i));
        if (quality == Qualities().end())
            return Status::Fail("'" + std::string(token) + "' is not a chord we know");
        chord.root = (chord.root + 12) % 12;
        chord.intervals = quality->second;
        chords.push_back(std::move(chord));
        beats += length;
    }
    return Status::Ok();
}

bool DegreeToSemitones(std::string_view degree, const ChordSpan& chord, int& semitones) {
    int octave = 0;
    while (!degree.empty() && (degree.back() == '\'' || degree.back() == ',')) {
        octave += degree.back() == '\'' ? 12 : -12;
        degree.remove_suffix(1);
    }
    int shift = 0;
    if (!degree.empty() && (degree[0] == 'b' || degree[0] == '#')) {
        shift = degree[0] == 'b' ? -1 : 1;
        degree.remove_prefix(1);
    }
    if (degree.size() != 1 || degree[0] < '1' || degree[0] > '9') return false;
    constexpr int kMajor[] = {0, 2, 4, 5, 7, 9, 11, 12, 14};
    const int step = degree[0] - '1';
    int value = kMajor[step];
    // Unaltered third, fifth and seventh follow the chord, so one bass line fits every chord.
    const auto has = [&](int a) {
        return std::find(chord.intervals.begin(), chord.intervals.end(), a) !=
               chord.intervals.end();
    };
    if (shift == 0) {
        if (step == 2) value = has(3) ? 3 : has(4) ? 4 : has(5) ? 5 : 4;
        if (step == 4) value = has(6) ? 6 : has(8) ? 8 : 7;
        if (step == 6) value = has(11) ? 11 : 10;
    }
    semitones = value + shift + octave;
    return true;
}

void Score::Fail(std::string message) {
    if (m_status.ok()) m_status = Status::Fail(std::move(message));
}

size_t Score::Jittered(double beat, double spread) {
    const double seconds = std::max(0.0, beat * BeatSeconds() + spread * m_rng.Bipolar());
    return Frames(seconds);
}

void Score::Note(Bus bus, const Voice& voice, int midi, double at, double beats, float gain,
                 float velocity, float pan, double glideFromMidi) {
    KeyPress key;
    key.frequency = MidiToHz(midi);
    key.gate = beats * BeatSeconds();
    key.velocity = velocity;
    key.glideFrom = glideFromMidi > 0.0 ? MidiToHz(glideFromMidi) : 0.0;
    const std::vector<float> sound = voice(key, m_rng);
    m_buses[static_cast<size_t>(bus)].Mix(Jittered(at, 0.003), sound, gain, pan);
}

double Score::Melody(Bus bus, const Voice& voice, std::string_view text, double at, float gain,
                     float pan, int transpose, double legato) {
    std::vector<ScoreNote> notes;
    double beats = 0.0;
    if (Status s = ParseNotes(text, notes, beats); !s) {
        Fail(s.message());
        return at;
    }
    for (const ScoreNote& note : notes) {
        const double length = note.beats * (note.shortNote ? 0.35 : legato);
        const float velocity = note.velocity * static_cast<float>(m_rng.Range(0.93, 1.0));
        for (int pitch : note.pitches)
            Note(bus, voice, pitch + transpose, at + note.beat, length, gain, velocity, pan);
    }
    return at + beats;
}

namespace {

// Each chord tone moved into [low, low + 12), so that changes move by small steps.
std::vector<int> CloseVoicing(const ChordSpan& chord, int low) {
    std::vector<int> pitches;
    for (int interval : chord.intervals) {
        const int pc = (chord.root + interval) % 12;
        int pitch = low + ((pc - low) % 12 + 12) % 12;
        pitches.push_back(pitch);
    }
    std::sort(pitches.begin(), pitches.end());
    pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
    return pitches;
}

}  // namespace

double Score::Chords(Bus bus, const Voice& voice, std::string_view chordText,
                     std::string_view rhythmText, double at, int lowMidi, float gain, float pan,
                     int transpose, double legato) {
    std::vector<ChordSpan> chords;
    std::vector<ScoreNote> rhythm;
    double beats = 0.0, rhythmBeats = 0.0;
    if (Status s = ParseChords(chordText, chords, beats); !s) {
        Fail(s.message());
        return at;
    }
    if (!rhythmText.empty()) {
        // The rhythm uses 'x' for a strike: read it as notes on a dummy pitch.
        std::string asNotes(rhythmText);
        for (size_t i = 0; i < asNotes.size(); ++i) {
            if (asNotes[i] == 'x' &&
                (i == 0 || std::isspace(static_cast<unsigned char>(asNotes[i - 1]))))
                asNotes.replace(i, 1, "c4");
        }
        if (Status s = ParseNotes(asNotes, rhythm, rhythmBeats); !s) {
            Fail("rhythm: " + s.message());
            return at;
        }
    }
    for (const ChordSpan& chord : chords) {
        const std::vector<int> pitches = CloseVoicing(chord, lowMidi - transpose);
        const double start = at + chord.beat;
        if (rhythm.empty()) {
            for (int p : pitches)
                Note(bus, voice, p + transpose, start, chord.beats * legato, gain, 0.75f, pan);
            continue;
        }
        for (double offset = 0.0; offset < chord.beats - 1e-9; offset += rhythmBeats) {
            for (const ScoreNote& hit : rhythm) {
                if (hit.pitches.empty() || offset + hit.beat >= chord.beats - 1e-9) continue;
                const double length = std::min(hit.beats, chord.beats - offset - hit.beat) *
                                      (hit.shortNote ? 0.35 : legato);
                for (int p : pitches)
                    Note(bus, voice, p + transpose, start + offset + hit.beat, length, gain,
                         hit.velocity * 0.9f, pan);
            }
        }
    }
    return at + beats;
}

double Score::Pattern(Bus bus, const Voice& voice, std::string_view chordText,
                      std::string_view patternText, double at, int lowMidi, float gain, float pan,
                      int transpose, double legato) {
    std::vector<ChordSpan> chords;
    double beats = 0.0;
    if (Status s = ParseChords(chordText, chords, beats); !s) {
        Fail(s.message());
        return at;
    }
    struct Step {
        double beat, beats;
        std::string degree;
        float velocity;
        bool shortNote;
    };
    std::vector<Step> steps;
    double patternBeats = 0.0, length = 1.0;
    for (std::string_view token : Tokens(patternText)) {
        const Token t = SplitToken(token);
        if (!t.ok) {
            Fail("the step '" + std::string(token) + "' has a bad length");
            return at;
        }
        if (t.beats) length = *t.beats;
        steps.push_back({patternBeats, length, std::string(t.body), Velocity(t.marks),
                         t.marks.find('~') != std::string_view::npos});
        patternBeats += length;
    }
    if (steps.empty() || patternBeats <= 0.0) return at + beats;
    for (const ChordSpan& chord : chords) {
        const int rootMidi = lowMidi + ((chord.root - lowMidi) % 12 + 12) % 12;
        for (double offset = 0.0; offset < chord.beats - 1e-9; offset += patternBeats) {
            for (const Step& step : steps) {
                if (step.degree == "-" || offset + step.beat >= chord.beats - 1e-9) continue;
                int semitones = 0;
                if (!DegreeToSemitones(step.degree, chord, semitones)) {
                    Fail("'" + step.degree + "' is not a degree");
                    return at;
                }
                const double noteBeats = std::min(step.beats, chord.beats - offset - step.beat) *
                                         (step.shortNote ? 0.35 : legato);
                Note(bus, voice, rootMidi + semitones + transpose,
                     at + chord.beat + offset + step.beat, noteBeats, gain,
                     step.velocity * static_cast<float>(m_rng.Range(0.9, 1.0)), pan);
            }
        }
    }
    return at + beats;
}

namespace {

struct DrumVoice {
    Drum drum;
    float pan;
};

std::optional<DrumVoice> DrumFor(char letter) {
    switch (letter) {
        case 'k':
            return DrumVoice{Drum::Kick, 0.0f};
        case 's':
            return DrumVoice{Drum::Snare, 0.05f};
        case 'r':
            return DrumVoice{Drum::Rim, 0.1f};
        case 'c':
            return DrumVoice{Drum::Clap, -0.05f};
        case 'h':
            return DrumVoice{Drum::ClosedHat, 0.3f};
        case 'o':
            return DrumVoice{Drum::OpenHat, 0.3f};
        case 'y':
            return DrumVoice{Drum::Crash, -0.35f};
        case 'd':
            return DrumVoice{Drum::Ride, 0.4f};
        case 't':
            return DrumVoice{Drum::TomHigh, -0.2f};
        case 'm':
            return DrumVoice{Drum::TomMid, 0.05f};
        case 'l':
            return DrumVoice{Drum::TomLow, 0.3f};
        case 'p':
            return DrumVoice{Drum::Timpani, -0.1f};
        case 'z':
            return DrumVoice{Drum::Shaker, -0.4f};
        case 'j':
            return DrumVoice{Drum::Tambourine, 0.45f};
        case 'w':
            return DrumVoice{Drum::Woodblock, -0.3f};
        case 'q':
            return DrumVoice{Drum::Clop, 0.0f};
        case 'b':
            return DrumVoice{Drum::Brush, 0.1f};
        case 'v':
            return DrumVoice{Drum::Cowbell, -0.25f};
        default:
            return std::nullopt;
    }
}

float StepVelocity(char step) {
    switch (step) {
        case 'X':
            return 1.0f;
        case 'x':
            return 0.75f;
        case 'g':
            return 0.3f;
        default:
            return 0.0f;
    }
}

}  // namespace

void Score::Drums(std::span<const std::string_view> lines, double at, int bars, float gain,
                  double swing, double beatsPerBar) {
    std::map<char, std::vector<std::string_view>> byDrum;
    // A bar divides into halves, thirds and quarters; any other count is a slip of the pen that
    // would drag every later hit off the beat.
    constexpr std::string_view::size_type kSteps[] = {3, 4, 6, 8, 12, 16, 24, 32};
    for (std::string_view line : lines) {
        if (line.size() < 3 || line[1] != ':' || !DrumFor(line[0]) ||
            std::find(std::begin(kSteps), std::end(kSteps), line.size() - 2) == std::end(kSteps)) {
            Fail("the drum line '" + std::string(line) + "' is malformed");
            return;
        }
        byDrum[line[0]].push_back(line.substr(2));
    }
    for (int bar = 0; bar < bars; ++bar) {
        for (const auto& [letter, patterns] : byDrum) {
            const std::string_view steps = patterns[static_cast<size_t>(bar) % patterns.size()];
            const DrumVoice voice = *DrumFor(letter);
            const double stepBeats = beatsPerBar / static_cast<double>(steps.size());
            for (size_t i = 0; i < steps.size(); ++i) {
                const float velocity = StepVelocity(steps[i]);
                if (velocity <= 0.0f) continue;
                double beat = at + bar * beatsPerBar + static_cast<double>(i) * stepBeats;
                if (i % 2 == 1) beat += swing * stepBeats;
                const float v = velocity * static_cast<float>(m_rng.Range(0.88, 1.0));
                const std::vector<float> hit = HitDrum(voice.drum, v, m_rng);
                m_buses[static_cast<size_t>(Bus::Drums)].Mix(Jittered(beat, 0.002), hit, gain,
                                                             voice.pan);
            }
        }
    }
}

void Score::Hit(Drum drum, double at, float velocity, double pitch) {
    const std::vector<float> hit = HitDrum(drum, velocity, m_rng, pitch);
    m_buses[static_cast<size_t>(Bus::Drums)].Mix(FrameAt(at), hit, 1.0f, 0.0f);
}

void Score::Place(Bus bus, std::span<const float> mono, double at, float gain, float pan) {
    m_buses[static_cast<size_t>(bus)].Mix(FrameAt(at), mono, gain, pan);
}

namespace {

// A copy of the track with one side delayed: the ear hears the part from the side that leads,
// and the two sides no longer cancel into mono.
Track Spread(const Track& bus, double ms) {
    if (ms == 0.0) return {};
    const size_t lag = Frames(std::abs(ms) / 1000.0);
    Track out(bus.Frames() + lag);
    std::vector<float>& late = ms > 0.0 ? out.Right() : out.Left();
    std::vector<float>& early = ms > 0.0 ? out.Left() : out.Right();
    const std::vector<float>& lateIn = ms > 0.0 ? bus.Right() : bus.Left();
    const std::vector<float>& earlyIn = ms > 0.0 ? bus.Left() : bus.Right();
    std::copy(earlyIn.begin(), earlyIn.end(), early.begin());
    std::copy(lateIn.begin(), lateIn.end(), late.begin() + static_cast<std::ptrdiff_t>(lag));
    return out;
}

}  // namespace

Track Score::Mix(const MixSettings& settings) const {
    Track master, reverbSend, echoSend;
    for (size_t b = 0; b < kBusCount; ++b) {
        if (m_buses[b].Frames() == 0) continue;
        const Track spread = Spread(m_buses[b], settings.spreadMs[b]);
        const Track& bus = settings.spreadMs[b] == 0.0 ? m_buses[b] : spread;
        master.Mix(0, bus, settings.gain[b]);
        if (settings.reverb[b] > 0.0f)
            reverbSend.Mix(0, bus, settings.gain[b] * settings.reverb[b]);
        if (settings.echo[b] > 0.0f) echoSend.Mix(0, bus, settings.gain[b] * settings.echo[b]);
    }
    if (echoSend.Frames() > 0) {
        const Track echoes =
            Echo(echoSend, settings.echoBeats * BeatSeconds(), settings.echoFeedback);
        master.Mix(0, echoes, 1.0f);
        reverbSend.Mix(0, echoes, 0.3f);
    }
    if (reverbSend.Frames() > 0) master.Mix(0, Reverb(reverbSend, settings.room), 1.0f);
    return master;
}

}  // namespace qvx::content::sounds
