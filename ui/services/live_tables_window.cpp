#include "ui/services/live_tables_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/common/window_size.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

// The logos of two made-up casinos, painted here: a name on a coloured
// plate with a small card-suit emblem.
QPixmap CasinoLogo(const QString& name, const QString& line, QColor from, QColor to,
                   const QString& suit) {
    const QSize size(300, 96);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient plate(0, 0, 0, size.height());
    plate.setColorAt(0, from);
    plate.setColorAt(1, to);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 12, 12);
    p.fillPath(shape, plate);
    p.setPen(QPen(STYLE_GOLD, 2));
    p.drawPath(shape);

    QFont emblem(QStringLiteral("DejaVu Serif"));
    emblem.setPixelSize(54);
    p.setFont(emblem);
    p.setPen(STYLE_GOLD);
    p.drawText(QRect(10, 0, 70, size.height()), Qt::AlignCenter, suit);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(28);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xff, 0xf6, 0xdc));
    p.drawText(QRect(84, 14, 210, 40), Qt::AlignLeft | Qt::AlignVCenter, name);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(15);
    p.setFont(small);
    p.drawText(QRect(86, 54, 210, 26), Qt::AlignLeft | Qt::AlignVCenter, line);
    return pixmap;
}

QLabel* Paragraph(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* LogoButton(const QPixmap& logo, const QString& accessibleName, const char* name,
                        QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(logo));
    button->setIconSize(logo.size());
    button->setFixedSize(logo.size() + QSize(8, 8));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    return button;
}

}  // namespace

QUrl LiveTablesWindow::FirstCasinoPage() {
    return QUrl(QStringLiteral("https://casino-aurelia.example.com/live-blackjack"));
}

QUrl LiveTablesWindow::SecondCasinoPage() {
    return QUrl(QStringLiteral("https://nordlicht-live.example.com/tische"));
}

LiveTablesWindow::LiveTablesWindow(ServiceEnvironment env, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(env)) {
    setObjectName(QStringLiteral("TFltables"));
    setWindowTitle(QStringLiteral("Tavexo"));
    ApplyWindowStyle(this);

    auto* label1 = Paragraph(
        QStringLiteral("Wenn Sie Spaß an Black Jack gefunden haben und sich mit einem echten "
                       "Dealer messen wollen, dabei um echtes Geld spielen wollen, dann testen "
                       "Sie Live Black Jack:"),
        "Label1", this);
    label1->setProperty("role", "heading");
    auto* label2 = Paragraph(
        QStringLiteral("Ein Live-Casino überträgt echte Tische in Echtzeit: Ein Dealer mischt, "
                       "teilt aus und zahlt aus, während Sie zusehen. Wie im herkömmlichen "
                       "Casino läuft die Zeit mit – Einsätze und Entscheidungen müssen "
                       "rechtzeitig fallen, sonst geht die Runde ohne Sie weiter."),
        "Label2", this);
    auto* label3 = Paragraph(
        QStringLiteral("Viele Anbieter locken mit einem Willkommensbonus, etwa einer "
                       "Verdopplung der ersten Einzahlung. Das ist nur ein Beispiel unter "
                       "vielen; lesen Sie die Bedingungen, bevor Sie einen Bonus annehmen."),
        "Label3", this);
    auto* sysAnz = Paragraph(QStringLiteral("Casinos mit Kartenschuhen an Live Blackjack "
                                            "Tischen, die Kartenzählen möglich machen"),
                             "LSysAnz", this);
    sysAnz->setProperty("role", "heading");

    auto* image1 = LogoButton(
        CasinoLogo(QStringLiteral("Aurelia"), QStringLiteral("Live Casino"),
                   QColor(0x6a, 0x14, 0x1c), QColor(0x3a, 0x08, 0x0e), QStringLiteral("♥")),
        QStringLiteral("Casino Aurelia öffnen"), "Image1", this);
    auto* image2 = LogoButton(
        CasinoLogo(QStringLiteral("Nordlicht"), QStringLiteral("Live Blackjack"),
                   QColor(0x14, 0x3a, 0x6a), QColor(0x08, 0x1c, 0x3a), QStringLiteral("♠")),
        QStringLiteral("Casino Nordlicht öffnen"), "Image2", this);
    connect(image1, &QPushButton::clicked, this, [this] { OpenCasino(FirstCasinoPage()); });
    connect(image2, &QPushButton::clicked, this, [this] { OpenCasino(SecondCasinoPage()); });

    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("BSchliessen"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* logos = new QHBoxLayout;
    logos->addStretch(1);
    logos->addWidget(image1);
    logos->addSpacing(24);
    logos->addWidget(image2);
    logos->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addWidget(label3);
    layout->addSpacing(6);
    layout->addWidget(sysAnz);
    layout->addLayout(logos);
    layout->addStretch(1);
    layout->addLayout(bottom);
    resize(FittingSize(this, QSize(740, 349)));
}

void LiveTablesWindow::OpenCasino(const QUrl& page) {
    if (!env_.isOnline()) {
        env_.inform(
            QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung "
                           "zum Internet bestehen."));
        return;
    }
    env_.openUrl(page);
}

void LiveTablesWindow::showEvent(QShowEvent* event) {
    // Centred on the table window the first time it appears; after that
    // where the user left it.
    if (!placed_ && parentWidget() != nullptr) {
        move(parentWidget()->frameGeometry().center() - rect().center());
        placed_ = true;
    }
    QWidget::showEvent(event);
}

}  // namespace tavexo
