#include "ui/common/qt_table_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "ui/common/sound_player.h"
#include "ui/common/window_style.h"

namespace tavexo {

QString MessageText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QtTableHost::QtTableHost(SoundPlayer& player, QObject* parent) : QObject(parent), player_(player) {
    clock_.start();
}

QtTableHost::~QtTableHost() = default;

void QtTableHost::PumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtTableHost::WaitEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtTableHost::Sleep(int ms) {
    if (ms <= 0) {
        PumpEvents();
        return;
    }
    // A local loop rather than a blocking sleep: clicks, repaints and the
    // engine's own timers go on while the round pauses.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtTableHost::StartTimer(int id, int intervalMs) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { Tick(id); });
    }
    timer->start(std::max(intervalMs, 0));
}

void QtTableHost::StopTimer(int id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

bool QtTableHost::TimerRunning(int id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

int QtTableHost::TimerInterval(int id) const {
    const auto it = timers_.find(id);
    return it == timers_.end() ? 0 : it->second->interval();
}

void QtTableHost::Tick(int id) {
    // A tick handler pumps events and may wait for sounds. Qt never delivers
    // a timer's event into its own running handler, which is what the engine
    // expects of a timer: one tick at a time per timer.
    if (timerHandler_) timerHandler_(id);
}

void QtTableHost::PlaySound(Sound sound, bool wait) {
    player_.Play(sound);
    if (wait) Sleep(player_.LengthMs(sound));
}

void QtTableHost::Beep() {
    player_.PlayBeep();
    Sleep(SoundPlayer::BEEP_MS);
}

void QtTableHost::ShowInformation(const std::string& text) {
    const QString message = MessageText(text);
    emit messageShown(message);
    if (recordMessages_) {
        messages_.append(message);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tavexo"), message, QMessageBox::Ok,
                    messageParent_);
    ApplyWindowStyle(&box);
    box.exec();
}

void QtTableHost::ShowError(const QString& text) {
    emit messageShown(text);
    if (recordMessages_) {
        messages_.append(text);
        return;
    }
    ShowErrorBox(messageParent_, text);
}

void QtTableHost::CloseTable() {
    if (closeHandler_) closeHandler_();
}

}  // namespace tavexo
