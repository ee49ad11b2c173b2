#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>

#include "drill/drill_host.h"
#include "engine/table_host.h"

class QTimer;

namespace tavexo {

class SoundPlayer;

// The table's host on the Qt event loop. Every wait keeps the window alive:
// pumping handles pending events, sleeping runs a local event loop, and the
// engine's timers are QTimers that call back the tick handler by id. The
// counting drill runs on the same thread and is hosted here too.
class QtTableHost : public QObject, public TableHost, public DrillHost {
    Q_OBJECT
  public:
    explicit QtTableHost(SoundPlayer& player, QObject* parent = nullptr);
    ~QtTableHost() override;

    // The table's TimerTick; set once the table exists.
    void SetTimerHandler(std::function<void(int)> handler) { timerHandler_ = std::move(handler); }
    // What CloseTable does (closing the table window).
    void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }
    // The window message boxes belong to.
    void SetMessageParent(QWidget* parent) { messageParent_ = parent; }
    // Under test message boxes would wait for a click nobody makes: the host
    // then only records their texts.
    void SetRecordMessages(bool record) { recordMessages_ = record; }
    const QStringList& RecordedMessages() const { return messages_; }
    void ClearRecordedMessages() { messages_.clear(); }

    bool TimerRunning(int id) const;
    int TimerInterval(int id) const;

    void PumpEvents() override;
    void WaitEvents() override;
    void Sleep(int ms) override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    void PlaySound(Sound sound, bool wait) override;
    void Beep() override;
    void ShowInformation(const std::string& text) override;
    // The error message of the program's windows (a failed file write),
    // recorded as the information messages are.
    void ShowError(const QString& text);
    void CloseTable() override;
    int64_t NowMs() const override { return clock_.elapsed(); }

  signals:
    void messageShown(const QString& text);

  private:
    void Tick(int id);

    SoundPlayer& player_;
    std::function<void(int)> timerHandler_;
    std::function<void()> closeHandler_;
    QPointer<QWidget> messageParent_;
    bool recordMessages_ = false;
    QStringList messages_;
    std::map<int, QTimer*> timers_;
    QElapsedTimer clock_;
};

// A message of the engine as Qt shows it: the engine marks a paragraph break
// with two carriage returns.
QString MessageText(const std::string& text);

}  // namespace tavexo
