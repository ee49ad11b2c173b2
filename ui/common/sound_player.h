#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include <array>
#include <memory>

#include "settings/sound_cues.h"

class QAudioSink;
class QBuffer;

namespace tavexo {

struct WavSound;

inline constexpr int SOUND_COUNT = 9;

// Plays the table's nine wave sounds, read from the program's data folder
// (share/tavexo/sounds, services/program_data.h), and the 400 Hz beep.
// Playing never blocks: whoever must wait for a sound waits its LengthMs(),
// which comes from the wave header. A new sound cuts off the one that plays.
// Without an audio output every call is a silent no-op; the lengths stay the
// same, so the table keeps its pace. A sound whose file is missing is silent
// and lasts nothing.
class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    enum class Output { System, Silent };

    // System uses the default audio output if the machine has one when the
    // player is made; Silent never touches the audio system.
    explicit SoundPlayer(Output output = Output::System, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // The file a sound is read from; empty when no data folder has it.
    static QString SoundFile(Sound sound);

    bool HasOutput() const { return !device_.isNull(); }
    bool Loaded(Sound sound) const;
    int LengthMs(Sound sound) const;

    void Play(Sound sound);
    void PlayBeep();
    void Stop();

    static constexpr int BEEP_HZ = 400;
    static constexpr int BEEP_MS = 400;

  private:
    struct Clip {
        QByteArray pcm;
        QAudioFormat format;
        int lengthMs = 0;
    };
    // False when the sound's file is missing or no wave file.
    bool Load(Sound sound);
    void PrepareForDevice(Clip& clip, const WavSound& wav);
    void Start(const Clip& clip);

    QAudioDevice device_;
    std::array<Clip, SOUND_COUNT> clips_;
    Clip beep_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace tavexo
