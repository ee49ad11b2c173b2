#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "drill/drill_host.h"
#include "engine/table.h"
#include "engine/table_host.h"

namespace tavexo::testing {

// Thrown when virtual time runs past its limit: the engine waits for an
// event that no script step or timer delivers.
struct HostStuck : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A host with a virtual clock. Sleeping advances the clock and fires the
// timers that fall due; pumping performs the next scripted user action whose
// trigger holds. Tests of time-outs, pauses and stops run instantly. It
// hosts the counting drill as well; the drill's steps look at the drill
// through what their lambdas capture.
class ScriptedHost : public TableHost, public DrillHost {
  public:
    using Trigger = std::function<bool(const Table&)>;
    using Step = std::function<void(Table&)>;
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;

    void Attach(Table& table) { table_ = &table; }

    // A one-shot step: performed once, the first time its trigger holds.
    void When(Trigger trigger, Step step);
    // A standing step: performed every time its trigger holds when events are
    // handled (for example "whenever box 2 is in turn, click Halten").
    void Whenever(Trigger trigger, Step step);
    // The same for steps that need no table.
    void When(Condition condition, Action action);
    void Whenever(Condition condition, Action action);
    // A standing step that is performed only while the engine waits for an
    // event (WaitEvents), never from a pump between two cards: a user who
    // acts when the table is ready for them, whatever the engine does while
    // it deals.
    void WheneverWaiting(Trigger trigger, Step step);

    int64_t Now() const { return now_; }
    int64_t NowMs() const override { return now_; }
    bool TimerRunning(int id) const { return timers_.count(id) > 0; }
    void SetTimeLimit(int64_t ms) { limit_ = ms; }

    // What the table did to the outside world, in order: "sound:card",
    // "sound-wait:coin1", "beep", "message:<text>", "close".
    std::vector<std::string> events;
    std::vector<std::string> messages;
    int beeps = 0;
    bool closed = false;
    int Count(const std::string& event) const;

    void PumpEvents() override;
    void WaitEvents() override;
    void Sleep(int ms) override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    void PlaySound(Sound sound, bool wait) override;
    void Beep() override;
    void ShowInformation(const std::string& text) override;
    void CloseTable() override;

  private:
    struct ScriptStep {
        Condition trigger;
        Action step;
        bool standing;
        bool waitingOnly = false;
        bool done = false;
    };
    struct Timer {
        int interval;
        int64_t due;
    };

    bool RunScript();
    void Add(Condition condition, Action action, bool standing, bool waitingOnly = false);
    bool FireNextTimer(int64_t until);
    void CheckLimit() const;

    Table* table_ = nullptr;
    std::vector<ScriptStep> script_;
    std::map<int, Timer> timers_;
    int64_t now_ = 0;
    static constexpr int64_t IDLE_STEP_MS = 100;
    int64_t limit_ = 10LL * 3600 * 1000;
    int depth_ = 0;
    bool waiting_ = false;  // the script runs from WaitEvents
};

}  // namespace tavexo::testing
