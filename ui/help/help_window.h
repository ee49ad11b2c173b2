#pragma once

#include <QUrl>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace tavexo::help {

class HelpBrowser;
class HelpCatalog;

// The help window: contents, index and full-text search on the left, the
// topic on the right, with back and forward and a font-size control. It is
// made once and only hidden when closed, so its history survives.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(HelpCatalog& catalog, QWidget* parent = nullptr);

    void ShowTopic(const QUrl& topic);
    // The contents; the start page when nothing is shown yet.
    void ShowContents();
    // The search with an empty query, ready for typing.
    void ShowSearch();

    QUrl CurrentTopic() const;
    HelpBrowser* Browser() const { return browser_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildToolBar(QHBoxLayout* bar);
    QWidget* BuildIndexPage();
    QWidget* BuildSearchPage();
    void RunSearch();
    void ShowSearchResults();
    void Zoom(int delta);
    void BringToFront();

    HelpCatalog& catalog_;
    HelpBrowser* browser_ = nullptr;
    QTabWidget* navigation_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QLineEdit* searchQuery_ = nullptr;
    QLabel* searchStatus_ = nullptr;
    QListWidget* searchResults_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* smaller_ = nullptr;
    QPushButton* larger_ = nullptr;
    bool indexing_ = false;
    QString pendingQuery_;
};

}  // namespace tavexo::help
