#pragma once

#include <QObject>
#include <QString>

namespace tavexo {

class Program;

// For tools/screenshot and scripts/check-package.sh only, switched on by the
// environment variable TAVEXO_SCREENSHOT (the number of rounds to deal
// before the picture, 0 for the idle table, -1 for the start screen) and
// optionally TAVEXO_SCREENSHOT_SLIDER (the size slider's value) and
// TAVEXO_SCREENSHOT_OPEN ("profiles", "options", "training", "hints",
// "drill", "update" or "live": that window is opened over the idle table).
// It lets the start screen fade at once, seats seven robots with no delays,
// lets box 4 wait for a human decision in the last round and prints
// "TAVEXO_READY" on standard error when the table is worth a picture, after
// lines that say where the help file and the sounds were found
// ("TAVEXO_HELP_FILE", "TAVEXO_HELP_TOPIC", "TAVEXO_SOUNDS"). Without the
// variable it does nothing. TAVEXO_SCREENSHOT_WINDOW "statistics" or
// "charts" lets the rounds run to their end instead and shows the
// statistics window (its charts) of box 1.
class ScreenshotMode : public QObject {
    Q_OBJECT
  public:
    explicit ScreenshotMode(Program& program);

  private:
    void Begin();
    void OpenRequestedWindow();
    void Watch();
    void Ready();
    void ReportData();
    void ShowStatistics();
    // The help's windows, for pictures of them in front of the idle table.
    bool OpenHelpWindow();

    Program& program_;
    int rounds_ = -1;
    bool ready_ = false;
    QString window_;
    bool windowShown_ = false;
};

}  // namespace tavexo
