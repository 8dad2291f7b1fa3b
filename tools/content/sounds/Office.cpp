// The office around the player: colleagues talking (voices made of formants, never words),
// typing, the VCR, the telephone and the door.
#include <algorithm>
#include <array>
#include <cmath>

#include "Foley.h"
#include "Recipes.h"

namespace qvx::content::sounds {

namespace {

// Resonances of the vocal tract for a few vowels (F1, F2, F3 in Hz).
struct Vowel {
    double f1, f2, f3;
};
constexpr std::array<Vowel, 6> kVowels = {{{800, 1200, 2500},
                                           {500, 1900, 2550},
                                           {320, 2300, 3000},
                                           {500, 900, 2400},
                                           {350, 800, 2300},
                                           {650, 1700, 2450}}};

struct Syllable {
    double start, length;
    size_t vowel;
    double pitch;
    bool hiss;  // starts with a consonant's hiss
};

// The rhythm of speech: phrases of syllables with falling pitch, separated by pauses. A laugh is
// a run of short, high, breathy "ha"s.
std::vector<Syllable> Phrases(double seconds, bool laughs, SoundRng& rng) {
    std::vector<Syllable> syllables;
    double t = rng.Range(0.0, 0.6);
    while (t < seconds) {
        const bool laugh = laughs && rng.Unit() < 0.3;
        const int count = laugh ? 4 + rng.Below(3) : 3 + rng.Below(8);
        for (int k = 0; k < count && t < seconds; ++k) {
            const double fall = 1.12 - 0.25 * k / std::max(1, count - 1);
            Syllable s;
            s.start = t;
            s.length = laugh ? rng.Range(0.08, 0.11) : rng.Range(0.09, 0.26);
            s.vowel = laugh ? 0 : static_cast<size_t>(rng.Below(static_cast<int>(kVowels.size())));
            s.pitch = laugh ? 1.5 - 0.06 * k : fall * (1.0 + 0.08 * rng.Bipolar());
            s.hiss = laugh || rng.Unit() < 0.45;
            syllables.push_back(s);
            t += s.length + (laugh ? 0.05 : rng.Range(0.0, 0.05));
        }
        t += rng.Range(0.25, 0.9);
    }
    return syllables;
}

std::vector<float> Talker(double seconds, double basePitch, bool laughs, SoundRng& rng) {
    std::vector<float> out(Frames(seconds));
    const std::vector<Syllable> syllables = Phrases(seconds, laughs, rng);
    Oscillator glottis(Wave::Saw);
    Svf f1, f2, f3, hiss(5500.0, 1.0);
    Vowel current = kVowels[0];
    double pitch = basePitch, level = 0.0, hissLevel = 0.0;
    size_t next = 0;
    const Syllable* active = nullptr;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        while (next < syllables.size() && syllables[next].start <= t)
            active = &syllables[next++];
        double targetLevel = 0.0, targetHiss = 0.0;
        if (active != nullptr && t < active->start + active->length) {
            const double u = (t - active->start) / active->length;
            targetLevel = std::sqrt(std::sin(kPi * u));
            if (active->hiss && t - active->start < 0.03) targetHiss = 0.5;
            const Vowel& v = kVowels[active->vowel];
            current.f1 += (v.f1 - current.f1) * 0.002;
            current.f2 += (v.f2 - current.f2) * 0.002;
            current.f3 += (v.f3 - current.f3) * 0.002;
            pitch += (basePitch * active->pitch - pitch) * 0.001;
        }
        level += (targetLevel - level) * 0.004;
        hissLevel += (targetHiss - hissLevel) * 0.01;
        if (i % 16 == 0) {
            f1.Set(current.f1, 6.0);
            f2.Set(current.f2, 9.0);
            f3.Set(current.f3, 12.0);
        }
        const float noise = rng.Bipolar();
        const float source = glottis.Next(pitch) + 0.08f * noise;
        const float voiced = f1.Band(source) + 0.6f * f2.Band(source) + 0.3f * f3.Band(source);
        out[i] = voiced * static_cast<float>(level) +
                 hiss.Band(noise) * static_cast<float>(hissLevel) * 0.6f;
    }
    return out;
}

// Colleagues at a distance: every voice its own pitch and loudness, all softened by the room.
Track Murmur(double seconds, std::span<const double> pitches, bool laughs, SoundRng& rng) {
    Foley room(seconds);
    for (size_t v = 0; v < pitches.size(); ++v) {
        const std::vector<float> voice =
            Talker(seconds, pitches[v] * rng.Range(0.93, 1.07), laughs && v == 0, rng);
        room.Add(0.0, voice, static_cast<float>(rng.Range(0.35, 1.0)));
    }
    Svf wall(2600.0, 0.7);
    for (float& s : room.Samples())
        s = wall.Low(s);
    Track out = room.ToTrack({0.55f, 0.6f, 0.35f});
    out.Resize(Frames(seconds));
    out.FadeEdges(0.3, 0.4);
    return out;
}

Status ComposeChatter3(SoundRng& rng, Track& out) {
    constexpr std::array<double, 6> kPitches = {108.0, 122.0, 140.0, 185.0, 205.0, 228.0};
    out = Murmur(3.7, kPitches, false, rng);
    return Status::Ok();
}

Status ComposeChatter4(SoundRng& rng, Track& out) {
    constexpr std::array<double, 4> kPitches = {215.0, 115.0, 196.0, 132.0};
    out = Murmur(3.6, kPitches, true, rng);
    return Status::Ok();
}

// One key: the press (a plastic tick over a low thock) and, a little later, the release.
void Keystroke(Foley& foley, double at, bool spaceBar, SoundRng& rng) {
    const double bright = rng.Range(2400.0, 4200.0);
    foley.Add(at, Click(bright, 0.0025, rng), 0.7f);
    foley.Add(at, Thump(spaceBar ? 140.0 : rng.Range(220.0, 330.0), spaceBar ? 0.02 : 0.01, rng),
              spaceBar ? 0.6f : 0.35f);
    foley.Add(at + rng.Range(0.05, 0.09), Click(bright * 1.2, 0.0015, rng), 0.3f);
}

Status ComposeTyping(SoundRng& rng, Track& out) {
    // The last key is pressed early enough for its release and the room to die away before the
    // file ends: the next ambience sound follows four seconds after this one started.
    const double seconds = 3.6, lastPress = seconds - 0.5;
    Foley foley(seconds);
    double t = 0.12;
    while (t < lastPress) {
        const int word = 3 + rng.Below(6);
        for (int k = 0; k < word && t < lastPress; ++k) {
            Keystroke(foley, t, false, rng);
            t += rng.Range(0.085, 0.19);
        }
        if (t < lastPress) Keystroke(foley, t, true, rng);
        t += rng.Range(0.13, 0.22);
        if (rng.Unit() < 0.18) t += rng.Range(0.3, 0.6);
    }
    out = foley.ToTrack({0.3f, 0.5f, 0.18f});
    out.Resize(Frames(seconds));
    out.FadeEdges(0.0, 0.1);
    return Status::Ok();
}

Status ComposeInsertTape(SoundRng& rng, Track& out) {
    Foley foley(3.0);
    foley.Add(0.0, Click(3000.0, 0.004, rng), 0.6f);                      // the flap
    foley.Add(0.02, Scrape(0.38, 900.0, 1800.0, 1.2, true, rng), 0.35f);  // the cassette slides in
    foley.Add(0.42, Thump(95.0, 0.05, rng), 0.8f);                        // taken by the mechanism
    foley.Add(0.42, Click(1800.0, 0.006, rng), 0.6f);
    foley.Add(0.55, Motor(1.75, 48.0, 62.0, rng), 0.35f);
    for (double at : {1.05, 1.5, 1.95})
        foley.Add(at, Click(rng.Range(2200.0, 3200.0), 0.005, rng), 0.4f);
    foley.Add(2.33, Thump(70.0, 0.06, rng), 0.7f);  // threaded and seated
    foley.Add(2.35, Click(2500.0, 0.004, rng), 0.5f);
    out = foley.ToTrack({0.35f, 0.5f, 0.2f});
    out.Resize(Frames(2.9));
    out.FadeEdges(0.0, 0.05);
    return Status::Ok();
}

Status ComposeEjectTape(SoundRng& rng, Track& out) {
    Foley foley(2.4);
    foley.Add(0.0, Click(2600.0, 0.004, rng), 0.6f);  // the button
    foley.Add(0.1, Motor(1.0, 60.0, 44.0, rng), 0.35f);
    foley.Add(0.5, Click(2900.0, 0.005, rng), 0.4f);
    foley.Add(1.12, Thump(110.0, 0.04, rng), 0.8f);  // the cassette pops up
    foley.Add(1.12, Click(2000.0, 0.006, rng), 0.6f);
    foley.Add(1.18, Scrape(0.32, 1700.0, 900.0, 1.2, false, rng), 0.35f);
    foley.Add(1.55, Click(3200.0, 0.004, rng), 0.5f);  // the flap closes
    out = foley.ToTrack({0.35f, 0.5f, 0.2f});
    out.Resize(Frames(2.1));
    out.FadeEdges(0.0, 0.05);
    return Status::Ok();
}

// An old desk telephone: a clapper hammering between two bells twenty times a second, in two
// rings of a second each with silence between them. The bells are damped enough that each
// strike is heard and the pause is a real pause.
Status ComposePhone(SoundRng& rng, Track& out) {
    constexpr std::array<Mode, 4> kBell = {
        {{1.0, 1.0, 0.13}, {2.1, 0.55, 0.08}, {3.9, 0.35, 0.05}, {5.4, 0.2, 0.035}}};
    const double seconds = 3.7;
    std::vector<float> ring(Frames(seconds), 0.0f);
    const std::array<double, 2> bells = {1100.0, 1310.0};
    std::array<std::array<double, 4>, 2> amp{}, phase{};
    std::array<double, 4> fade{};
    for (size_t m = 0; m < kBell.size(); ++m)
        fade[m] = std::exp(-1.0 / (kBell[m].decay * kSampleRate));
    size_t nextStrike = Frames(0.05);
    int strike = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const bool ringing = (t >= 0.05 && t < 1.05) || (t >= 1.95 && t < 2.95);
        if (ringing && i >= nextStrike) {
            const size_t bell = static_cast<size_t>(strike++ % 2);
            // The clapper never lands twice alike.
            const double force = 0.3 + 0.08 * rng.Unit();
            for (size_t m = 0; m < kBell.size(); ++m)
                amp[bell][m] += kBell[m].amplitude * force;
            nextStrike = i + Frames(0.025);
        } else if (!ringing) {
            nextStrike = std::max(nextStrike, i);
        }
        double sample = 0.0;
        for (size_t b = 0; b < bells.size(); ++b) {
            for (size_t m = 0; m < kBell.size(); ++m) {
                phase[b][m] += bells[b] * kBell[m].ratio / kSampleRate;
                phase[b][m] -= std::floor(phase[b][m]);
                sample += amp[b][m] * std::sin(2.0 * kPi * phase[b][m]);
                amp[b][m] *= fade[m];
            }
        }
        ring[i] = static_cast<float>(sample);
    }
    Foley foley(seconds);
    foley.Add(0.0, ring, 1.0f);
    out = foley.ToTrack({0.3f, 0.6f, 0.08f});
    out.Resize(Frames(seconds));
    out.FadeEdges(0.0, 0.2);
    return Status::Ok();
}

// A hinge that sticks and slips: a stream of tiny impulses at a wandering rate, ringing the
// door's wood.
std::vector<float> Creak(double seconds, SoundRng& rng) {
    std::vector<float> out(Frames(seconds));
    Svf wood(520.0, 12.0), panel(1250.0, 10.0), hinge(2400.0, 8.0);
    double rate = 40.0, target = 40.0, phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(out.size());
        if (i % Frames(0.05) == 0) target = rng.Range(25.0, 85.0);
        rate += (target - rate) * 0.0005;
        phase += rate / kSampleRate;
        float impulse = 0.0f;
        if (phase >= 1.0) {
            phase -= 1.0;
            impulse = 1.0f + 0.3f * rng.Bipolar();
        }
        const float ring =
            wood.Band(impulse) + 0.7f * panel.Band(impulse) + 0.4f * hinge.Band(impulse);
        out[i] = ring * static_cast<float>(std::sin(kPi * u));
    }
    return out;
}

Status ComposeDoor(SoundRng& rng, Track& out) {
    Foley foley(3.0);
    foley.Add(0.05, Click(2200.0, 0.006, rng), 0.6f);  // the handle goes down
    foley.Add(0.18, Click(1700.0, 0.008, rng), 0.5f);  // the latch lets go
    foley.Add(0.28, Creak(0.95, rng), 0.45f);
    foley.Add(1.55, Thump(62.0, 0.12, rng), 1.0f);  // shut
    foley.Add(1.55, Scrape(0.12, 300.0, 200.0, 0.8, false, rng), 0.5f);
    foley.Add(1.58, Click(2600.0, 0.005, rng), 0.6f);  // the latch catches
    out = foley.ToTrack({0.6f, 0.5f, 0.3f});
    out.Resize(Frames(2.8));
    out.FadeEdges(0.0, 0.1);
    return Status::Ok();
}

}  // namespace

std::vector<Recipe> OfficeRecipes() {
    return {
        {"People_Chatter_3.ogg", SoundKind::Ambience, 1, ComposeChatter3},
        {"People_Chatter_4.ogg", SoundKind::Ambience, 1, ComposeChatter4},
        {"Typing_3.ogg", SoundKind::Ambience, 1, ComposeTyping},
        {"VCR_InsertTape.ogg", SoundKind::Ambience, 1, ComposeInsertTape},
        {"VCR_EjectTape1.ogg", SoundKind::Ambience, 1, ComposeEjectTape},
        {"Office_Phone.ogg", SoundKind::Ambience, 1, ComposePhone},
        {"Office_Door_2.ogg", SoundKind::Ambience, 1, ComposeDoor},
    };
}

}  // namespace qvx::content::sounds
