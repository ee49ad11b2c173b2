#include "ui/common/sound_player.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

#include "ui/common/wav_file.h"

// The wave files are compiled into the UI library; a static library must
// register its resources itself, and only from the global namespace.
static void InitSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace tavexo {

namespace {

constexpr int BEEP_RATE = 22050;

}  // namespace

SoundPlayer::SoundPlayer(Output output, QObject* parent) : QObject(parent) {
    InitSoundResources();
    // Asked once: without a device QAudioSink and QSoundEffect only warn or
    // hang in "playing", so the player then stays silent for good.
    if (output == Output::System && !QMediaDevices::audioOutputs().isEmpty())
        device_ = QMediaDevices::defaultAudioOutput();
    for (int i = 0; i < SOUND_COUNT; ++i) Load(static_cast<Sound>(i));

    WavSound tone;
    tone.valid = true;
    tone.sampleRate = BEEP_RATE;
    tone.channels = 1;
    tone.bitsPerSample = 16;
    tone.samples = SineTone(BEEP_HZ, BEEP_MS, BEEP_RATE);
    beep_.lengthMs = BEEP_MS;
    if (HasOutput()) PrepareForDevice(beep_, tone);
}

SoundPlayer::~SoundPlayer() {
    Stop();
}

void SoundPlayer::Load(Sound sound) {
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(SoundName(sound))));
    if (!file.open(QIODevice::ReadOnly)) return;
    const WavSound wav = ParseWav(file.readAll());
    Clip& clip = clips_[static_cast<int>(sound)];
    clip.lengthMs = wav.LengthMs();
    if (HasOutput()) PrepareForDevice(clip, wav);
}

void SoundPlayer::PrepareForDevice(Clip& clip, const WavSound& wav) {
    if (!wav.valid) return;
    if (device_.isFormatSupported(wav.Format())) {
        clip.pcm = wav.samples;
        clip.format = wav.Format();
        return;
    }
    // The output cannot take 8-bit or this rate: convert once, at load time.
    const QAudioFormat preferred = device_.preferredFormat();
    clip.format.setSampleRate(preferred.sampleRate());
    clip.format.setChannelCount(preferred.channelCount());
    clip.format.setSampleFormat(QAudioFormat::Int16);
    if (device_.isFormatSupported(clip.format))
        clip.pcm = ConvertPcm(wav, preferred.sampleRate(), preferred.channelCount());
}

bool SoundPlayer::Loaded(Sound sound) const {
    return clips_[static_cast<int>(sound)].lengthMs > 0;
}

int SoundPlayer::LengthMs(Sound sound) const {
    return clips_[static_cast<int>(sound)].lengthMs;
}

void SoundPlayer::Play(Sound sound) {
    Start(clips_[static_cast<int>(sound)]);
}

void SoundPlayer::PlayBeep() {
    Start(beep_);
}

void SoundPlayer::Stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
}

void SoundPlayer::Start(const Clip& clip) {
    if (!HasOutput() || clip.pcm.isEmpty()) return;
    Stop();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(clip.pcm);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device_, clip.format);
    sink_->start(buffer_.get());
}

}  // namespace tavexo
