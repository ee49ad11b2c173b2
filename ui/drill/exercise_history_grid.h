#pragma once

#include <QTableWidget>

#include <vector>

#include "drill/exercise_history.h"

namespace tavexo {

// The latest rounds of one timed drill from "Übungsverlauf.csv", newest
// first: when, what was drilled, how many right, the mean error and the
// seconds per answer.
class ExerciseHistoryGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit ExerciseHistoryGrid(bool withError, QWidget* parent = nullptr);
    void ShowRounds(const std::vector<ExerciseRecord>& rounds);

  private:
    bool withError_;
};

}  // namespace tavexo
