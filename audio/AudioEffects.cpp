#include "AudioEffects.h"

#include <AL/al.h>
#include <sndfile.h>

#include <QTimer>
#include <array>
#include <vector>

#include "AudioChannels.h"
#include "AudioDevice.h"
#include "AudioMusic.h"

namespace qvx::audio {
namespace {

constexpr std::array<const char*, 16> kGenreCues{
    nullptr,
    "Action_Cue.ogg",
    "Cartoon_Cue.ogg",
    "Crime_Drama_Cue.ogg",
    "Soap_Cue.ogg",  // love films share the soaps' cue
    "Thriller_Cue_2.ogg",
    "Quiz_Show_Cue.ogg",
    "Cultural_Cue.ogg",
    "Soap_Cue.ogg",
    "Live_Sports_Cue.ogg",
    "War_Action_Movie_Cue.ogg",
    "Western_Cue.ogg",
    "Comedy_Cue.ogg",
    "Medieval_Cue.ogg",
    "Drama_Cue.ogg",
    "Sci-Fi-Cue_2.ogg",
};

struct AmbienceRange {
    int last;
    AmbienceSound sound;
};

// Draws 0..74; from 51 on the office is quiet.
constexpr std::array<AmbienceRange, 8> kAmbience{{
    {5, {"Car_Horn_2.wav", true}},
    {10, {"People_Chatter_3.ogg", false}},
    {15, {"Typing_3.ogg", false}},
    {20, {"VCR_InsertTape.ogg", false}},
    {25, {"VCR_EjectTape1.ogg", false}},
    {30, {"Office_Phone.ogg", false}},
    {35, {"People_Chatter_4.ogg", false}},
    {50, {"Office_Door_2.ogg", false}},
}};
constexpr int kAmbienceDraws = 75;
constexpr int kBackgroundPlaying = 3;  // MusicState after "Background.ogg" has started

}  // namespace

const char* GenreCue(int genre) {
    if (genre < 1 || genre >= static_cast<int>(kGenreCues.size())) return nullptr;
    return kGenreCues[static_cast<size_t>(genre)];
}

AmbienceSound AmbienceFor(int r) {
    if (r < 0) return {};
    for (const AmbienceRange& range : kAmbience)
        if (r <= range.last) return range.sound;
    return {};
}

// --- One-shot player -------------------------------------------------------------------------

OneShotPlayer::OneShotPlayer(std::filesystem::path dataDir) : m_dataDir(std::move(dataDir)) {}

OneShotPlayer::~OneShotPlayer() {
    if (m_source) {
        alSourceStop(m_source);
        alDeleteSources(1, &m_source);
    }
    if (m_buffer) alDeleteBuffers(1, &m_buffer);
}

void OneShotPlayer::Stop() {
    if (!m_source) return;
    alSourceStop(m_source);
    alSourcei(m_source, AL_BUFFER, 0);  // the buffer can only be refilled once it is detached
}

bool OneShotPlayer::IsPlaying() const {
    if (!m_source) return false;
    ALint state = AL_STOPPED;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void OneShotPlayer::Play(const std::string& fileName) {
    Stop();
    m_current.clear();
    if (!AudioReady()) return;

    SF_INFO info{};
    SNDFILE* file = sf_open((m_dataDir / fileName).c_str(), SFM_READ, &info);
    if (!file) return;
    std::vector<short> samples;
    sf_count_t frames = 0;
    if ((info.channels == 1 || info.channels == 2) && info.frames > 0 && info.samplerate > 0) {
        samples.resize(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
        frames = sf_readf_short(file, samples.data(), info.frames);
    }
    sf_close(file);
    if (frames <= 0) return;

    alGetError();
    if (!m_source) alGenSources(1, &m_source);
    if (!m_buffer) alGenBuffers(1, &m_buffer);
    alBufferData(m_buffer, info.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                 samples.data(), static_cast<ALsizei>(frames * info.channels * 2), info.samplerate);
    alSourcei(m_source, AL_BUFFER, static_cast<ALint>(m_buffer));
    alSourcePlay(m_source);
    // A sound the device refused is silence, like a missing file.
    if (alGetError() != AL_NO_ERROR) return;
    m_current = fileName;
    ++m_started;
}

// --- Sound effects ---------------------------------------------------------------------------

SoundEffects::SoundEffects(PlaybackChannels& channels, const MusicSelector& music,
                           QTimer& ambienceTimer, std::filesystem::path dataDir,
                           std::function<bool()> effectsEnabled)
    : m_channels(channels),
      m_music(music),
      m_ambienceTimer(ambienceTimer),
      m_oneShot(std::move(dataDir)),
      m_effectsEnabled(std::move(effectsEnabled)),
      m_cosmetic(std::random_device{}()) {
    m_ambienceTimer.setInterval(kAmbienceIntervalMs);
    QObject::connect(&m_ambienceTimer, &QTimer::timeout, &m_ambienceTimer,
                     [this] { AmbienceTick(); });
}

void SoundEffects::StartTimer() {
    m_ambienceTimer.start();
}

int SoundEffects::Draw(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(m_cosmetic);
}

void SoundEffects::PlayClick() {
    if (Enabled()) m_oneShot.Play("button.wav");
}

void SoundEffects::PlayFanfare() {
    if (Enabled()) m_oneShot.Play("fanfare.wav");
}

void SoundEffects::PlayPayment() {
    if (Enabled()) m_oneShot.Play(Draw(2) == 0 ? "payment1.wav" : "payment2.wav");
}

void SoundEffects::PlayCue(const char* file) {
    if (Enabled() && file) m_channels.PlayTrack(PlaybackChannels::kCueChannel, file);
}

void SoundEffects::PlayGenreCue(int genre) {
    PlayCue(GenreCue(genre));
}

void SoundEffects::PlayNewsCue() {
    PlayCue("News_Theme_Cue.ogg");
}

void SoundEffects::PlayFastForward() {
    PlayCue("Fast_Forward.ogg");
}

void SoundEffects::StopCue() {
    m_channels.EndTrack(PlaybackChannels::kCueChannel);
}

void SoundEffects::AmbienceTick() {
    if (!Enabled() || m_music.MusicState() != kBackgroundPlaying) return;
    const AmbienceSound sound = AmbienceFor(Draw(kAmbienceDraws));
    if (!sound.file) return;
    if (sound.oneShot)
        m_oneShot.Play(sound.file);
    else
        m_channels.PlayTrack(PlaybackChannels::kAmbienceChannel, sound.file);
}

}  // namespace qvx::audio
