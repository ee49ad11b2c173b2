#pragma once

#include <string>

#include "engine/table_host.h"

namespace tavexo::sim {

// The simulator's host: no window, no clock, no sound. Every wait and sound
// is a no-op, and Headless() lets the engine skip even the calls.
class HeadlessHost : public TableHost {
  public:
    void PumpEvents() override {}
    void WaitEvents() override {}
    void Sleep(int) override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void PlaySound(Sound, bool) override {}
    void Beep() override {}
    // The only message a robot table can meet: no box could pay its stake.
    void ShowInformation(const std::string& text) override { lastMessage = text; }
    void CloseTable() override {}
    bool Headless() const override { return true; }

    std::string lastMessage;
};

}  // namespace tavexo::sim
