#pragma once

#include <QLocale>
#include <QWidget>

#include <functional>
#include <memory>

#include "settings/data_folders.h"
#include "stats/text_grid.h"

class QSplitter;
class QTabWidget;

namespace tavexo {

class CountCharts;
class DetailsGridModel;
class GridFrame;
class HistoryGridModel;
class Table;

// What the statistics pages need from their surroundings besides the table:
// the folders of the file dialogs and how an exported workbook is opened.
struct StatisticsServices {
    DataFolders folders;
    QLocale locale;
    // Opens an exported workbook in the desktop's spreadsheet program;
    // false when no program for .xlsx files is there.
    std::function<bool(const QString& path)> openSpreadsheet;
    // Prints a grid (title, landscape); none: printing is not offered.
    std::function<void(QWidget* parent, const TextGrid& grid, const QString& title)> print;
};

// One box's page of the statistics window: its round history above its
// detail statistics (the split between them movable), and a second tab with
// the charts. The buttons of both grids act on this box.
class BoxPage : public QWidget {
    Q_OBJECT
  public:
    BoxPage(Table& table, int box, const StatisticsServices& services, QWidget* parent = nullptr);
    ~BoxPage() override;

    int Box() const { return box_; }
    GridFrame* HistoryFrame() const { return historyFrame_; }
    GridFrame* DetailsFrame() const { return detailsFrame_; }
    CountCharts* Charts() const { return charts_; }

    void SetDetailsHidden(bool hidden);
    // The detail statistics' share of the page when the window is smaller
    // than its usual size; the user can move the split.
    void SetDetailsHeight(int height);
    void RefreshHistory();
    void RefreshDetails();

  signals:
    void toggleDetailsRequested();

  private:
    void OpenGrid(bool history);
    void SaveGrid(bool history);
    void ExportGrid(bool history);
    void PrintGrid(bool history);
    void ClearHistory();
    void ClearDetails();
    bool Confirm(const QString& question);
    QString BoxName() const;

    Table& table_;
    int box_;
    const StatisticsServices& services_;
    std::unique_ptr<HistoryGridModel> historyModel_;
    std::unique_ptr<DetailsGridModel> detailsModel_;
    QTabWidget* tabs_ = nullptr;
    QSplitter* split_ = nullptr;
    GridFrame* historyFrame_ = nullptr;
    GridFrame* detailsFrame_ = nullptr;
    CountCharts* charts_ = nullptr;
};

}  // namespace tavexo
