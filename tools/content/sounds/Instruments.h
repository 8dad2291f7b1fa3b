#pragma once
// The instruments of our little studio band: voices that render one note to a mono signal
// (subtractive patches, plucked strings, electric and acoustic pianos, mallets) and the drum kit.
#include <functional>
#include <vector>

#include "SoundKit.h"

namespace qvx::content::sounds {

struct KeyPress {
    double frequency = 440.0;
    double gate = 0.5;  // seconds the key is held
    float velocity = 0.8f;
    double glideFrom = 0.0;  // Hz the note slides from over its first part; 0 = none
};

// Renders one note, release tail included.
using Voice = std::function<std::vector<float>(const KeyPress&, SoundRng&)>;

// Oscillators into a filter into an amplifier, the classic recipe.
struct Patch {
    Wave wave = Wave::Saw;
    int unison = 1;            // copies of the main oscillator, spread by `detuneCents`
    double detuneCents = 0.0;  // between neighbouring copies
    double width = 0.5;        // of a square
    Wave wave2 = Wave::Sine;
    float mix2 = 0.0f;
    double ratio2 = 1.0;  // second oscillator's frequency over the note's
    float noise = 0.0f;   // breath or bow
    Adsr amp;
    double cutoff = 4000.0;
    double q = 0.7;
    double keyTrack = 0.5;   // how far the cutoff follows the pitch (1 = fully)
    double envAmount = 0.0;  // cutoff multiplier added at the filter envelope's peak
    Adsr filterEnv;
    double vibratoHz = 0.0;
    double vibratoCents = 0.0;
    double vibratoDelay = 0.2;
    double scoopCents = 0.0;  // start this far off pitch and slide in, as brass players do
};
Voice Subtractive(const Patch& patch);

// Karplus-Strong: a burst of noise circulating in a tuned delay line.
struct PluckPatch {
    double brightness = 0.6;  // 0 dull .. 1 bright attack
    double decay = 1.5;       // seconds to fade by 60 dB
    double damping = 0.12;    // seconds the string rings after the key is let go
    double vibratoHz = 0.0;
    double vibratoCents = 0.0;
    float drive = 0.0f;  // soft saturation, for an amplified twang
    double body = 6000.0;
};
Voice Pluck(const PluckPatch& patch);

// The band's named voices.
Voice LeadSynth();
Voice SoftLead();
Voice Brass();
Voice Strings();
Voice WarmPad();
Voice FingerBass();
Voice SlapBass();
Voice SynthBass();
Voice AcidArp();
Voice ChipLead();
Voice Flute();
Voice Whistle();
Voice Tuba();
Voice MutedTrumpet();
Voice EPiano();
Voice Piano();
Voice Glockenspiel();
Voice Xylophone();
Voice Vibraphone();
Voice Harp();
Voice Harpsichord();
Voice Lute();
Voice Twang();
Voice Pizzicato();

enum class Drum {
    Kick,
    Snare,
    Rim,
    Clap,
    ClosedHat,
    OpenHat,
    Crash,
    Ride,
    TomHigh,
    TomMid,
    TomLow,
    Timpani,
    Shaker,
    Tambourine,
    Woodblock,
    Clop,
    Brush,
    Cowbell,
};
// One hit; `pitch` scales tuned drums (toms, timpani, woodblock).
std::vector<float> HitDrum(Drum drum, float velocity, SoundRng& rng, double pitch = 1.0);

}  // namespace qvx::content::sounds
