#pragma once

#include <QAudioFormat>
#include <QByteArray>

namespace tavexo {

// The facts of an uncompressed PCM wave file that playing and pacing need.
// The length comes from the header alone, so a waiting cue can wait exactly
// as long as its sound lasts without listening for playback signals.
struct WavSound {
    bool valid = false;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
    QByteArray samples;     // the data chunk

    // Milliseconds, rounded up so that a wait never ends before the sound.
    int LengthMs() const;
    QAudioFormat Format() const;
};

// Reads a RIFF/WAVE file held in memory. Anything but 8- or 16-bit PCM, or a
// header that is cut short, gives an invalid sound (which then plays as
// silence of length 0).
WavSound ParseWav(const QByteArray& bytes);

// The same sound as 16-bit samples at `sampleRate` with `channels` channels,
// for an output that cannot take the file's own format.
QByteArray ConvertPcm(const WavSound& sound, int sampleRate, int channels);

// A sine tone as 16-bit mono samples, with short ramps against clicks.
QByteArray SineTone(int frequencyHz, int lengthMs, int sampleRate);

}  // namespace tavexo
