#pragma once

#include <QLabel>
#include <QUrl>
#include <QWidget>

namespace tavexo::help {

// A label that acts like a link: the hand cursor over it, a click or Enter
// opens its address through the desktop (the mail program for "mailto:").
class MailLabel : public QLabel {
    Q_OBJECT
  public:
    MailLabel(const QString& text, const QUrl& address, QWidget* parent = nullptr);
    QUrl Address() const { return address_; }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Open();
    QUrl address_;
};

// The info window: product, version and how to reach us.
class InfoWindow : public QWidget {
    Q_OBJECT
  public:
    explicit InfoWindow(QWidget* parent = nullptr);

    static const QString MAIL_ADDRESS;
    static QUrl MailUrl();
};

}  // namespace tavexo::help
