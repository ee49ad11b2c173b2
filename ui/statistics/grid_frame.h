#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTableView;

namespace tavexo {

class TextGridModel;

// One grid of a box's statistics page with its tool bar: open, save,
// spreadsheet export and print on the left, the file label "Datei" over the
// bare file name, the heading, and the clear button at the right end. The
// round history's frame adds a bar below the grid with two buttons that hide
// or show the detail statistics. The frame only shows and reports clicks;
// the box page acts on them.
class GridFrame : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { History, Details };

    GridFrame(Kind kind, TextGridModel* model, QWidget* parent = nullptr);

    Kind FrameKind() const { return kind_; }
    QTableView* View() const { return view_; }
    void SetFileName(const QString& name);
    QString FileName() const;
    // History frame only: the captions of the two buttons below the grid.
    void SetDetailsHidden(bool hidden);

  signals:
    void openClicked();
    void saveClicked();
    void exportClicked();
    void printClicked();
    void clearClicked();
    void toggleDetailsClicked();

  private:
    Kind kind_;
    QTableView* view_ = nullptr;
    QLabel* fileName_ = nullptr;
    std::array<QPushButton*, 2> toggles_{};
};

}  // namespace tavexo
