#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cmath>

#include "ui/common/qt_table_host.h"
#include "ui/common/sound_player.h"
#include "ui/common/wav_file.h"

using namespace tavexo;

namespace {

struct WavShape {
    int rate = 22050;
    int channels = 1;
    int bits = 16;
    int frames = 2205;
    quint16 formatTag = 1;
    QByteArray chunkBeforeData;  // an extra chunk between "fmt " and "data"
    qint64 claimedDataBytes = -1;
    bool formatChunk = true;

    WavShape& Pcm(int r, int c, int b, int f) {
        rate = r;
        channels = c;
        bits = b;
        frames = f;
        return *this;
    }
};

void Put32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void Put16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

QByteArray MakeWav(const WavShape& s) {
    const int dataBytes = s.frames * s.channels * s.bits / 8;
    QByteArray body("WAVE");
    if (s.formatChunk) {
        body.append("fmt ");
        Put32(body, 16);
        Put16(body, s.formatTag);
        Put16(body, static_cast<quint16>(s.channels));
        Put32(body, static_cast<quint32>(s.rate));
        Put32(body, static_cast<quint32>(s.rate * s.channels * s.bits / 8));
        Put16(body, static_cast<quint16>(s.channels * s.bits / 8));
        Put16(body, static_cast<quint16>(s.bits));
    }
    body.append(s.chunkBeforeData);
    body.append("data");
    Put32(body, static_cast<quint32>(s.claimedDataBytes >= 0 ? s.claimedDataBytes : dataBytes));
    body.append(QByteArray(dataBytes, '\x10'));
    QByteArray file("RIFF");
    Put32(file, static_cast<quint32>(body.size()));
    return file + body;
}

template <typename Change>
WavShape Changed(Change change) {
    WavShape shape;
    change(shape);
    return shape;
}

// A chunk of odd size: the reader must skip its pad byte to find "data".
QByteArray OddListChunk() {
    QByteArray chunk("LIST");
    Put32(chunk, 5);
    chunk.append("abcde");
    chunk.append('\0');
    return chunk;
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT
  private slots:
    void waveHeaders_data();
    void waveHeaders();
    void tableSoundsAreFound_data();
    void tableSoundsAreFound();
    void missingSoundFilesAreSilentAndTakeNoTime();
    void conversionKeepsLengthAndLevel();
    void beepToneIs400HzFor400Ms();
    void silentPlayerDoesNothing();
    void waitingCueWaitsItsLengthAndKeepsWindowAlive();
    void nonWaitingCueReturnsAtOnce();
};

void SoundTest::waveHeaders_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("lengthMs");

    QTest::newRow("16-bit mono 0.1 s") << MakeWav(WavShape()) << true << 100;
    QTest::newRow("8-bit mono 11025 Hz")
        << MakeWav(WavShape().Pcm(11025, 1, 8, 11951)) << true << 1084;
    QTest::newRow("16-bit stereo 48 kHz")
        << MakeWav(WavShape().Pcm(48000, 2, 16, 2400)) << true << 50;
    QTest::newRow("part frames round up")
        << MakeWav(WavShape().Pcm(8000, 1, 8, 920)) << true << 115;
    QTest::newRow("odd chunk before data")
        << MakeWav(Changed([](WavShape& s) { s.chunkBeforeData = OddListChunk(); })) << true << 100;
    // A header that promises more data than the file holds: the length is
    // what can be played, not what the header claims.
    QTest::newRow("data chunk cut short")
        << MakeWav(Changed([](WavShape& s) { s.claimedDataBytes = 441000; })) << true << 100;
    QTest::newRow("float samples")
        << MakeWav(Changed([](WavShape& s) { s.bits = 32, s.formatTag = 3; })) << false << 0;
    QTest::newRow("24-bit samples") << MakeWav(WavShape().Pcm(22050, 1, 24, 2205)) << false << 0;
    QTest::newRow("no fmt chunk") << MakeWav(Changed([](WavShape& s) { s.formatChunk = false; }))
                                  << false << 0;
    QTest::newRow("six channels") << MakeWav(WavShape().Pcm(22050, 6, 16, 2205)) << false << 0;
    QTest::newRow("not a wave") << QByteArray("RIFF\x04\0\0\0AVI LIST", 16) << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("header only") << MakeWav(WavShape()).left(30) << false << 0;
}

void SoundTest::waveHeaders() {
    QFETCH(QByteArray, file);
    QFETCH(bool, valid);
    QFETCH(int, lengthMs);
    const WavSound sound = ParseWav(file);
    QCOMPARE(sound.valid, valid);
    QCOMPARE(sound.LengthMs(), lengthMs);
}

void SoundTest::tableSoundsAreFound_data() {
    QTest::addColumn<int>("sound");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("referenceMs");
    // The pace of a round depends on the waiting cues, so our recordings
    // keep close to the lengths the table was tuned with.
    QTest::newRow("bj") << int(Sound::Bj) << "bj" << 400;
    QTest::newRow("card") << int(Sound::Card) << "card" << 480;
    QTest::newRow("coin1") << int(Sound::Coin1) << "coin1" << 50;
    QTest::newRow("coin2") << int(Sound::Coin2) << "coin2" << 200;
    QTest::newRow("minus") << int(Sound::Minus) << "minus" << 600;
    QTest::newRow("mischen") << int(Sound::Mischen) << "mischen" << 1084;
    QTest::newRow("null") << int(Sound::Null) << "null" << 320;
    QTest::newRow("piep") << int(Sound::Piep) << "piep" << 115;
    QTest::newRow("plus") << int(Sound::Plus) << "plus" << 440;
}

void SoundTest::tableSoundsAreFound() {
    QFETCH(int, sound);
    QFETCH(QString, name);
    QFETCH(int, referenceMs);
    SoundPlayer player(SoundPlayer::Output::Silent);
    QCOMPARE(QString::fromLatin1(SoundName(Sound(sound))), name);
    // From the build tree's data folder, laid out as an installed one.
    QCOMPARE(SoundPlayer::SoundFile(Sound(sound)),
             QStringLiteral(TAVEXO_STAGED_DATA_DIR "/sounds/%1.wav").arg(name));
    QVERIFY(player.Loaded(Sound(sound)));
    const int length = player.LengthMs(Sound(sound));
    QVERIFY2(std::abs(length - referenceMs) <= referenceMs / 4 + 15,
             qPrintable(QStringLiteral("%1 lasts %2 ms").arg(name).arg(length)));
}

void SoundTest::missingSoundFilesAreSilentAndTakeNoTime() {
    // No data folder has the sounds: the player is made all the same, every
    // sound is silent and lasts nothing, so the table deals on unpaced.
    QTemporaryDir nowhere;
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(nowhere.path()));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Tavexo: Klangdateien fehlen")));
    SoundPlayer player(SoundPlayer::Output::Silent);
    qputenv("XDG_DATA_DIRS", dataDirs);
    for (int i = 0; i < SOUND_COUNT; ++i) {
        QVERIFY(!player.Loaded(Sound(i)));
        QCOMPARE(player.LengthMs(Sound(i)), 0);
    }
}

void SoundTest::conversionKeepsLengthAndLevel() {
    WavSound in;
    in.valid = true;
    in.sampleRate = 11025;
    in.channels = 1;
    in.bitsPerSample = 8;
    in.samples = QByteArray(1000, '\x80') + QByteArray(1000, '\xff');
    const QByteArray out = ConvertPcm(in, 22050, 2);
    QCOMPARE(out.size(), qsizetype(4000 * 2 * 2));
    const auto* s = reinterpret_cast<const qint16*>(out.constData());
    // 8-bit silence (128) becomes 0 in both channels; full scale stays near full.
    QCOMPARE(qFromLittleEndian(s[100]), qint16(0));
    QCOMPARE(qFromLittleEndian(s[101]), qint16(0));
    QVERIFY(qFromLittleEndian(s[2 * 3000]) > 32000);
    QCOMPARE(qFromLittleEndian(s[2 * 3000]), qFromLittleEndian(s[2 * 3000 + 1]));
}

void SoundTest::beepToneIs400HzFor400Ms() {
    const QByteArray tone = SineTone(SoundPlayer::BEEP_HZ, SoundPlayer::BEEP_MS, 22050);
    QCOMPARE(tone.size(), qsizetype(8820 * 2));
    const auto* s = reinterpret_cast<const qint16*>(tone.constData());
    int crossings = 0;
    for (int i = 1; i < 8820; ++i) crossings += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
    // 400 Hz for 0.4 s: 160 periods, two sign changes each.
    QVERIFY2(std::abs(crossings - 320) <= 2, qPrintable(QString::number(crossings)));
}

void SoundTest::silentPlayerDoesNothing() {
    SoundPlayer player(SoundPlayer::Output::Silent);
    QVERIFY(!player.HasOutput());
    player.Play(Sound::Mischen);
    player.PlayBeep();
    player.Stop();
    QCOMPARE(player.LengthMs(Sound::Mischen), 1084);
}

void SoundTest::waitingCueWaitsItsLengthAndKeepsWindowAlive() {
    SoundPlayer player(SoundPlayer::Output::Silent);
    QtTableHost host(player);
    bool delivered = false;
    QTimer::singleShot(0, this, [&] { delivered = true; });
    QElapsedTimer clock;
    clock.start();
    host.PlaySound(Sound::Coin2, true);
    QVERIFY(clock.elapsed() >= player.LengthMs(Sound::Coin2) - 1);
    QVERIFY(delivered);

    delivered = false;
    QTimer::singleShot(0, this, [&] { delivered = true; });
    clock.restart();
    host.Beep();
    QVERIFY(clock.elapsed() >= SoundPlayer::BEEP_MS - 1);
    QVERIFY(delivered);
}

void SoundTest::nonWaitingCueReturnsAtOnce() {
    SoundPlayer player(SoundPlayer::Output::Silent);
    QtTableHost host(player);
    bool delivered = false;
    QTimer::singleShot(0, this, [&] { delivered = true; });
    // Returning at once means no event is handled inside the call.
    host.PlaySound(Sound::Mischen, false);
    QVERIFY(!delivered);
    QTRY_VERIFY(delivered);
}

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
