#include "ui/common/wav_file.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tavexo {

namespace {

constexpr quint16 WAVE_FORMAT_PCM = 1;

quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

// One sample as a float in -1..1.
float SampleAt(const WavSound& sound, qsizetype index) {
    const char* data = sound.samples.constData();
    if (sound.bitsPerSample == 8) return (static_cast<quint8>(data[index]) - 128) / 128.0f;
    return qFromLittleEndian<qint16>(data + 2 * index) / 32768.0f;
}

}  // namespace

int WavSound::LengthMs() const {
    if (!valid) return 0;
    const qint64 frameBytes = qint64(channels) * (bitsPerSample / 8);
    const qint64 frames = samples.size() / frameBytes;
    return static_cast<int>((frames * 1000 + sampleRate - 1) / sampleRate);
}

QAudioFormat WavSound::Format() const {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

WavSound ParseWav(const QByteArray& bytes) {
    WavSound sound;
    const char* p = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") return sound;

    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= size) {
        const QByteArray id = bytes.mid(pos, 4);
        const qsizetype chunkSize = U32(p + pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt ") {
            if (chunkSize < 16 || body + 16 > size) return sound;
            if (U16(p + body) != WAVE_FORMAT_PCM) return sound;
            sound.channels = U16(p + body + 2);
            sound.sampleRate = static_cast<int>(U32(p + body + 4));
            sound.bitsPerSample = U16(p + body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return sound;
            if (sound.channels < 1 || sound.channels > 2 || sound.sampleRate <= 0) return sound;
            if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) return sound;
            // A data chunk that claims more than the file holds is cut to what
            // is there: the length then matches what can actually be played.
            const qsizetype available = std::min(chunkSize, size - body);
            const qsizetype frameBytes = sound.channels * (sound.bitsPerSample / 8);
            sound.samples = bytes.mid(body, available - available % frameBytes);
            sound.valid = true;
            return sound;
        }
        // Chunks are padded to an even size.
        pos = body + chunkSize + (chunkSize & 1);
    }
    return sound;
}

QByteArray ConvertPcm(const WavSound& sound, int sampleRate, int channels) {
    if (!sound.valid || sampleRate <= 0 || channels <= 0) return {};
    const qsizetype inFrames = sound.samples.size() / (sound.channels * (sound.bitsPerSample / 8));
    const qsizetype outFrames = inFrames * sampleRate / sound.sampleRate;
    QByteArray out(outFrames * channels * 2, Qt::Uninitialized);
    auto* dst = reinterpret_cast<qint16*>(out.data());
    const double step = double(sound.sampleRate) / sampleRate;
    for (qsizetype f = 0; f < outFrames; ++f) {
        // Linear interpolation is enough for table noises.
        const double at = f * step;
        const qsizetype i = std::min<qsizetype>(static_cast<qsizetype>(at), inFrames - 1);
        const qsizetype j = std::min<qsizetype>(i + 1, inFrames - 1);
        const float t = static_cast<float>(at - i);
        for (int c = 0; c < channels; ++c) {
            const int src = std::min(c, sound.channels - 1);
            const float a = SampleAt(sound, i * sound.channels + src);
            const float b = SampleAt(sound, j * sound.channels + src);
            const float v = std::clamp(a + (b - a) * t, -1.0f, 1.0f);
            qToLittleEndian<qint16>(static_cast<qint16>(v * 32767.0f), dst + f * channels + c);
        }
    }
    return out;
}

QByteArray SineTone(int frequencyHz, int lengthMs, int sampleRate) {
    const qsizetype frames = qsizetype(sampleRate) * lengthMs / 1000;
    const qsizetype ramp = sampleRate / 200;  // 5 ms
    QByteArray out(frames * 2, Qt::Uninitialized);
    auto* dst = reinterpret_cast<qint16*>(out.data());
    for (qsizetype i = 0; i < frames; ++i) {
        double gain = 0.5;
        if (i < ramp) gain *= double(i) / ramp;
        if (frames - i < ramp) gain *= double(frames - i) / ramp;
        const double v = std::sin(2.0 * std::numbers::pi * frequencyHz * i / sampleRate);
        qToLittleEndian<qint16>(static_cast<qint16>(v * gain * 32767.0), dst + i);
    }
    return out;
}

}  // namespace tavexo
