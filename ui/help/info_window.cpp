#include "ui/help/info_window.h"

#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/window_style.h"
#include "ui/help/centre_over.h"
#include "ui/help/help_context.h"

namespace tavexo::help {

namespace {

constexpr char VERSION[] = "1.1.1.0";

// Our contact texts: the project's own, naming no person or company.
struct ContactLine {
    const char* objectName;
    const char* text;
};
constexpr ContactLine CONTACT[] = {
    {"LName", "Tavexo-Team"},
    {"LStrasse", "Kartenweg 21"},
    {"LPLZOrt", "00000 Musterstadt"},
    {"LTelefon", "Telefon: keine Hotline – bitte per E-Mail"},
    {"LFax", "Fax: –"},
};

// The product picture: a bit of green cloth with two cards that make 21.
QPixmap ProductPicture(qreal ratio) {
    const QSize size(120, 96);
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 85, 0));
    p.setPen(QPen(QColor(196, 160, 70), 2));
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 10, 10);
    auto card = [&p](QRectF rect, const QString& rank, QColor ink) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(rect, 4, 4);
        QFont font = p.font();
        font.setPixelSize(18);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(rect.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, rank);
    };
    p.save();
    p.translate(40, 50);
    p.rotate(-12);
    card(QRectF(-22, -34, 44, 62), QStringLiteral("A\n♠"), Qt::black);
    p.restore();
    p.save();
    p.translate(74, 48);
    p.rotate(10);
    card(QRectF(-22, -34, 44, 62), QStringLiteral("K\n♥"), QColor(190, 20, 30));
    p.restore();
    return picture;
}

}  // namespace

MailLabel::MailLabel(const QString& text, const QUrl& address, QWidget* parent)
    : QLabel(text, parent), address_(address) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("E-Mail an ") + text);
    setToolTip(QStringLiteral("E-Mail schreiben"));
    setProperty("role", "link");
}

void MailLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Open();
    QLabel::mouseReleaseEvent(event);
}

void MailLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

void MailLabel::Open() {
    QDesktopServices::openUrl(address_);
}

const QString InfoWindow::MAIL_ADDRESS = QStringLiteral("service@tavexo.example");

QUrl InfoWindow::MailUrl() {
    return QUrl(QStringLiteral("mailto:") + MAIL_ADDRESS + QStringLiteral("?subject=Tavexo"));
}

InfoWindow::InfoWindow(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("FInfo"));
    setWindowTitle(QStringLiteral("Tavexo"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpContext(this, TableWindow);
    setFixedSize(400, 300);

    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ProductPicture(devicePixelRatioF()));
    image->setAccessibleName(QStringLiteral("Tavexo"));
    auto* titles = new QVBoxLayout;
    auto* product = new QLabel(QStringLiteral("Tavexo"), this);
    product->setProperty("role", "title");
    auto* purpose = new QLabel(QStringLiteral("Black Jack zum Üben des Kartenzählens"), this);
    purpose->setWordWrap(true);
    auto* version = new QLabel(QStringLiteral("Version ") + QLatin1String(VERSION), this);
    version->setObjectName(QStringLiteral("LVersion"));
    titles->addWidget(product);
    titles->addWidget(purpose);
    titles->addWidget(version);
    titles->addStretch(1);
    head->addWidget(image);
    head->addLayout(titles, 1);
    layout->addLayout(head);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* contact = new QVBoxLayout(panel);
    contact->setSpacing(2);
    for (const ContactLine& line : CONTACT) {
        auto* label = new QLabel(QString::fromUtf8(line.text), panel);
        label->setObjectName(QLatin1String(line.objectName));
        contact->addWidget(label);
    }
    auto* mail = new MailLabel(MAIL_ADDRESS, MailUrl(), panel);
    mail->setObjectName(QStringLiteral("LMail"));
    contact->addWidget(mail);
    layout->addWidget(panel);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("BSchliessen"));
    close->setDefault(true);
    bottom->addStretch(1);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    ApplyWindowStyle(this);
    CentreOver(this, parent);
}

}  // namespace tavexo::help
