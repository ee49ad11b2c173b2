#pragma once

#include <string>

#include "settings/sound_cues.h"

namespace tavexo {

// Timer 0 is the table's round-delay timer; timers 1..7 are the boxes'
// one-second decision timers.
inline constexpr int ROUND_DELAY_TIMER = 0;

// Everything the round engine needs from the world around it: the event
// queue, time, timers, sound and message boxes. The Qt table window, the
// scripted test host and the simulator each implement it.
class TableHost {
  public:
    virtual ~TableHost() = default;

    // Handles the events that are pending, without waiting.
    virtual void PumpEvents() = 0;
    // Waits until at least one event (a click, a timer) has been handled.
    // Wait loops use this: only an event can end them.
    virtual void WaitEvents() = 0;
    // Lets `ms` milliseconds pass while events go on being handled.
    virtual void Sleep(int ms) = 0;

    // Periodic timers: the host calls Table::TimerTick(id) every `intervalMs`
    // until the timer is stopped. Starting a running timer restarts it.
    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;

    // A waiting sound returns when it has ended; a new sound cuts off one
    // that still plays. No audio device is not an error.
    virtual void PlaySound(Sound sound, bool wait) = 0;
    // The 400 Hz, 400 ms tone; it blocks for its length.
    virtual void Beep() = 0;

    virtual void ShowInformation(const std::string& text) = 0;
    // Closes the table window, which ends the program.
    virtual void CloseTable() = 0;

    // True for a host whose waits and sounds do nothing (the simulator): the
    // engine then skips them on its per-card path altogether.
    virtual bool Headless() const { return false; }
};

}  // namespace tavexo
