// The four music tracks of light studio pop and funk, with a lead tune over chords, a bass line
// and a drum kit. The music timer gives each track a fixed time (the intro 30 s, the background
// and prepping themes 62 s, the winning music 16 s) and then starts the next one, so each is
// written to close on its cadence just inside that time instead of being cut off mid-bar.
#include <algorithm>
#include <cmath>

#include "Recipes.h"
#include "Score.h"

namespace qvx::content::sounds {

namespace {

// Timpani are tuned to F2; these scale them to other notes.
double TimpaniPitch(double midi) {
    return MidiToHz(midi) / MidiToHz(41.0);
}

// A finished piece ends shortly after its last beat: the tails ring out and fade, then the
// track stops.
Status Finish(const Score& score, const MixSettings& mix, double lastBeat, double ringSeconds,
              double fadeSeconds, Track& out) {
    if (!score.status()) return score.status();
    out = score.Mix(mix);
    out.Resize(std::min(out.Frames(), score.FrameAt(lastBeat) + Frames(ringSeconds)));
    TrimTail(out, 70.0);
    out.FadeEdges(0.0, fadeSeconds);
    return Status::Ok();
}

// The band spread across the stereo field: keys lean one way and the pad the other, each a few
// milliseconds late on its far side; bass and kick stay in the middle.
MixSettings WideMix() {
    MixSettings mix;
    mix.spreadMs = {4.0, 11.0, -14.0, 0.0, 0.0, -8.0};
    return mix;
}

// ---- "Intro.ogg": a fanfare, then the show's theme in C major --------------------------------

constexpr std::string_view kIntroComp = "-:.5 x:.5 -:.5 x:.25 x:.25~ -:.5 x:.5 -:.5 x:.5";
constexpr std::string_view kIntroBass = "1:.75 1:.25~ -:.5 8:.5 -:.5 5:.5 8:.25~ 8:.25 5:.5";
constexpr std::string_view kIntroA = "C Am F G C Am Dm7:2 G7:2 C:4";
constexpr std::string_view kIntroTuneA =
    "e5:.5 g5 c6:.75 b5:.25 -:.5 g5:.5 e5 g5 | a5:1.5 g5:.5 e5:1 -:1 | "
    "f5:.5 a5 c6:.75 a5:.25 -:.5 f5:.5 a5 c6 | b5:1.5 a5:.5 g5:1 -:1 | "
    "e5:.5 g5 c6:.75 b5:.25 -:.5 g5:.5 e5 g5 | a5:.5 c6 e6:1 d6:.5 c6 a5:1 | "
    "d6:.75 c6:.25 a5:.5 f5 g5 a5 b5:1 | c6:2 -:2";
constexpr std::string_view kIntroGroove[] = {"k:x.....x.x....x..", "s:....x..g.g..x...",
                                             "h:xgxgxgxgxgxgxg.g", "o:..............x."};
constexpr std::string_view kIntroFill[] = {"k:x.....x.x.......", "s:....x...xxx.XXXX",
                                           "h:xgxgxgxg........"};

Status ComposeIntro(SoundRng& rng, Track& out) {
    Score s(116.0, rng);
    const Voice brass = Brass(), lead = LeadSynth(), keys = EPiano(), bass = FingerBass(),
                strings = Strings();

    // The fanfare: two bars of brass, timpani and cymbals.
    s.Melody(Bus::Extra, brass,
             "c5+e5+g5:.75! c5+e5+g5:.25 c5+e5+g5:.5 c5+e5+g5:.5 e5+g5+c6:2! | "
             "f5+a5+c6:.75! e5+g5+c6:.25 d5+f5+b5:.5 d5+g5+b5:.5 e5+g5+c6:2!",
             0.0, 0.5f);
    s.Melody(Bus::Bass, bass,
             "c2+c3:.75 c2+c3:.25 c2+c3:.5 c2+c3:.5 c2+c3:2 | "
             "f2+f3:.75 e2+e3:.25 g2+g3:.5 g2+g3:.5 c2+c3:2",
             0.0, 0.7f);
    s.Hit(Drum::Timpani, 0.0, 1.0f, TimpaniPitch(36));
    s.Hit(Drum::Timpani, 2.0, 0.8f, TimpaniPitch(43));
    s.Hit(Drum::Timpani, 4.0, 0.9f, TimpaniPitch(41));
    s.Hit(Drum::Timpani, 6.0, 1.0f, TimpaniPitch(36));
    s.Hit(Drum::Crash, 0.0, 0.8f);
    s.Hit(Drum::Crash, 6.0, 0.8f);
    constexpr std::string_view fanfare[] = {"k:X..xx.x.X.......", "s:X..xx.x.X.......",
                                            "s:X..xx.x.X...xxXX"};
    s.Drums(fanfare, 0.0, 2);

    const auto band = [&](std::string_view chords, double at, int bars, bool lush) {
        s.Chords(Bus::Keys, keys, chords, kIntroComp, at, 60, 0.32f, 0.25f);
        s.Pattern(Bus::Bass, bass, chords, kIntroBass, at, 36, 0.9f);
        if (lush) s.Chords(Bus::Pad, strings, chords, "", at, 55, 0.2f, -0.25f);
        s.Drums(kIntroGroove, at, bars - 1);
        s.Drums(kIntroFill, at + (bars - 1) * 4.0, 1);
    };
    // The theme once through, straight after the fanfare: 30 s hold the fanfare, the theme
    // and the ending at 116 beats a minute.
    s.Hit(Drum::Crash, 8.0, 0.7f);
    band(kIntroA, 8.0, 8, true);
    s.Melody(Bus::Lead, lead, kIntroTuneA, 8.0, 0.5f);
    constexpr std::string_view tambourine[] = {"j:....x.......x..."};
    s.Drums(tambourine, 24.0, 4);

    // The ending quotes the fanfare and lands on a held C at 27 s.
    s.Hit(Drum::Crash, 40.0, 0.8f);
    band("F:2 G:2 Em:2 Am:2 Dm7:2 G7:2", 40.0, 3, true);
    s.Melody(Bus::Extra, brass,
             "c5+f5+a5:.75! c5+f5+a5:.25 c5+f5+a5:1 d5+g5+b5:2 | "
             "e5+g5+b5:.75 e5+g5+b5:.25 e5+g5+b5:1 e5+a5+c6:2 | "
             "f5+a5+d6:.75! f5+a5+c6:.25 f5+a5+d6:1 d5+g5+b5:.75 d5+f5+b5:.25 d5+g5+b5:1 | "
             "e5+g5+c6:3!",
             40.0, 0.45f, -0.2f);
    s.Chords(Bus::Keys, keys, "C:3", "", 52.0, 60, 0.32f, 0.25f);
    s.Chords(Bus::Pad, strings, "C:3", "", 52.0, 55, 0.25f, -0.25f);
    s.Melody(Bus::Bass, bass, "c2+c3:3", 52.0, 0.8f);
    s.Hit(Drum::Crash, 52.0, 1.0f);
    s.Hit(Drum::Kick, 52.0, 1.0f);
    s.Hit(Drum::Timpani, 52.0, 1.0f, TimpaniPitch(36));

    MixSettings mix = WideMix();
    mix.gain = {1.0f, 0.9f, 0.8f, 1.0f, 0.8f, 0.9f};
    return Finish(s, mix, 55.0, 0.9, 0.7, out);
}

// ---- "Background.ogg": an unhurried office groove in F that loops --------------------------

constexpr std::string_view kCalmComp = "x:1.5 x:1 -:.5 x:.5 -:.5";
constexpr std::string_view kCalmBass = "1:1.5 5:.5 8:1 7:.5 5:.5";
constexpr std::string_view kCalmIntro = "Fmaj7 Dm7 Gm7 C7";
constexpr std::string_view kCalmA = "Fmaj7 Dm7 Gm7 C7 Fmaj7 Dm7 Gm7 C7";
constexpr std::string_view kCalmB = "Bbmaj7 Am7 Gm7 C7 Bbmaj7 Am7 Gm7:2 C7:2 Fmaj7:4";
constexpr std::string_view kCalmTuneA =
    "a4:.5 c5 e5:1 -:.5 d5:.5 c5:1 | d5:.5 f5 a5:1.5 g5:.5 f5:1 | "
    "g5:.5 f5 d5:1 bb4:.5 c5 d5:1 | e5:1.5 c5:.5 -:2 | "
    "a4:.5 c5 e5:1 -:.5 d5:.5 c5:1 | f5:.5 a5 c6:1.5 a5:.5 f5:1 | "
    "g5:1 a5:.5 bb5 a5:1 g5:1 | g5:.5 e5 c5:2 -:1";
constexpr std::string_view kCalmTuneB =
    "f5:.75 f5:.25 a5:1 d5:1 -:1 | e5:.75 e5:.25 g5:1 c5:1 -:1 | "
    "d5:.5 f5 bb5:1 a5:.5 g5 f5:1 | e5:2 g5:1 -:1 | "
    "f5:.75 f5:.25 a5:1 d6:1 c6:1 | c6:.5 a5 e5:1 g5:1 a5:1 | "
    "bb5:1 a5:1 g5:1 e5:1 | f5:3 -:1";
constexpr std::string_view kCalmGroove[] = {"k:x.......x.x.....", "r:....x.......x...",
                                            "h:g.x.g.x.g.x.g.x."};
// The last verse turns home to F, and its last bar lets the band ring out, so the track both
// ends on a cadence and runs into its own first bar when looped.
constexpr std::string_view kCalmEnd = "Fmaj7 Dm7 Gm7 C7 Fmaj7 Dm7 Gm7:2 C7:2";
constexpr std::string_view kCalmTuneEnd =
    "a4:.5 c5 e5:1 -:.5 d5:.5 c5:1 | d5:.5 f5 a5:1.5 g5:.5 f5:1 | "
    "g5:.5 f5 d5:1 bb4:.5 c5 d5:1 | e5:1.5 c5:.5 -:2 | "
    "a4:.5 c5 e5:1 -:.5 d5:.5 c5:1 | f5:.5 a5 c6:1.5 a5:.5 f5:1 | "
    "g5:1 a5:.5 bb5 a5:1 g5:1 | a5:.5 g5 f5:2 -:1";
constexpr std::string_view kCalmLastBar[] = {"k:x.......x.......", "r:....x...........",
                                             "h:g.x.g.x.g.x....."};

Status ComposeBackground(SoundRng& rng, Track& out) {
    // 28 bars at 109.5 beats a minute last 61.4 s, just inside the timer's 62.
    Score s(109.5, rng);
    const Voice keys = EPiano(), bass = FingerBass(), vibes = Vibraphone(), flute = SoftLead(),
                pad = WarmPad();
    const auto band = [&](std::string_view chords, double at, int bars, bool lush) {
        s.Chords(Bus::Keys, keys, chords, kCalmComp, at, 57, 0.3f, -0.2f);
        s.Pattern(Bus::Bass, bass, chords, kCalmBass, at, 33, 0.9f);
        if (lush) s.Chords(Bus::Pad, pad, chords, "", at, 60, 0.12f, 0.3f);
        s.Drums(kCalmGroove, at, bars, 0.8f, 0.16);
    };
    band(kCalmIntro, 0.0, 4, false);
    band(kCalmA, 16.0, 8, false);
    s.Melody(Bus::Lead, vibes, kCalmTuneA, 16.0, 0.55f, 0.1f);
    band(kCalmB, 48.0, 8, true);
    constexpr std::string_view shaker[] = {"z:gxgxgxgxgxgxgxgx"};
    s.Drums(shaker, 48.0, 8, 0.7f, 0.16);
    s.Melody(Bus::Lead, flute, kCalmTuneB, 48.0, 0.4f, -0.1f);
    band(kCalmEnd, 80.0, 7, true);
    s.Chords(Bus::Keys, keys, "Fmaj7:4", "x:3 -:1", 108.0, 57, 0.3f, -0.2f);
    s.Chords(Bus::Pad, pad, "Fmaj7:3", "", 108.0, 60, 0.12f, 0.3f);
    s.Melody(Bus::Bass, bass, "f2:2.5 -:1.5", 108.0, 0.9f);
    s.Drums(kCalmLastBar, 108.0, 1, 0.8f, 0.16);
    s.Melody(Bus::Lead, vibes, kCalmTuneEnd, 80.0, 0.5f, 0.1f);
    s.Melody(Bus::Lead, flute, kCalmTuneEnd, 80.0, 0.22f, -0.2f, 12);
    if (!s.status()) return s.status();

    MixSettings mix = WideMix();
    mix.gain = {1.0f, 0.9f, 0.8f, 1.0f, 0.65f, 1.0f};
    mix.echo = {0.2f, 0.05f, 0, 0, 0, 0};
    mix.room = {0.7f, 0.5f, 0.3f};
    out = s.Mix(mix);
    // The echoes and the reverb of the last bars sound again over the first ones, so the track
    // repeats without a seam.
    out.FoldInto(s.FrameAt(112.0));
    return Status::Ok();
}

// ---- "Prepping_Theme_1_d.ogg": busy E dorian funk for getting the schedule ready ------------

constexpr std::string_view kBusyBass =
    "1:.25 -:.25 8:.25~ 1:.25 -:.5 b7:.25~ 8:.25 1:.25 -:.25 1:.25~ 5:.25 -:.25 b7:.25~ 5:.25 "
    "3:.25";
constexpr std::string_view kBusyComp =
    "-:.5 x:.25~ x:.25~ -:.5 x:.5~ -:.5 x:.25~ x:.25~ -:.5 x:.5~";
constexpr std::string_view kBusyStabs = "-:1.5 x:.25~ x:.25~ -:1.5 x:.5~";
constexpr std::string_view kBusyVamp = "Em7 A7 Em7 A7";
constexpr std::string_view kBusyA = "Em7 A7 Em7 A7 Em7 A7 Cmaj7 B7";
constexpr std::string_view kBusyB = "Cmaj7 B7 Em7 A7 Cmaj7 B7 Em7:2 A7:2 B7:4";
constexpr std::string_view kBusyRiff =
    "e5:.25 -:.25 g5:.25 a5 b5:.5 a5:.25 g5 e5:.5 d5 e5:1 | "
    "-:.5 e5:.25 g5 a5:.5 g5:.25 a5 c#6:.5 b5 a5:1 | "
    "e5:.25 -:.25 g5:.25 a5 b5:.5 a5:.25 g5 b5:.5 d6 e6:1 | d6:.5 c#6 b5 a5 g5 a5 -:1 | "
    "e5:.25 -:.25 g5:.25 a5 b5:.5 a5:.25 g5 e5:.5 d5 e5:1 | "
    "-:.5 e5:.25 g5 a5:.5 g5:.25 a5 c#6:.5 b5 a5:1 | g5:.5 b5 e6:1 d6:.5 c6 b5:1 | "
    "f#5:.5 a5 b5 d#6 f#6:1 -:1";
constexpr std::string_view kBusyHorns =
    "e5:1 g5:1 b5:1.5 a5:.5 | a5:1 f#5:1 d#5:2 | e5:.5 f#5 g5:1 b5:1 d6:1 | c#6:2 a5:1 -:1 | "
    "e6:1 d6:.5 c6 b5:1 g5:1 | f#5:1 a5:.5 b5 d#6:2 | e6:.5 d6 b5:1 c#6:1 a5:1 | "
    "b5:.5 a5 f#5 d#5 b4:1 -:1";
constexpr std::string_view kBusyGroove[] = {"k:x..x..x...x..x..", "s:....X..g.g..X..g",
                                            "h:XgxgXgxgXgxgXg.g", "o:..............x."};
constexpr std::string_view kBusyFill[] = {"k:x..x..x.........", "s:....X..g.XxxXXXX",
                                          "t:............xx..", "l:..............xx"};

Status ComposePrepping(SoundRng& rng, Track& out) {
    Score s(122.0, rng);
    const Voice lead = LeadSynth(), brass = Brass(), keys = EPiano(), bass = SlapBass();
    const auto band = [&](std::string_view chords, double at, int bars, bool stabs) {
        s.Pattern(Bus::Bass, bass, chords, kBusyBass, at, 28, 1.0f, 0.0f, 0, 0.8);
        s.Chords(Bus::Keys, keys, chords, kBusyComp, at, 62, 0.28f, 0.3f);
        if (stabs) s.Chords(Bus::Extra, brass, chords, kBusyStabs, at, 64, 0.3f, -0.3f);
        s.Drums(kBusyGroove, at, bars - 1);
        s.Drums(kBusyFill, at + (bars - 1) * 4.0, 1);
    };
    band(kBusyVamp, 0.0, 4, true);
    s.Hit(Drum::Crash, 16.0, 0.7f);
    band(kBusyA, 16.0, 8, true);
    s.Melody(Bus::Lead, lead, kBusyRiff, 16.0, 0.45f);
    s.Hit(Drum::Crash, 48.0, 0.7f);
    band(kBusyB, 48.0, 8, false);
    constexpr std::string_view lift[] = {"j:..x...x...x...x.", "c:....x.......x..."};
    s.Drums(lift, 48.0, 8, 0.8f);
    s.Melody(Bus::Extra, brass, kBusyHorns, 48.0, 0.45f, -0.1f);
    s.Chords(Bus::Pad, Strings(), kBusyB, "", 48.0, 59, 0.15f, 0.3f);
    s.Hit(Drum::Crash, 80.0, 0.8f);
    band(kBusyA, 80.0, 8, true);
    s.Melody(Bus::Lead, lead, kBusyRiff, 80.0, 0.42f);
    s.Melody(Bus::Lead, lead, kBusyRiff, 80.0, 0.18f, 0.3f, -12);
    band("Em7 A7", 112.0, 2, true);
    s.Melody(Bus::Lead, lead, "e5:.25 -:.25 g5:.25 a5 b5:.5 a5:.25 g5 e5:.5 d5 e5:1", 116.0, 0.4f);
    // One last hit on the downbeat at 59.5 s, rung out before the timer's 62.
    s.Hit(Drum::Crash, 120.0, 1.0f);
    s.Hit(Drum::Kick, 120.0, 1.0f);
    s.Melody(Bus::Bass, bass, "e1+e2:1!", 120.0, 1.0f);
    s.Chords(Bus::Extra, brass, "Em7:1", "x:1!", 120.0, 64, 0.4f, -0.3f);

    MixSettings mix = WideMix();
    mix.gain = {1.0f, 0.85f, 0.8f, 1.0f, 0.85f, 0.9f};
    mix.echo = {0.12f, 0, 0, 0, 0, 0};
    mix.echoBeats = 0.5;
    return Finish(s, mix, 121.0, 1.8, 0.8, out);
}

// ---- "Winning_Music.ogg": a brass and strings fanfare in D with its climax ------------------

constexpr std::string_view kWinBass = "1:.75 1:.25 5:.5 5:.5 8:.75 8:.25 5:1";
constexpr std::string_view kWinClimax =
    "a5:.75 f#5:.25 a5:1 d6:2 | b5:.75 a5:.25 g5:1 b5:1 d6:1 | e6:1 d6:.5 c#6 b5:1 c#6:1";
constexpr std::string_view kWinGroove[] = {"k:x...x...x...x...", "s:....x.......x...",
                                           "h:x.x.x.x.x.x.x.x."};
constexpr std::string_view kWinBigGroove[] = {"k:x...x...x...x...", "s:....x.......x...",
                                              "c:....x.......x...", "h:XgxgXgxgXgxgXgxg",
                                              "j:..x...x...x...x."};
constexpr std::string_view kWinFill[] = {"k:x...x...x.......", "s:....x...xxxXXXXX",
                                         "l:..............xx"};

Status ComposeWinning(SoundRng& rng, Track& out) {
    Score s(120.0, rng);
    const Voice brass = Brass(), strings = Strings(), piano = Piano(), bass = FingerBass();

    // Fanfare: four bars over timpani, ending on the dominant.
    s.Melody(Bus::Lead, brass,
             "d5+f#5+a5:.75! d5+f#5+a5:.25 d5+f#5+a5:.5 d5+f#5+a5:.5 e5+g5+b5:1 f#5+a5+d6:1! | "
             "g5+b5+d6:1.5! f#5+a5+d6:.5 e5+a5+c#6:2 | "
             "d5+g5+b5:.75! d5+g5+b5:.25 e5+g5+c#6:.5 e5+a5+c#6:.5 f#5+a5+d6:1 g5+b5+e6:1 | "
             "f#5+a5+d6:2! e5+a5+c#6:2",
             0.0, 0.4f);
    s.Melody(Bus::Bass, bass,
             "d2:.75 d2:.25 d2:.5 d2:.5 e2:1 f#2:1 | g2:1.5 f#2:.5 a2:2 | "
             "g2:.75 g2:.25 a2:1 d2:1 e2:1 | d2:2 a1:2",
             0.0, 0.9f);
    s.Chords(Bus::Pad, strings, "D:4 G:2 A:2 G:1 A:1 D:1 Em:1 D:2 A:2", "", 0.0, 55, 0.2f);
    for (double beat : {0.0, 2.0, 8.0})
        s.Hit(Drum::Timpani, beat, 1.0f, TimpaniPitch(38));
    s.Hit(Drum::Timpani, 4.0, 0.9f, TimpaniPitch(43));
    for (int i = 0; i < 16; ++i)
        s.Hit(Drum::Timpani, 12.0 + i * 0.25, 0.35f + 0.04f * static_cast<float>(i),
              TimpaniPitch(45));
    s.Hit(Drum::Crash, 0.0, 0.9f);
    constexpr std::string_view fanfare[] = {
        "k:X.......X.......", "k:X.......X.......", "k:X.......X.......", "k:X...X...X...X...",
        "s:X..xx.x.X...X...", "s:X.....x.X.......", "s:X..xx.x.X...X...", "s:gggxxxxxXXXXXXXX"};
    s.Drums(fanfare, 0.0, 4);

    const auto band = [&](std::string_view chords, double at, int bars, bool big, int transpose) {
        s.Pattern(Bus::Bass, bass, chords, kWinBass, at, 38, 0.9f, 0.0f, transpose);
        s.Chords(Bus::Pad, strings, chords, "", at, 55, 0.2f, -0.2f, transpose);
        s.Chords(Bus::Keys, piano, chords, "x:1 x:1 x:1 x:1", at, 60, 0.25f, 0.25f, transpose);
        if (big) {
            s.Drums(kWinBigGroove, at, bars - 1);
        } else {
            s.Drums(kWinGroove, at, bars - 1);
        }
        s.Drums(kWinFill, at + (bars - 1) * 4.0, 1);
        s.Hit(Drum::Crash, at, 0.8f);
    };
    // Straight from the fanfare to the climax: the tune's last phrase soars to the high D and
    // the cadence lands at 14 s, all heard before the timer returns to the background at 16 s.
    band("D G Em7:2 A:2", 16.0, 3, true, 0);
    s.Melody(Bus::Lead, brass, kWinClimax, 16.0, 0.5f);
    s.Melody(Bus::Extra, strings, kWinClimax, 16.0, 0.22f, 0.3f, 12);
    s.Melody(Bus::Extra, Glockenspiel(), kWinClimax, 16.0, 0.1f, 0.4f);

    s.Melody(Bus::Lead, brass, "d5+f#5+a5+d6:3!", 28.0, 0.45f);
    s.Chords(Bus::Pad, strings, "D:3", "", 28.0, 55, 0.25f, -0.2f);
    s.Chords(Bus::Keys, piano, "D:3", "x:3", 28.0, 60, 0.25f, 0.25f);
    s.Melody(Bus::Bass, bass, "d2+d3:3", 28.0, 0.8f);
    s.Hit(Drum::Crash, 28.0, 1.0f);
    s.Hit(Drum::Kick, 28.0, 1.0f);
    for (int i = 0; i < 8; ++i)
        s.Hit(Drum::Timpani, 28.0 + i * 0.25, 0.6f - 0.05f * static_cast<float>(i),
              TimpaniPitch(38));

    MixSettings mix = WideMix();
    mix.gain = {1.0f, 0.8f, 0.9f, 1.0f, 0.85f, 0.9f};
    mix.room = {0.75f, 0.4f, 0.32f};
    return Finish(s, mix, 30.0, 0.8, 0.8, out);
}

}  // namespace

std::vector<Recipe> MusicRecipes() {
    return {
        {"Intro.ogg", SoundKind::Music, 2, ComposeIntro},
        {"Background.ogg", SoundKind::Music, 2, ComposeBackground},
        {"Prepping_Theme_1_d.ogg", SoundKind::Music, 2, ComposePrepping},
        {"Winning_Music.ogg", SoundKind::Music, 2, ComposeWinning},
    };
}

}  // namespace qvx::content::sounds
