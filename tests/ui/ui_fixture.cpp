#include "ui_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "engine/table.h"
#include "settings/profiles.h"
#include "ui/start/start_screen.h"
#include "ui/table/table_window.h"

namespace tavexo::uitest {

namespace {

// The offscreen platform says, for every window shown, which window-manager
// calls it ignores; hundreds of such lines bury a failing check's message in
// a test's output. Everything else goes on to Qt Test's own logging.
QtMessageHandler testLogging = nullptr;  // Qt Test's own, once ours is in place

void DropOffscreenNotices(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLogging(type, context, message);
}

}  // namespace

std::unique_ptr<Program> StartProgram(const QString& dataBase, bool fadeIn,
                                      const std::function<void(ProgramConfig&)>& adjust) {
    // Installed once, after Qt Test has put its own handler in place.
    // (Qt hands back its default handler when none was installed before.)
    if (testLogging == nullptr) testLogging = qInstallMessageHandler(DropOffscreenNotices);
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

void WhenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start(10);
}

void ChooseFile(const QString& title, const QString& filter, const QString& folder,
                const QString& path) {
    WhenModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY2(dialog != nullptr, qPrintable(modal->metaObject()->className()));
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->nameFilters(), QStringList{filter});
        if (!folder.isEmpty())
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        TypeFileName(*dialog, path);
    });
}

void TypeFileName(QFileDialog& dialog, const QString& path) {
    // Into the name field, as a user types a whole path: selectFile() leaves
    // the field alone while it has the keyboard focus, which depends on when
    // the window system activated the dialog.
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY2(name != nullptr, "the file dialog has no name field");
    name->setText(path);
    QMetaObject::invokeMethod(&dialog, "accept");
}

void AnswerMessage(QMessageBox::StandardButton button, QString* text) {
    WhenModal([=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY2(box != nullptr, qPrintable(modal->metaObject()->className()));
        if (text != nullptr) *text = box->text();
        QAbstractButton* answer = box->button(button);
        if (answer == nullptr) answer = box->buttons().constFirst();
        answer->click();
    });
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

RunScript::RunScript(Table& table, int limitMs)
    : RunScript([&table] { table.StopRun(); }, limitMs) {}

RunScript::RunScript(std::function<void()> stopRun, int limitMs)
    : stopRun_(std::move(stopRun)), limitMs_(limitMs) {
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
        stopRun_();
        return;
    }
    if (next_ >= steps_.size() || !steps_[next_].when()) return;
    busy_ = true;
    Step& step = steps_[next_++];
    step.step();
    busy_ = false;
}

}  // namespace tavexo::uitest
