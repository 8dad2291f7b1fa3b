// The one-shot effects: the button click, the little fanfare for a counted spot, the cash
// register and the coins of a payment, and a car horn from the street.
#include <algorithm>
#include <array>
#include <cmath>

#include "Foley.h"
#include "Instruments.h"
#include "Recipes.h"
#include "Score.h"

namespace qvx::content::sounds {

namespace {

Status ComposeButton(SoundRng& rng, Track& out) {
    Foley foley(0.06);
    foley.Add(0.0, Click(3500.0, 0.0008, rng), 0.8f);
    std::vector<float> blip(Frames(0.03));
    for (size_t i = 0; i < blip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        blip[i] = static_cast<float>(0.5 * std::sin(2.0 * kPi * 2000.0 * t) * std::exp(-t / 0.004) +
                                     0.4 * std::sin(2.0 * kPi * 600.0 * t) * std::exp(-t / 0.008));
    }
    foley.Add(0.0, blip, 1.0f);
    foley.Add(0.024, Click(4200.0, 0.0006, rng), 0.35f);  // the key comes back up
    out = foley.ToTrack({0.2f, 0.5f, 0.0f});
    out.Resize(Frames(0.06));
    out.FadeEdges(0.0, 0.01);
    return Status::Ok();
}

// A short, bright brass flourish for a counted spot: a triplet run up to a held major chord,
// a tuba under it and a snare pickup, and no cymbal to wash it out.
Status ComposeFanfare(SoundRng& rng, Track& out) {
    Patch bright;
    bright.wave = Wave::Saw;
    bright.unison = 2;
    bright.detuneCents = 5.0;
    bright.amp = {0.01, 0.18, 0.8, 0.12};
    bright.cutoff = 2200.0;
    bright.q = 1.0;
    bright.keyTrack = 0.6;
    bright.envAmount = 3.5;
    bright.filterEnv = {0.015, 0.2, 0.55, 0.12};
    bright.scoopCents = -25.0;
    const Voice trumpet = Subtractive(bright);
    Score s(160.0, rng);
    s.Melody(Bus::Lead, trumpet, "g4:.3333~ c5~ e5~ g5:.5! e5:.25~ g5+c6+e6:1.25!", 0.0, 0.5f,
             0.15f);
    s.Melody(Bus::Keys, trumpet, "-:1.5 e5+g5:1.25!", 0.0, 0.3f, -0.2f);
    s.Melody(Bus::Bass, Tuba(), "c3:.5~ g2:.5~ -:.5 c2:1.25!", 0.0, 0.6f);
    s.Hit(Drum::Snare, 0.0, 0.35f);
    s.Hit(Drum::Snare, 0.3333, 0.4f);
    s.Hit(Drum::Snare, 0.6667, 0.5f);
    s.Hit(Drum::Snare, 1.75, 0.6f);
    s.Hit(Drum::Kick, 1.75, 0.8f);
    if (!s.status()) return s.status();
    MixSettings mix;
    mix.room = {0.5f, 0.45f, 0.22f};
    out = s.Mix(mix);
    out.Resize(std::min(out.Frames(), Frames(1.3)));
    out.FadeEdges(0.0, 0.2);
    return Status::Ok();
}

// Key clunks, the ratchet of the mechanism, the bell and the drawer springing open.
Status ComposeRegister(SoundRng& rng, Track& out) {
    constexpr std::array<Mode, 4> kBell = {
        {{1.0, 1.0, 0.7}, {2.76, 0.45, 0.35}, {5.4, 0.25, 0.18}, {8.93, 0.1, 0.08}}};
    Foley foley(1.4);
    for (double at : {0.0, 0.09}) {
        foley.Add(at, Click(1800.0, 0.004, rng), 0.5f);
        foley.Add(at, Thump(210.0, 0.012, rng), 0.4f);
    }
    for (int k = 0; k < 8; ++k)
        foley.Add(0.15 + k * 0.028, Click(rng.Range(3000.0, 4000.0), 0.002, rng),
                  0.35f - 0.02f * static_cast<float>(k));
    foley.Add(0.4, Struck(2637.0, kBell, 1.0, rng), 0.45f);
    foley.Add(0.41, Struck(3520.0, kBell, 0.9, rng), 0.25f);
    foley.Add(0.42, Thump(120.0, 0.03, rng), 0.6f);
    foley.Add(0.42, Scrape(0.2, 700.0, 1100.0, 1.0, false, rng), 0.35f);
    foley.Add(0.63, Thump(105.0, 0.05, rng), 0.8f);  // the drawer hits its stop
    constexpr std::array<Mode, 3> kCoin = {
        {{1.0, 1.0, 0.06}, {1.48, 0.6, 0.05}, {2.13, 0.4, 0.03}}};
    for (int k = 0; k < 4; ++k)
        foley.Add(0.635 + k * 0.012, Struck(rng.Range(4000.0, 6000.0), kCoin, 0.15, rng), 0.12f);
    out = foley.ToTrack({0.35f, 0.5f, 0.18f});
    out.Resize(Frames(1.4));
    out.FadeEdges(0.0, 0.1);
    return Status::Ok();
}

// A handful of coins dropped on the counter, bouncing, one spinning down at the end.
Status ComposeCoins(SoundRng& rng, Track& out) {
    constexpr std::array<Mode, 4> kCoin = {
        {{1.0, 1.0, 0.12}, {1.48, 0.6, 0.09}, {2.13, 0.4, 0.06}, {2.9, 0.25, 0.04}}};
    Foley foley(1.4);
    double t = 0.02;
    for (int k = 0; k < 10; ++k) {
        const double pitch = rng.Range(3600.0, 6200.0);
        const float loud = static_cast<float>(rng.Range(0.35, 0.8));
        foley.Add(t, Struck(pitch, kCoin, 0.35, rng), loud);
        foley.Add(t + rng.Range(0.04, 0.07), Struck(pitch, kCoin, 0.2, rng), loud * 0.4f);
        t += rng.Range(0.02, 0.08);
    }
    double gap = 0.06;
    const double spinPitch = rng.Range(4200.0, 5200.0);
    for (float level = 0.45f; t < 1.2 && level > 0.05f; level *= 0.88f) {
        foley.Add(t, Struck(spinPitch, kCoin, 0.12, rng), level);
        t += gap;
        gap *= 0.85;
    }
    out = foley.ToTrack({0.35f, 0.5f, 0.15f});
    out.Resize(Frames(1.35));
    out.FadeEdges(0.0, 0.1);
    return Status::Ok();
}

// Two horn tones a third apart, a short beep and a long one, heard from across the street.
Status ComposeCarHorn(SoundRng& rng, Track& out) {
    const double seconds = 1.3;
    std::vector<float> horn(Frames(seconds));
    Oscillator lowHorn(Wave::Square), highHorn(Wave::Square);
    lowHorn.SetWidth(0.35);
    highHorn.SetWidth(0.35);
    Svf throat(1800.0, 0.9), distance(3500.0, 0.7);
    const auto gate = [](double t, double on, double off) {
        if (t < on || t > off + 0.03) return 0.0;
        return std::min(1.0, (t - on) / 0.012) * std::min(1.0, (off + 0.03 - t) / 0.03);
    };
    for (size_t i = 0; i < horn.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = gate(t, 0.05, 0.24) + gate(t, 0.38, 0.95);
        const double droop = 1.0 - 0.02 * std::exp(-t / 0.05);
        const float raw = lowHorn.Next(415.0 * droop) + highHorn.Next(523.0 * droop);
        const float driven = std::tanh(2.5f * raw) * static_cast<float>(env);
        horn[i] = distance.Low(throat.Band(driven) + 0.3f * driven) +
                  0.01f * rng.Bipolar() * static_cast<float>(env);
    }
    Foley foley(seconds);
    foley.Add(0.0, horn, 1.0f);
    out = foley.ToTrack({0.8f, 0.6f, 0.3f});
    out.Resize(Frames(seconds));
    out.FadeEdges(0.0, 0.15);
    return Status::Ok();
}

}  // namespace

std::vector<Recipe> EffectRecipes() {
    return {
        {"button.wav", SoundKind::Effect, 1, ComposeButton, -18.0},
        {"fanfare.wav", SoundKind::Effect, 2, ComposeFanfare},
        {"payment1.wav", SoundKind::Effect, 1, ComposeRegister},
        {"payment2.wav", SoundKind::Effect, 1, ComposeCoins},
        {"Car_Horn_2.wav", SoundKind::Effect, 1, ComposeCarHorn, -20.0},
    };
}

}  // namespace qvx::content::sounds
