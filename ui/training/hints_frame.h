#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QTableView;

namespace tavexo {

class HintsGridModel;
class Table;

// One box's page of the strategy hints: the log grid, read straight from the
// table's hints grid, with open, save, print and clear, and the name of the
// file last opened or saved.
class HintsFrame : public QWidget {
    Q_OBJECT
  public:
    HintsFrame(Table& table, int box, const QString& trainingFolder, QWidget* parent = nullptr);

    QTableView* View() const { return view_; }
    QString FileName() const;
    // Shows what the table has written to the grid since the last call.
    void Refresh();

    void OpenFile();
    void SaveFile();
    void Print();
    void Clear();

  private:
    void ShowFailure(const std::string& message);

    Table& table_;
    int box_;
    QString trainingFolder_;
    HintsGridModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* fileName_ = nullptr;
};

}  // namespace tavexo
