#include "support/scripted_host.h"

#include <algorithm>

namespace tavexo::testing {

void ScriptedHost::Add(Condition condition, Action action, bool standing, bool waitingOnly) {
    script_.push_back(ScriptStep{std::move(condition), std::move(action), standing, waitingOnly});
}

void ScriptedHost::When(Trigger trigger, Step step) {
    Add([this, trigger] { return table_ != nullptr && trigger(*table_); },
        [this, step] { step(*table_); }, false);
}

void ScriptedHost::Whenever(Trigger trigger, Step step) {
    Add([this, trigger] { return table_ != nullptr && trigger(*table_); },
        [this, step] { step(*table_); }, true);
}

void ScriptedHost::WheneverWaiting(Trigger trigger, Step step) {
    Add([this, trigger] { return table_ != nullptr && trigger(*table_); },
        [this, step] { step(*table_); }, true, true);
}

void ScriptedHost::When(Condition condition, Action action) {
    Add(std::move(condition), std::move(action), false);
}

void ScriptedHost::Whenever(Condition condition, Action action) {
    Add(std::move(condition), std::move(action), true);
}

int ScriptedHost::Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

bool ScriptedHost::RunScript() {
    if (depth_ > 0) return false;
    for (size_t i = 0; i < script_.size(); ++i) {
        ScriptStep& s = script_[i];
        if (s.done || (s.waitingOnly && !waiting_) || !s.trigger()) continue;
        if (!s.standing) s.done = true;
        // A step may itself run the engine, which pumps again: it must not
        // re-enter the script while it runs.
        ++depth_;
        Action step = s.step;  // the vector may grow while the step runs
        step();
        --depth_;
        return true;
    }
    return false;
}

bool ScriptedHost::FireNextTimer(int64_t until) {
    if (timers_.empty()) return false;
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
        return a.second.due < b.second.due;
    });
    if (next->second.due > until) return false;
    const int id = next->first;
    now_ = std::max(now_, next->second.due);
    next->second.due = now_ + std::max(1, next->second.interval);
    CheckLimit();
    if (table_ != nullptr) table_->TimerTick(id);
    return true;
}

void ScriptedHost::CheckLimit() const {
    if (now_ > limit_) throw HostStuck("virtual time ran past its limit");
}

void ScriptedHost::PumpEvents() {
    RunScript();
}

void ScriptedHost::WaitEvents() {
    waiting_ = true;
    const bool ran = RunScript();
    waiting_ = false;
    if (ran) return;
    if (FireNextTimer(INT64_MAX)) return;
    // Nothing is due: the user takes their time. Steps that wait for a
    // moment of the clock see it pass; a wait that nothing can end runs into
    // the time limit.
    now_ += IDLE_STEP_MS;
    CheckLimit();
}

void ScriptedHost::Sleep(int ms) {
    const int64_t target = now_ + std::max(0, ms);
    RunScript();
    while (FireNextTimer(target)) {
    }
    now_ = std::max(now_, target);
    CheckLimit();
}

void ScriptedHost::StartTimer(int id, int intervalMs) {
    timers_[id] = Timer{intervalMs, now_ + std::max(1, intervalMs)};
}

void ScriptedHost::StopTimer(int id) {
    timers_.erase(id);
}

void ScriptedHost::PlaySound(Sound sound, bool wait) {
    events.push_back(std::string(wait ? "sound-wait:" : "sound:") + SoundName(sound));
}

void ScriptedHost::Beep() {
    ++beeps;
    events.push_back("beep");
}

void ScriptedHost::ShowInformation(const std::string& text) {
    messages.push_back(text);
    events.push_back("message:" + text);
}

void ScriptedHost::CloseTable() {
    closed = true;
    events.push_back("close");
}

}  // namespace tavexo::testing
