#pragma once
// The building blocks of our synthesiser: a seeded noise source, band-limited oscillators,
// envelopes, a state-variable filter, stereo tracks with a mixer, a delay and a reverb, and the
// level control that keeps every file at its loudness without clipping.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qvx::content::sounds {

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// Seconds to whole sample frames (never negative).
size_t Frames(double seconds);
// Equal temperament, A4 = 440 Hz = MIDI note 69.
double MidiToHz(double midi);
// Linear gain of a level in dB (full scale = 0 dB).
float DbToGain(double db);
double GainToDb(double gain);

// SplitMix64: small, fast and the same on every platform, so a seed always gives the same sound.
class SoundRng {
  public:
    explicit SoundRng(uint64_t seed) : m_state(seed) {}
    uint64_t Next();
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    // Uniform in [-1, 1).
    float Bipolar() { return static_cast<float>(Unit() * 2.0 - 1.0); }
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    // Uniform 0..n-1; 0 for n <= 0.
    int Below(int n);

  private:
    uint64_t m_state;
};

// A generator for one named sound of one seed: every file gets a stream of its own.
SoundRng RngFor(uint64_t seed, std::string_view name);

enum class Wave { Sine, Saw, Square, Triangle };

// Saw and square use polyBLEP corrections at their steps so that high notes do not alias;
// the triangle's harmonics fall fast enough to go without.
class Oscillator {
  public:
    explicit Oscillator(Wave wave, double phase = 0.0) : m_wave(wave), m_phase(phase) {}
    float Next(double frequency);
    // Pulse width of the square, 0.05..0.95.
    void SetWidth(double width) { m_width = width; }

  private:
    Wave m_wave;
    double m_phase;
    double m_width = 0.5;
};

// Attack, decay and release in seconds, sustain as a level 0..1. Attack is linear; decay and
// release are exponential, which sounds natural and never clicks.
struct Adsr {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.8;
    double release = 0.1;
};

class Envelope {
  public:
    Envelope(const Adsr& shape, double gateSeconds);
    float Next();
    // The number of frames after which the envelope has died away.
    size_t Length() const { return m_length; }

  private:
    Adsr m_shape;
    size_t m_gate;
    size_t m_length;
    size_t m_attackFrames;
    size_t m_position = 0;
    double m_level = 0.0;
    double m_attackStep;
    double m_decayCoef;
    double m_releaseCoef;
};

// Zavalishin's trapezoidal state-variable filter: stable when its cutoff moves every sample.
class Svf {
  public:
    struct Out {
        float low;
        float band;
        float high;
    };
    Svf(double cutoff = 1000.0, double q = 0.707) { Set(cutoff, q); }
    void Set(double cutoff, double q);
    Out Process(float input);
    float Low(float input) { return Process(input).low; }
    float Band(float input) { return Process(input).band; }
    float High(float input) { return Process(input).high; }

  private:
    double m_a1 = 0, m_a2 = 0, m_a3 = 0, m_k = 1.4;
    double m_ic1 = 0, m_ic2 = 0;
};

// A stereo signal that grows as sound is mixed into it.
class Track {
  public:
    Track() = default;
    explicit Track(size_t frames) : m_left(frames, 0.0f), m_right(frames, 0.0f) {}

    size_t Frames() const { return m_left.size(); }
    double Seconds() const { return static_cast<double>(Frames()) / kSampleRate; }
    void Resize(size_t frames);
    std::vector<float>& Left() { return m_left; }
    std::vector<float>& Right() { return m_right; }
    const std::vector<float>& Left() const { return m_left; }
    const std::vector<float>& Right() const { return m_right; }

    // Adds a mono signal at a frame, -1 = left .. 1 = right with a constant-power law.
    void Mix(size_t at, std::span<const float> mono, float gain, float pan = 0.0f);
    void Mix(size_t at, const Track& other, float gain);
    void Scale(float gain);
    // Folds everything past `frames` back onto the start, so a looped track carries its echoes
    // and tails across the seam, and cuts the track to that length.
    void FoldInto(size_t frames);
    // Short fades at both ends so that nothing starts or stops with a click.
    void FadeEdges(double inSeconds, double outSeconds);

  private:
    std::vector<float> m_left;
    std::vector<float> m_right;
};

// The echoes alone of a ping-pong delay whose repeats darken as they bounce.
Track Echo(const Track& input, double seconds, float feedback);

// Cuts what follows the last sample louder than `belowPeakDb` under the peak.
void TrimTail(Track& track, double belowPeakDb);

// A Schroeder-Moorer reverb (parallel combs into series all-passes); size and damping 0..1.
struct ReverbSettings {
    float size = 0.7f;
    float damping = 0.4f;
    float wet = 0.25f;
};
// The reverberated sound of `input` alone (the dry signal is not included).
Track Reverb(const Track& input, const ReverbSettings& settings);

// The mean power of the loud part of a sound, in dBFS: 50 ms blocks quieter than 20 dB under
// the whole's mean do not count, so a door's click and the silence around it are not averaged
// into a meaningless figure.
double GatedRmsDb(const Track& track);
double PeakDb(const Track& track);
double PeakDb(std::span<const float> samples);

// Brings the sound's gated level to `targetRmsDb` and keeps every sample under `ceilingDb` with a
// look-ahead limiter (transients lose a little, the body keeps its level).
void SetLevel(Track& track, double targetRmsDb, double ceilingDb);

}  // namespace qvx::content::sounds
