#include "ui/common/sound_player.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QStringList>

#include "services/program_data.h"
#include "ui/common/wav_file.h"

namespace tavexo {

namespace {

constexpr int BEEP_RATE = 22050;

}  // namespace

SoundPlayer::SoundPlayer(Output output, QObject* parent) : QObject(parent) {
    // Asked once: without a device QAudioSink and QSoundEffect only warn or
    // hang in "playing", so the player then stays silent for good.
    if (output == Output::System && !QMediaDevices::audioOutputs().isEmpty())
        device_ = QMediaDevices::defaultAudioOutput();
    QStringList missing;
    for (int i = 0; i < SOUND_COUNT; ++i) {
        if (!Load(static_cast<Sound>(i)))
            missing << QLatin1String(SoundName(static_cast<Sound>(i)));
    }
    // The table plays on without them, only faster: say where they were
    // looked for, once.
    if (!missing.isEmpty()) {
        qWarning("Tavexo: Klangdateien fehlen (%s); gesucht in: %s",
                 qPrintable(missing.join(QStringLiteral(", "))),
                 qPrintable(ProgramDataFolders().join(QStringLiteral(", "))));
    }

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

QString SoundPlayer::SoundFile(Sound sound) {
    return FindProgramData(QStringLiteral("sounds/%1.wav").arg(QLatin1String(SoundName(sound))));
}

bool SoundPlayer::Load(Sound sound) {
    const QString path = SoundFile(sound);
    if (path.isEmpty()) return false;
    QFile file(path);
    // Our own sounds are a few kilobytes; anything far larger is not one.
    constexpr qint64 MAX_SOUND_BYTES = 4 * 1024 * 1024;
    if (file.size() > MAX_SOUND_BYTES || !file.open(QIODevice::ReadOnly)) return false;
    const WavSound wav = ParseWav(file.read(MAX_SOUND_BYTES));
    Clip& clip = clips_[static_cast<int>(sound)];
    clip.lengthMs = wav.LengthMs();
    if (HasOutput()) PrepareForDevice(clip, wav);
    return clip.lengthMs > 0;
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
