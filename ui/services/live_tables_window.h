#pragma once

#include <QUrl>
#include <QWidget>

#include "ui/services/service_environment.h"

class QPushButton;

namespace tavexo {

// "Live-Tische fürs Counten": points the user to live blackjack tables that
// deal from a shoe, where counting works. Two casino logos open their pages
// in the browser. Closing only hides it.
class LiveTablesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LiveTablesWindow(ServiceEnvironment env, QWidget* parent = nullptr);

    // The pages behind the two logos.
    static QUrl FirstCasinoPage();
    static QUrl SecondCasinoPage();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OpenCasino(const QUrl& page);

    ServiceEnvironment env_;
    bool placed_ = false;
};

}  // namespace tavexo
