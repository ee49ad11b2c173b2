#include "ui_fixture.h"

#include "engine/table.h"
#include "settings/profiles.h"
#include "ui/start/start_screen.h"
#include "ui/table/table_window.h"

namespace tavexo::uitest {

std::unique_ptr<Program> StartProgram(const QString& dataBase, bool fadeIn,
                                      const std::function<void(ProgramConfig&)>& adjust) {
    ProgramConfig config;
    config.dataBase = dataBase;
    config.screen = QRect(0, 0, 1920, 1080);
    config.sound = SoundPlayer::Output::Silent;
    config.recordMessages = true;
    if (adjust) adjust(config);
    auto program = std::make_unique<Program>(config);
    program->Start();
    if (fadeIn) program->StartWindow()->FadeOver();
    return program;
}

void QuickTable(Program& program) {
    TProgramSettings& settings = program.Settings();
    settings.cardDelay = 0;
    settings.roundDelay = 0;
    settings.soundCues.fill(false);
    program.GetTable().SettingsChanged();
}

void Seat(Program& program, std::initializer_list<int> humans, std::initializer_list<int> robots) {
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxProfile profile;
        profile.name = DEFAULT_PLAYER_NAMES[box - 1];
        profile.capital = 1000.0f;
        profile.unitValue = 5;
        profile.active = false;
        for (int b : humans) profile.active = profile.active || b == box;
        for (int b : robots) {
            if (b == box) profile.active = profile.robot = true;
        }
        program.GetTable().ApplyProfile(box, profile);
    }
}

RunScript::RunScript(Table& table, int limitMs) : table_(table), limitMs_(limitMs) {
    connect(&timer_, &QTimer::timeout, this, &RunScript::Poll);
    timer_.start(1);
    clock_.start();
}

void RunScript::Then(std::function<bool()> when, std::function<void()> step) {
    steps_.push_back({std::move(when), std::move(step)});
}

void RunScript::Poll() {
    // A step may itself wait for events (a click that ends a turn): no
    // second poll may run inside it.
    if (busy_) return;
    if (clock_.elapsed() > limitMs_ && !timedOut_) {
        timedOut_ = true;
        table_.StopRun();
        return;
    }
    if (next_ >= steps_.size() || !steps_[next_].when()) return;
    busy_ = true;
    Step& step = steps_[next_++];
    step.step();
    busy_ = false;
}

}  // namespace tavexo::uitest
