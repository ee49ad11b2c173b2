#pragma once

#include <cstdint>

#include "settings/sound_cues.h"

namespace tavexo {

// What the counting drill needs from the world around it: the event queue,
// time and sound. The drill is a long-running handler like the table's
// round cycle; every one of its waits goes through here, so the Qt window
// keeps reacting and a test host can run it on a virtual clock.
class DrillHost {
  public:
    virtual ~DrillHost() = default;

    // Handles the events that are pending, without waiting.
    virtual void PumpEvents() = 0;
    // Waits until at least one event (a click, a key) has been handled.
    virtual void WaitEvents() = 0;
    // Lets `ms` milliseconds pass while events go on being handled.
    virtual void Sleep(int ms) = 0;
    // A waiting sound returns when it has ended; a new sound cuts off one
    // that still plays.
    virtual void PlaySound(Sound sound, bool wait) = 0;
    // Milliseconds on a steady clock; only differences are meaningful.
    virtual int64_t NowMs() const = 0;
};

}  // namespace tavexo
