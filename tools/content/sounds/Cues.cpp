// The genre cues: a few seconds each that tell the viewer what kind of programme starts, and
// the news theme.
#include <algorithm>
#include <cmath>
#include <string>

#include "Recipes.h"
#include "Score.h"

namespace qvx::content::sounds {

namespace {

constexpr double kLongestCue = 7.8;

double TimpaniPitch(double midi) {
    return MidiToHz(midi) / MidiToHz(41.0);
}

Status FinishCue(const Score& score, const MixSettings& mix, double lastBeat, double ringSeconds,
                 Track& out) {
    if (!score.status()) return score.status();
    out = score.Mix(mix);
    out.Resize(std::min(out.Frames(), score.FrameAt(lastBeat) + Frames(ringSeconds)));
    TrimTail(out, 60.0);
    if (out.Seconds() > kLongestCue) out.Resize(Frames(kLongestCue));
    out.FadeEdges(0.0, 0.25);
    return Status::Ok();
}

MixSettings CueMix() {
    MixSettings mix;
    mix.gain = {1.0f, 0.9f, 0.85f, 1.0f, 0.85f, 0.9f};
    return mix;
}

// A spring's "boing": a sine that wobbles around its pitch as it settles.
std::vector<float> Boing(double base, double seconds) {
    std::vector<float> out(Frames(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = base * (1.0 + 0.5 * std::exp(-t / 0.25) * std::sin(2.0 * kPi * 13.0 * t)) *
                         (1.0 + 0.6 * t);
        phase += f / kSampleRate;
        const double wave = std::sin(2.0 * kPi * phase) + 0.3 * std::sin(4.0 * kPi * phase);
        out[i] = static_cast<float>(wave * std::exp(-t / 0.3) * std::min(1.0, t / 0.005));
    }
    return out;
}

// Band-passed noise whose centre climbs and whose level swells: tension rising.
std::vector<float> Riser(double seconds, double fromHz, double toHz, SoundRng& rng) {
    std::vector<float> out(Frames(seconds));
    Svf band;
    for (size_t i = 0; i < out.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(out.size());
        if (i % 16 == 0) band.Set(fromHz * std::pow(toHz / fromHz, u), 2.5);
        out[i] = band.Band(rng.Bipolar()) * static_cast<float>(u * u);
    }
    return out;
}

// Repeats one note or chord `count` times: the bowed tremolo of nervous strings.
std::string Repeated(std::string_view note, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(note) + " ";
    return text;
}

// A crash cymbal grabbed by the hand a moment after it is struck: the accent without the long
// wash, so that the cue ends on its own last chord.
std::vector<float> ChokedCymbal(float velocity, SoundRng& rng, double holdSeconds = 0.12) {
    std::vector<float> hit = HitDrum(Drum::Crash, velocity, rng);
    const size_t hold = Frames(holdSeconds);
    hit.resize(std::min(hit.size(), hold + Frames(0.2)));
    for (size_t i = hold; i < hit.size(); ++i)
        hit[i] *=
            static_cast<float>(std::exp(-static_cast<double>(i - hold) / (0.025 * kSampleRate)));
    return hit;
}

void Choke(Score& s, double at, float velocity, float pan = -0.3f) {
    s.Place(Bus::Drums, ChokedCymbal(velocity, s.Rng()), at, 1.0f, pan);
}

// A stadium's electric organ: square and sine drawbars a octave apart, a quick attack and the
// flutter of a rotating speaker.
Voice StadiumOrgan() {
    Patch p;
    p.wave = Wave::Square;
    p.width = 0.5;
    p.wave2 = Wave::Sine;
    p.mix2 = 0.6f;
    p.ratio2 = 2.0;
    p.amp = {0.006, 0.05, 0.95, 0.07};
    p.cutoff = 2600.0;
    p.q = 0.8;
    p.keyTrack = 0.4;
    p.vibratoHz = 6.8;
    p.vibratoCents = 14.0;
    p.vibratoDelay = 0.0;
    return Subtractive(p);
}

// A bugle-bright horn for calls and flourishes: the band's brass with its filter opened.
Voice BrightBrass() {
    Patch p;
    p.wave = Wave::Saw;
    p.unison = 2;
    p.detuneCents = 5.0;
    p.amp = {0.012, 0.2, 0.8, 0.12};
    p.cutoff = 1900.0;
    p.q = 1.0;
    p.keyTrack = 0.6;
    p.envAmount = 3.2;
    p.filterEnv = {0.02, 0.25, 0.5, 0.15};
    p.vibratoHz = 5.6;
    p.vibratoCents = 8.0;
    p.vibratoDelay = 0.3;
    p.scoopCents = -30.0;
    return Subtractive(p);
}

// A sine that slides between notes and wavers: the theremin of old space films.
Voice Theremin() {
    Patch p;
    p.wave = Wave::Sine;
    p.wave2 = Wave::Triangle;
    p.mix2 = 0.25f;
    p.amp = {0.12, 0.2, 0.9, 0.35};
    p.cutoff = 6000.0;
    p.keyTrack = 0.0;
    p.vibratoHz = 6.2;
    p.vibratoCents = 28.0;
    p.vibratoDelay = 0.1;
    return Subtractive(p);
}

Status ComposeAction(SoundRng& rng, Track& out) {
    // A chase: B minor at full tilt, a sixteenth-note bass, brass stabs and tom runs.
    Score s(150.0, rng);
    constexpr std::string_view chords = "Bm:2 G:2 A:2 F#:2 Bm:2 G:2 A:2 F#:2";
    s.Pattern(Bus::Bass, SynthBass(), chords, "1:.25 1 8 1", 0.0, 35, 0.9f);
    s.Chords(Bus::Extra, Brass(), chords, "x:.5! -:.25 x:.25~ x:1", 0.0, 59, 0.38f, -0.25f);
    s.Melody(Bus::Lead, LeadSynth(),
             "f#5:.5 b5 c#6 d6:1 c#6:.5 | a5:.5 b5 c#6:1 a#5:1 | "
             "f#5:.5 b5 c#6 d6:1 e6:.5 | f#6:1 e6:.5 d6:.5 c#6:2",
             0.0, 0.3f, 0.2f);
    constexpr std::string_view groove[] = {"k:x..x..x.x..x....", "s:....X.......X..x",
                                           "h:xxxxxxxxxxxxxxxx"};
    constexpr std::string_view fill[] = {"k:x.......x.......", "t:x.x.x.x.........",
                                         "m:........x.x.....", "l:............x.xx"};
    s.Drums(groove, 0.0, 3);
    s.Drums(fill, 12.0, 1);
    Choke(s, 0.0, 0.7f);
    s.Melody(Bus::Extra, Brass(), "b3+f#4+b4+d5:.75!", 16.0, 0.5f);
    s.Melody(Bus::Bass, SynthBass(), "b1+b2:.75!", 16.0, 0.9f);
    s.Hit(Drum::Kick, 16.0, 1.0f);
    s.Hit(Drum::TomLow, 16.0, 0.9f);
    Choke(s, 16.0, 1.0f);
    return FinishCue(s, CueMix(), 17.0, 0.8, out);
}

Status ComposeCartoon(SoundRng& rng, Track& out) {
    // Written in C, played in D: clear of the crime cue's C minor.
    constexpr int kKey = 2;
    Score s(150.0, rng);
    s.Melody(Bus::Lead, Xylophone(),
             "c6:.5~ e6~ g6~ c7~ b6:.25 a6 g6 f6 e6:.5~ d6~ | "
             "c6:.25 d6 e6 f6 g6:.5 -:.5 g6:.25 a6 b6 -:.25 c7:1!",
             0.0, 0.55f, 0.15f, kKey);
    s.Melody(Bus::Bass, Tuba(), "c2:1~ g2~ c2~ g2~ | f2~ g2~ c2:1! -:1", 0.0, 0.8f, 0.0f, kKey);
    s.Chords(Bus::Keys, Pizzicato(), "C:4 F:1 G:1 C:2", "-:.5 x:.5~", 0.0, 60, 0.3f, -0.25f, kKey);
    constexpr std::string_view drums[] = {"w:x.g.x.g.x.g.x.g.", "w:x.g.x.g.x.x.x..."};
    s.Drums(drums, 0.0, 2);
    s.Place(Bus::Extra, Boing(190.0, 0.8), 8.0, 0.6f);
    return FinishCue(s, CueMix(), 9.0, 1.0, out);
}

Status ComposeCrime(SoundRng& rng, Track& out) {
    Score s(96.0, rng);
    s.Melody(Bus::Bass, FingerBass(), "c2:1 eb2 g2 a2 | ab2:1 c3 g2 b1", 0.0, 0.9f);
    s.Melody(Bus::Lead, MutedTrumpet(),
             "g4:.75 c5:.25 eb5:1 d5:.5 c5 g4:1 | f5:.75 eb5:.25 c5:1 d5:.75 b4:.25 g4:1", 0.0,
             0.45f, 0.15f);
    s.Chords(Bus::Keys, Piano(), "Cm6:4 Ab7:2 G7:2", "x:1.5 x:.5~", 0.0, 58, 0.28f, -0.2f);
    constexpr std::string_view drums[] = {"d:x..x.xx..x.x", "h:...x.....x..", "b:...x.....x.."};
    s.Drums(drums, 0.0, 2, 0.8f);
    s.Melody(Bus::Keys, Piano(), "c2+c3+g3+eb4+b4:.5! -:.25 c2+c3+g3+eb4+b4:2!", 8.0, 0.45f);
    s.Melody(Bus::Lead, MutedTrumpet(), "-:.75 b5:2!", 8.0, 0.35f);
    s.Melody(Bus::Bass, FingerBass(), "c2:.5! -:.25 c2:2!", 8.0, 0.9f);
    s.Hit(Drum::Timpani, 8.75, 0.8f, TimpaniPitch(36));
    s.Hit(Drum::Ride, 8.75, 0.6f);
    return FinishCue(s, CueMix(), 11.0, 0.8, out);
}

Status ComposeSoap(SoundRng& rng, Track& out) {
    Score s(90.0, rng);
    constexpr std::string_view chords = "Ebmaj7:2 Cm7:2 Abmaj7:1 Bb7:1 Ebmaj7:3";
    s.Chords(Bus::Pad, Strings(), chords, "", 0.0, 55, 0.3f, -0.2f);
    s.Pattern(Bus::Keys, Harp(), chords, "1:.25 5 8 3' 5' 3' 8 5", 0.0, 51, 0.35f, 0.3f);
    s.Pattern(Bus::Bass, Strings(), chords, "1:2", 0.0, 39, 0.3f);
    s.Melody(Bus::Lead, Strings(), "g5:1.5 f5:.5 eb5:1 g5:1 c6:1 bb5:.5 ab5:.5 g5:3", 0.0, 0.4f);
    s.Melody(Bus::Lead, SoftLead(), "g5:1.5 f5:.5 eb5:1 g5:1 c6:1 bb5:.5 ab5:.5 g5:3", 0.0, 0.15f,
             0.2f);
    s.Note(Bus::Extra, Glockenspiel(), 91, 6.0, 2.0, 0.2f, 0.6f, 0.3f);
    MixSettings mix = CueMix();
    mix.reverb = {0.35f, 0.35f, 0.4f, 0.1f, 0.1f, 0.4f};
    return FinishCue(s, mix, 9.0, 1.5, out);
}

Status ComposeThriller(SoundRng& rng, Track& out) {
    Score s(60.0, rng);  // a beat is a second
    Patch tremolo;
    tremolo.wave = Wave::Saw;
    tremolo.unison = 2;
    tremolo.detuneCents = 8.0;
    tremolo.amp = {0.01, 0.05, 0.9, 0.05};
    tremolo.cutoff = 3500.0;
    const Voice nervous = Subtractive(tremolo);
    s.Melody(Bus::Pad, Strings(), "a2+e3:5?", 0.0, 0.35f);
    s.Note(Bus::Bass, SynthBass(), 33, 0.0, 5.0, 0.4f, 0.6f);
    s.Melody(Bus::Extra, nervous, Repeated("e6+f6:.0625?", 64), 0.0, 0.12f, 0.3f);
    for (double beat : {0.0, 0.9, 1.7, 2.4, 3.0, 3.5, 3.9})
        for (double offset : {0.0, 0.22})
            s.Hit(Drum::Kick, beat + offset, offset == 0.0 ? 0.8f : 0.55f);
    s.Place(Bus::Extra, Riser(4.0, 300.0, 5000.0, s.Rng()), 0.0, 0.5f);
    // The sting.
    s.Melody(Bus::Lead, Brass(), "c4+db4+g4+ab4:1.2!", 4.0, 0.5f);
    s.Melody(Bus::Keys, Piano(), "c1+c2+db2+g2:1.5!", 4.0, 0.5f);
    Choke(s, 4.0, 1.0f);
    s.Hit(Drum::Timpani, 4.0, 1.0f, TimpaniPitch(36));
    s.Hit(Drum::Kick, 4.0, 1.0f);
    return FinishCue(s, CueMix(), 5.5, 0.9, out);
}

Status ComposeQuiz(SoundRng& rng, Track& out) {
    Score s(128.0, rng);
    s.Melody(Bus::Lead, Brass(),
             "c5:.5~ e5~ g5~ c6~ e5:.25~ g5~ c6~ e6~ g5~ c6~ e6~ g6~ | "
             "c6+e6+g6:.5! -:.5 c6+e6+g6:.5! -:.5 c6+e6+g6+c7:2!",
             0.0, 0.45f);
    s.Melody(Bus::Extra, Glockenspiel(), "-:1 g6:.5 c7:.5 e7:2!", 4.0, 0.3f, 0.3f);
    s.Melody(Bus::Bass, SynthBass(),
             "c2:.5~ c2~ c2~ c2~ e2~ e2~ g2~ g2~ | c2:.5! -:.5 c2:.5! -:.5 c2+c3:2!", 0.0, 0.8f);
    constexpr std::string_view drums[] = {"k:x...x...x...x...", "k:X...X...X.......",
                                          "s:ggggxxxxxxxxXXXX", "s:X...X...X......."};
    s.Drums(drums, 0.0, 2);
    Choke(s, 4.0, 0.9f);
    Choke(s, 6.0, 1.0f);
    return FinishCue(s, CueMix(), 8.5, 1.2, out);
}

Status ComposeCultural(SoundRng& rng, Track& out) {
    Score s(100.0, rng);
    constexpr std::string_view chords = "G:2 C:2 D7:2 G:2";
    s.Pattern(Bus::Keys, Harpsichord(), chords, "1:.25 5 3' 5", 0.0, 55, 0.35f, 0.2f);
    s.Pattern(Bus::Bass, Harpsichord(), chords, "1:1 5,:1", 0.0, 43, 0.4f, -0.1f);
    s.Chords(Bus::Pad, Strings(), chords, "", 0.0, 55, 0.15f, -0.3f);
    s.Melody(Bus::Lead, Flute(),
             "d5:.5 g5 b5 a5:.25 g5 | e5:.5 g5 c6 b5:.25 a5 | a5:.5 f#5 d5 c6 | b5:2", 0.0, 0.45f,
             0.1f);
    s.Melody(Bus::Keys, Harpsichord(), "g2+g3+b3+d4+g4:1.5", 8.0, 0.4f);
    s.Melody(Bus::Lead, Flute(), "g5:1.5", 8.0, 0.45f, 0.1f);
    return FinishCue(s, CueMix(), 9.5, 1.0, out);
}

Status ComposeSports(SoundRng& rng, Track& out) {
    // The stadium: an organ's "charge!" call in D over four-on-the-floor and the crowd's claps.
    Score s(126.0, rng);
    constexpr std::string_view chords = "D:2 G:2 A:2 D:2";
    const Voice organ = StadiumOrgan();
    s.Melody(Bus::Lead, organ, "a4:.5~ d5:.5~ f#5:.5~ a5:1 f#5:.5 a5:1!", 0.0, 0.42f, 0.1f);
    s.Melody(Bus::Lead, organ, "a4:.5~ d5:.5~ f#5:.5~ a5:1 f#5:.5 a5:1!", 4.0, 0.42f, 0.1f, 2);
    s.Chords(Bus::Keys, organ, chords, "x:.5~ -:.5 x:.5~ -:.5", 0.0, 57, 0.2f, -0.3f);
    s.Pattern(Bus::Bass, FingerBass(), chords, "1:1 5, 1 5,", 0.0, 38, 0.8f);
    constexpr std::string_view drums[] = {"k:x...x...x...x...", "c:....x.......x...",
                                          "c:....x.......x.x."};
    s.Drums(drums, 0.0, 2);
    s.Melody(Bus::Lead, organ, "d5+f#5+a5+d6:2!", 8.0, 0.45f, 0.1f);
    s.Melody(Bus::Bass, FingerBass(), "d2:2!", 8.0, 0.9f);
    for (double at : {8.0, 8.5, 9.0})
        s.Hit(Drum::Clap, at, 0.9f);
    s.Hit(Drum::Kick, 8.0, 1.0f);
    return FinishCue(s, CueMix(), 10.0, 0.9, out);
}

Status ComposeWar(SoundRng& rng, Track& out) {
    // A march in F minor: a field drum's rolls and a bugle's call over a tuba.
    Score s(104.0, rng);
    s.Melody(Bus::Lead, BrightBrass(),
             "c4:.75 f4:.25 f4:1 ab4:.75 f4:.25 c5:1 | "
             "c5:.75 db5:.25 c5:.5 bb4:.5 ab4:.75 g4:.25 f4:1",
             0.0, 0.45f, 0.1f);
    s.Melody(Bus::Bass, Tuba(), "f2:1~ c2~ f2~ c2~ | db2~ c2~ f2:1 c2:1", 0.0, 0.8f);
    s.Chords(Bus::Pad, Brass(), "Fm:4 Db:2 C:2", "x:1 -:1 x:1 -:1", 0.0, 53, 0.22f, -0.3f);
    constexpr std::string_view drums[] = {"s:X..xX..xX.xxX.xx", "s:X..xX..xxxxxXxXx",
                                          "b:x...x...x...x..."};
    s.Drums(drums, 0.0, 2);
    s.Melody(Bus::Lead, BrightBrass(), "c4+f4+ab4+c5:1.5!", 8.0, 0.5f, 0.1f);
    s.Melody(Bus::Bass, Tuba(), "f1+f2:1.5!", 8.0, 0.9f);
    s.Hit(Drum::Snare, 8.0, 1.0f);
    s.Hit(Drum::Kick, 8.0, 1.0f);
    return FinishCue(s, CueMix(), 9.5, 0.8, out);
}

Status ComposeWestern(SoundRng& rng, Track& out) {
    Score s(110.0, rng);
    s.Melody(Bus::Lead, Twang(), "e3:.5 g3:.5 a3:.5 bb3:.25 b3:1.25 -:1 | e4:.5 d4 b3 g3 a3:1 e3:1",
             0.0, 0.5f, -0.15f);
    s.Melody(Bus::Extra, Whistle(), "b4:1.5 e5:.5 g5:2 | f#5:1 e5:.5 d5:.5 e5:2", 0.0, 0.35f, 0.2f);
    s.Melody(Bus::Bass, FingerBass(), "e2:1 b1 e2 b1 | e2 b1 a1 b1", 0.0, 0.8f);
    constexpr std::string_view gallop[] = {"q:x.xxx.xxx.xxx.xx"};
    s.Drums(gallop, 0.0, 2, 0.8f);
    // The last chord strummed, string after string.
    const Voice twang = Twang();
    int string = 0;
    for (int midi : {40, 47, 52, 55, 59})
        s.Note(Bus::Lead, twang, midi, 8.0 + 0.04 * string++, 2.0, 0.3f, 0.8f, -0.15f);
    s.Melody(Bus::Bass, FingerBass(), "e1+e2:2", 8.0, 0.8f);
    MixSettings mix = CueMix();
    mix.echo = {0.3f, 0, 0, 0, 0, 0.15f};
    mix.echoBeats = 0.5;
    return FinishCue(s, mix, 10.0, 0.8, out);
}

Status ComposeComedy(SoundRng& rng, Track& out) {
    Score s(132.0, rng);
    s.Melody(Bus::Lead, MutedTrumpet(),
             "a4:.5~ c5:.5~ f5:.5~ e5:.25~ f5:.25~ g5:.5~ f5:.5~ d5:1 | "
             "c5:.5~ e5~ g5~ bb5:.25 a5:.25 g5:.5 e5:.5 c5:1",
             0.0, 0.45f);
    s.Pattern(Bus::Bass, Tuba(), "F:4 C7:4", "1:.5~ -:.5 5,:.5~ -:.5", 0.0, 41, 0.8f);
    s.Chords(Bus::Keys, Pizzicato(), "F:4 C7:4", "-:.5 x:.5~", 0.0, 60, 0.3f, 0.25f);
    constexpr std::string_view drums[] = {"w:x.g.x.g.x.g.x.g."};
    s.Drums(drums, 0.0, 2, 0.7f);
    // Ba-dum-tss.
    s.Hit(Drum::Snare, 8.0, 0.9f);
    s.Hit(Drum::TomLow, 8.5, 0.9f);
    s.Hit(Drum::Kick, 9.0, 1.0f);
    Choke(s, 9.0, 0.7f, 0.3f);
    return FinishCue(s, CueMix(), 9.5, 1.3, out);
}

Status ComposeMedieval(SoundRng& rng, Track& out) {
    Score s(126.0, rng);
    constexpr std::string_view chords = "Dm:3 C:3 Dm:3 Am:1.5 Dm:1.5";
    Patch pipe;
    pipe.wave = Wave::Saw;
    pipe.wave2 = Wave::Square;
    pipe.mix2 = 0.5f;
    pipe.ratio2 = 2.0;
    pipe.amp = {0.3, 0.3, 0.9, 0.5};
    pipe.cutoff = 900.0;
    pipe.q = 2.0;
    s.Melody(Bus::Pad, Subtractive(pipe), "d3+a3:13.5?", 0.0, 0.2f);
    s.Pattern(Bus::Keys, Lute(), chords, "1:.5 5 8 5 8 5", 0.0, 50, 0.45f, 0.25f);
    s.Melody(
        Bus::Lead, Flute(),
        "d5:.5 e5 f5:1 e5:.5 d5 | c5:.5 d5 e5:1 c5:1 | d5:.5 e5 f5 g5 a5:1 | g5:.5 f5 e5:1 d5:1",
        0.0, 0.45f, -0.1f);
    constexpr std::string_view drums[] = {"j:X.x.x.", "l:x....."};
    s.Drums(drums, 0.0, 4, 0.8f, 0.0, 3.0);
    s.Melody(Bus::Keys, Lute(), "d3+a3+d4:1.5", 12.0, 0.5f, 0.25f);
    s.Melody(Bus::Lead, Flute(), "d5:1.5", 12.0, 0.45f, -0.1f);
    s.Hit(Drum::Tambourine, 12.0, 0.9f);
    s.Hit(Drum::TomLow, 12.0, 0.9f);
    return FinishCue(s, CueMix(), 13.5, 0.8, out);
}

Status ComposeDrama(SoundRng& rng, Track& out) {
    Score s(84.0, rng);
    constexpr std::string_view chords = "Am:2 F:2 Dm:1 E:1 Am:2";
    s.Pattern(Bus::Keys, Piano(), chords, "1:.5 5 8 3'", 0.0, 45, 0.35f, -0.15f);
    s.Melody(Bus::Lead, Piano(), "e5:1.5 d5:.5 c5:1 a4:1 f5:1 e5:.5 g#4:.5 a4:2", 0.0, 0.45f, 0.1f);
    s.Chords(Bus::Pad, Strings(), chords, "", 0.0, 52, 0.25f, 0.25f);
    s.Pattern(Bus::Bass, Strings(), chords, "1:2", 0.0, 33, 0.3f);
    MixSettings mix = CueMix();
    mix.reverb = {0.3f, 0.3f, 0.35f, 0.1f, 0.1f, 0.3f};
    return FinishCue(s, mix, 8.0, 1.8, out);
}

Status ComposeSciFi(SoundRng& rng, Track& out) {
    // Major chords a third apart that belong to no one key, a bubbling arpeggio in the echo
    // and a theremin gliding over them: somewhere far from here.
    Score s(96.0, rng);
    constexpr std::string_view chords = "Bb:2 D:2 Gb:2 D:2";
    s.Pattern(Bus::Extra, AcidArp(), chords, "1:.25 5 8 5' 3' 8 5 3", 0.0, 58, 0.3f, 0.0f, 0, 0.6);
    s.Chords(Bus::Pad, WarmPad(), chords, "", 0.0, 58, 0.25f);
    s.Pattern(Bus::Bass, SynthBass(), chords, "1:1 1'", 0.0, 34, 0.45f);
    const Voice theremin = Theremin();
    s.Note(Bus::Lead, theremin, 77, 0.0, 2.0, 0.3f, 0.7f, -0.2f);
    s.Note(Bus::Lead, theremin, 78, 2.0, 2.0, 0.3f, 0.7f, -0.2f, 77);
    s.Note(Bus::Lead, theremin, 73, 4.0, 2.0, 0.3f, 0.7f, -0.2f, 78);
    s.Note(Bus::Lead, theremin, 81, 6.0, 2.0, 0.3f, 0.7f, -0.2f, 73);
    s.Note(Bus::Lead, theremin, 82, 8.0, 2.0, 0.3f, 0.7f, -0.2f, 81);
    s.Chords(Bus::Pad, WarmPad(), "Bb:2", "", 8.0, 58, 0.25f);
    s.Note(Bus::Lead, Glockenspiel(), 94, 8.0, 2.0, 0.25f, 0.7f, 0.3f);
    MixSettings mix = CueMix();
    mix.echo = {0.3f, 0, 0, 0, 0, 0.35f};
    mix.echoFeedback = 0.45f;
    return FinishCue(s, mix, 10.0, 1.2, out);
}

Status ComposeNews(SoundRng& rng, Track& out) {
    // The ticker in G minor: a teleprinter's stutter of short notes over electric piano and a
    // ticking rim, ending on a bell's "ding" rather than a fanfare.
    Score s(120.0, rng);
    constexpr std::string_view chords = "Gm:2 Eb:2 Cm:2 D:2";
    s.Melody(
        Bus::Lead, ChipLead(),
        "d6:.25~ -:.25 d6:.25~ d6~ -:.25 d6~ -:.25 d6~ d6~ d6~ -:.25 d6~ -:.25 d6~ d6~ -:.25 | "
        "g6:.25~ -:.25 g6~ d6~ -:.25 g6~ -:.25 d6~ g6~ d6~ -:.25 g6~ -:.25 f#6~ g6~ -:.25",
        0.0, 0.22f, 0.25f);
    s.Chords(Bus::Keys, EPiano(), chords, "x:1.5 x:.5~", 0.0, 55, 0.4f, -0.2f);
    s.Pattern(Bus::Bass, SynthBass(), chords, "1:.5~ 1:.5~ 1:.5~ 8:.5~", 0.0, 31, 0.7f);
    constexpr std::string_view drums[] = {"k:x.......x.......", "r:..x...x...x...xx",
                                          "h:xxxxxxxxxxxxxxxx"};
    s.Drums(drums, 0.0, 2, 0.8f);
    s.Melody(Bus::Keys, EPiano(), "g3+d4+g4+bb4:2!", 8.0, 0.5f, -0.2f);
    s.Melody(Bus::Lead, ChipLead(), "g6:.25~ g6~ g6~ -:.25 g6:1!", 8.0, 0.22f, 0.25f);
    s.Melody(Bus::Bass, SynthBass(), "g1+g2:2", 8.0, 0.8f);
    s.Note(Bus::Extra, Vibraphone(), 79, 8.0, 2.0, 0.45f, 0.9f, 0.2f);
    s.Note(Bus::Extra, Glockenspiel(), 91, 8.0, 2.0, 0.3f, 0.9f, 0.2f);
    return FinishCue(s, CueMix(), 10.0, 1.0, out);
}

// A tape running at speed: the motor's rising hum, the rush of the tape and the chatter of
// sound played far too fast. It holds a steady level for longer than Play is held through an
// evening (about 6 s), and when it does run out, the tape slows and fades instead of stopping.
Status ComposeFastForward(SoundRng& rng, Track& out) {
    const double seconds = 8.6;
    const double windDown = 0.8;  // the last stretch, where the motor slows
    out = Track(Frames(seconds));
    Oscillator motor(Wave::Saw), whine(Wave::Sine);
    Svf motorFilter(700.0, 0.9), hiss(3500.0, 0.8), chatter(1500.0, 4.0), chatter2(2500.0, 5.0);
    double chatterTarget = 1500.0, chatterCentre = 1500.0, chirp = 0.0, chirpFreq = 2000.0;
    size_t nextChange = 0;
    float chirpLevel = 0.0f;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double toEnd = std::max(0.0, t - (seconds - windDown)) / windDown;
        const double speed = (1.0 - 0.6 * std::exp(-t / 0.25)) * (1.0 - 0.35 * toEnd * toEnd);
        const double wobble = 1.0 + 0.02 * std::sin(2.0 * kPi * 9.0 * t);
        if (i == nextChange) {
            chatterTarget = rng.Range(700.0, 3200.0);
            chirpFreq = rng.Range(1200.0, 3800.0);
            chirpLevel = rng.Unit() < 0.45 ? static_cast<float>(rng.Range(0.2, 0.5)) : 0.0f;
            nextChange += Frames(rng.Range(0.025, 0.06));
        }
        chatterCentre += (chatterTarget - chatterCentre) * 0.004;
        if (i % 16 == 0) {
            motorFilter.Set(500.0 + 600.0 * speed, 0.9);
            chatter.Set(chatterCentre, 4.0);
            chatter2.Set(chatterCentre * 1.7, 5.0);
        }
        chirp += (chirpFreq * speed - chirp) * 0.01;
        const float noise = rng.Bipolar();
        const float hum = motorFilter.Low(motor.Next(95.0 * speed * wobble)) * 0.5f;
        const float rush = hiss.Band(noise) * 0.35f;
        const float voices = (chatter.Band(noise) + 0.6f * chatter2.Band(noise)) * 0.9f *
                             static_cast<float>(0.6 + 0.4 * std::sin(2.0 * kPi * 23.0 * t));
        const float squeak = whine.Next(chirp) * chirpLevel * 0.25f;
        const float level = static_cast<float>(speed * (1.0 - toEnd * toEnd * (3.0 - 2.0 * toEnd)));
        const float sample = (hum + rush + voices + squeak) * level;
        const float spread = 0.15f * hiss.Band(rng.Bipolar());
        out.Left()[i] = sample + spread * level;
        out.Right()[i] = sample - spread * level;
    }
    out.FadeEdges(0.03, 0.05);
    return Status::Ok();
}

}  // namespace

std::vector<Recipe> CueRecipes() {
    return {
        {"Action_Cue.ogg", SoundKind::Cue, 2, ComposeAction},
        {"Cartoon_Cue.ogg", SoundKind::Cue, 2, ComposeCartoon},
        {"Crime_Drama_Cue.ogg", SoundKind::Cue, 2, ComposeCrime},
        {"Soap_Cue.ogg", SoundKind::Cue, 2, ComposeSoap},
        {"Thriller_Cue_2.ogg", SoundKind::Cue, 2, ComposeThriller},
        {"Quiz_Show_Cue.ogg", SoundKind::Cue, 2, ComposeQuiz},
        {"Cultural_Cue.ogg", SoundKind::Cue, 2, ComposeCultural},
        {"Live_Sports_Cue.ogg", SoundKind::Cue, 2, ComposeSports},
        {"War_Action_Movie_Cue.ogg", SoundKind::Cue, 2, ComposeWar},
        {"Western_Cue.ogg", SoundKind::Cue, 2, ComposeWestern},
        {"Comedy_Cue.ogg", SoundKind::Cue, 2, ComposeComedy},
        {"Medieval_Cue.ogg", SoundKind::Cue, 2, ComposeMedieval},
        {"Drama_Cue.ogg", SoundKind::Cue, 2, ComposeDrama},
        {"Sci-Fi-Cue_2.ogg", SoundKind::Cue, 2, ComposeSciFi},
        {"News_Theme_Cue.ogg", SoundKind::Cue, 2, ComposeNews},
        {"Fast_Forward.ogg", SoundKind::Cue, 2, ComposeFastForward},
    };
}

}  // namespace qvx::content::sounds
