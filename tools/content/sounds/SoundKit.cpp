#include "SoundKit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>

namespace qvx::content::sounds {

size_t Frames(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<size_t>(std::llround(seconds * kSampleRate));
}

double MidiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

float DbToGain(double db) {
    return static_cast<float>(std::pow(10.0, db / 20.0));
}

double GainToDb(double gain) {
    return gain <= 0.0 ? -std::numeric_limits<double>::infinity() : 20.0 * std::log10(gain);
}

uint64_t SoundRng::Next() {
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int SoundRng::Below(int n) {
    if (n <= 0) return 0;
    return static_cast<int>(Next() % static_cast<uint64_t>(n));
}

SoundRng RngFor(uint64_t seed, std::string_view name) {
    uint64_t hash = 1469598103934665603ULL;  // FNV-1a
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    SoundRng mixer(seed ^ hash);
    return SoundRng(mixer.Next());
}

namespace {

// The polyBLEP residual: subtracting it rounds off a unit step at phase 0 over one sample on
// either side.
double PolyBlep(double t, double dt) {
    if (dt <= 0.0) return 0.0;
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

float Oscillator::Next(double frequency) {
    const double dt = std::clamp(frequency / kSampleRate, 0.0, 0.49);
    double value = 0.0;
    switch (m_wave) {
        case Wave::Sine:
            value = std::sin(2.0 * kPi * m_phase);
            break;
        case Wave::Saw:
            value = 2.0 * m_phase - 1.0 - PolyBlep(m_phase, dt);
            break;
        case Wave::Square: {
            double second = m_phase + 1.0 - m_width;
            if (second >= 1.0) second -= 1.0;
            value = (m_phase < m_width ? 1.0 : -1.0) + PolyBlep(m_phase, dt) - PolyBlep(second, dt);
            // A narrow pulse carries DC; take it out so that mixes stay centred.
            value -= 2.0 * m_width - 1.0;
            break;
        }
        case Wave::Triangle:
            value = 4.0 * std::abs(m_phase - 0.5) - 1.0;
            break;
    }
    m_phase += dt;
    if (m_phase >= 1.0) m_phase -= 1.0;
    return static_cast<float>(value);
}

Envelope::Envelope(const Adsr& shape, double gateSeconds)
    : m_shape(shape),
      m_gate(std::max<size_t>(1, Frames(gateSeconds))),
      m_length(m_gate + Frames(shape.release) + 1),
      m_attackFrames(Frames(shape.attack)),
      m_attackStep(1.0 / static_cast<double>(std::max<size_t>(1, Frames(shape.attack)))),
      m_decayCoef(std::exp(-4.6 / std::max(1.0, shape.decay * kSampleRate))),
      m_releaseCoef(std::exp(-6.9 / std::max(1.0, shape.release * kSampleRate))) {}

float Envelope::Next() {
    if (m_position < m_gate) {
        if (m_position < m_attackFrames) {
            m_level = std::min(1.0, m_level + m_attackStep);
        } else {
            m_level = m_shape.sustain + (m_level - m_shape.sustain) * m_decayCoef;
        }
    } else {
        m_level *= m_releaseCoef;
    }
    ++m_position;
    return static_cast<float>(m_level);
}

void Svf::Set(double cutoff, double q) {
    const double fc = std::clamp(cutoff, 10.0, 0.45 * kSampleRate);
    const double g = std::tan(kPi * fc / kSampleRate);
    m_k = 1.0 / std::max(0.05, q);
    m_a1 = 1.0 / (1.0 + g * (g + m_k));
    m_a2 = g * m_a1;
    m_a3 = g * m_a2;
}

Svf::Out Svf::Process(float input) {
    const double v3 = input - m_ic2;
    const double v1 = m_a1 * m_ic1 + m_a2 * v3;
    const double v2 = m_ic2 + m_a2 * m_ic1 + m_a3 * v3;
    m_ic1 = 2.0 * v1 - m_ic1;
    m_ic2 = 2.0 * v2 - m_ic2;
    return {static_cast<float>(v2), static_cast<float>(v1),
            static_cast<float>(input - m_k * v1 - v2)};
}

void Track::Resize(size_t frames) {
    m_left.resize(frames, 0.0f);
    m_right.resize(frames, 0.0f);
}

void Track::Mix(size_t at, std::span<const float> mono, float gain, float pan) {
    if (mono.empty()) return;
    if (at + mono.size() > Frames()) Resize(at + mono.size());
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
    const float left = gain * static_cast<float>(std::cos(angle) * std::sqrt(2.0));
    const float right = gain * static_cast<float>(std::sin(angle) * std::sqrt(2.0));
    for (size_t i = 0; i < mono.size(); ++i) {
        m_left[at + i] += mono[i] * left;
        m_right[at + i] += mono[i] * right;
    }
}

void Track::Mix(size_t at, const Track& other, float gain) {
    if (other.Frames() == 0) return;
    if (at + other.Frames() > Frames()) Resize(at + other.Frames());
    for (size_t i = 0; i < other.Frames(); ++i) {
        m_left[at + i] += other.m_left[i] * gain;
        m_right[at + i] += other.m_right[i] * gain;
    }
}

void Track::Scale(float gain) {
    for (float& s : m_left)
        s *= gain;
    for (float& s : m_right)
        s *= gain;
}

void Track::FoldInto(size_t frames) {
    if (frames == 0) return;
    for (size_t i = frames; i < Frames(); ++i) {
        m_left[i % frames] += m_left[i];
        m_right[i % frames] += m_right[i];
    }
    Resize(frames);
}

void Track::FadeEdges(double inSeconds, double outSeconds) {
    const size_t n = Frames();
    const size_t in = std::min(n, sounds::Frames(inSeconds));
    const size_t out = std::min(n, sounds::Frames(outSeconds));
    for (size_t i = 0; i < in; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(in);
        m_left[i] *= g;
        m_right[i] *= g;
    }
    for (size_t i = 0; i < out; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(out);
        m_left[n - 1 - i] *= g;
        m_right[n - 1 - i] *= g;
    }
}

Track Echo(const Track& input, double seconds, float feedback) {
    const size_t length = std::max<size_t>(1, Frames(seconds));
    const double repeats = std::ceil(std::log(0.001) / std::log(std::clamp(feedback, 0.05f, 0.9f)));
    Track out(input.Frames() + std::min(Frames(6.0), length * static_cast<size_t>(repeats)));
    std::vector<float> lineL(length, 0.0f), lineR(length, 0.0f);
    float toneL = 0.0f, toneR = 0.0f;
    size_t index = 0;
    for (size_t n = 0; n < out.Frames(); ++n) {
        const float mono = n < input.Frames() ? 0.5f * (input.Left()[n] + input.Right()[n]) : 0.0f;
        const float outL = lineL[index];
        const float outR = lineR[index];
        toneL += 0.4f * (outL - toneL);
        toneR += 0.4f * (outR - toneR);
        lineL[index] = mono + feedback * toneR;
        lineR[index] = feedback * toneL;
        out.Left()[n] = outL;
        out.Right()[n] = outR;
        if (++index == length) index = 0;
    }
    return out;
}

void TrimTail(Track& track, double belowPeakDb) {
    const float floor = DbToGain(PeakDb(track) - belowPeakDb);
    size_t end = track.Frames();
    while (end > 0 && std::abs(track.Left()[end - 1]) < floor &&
           std::abs(track.Right()[end - 1]) < floor)
        --end;
    track.Resize(end);
}

namespace {

class Comb {
  public:
    explicit Comb(size_t length) : m_buffer(length, 0.0f) {}
    float Process(float input, float feedback, float damping) {
        const float out = m_buffer[m_index];
        m_store = out * (1.0f - damping) + m_store * damping;
        m_buffer[m_index] = input + m_store * feedback;
        if (++m_index == m_buffer.size()) m_index = 0;
        return out;
    }

  private:
    std::vector<float> m_buffer;
    size_t m_index = 0;
    float m_store = 0.0f;
};

class AllPass {
  public:
    explicit AllPass(size_t length) : m_buffer(length, 0.0f) {}
    float Process(float input) {
        const float delayed = m_buffer[m_index];
        m_buffer[m_index] = input + delayed * 0.5f;
        if (++m_index == m_buffer.size()) m_index = 0;
        return delayed - input;
    }

  private:
    std::vector<float> m_buffer;
    size_t m_index = 0;
};

// The classic tunings at 44.1 kHz; the right channel's lines are a little longer for width.
constexpr std::array<size_t, 8> kCombLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<size_t, 4> kAllPassLengths = {556, 441, 341, 225};
constexpr size_t kStereoSpread = 23;

}  // namespace

Track Reverb(const Track& input, const ReverbSettings& settings) {
    const float feedback = 0.7f + 0.28f * std::clamp(settings.size, 0.0f, 1.0f);
    const float damping = 0.4f * std::clamp(settings.damping, 0.0f, 1.0f);
    const double tail = 0.5 + 3.5 * settings.size;
    Track out(input.Frames() + Frames(tail));
    std::vector<Comb> combsL, combsR;
    std::vector<AllPass> passesL, passesR;
    for (size_t length : kCombLengths) {
        combsL.emplace_back(length);
        combsR.emplace_back(length + kStereoSpread);
    }
    for (size_t length : kAllPassLengths) {
        passesL.emplace_back(length);
        passesR.emplace_back(length + kStereoSpread);
    }
    const float gain = 3.0f * settings.wet;
    for (size_t n = 0; n < out.Frames(); ++n) {
        const float dry = n < input.Frames() ? 0.015f * (input.Left()[n] + input.Right()[n]) : 0.0f;
        float l = 0.0f, r = 0.0f;
        for (size_t c = 0; c < combsL.size(); ++c) {
            l += combsL[c].Process(dry, feedback, damping);
            r += combsR[c].Process(dry, feedback, damping);
        }
        for (size_t a = 0; a < passesL.size(); ++a) {
            l = passesL[a].Process(l);
            r = passesR[a].Process(r);
        }
        out.Left()[n] = l * gain;
        out.Right()[n] = r * gain;
    }
    return out;
}

double GatedRmsDb(const Track& track) {
    const size_t block = Frames(0.05);
    std::vector<double> powers;
    for (size_t start = 0; start < track.Frames(); start += block) {
        const size_t end = std::min(track.Frames(), start + block);
        double sum = 0.0;
        for (size_t i = start; i < end; ++i) {
            sum += static_cast<double>(track.Left()[i]) * track.Left()[i] +
                   static_cast<double>(track.Right()[i]) * track.Right()[i];
        }
        powers.push_back(sum / (2.0 * static_cast<double>(end - start)));
    }
    const auto meanAbove = [&](double floor) {
        double sum = 0.0;
        size_t count = 0;
        for (double p : powers) {
            if (p > floor) {
                sum += p;
                ++count;
            }
        }
        return count == 0 ? 0.0 : sum / static_cast<double>(count);
    };
    const double absolute = meanAbove(1e-7);  // -70 dBFS
    if (absolute <= 0.0) return -std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(meanAbove(absolute * 0.01));
}

double PeakDb(std::span<const float> samples) {
    float peak = 0.0f;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    return GainToDb(peak);
}

double PeakDb(const Track& track) {
    return std::max(PeakDb(track.Left()), PeakDb(track.Right()));
}

namespace {

// Gain reduction that has reached its full depth when the peak arrives: the needed gain is
// taken as the minimum over the look-ahead window, released slowly, then smoothed with a moving
// average as long as the look-ahead (each averaged value is already low enough for the peak).
void Limit(Track& track, float ceiling) {
    const size_t n = track.Frames();
    if (n == 0) return;
    const size_t lookAhead = Frames(0.002);
    std::vector<float> need(n);
    for (size_t i = 0; i < n; ++i) {
        const float peak = std::max(std::abs(track.Left()[i]), std::abs(track.Right()[i]));
        need[i] = peak > ceiling ? ceiling / peak : 1.0f;
    }
    std::vector<float> gain(n);
    std::deque<size_t> window;  // indices of increasing need
    size_t next = 0;
    const double release = 1.0 - std::exp(-1.0 / (0.08 * kSampleRate));
    double held = 1.0;
    for (size_t i = 0; i < n; ++i) {
        for (; next < n && next <= i + lookAhead; ++next) {
            while (!window.empty() && need[window.back()] >= need[next])
                window.pop_back();
            window.push_back(next);
        }
        while (window.front() < i)
            window.pop_front();
        const double lowest = need[window.front()];
        held = std::min(lowest, held + (1.0 - held) * release);
        gain[i] = static_cast<float>(held);
    }
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i) {
        sum += gain[i];
        if (i > lookAhead) sum -= gain[i - lookAhead - 1];
        const size_t count = std::min(i, lookAhead) + 1;
        const float g = static_cast<float>(sum / static_cast<double>(count));
        track.Left()[i] *= g;
        track.Right()[i] *= g;
    }
}

}  // namespace

void SetLevel(Track& track, double targetRmsDb, double ceilingDb) {
    const float ceiling = DbToGain(ceilingDb);
    for (int pass = 0; pass < 4; ++pass) {
        const double rms = GatedRmsDb(track);
        if (!std::isfinite(rms)) return;
        if (pass > 0 && std::abs(rms - targetRmsDb) < 0.1) break;
        track.Scale(DbToGain(targetRmsDb - rms));
        Limit(track, ceiling);
    }
    const double peak = PeakDb(track);
    if (peak > ceilingDb) track.Scale(DbToGain(ceilingDb - peak) * 0.999f);
}

}  // namespace qvx::content::sounds
