#pragma once

#include <array>

class QWidget;

namespace tavexo::help {

// The help context numbers. Every window, and a few controls, carries one;
// the help file has an index keyword whose identifier is the number, so the
// topic behind a number is found in the file itself.
enum HelpContext : int {
    OptionsDialog = 1030,
    ProfilesDialog = 1040,
    HistoryGrid = 1070,
    UsingHelp = 1080,
    MissingHelpFile = 1090,
    UpdateWindow = 1100,
    TableWindow = 2010,
    CountingDrill = 2050,
    // The pages of "Zählen üben" beside the counting drill, and its
    // "Tempo finden".
    DeckEstimation = 2052,
    TrueCountDrill = 2053,
    IndexPlays = 2054,
    PaceFinding = 2055,
    DetailStatistics = 2060,
    StatisticsWindow = 2070,
    DeviationReaction = 2090,
    TrainingCentre = 2100,
    BetRamp = 2110,
};

inline constexpr std::array<int, 17> ALL_HELP_CONTEXTS = {
    OptionsDialog,  ProfilesDialog, HistoryGrid,      UsingHelp,        MissingHelpFile,
    UpdateWindow,   TableWindow,    CountingDrill,    DeckEstimation,   TrueCountDrill,
    IndexPlays,     PaceFinding,    DetailStatistics, StatisticsWindow, DeviationReaction,
    TrainingCentre, BetRamp,
};

// The dynamic property by which a widget declares its help context. F1 reads
// it from the focused widget upwards through its parents, so a window sets it
// once on itself and, where a part needs its own topic, on that part.
inline constexpr char CONTEXT_PROPERTY[] = "helpContext";

void SetHelpContext(QWidget* widget, int context);

// The context of the widget or of its nearest parent that declares one; 0
// when none does.
int HelpContextOf(const QWidget* widget);

}  // namespace tavexo::help
