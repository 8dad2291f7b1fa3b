#pragma once
// Small physical sounds that the office and the effects are assembled from: clicks, thumps,
// struck metal, scraping noise and a motor.
#include <span>
#include <vector>

#include "SoundKit.h"

namespace qvx::content::sounds {

// A mono sound that grows as pieces are laid into it at given times.
class Foley {
  public:
    explicit Foley(double seconds) : m_samples(Frames(seconds), 0.0f) {}
    void Add(double at, std::span<const float> sound, float gain);
    std::vector<float>& Samples() { return m_samples; }
    // The finished sound, dry plus `room` reverb, as a centred track.
    Track ToTrack(const ReverbSettings& room) const;

  private:
    std::vector<float> m_samples;
};

// A sharp tick: a band of noise at `frequency` with a short ping.
std::vector<float> Click(double frequency, double decay, SoundRng& rng);
// A low knock whose pitch drops a little as it dies.
std::vector<float> Thump(double frequency, double decay, SoundRng& rng);

struct Mode {
    double ratio;
    double amplitude;
    double decay;  // seconds
};
// A struck object ringing in its modes (bells, coins, springs).
std::vector<float> Struck(double frequency, std::span<const Mode> modes, double seconds,
                          SoundRng& rng);
// Noise through a band that moves from one centre to another, rising in level (fadeIn) or
// falling: sliding, scraping and rushing.
std::vector<float> Scrape(double seconds, double fromHz, double toHz, double q, bool fadeIn,
                          SoundRng& rng);
// A small electric motor: its hum and the whine of its gears, sliding in speed.
std::vector<float> Motor(double seconds, double fromHz, double toHz, SoundRng& rng);

}  // namespace qvx::content::sounds
