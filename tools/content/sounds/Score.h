#pragma once
// A tiny sequencer. Music is written as text, positioned in beats:
//   notes    "e5:.5 g5 c6+e6:2! -:1 _:1"  pitch:beats (the length carries over), '+' for a
//            chord, '-' a rest, '_' holds the previous note longer, '!' accent, '?' soft,
//            '~' short; '|' is ignored and only helps the eye
//   chords   "C:4 Am7 F G7:2"             a symbol per span (default a bar of four beats)
//   degrees  "1:.75 1:.25 5:.5 8 b7,"     steps of the chord playing at that moment, for bass
//            lines and arpeggios; "'" an octave up, "," an octave down
//   drums    "k:x...x...x...x..."         one bar per line, the steps spread evenly: 'x' a
//            hit, 'X' accent, 'g' ghost
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Instruments.h"
#include "SoundKit.h"
#include "Status.h"

namespace qvx::content::sounds {

struct ScoreNote {
    double beat = 0.0;
    double beats = 1.0;
    std::vector<int> pitches;  // MIDI numbers; empty = rest
    float velocity = 0.8f;
    bool shortNote = false;
};
// Parses a line of notes; `beats` receives its total length.
Status ParseNotes(std::string_view text, std::vector<ScoreNote>& notes, double& beats);

struct ChordSpan {
    double beat = 0.0;
    double beats = 4.0;
    int root = 0;  // pitch class, C = 0
    std::vector<int> intervals;
};
Status ParseChords(std::string_view text, std::vector<ChordSpan>& chords, double& beats);

// A degree such as "b7" or "5'" as semitones above the chord's root.
bool DegreeToSemitones(std::string_view degree, const ChordSpan& chord, int& semitones);

enum class Bus { Lead, Keys, Pad, Bass, Drums, Extra };
constexpr size_t kBusCount = 6;

struct MixSettings {
    std::array<float, kBusCount> gain = {1, 1, 1, 1, 1, 1};
    std::array<float, kBusCount> reverb = {0.2f, 0.15f, 0.3f, 0.02f, 0.08f, 0.2f};
    std::array<float, kBusCount> echo = {0.15f, 0, 0, 0, 0, 0};
    ReverbSettings room = {0.65f, 0.45f, 0.3f};
    double echoBeats = 0.75;
    float echoFeedback = 0.32f;
    // Milliseconds one side of a bus lags the other (negative: the left lags), so that parts
    // spread across the stereo field instead of sitting in the middle; 0 leaves a bus as it is.
    std::array<double, kBusCount> spreadMs = {0, 0, 0, 0, 0, 0};
};

class Score {
  public:
    Score(double bpm, SoundRng rng) : m_bpm(bpm), m_rng(rng) {}

    double BeatSeconds() const { return 60.0 / m_bpm; }
    size_t FrameAt(double beat) const { return Frames(beat * BeatSeconds()); }
    SoundRng& Rng() { return m_rng; }
    // The first error in any score text, reported by the file's generation.
    const Status& status() const { return m_status; }

    // Returns the beat where the line ends.
    double Melody(Bus bus, const Voice& voice, std::string_view notes, double at, float gain,
                  float pan = 0.0f, int transpose = 0, double legato = 0.92);
    // Each chord struck on the rhythm's 'x' tokens (an empty rhythm holds the chord), voiced
    // close inside the octave from `lowMidi` up.
    double Chords(Bus bus, const Voice& voice, std::string_view chords, std::string_view rhythm,
                  double at, int lowMidi, float gain, float pan = 0.0f, int transpose = 0,
                  double legato = 0.9);
    // A degree pattern restarted on every chord and cut where the chord ends.
    double Pattern(Bus bus, const Voice& voice, std::string_view chords, std::string_view pattern,
                   double at, int lowMidi, float gain, float pan = 0.0f, int transpose = 0,
                   double legato = 0.85);
    // `bars` bars cycling through the lines' bar patterns (lines with the same instrument
    // letter follow each other bar by bar).
    void Drums(std::span<const std::string_view> lines, double at, int bars, float gain = 1.0f,
               double swing = 0.0, double beatsPerBar = 4.0);
    void Hit(Drum drum, double at, float velocity, double pitch = 1.0);
    void Place(Bus bus, std::span<const float> mono, double at, float gain, float pan = 0.0f);
    void Note(Bus bus, const Voice& voice, int midi, double at, double beats, float gain,
              float velocity = 0.8f, float pan = 0.0f, double glideFromMidi = 0.0);

    Track Mix(const MixSettings& settings) const;

  private:
    void Fail(std::string message);
    size_t Jittered(double beat, double spread);

    double m_bpm;
    SoundRng m_rng;
    std::array<Track, kBusCount> m_buses;
    Status m_status = Status::Ok();
};

}  // namespace qvx::content::sounds
