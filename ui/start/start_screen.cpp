#include "ui/start/start_screen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QWindow>

#include "ui/common/table_art.h"
#include "ui/table/table_window.h"

namespace tavexo {

namespace {

constexpr int WIDTH = 400;
constexpr int HEIGHT = 300;
constexpr int CAPTION_HEIGHT = 22;

const char* const START_STYLE = R"(
QPushButton#BWeiter { color: #3a2410; font-size: 13px; font-weight: bold; padding: 4px 18px;
                      border: 1px solid #7a5a20; border-radius: 6px;
                      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff3c8, stop:1 #d0a84a); }
QPushButton#BWeiter:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffae6, stop:1 #e2bc5e); }
QPushButton#BWeiter:disabled { color: #8a7a5a; background: #b8ad90; border-color: #8a7a5a; }
)";

}  // namespace

bool PlatformFades() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

DataFolders PrepareDataFolders(const QString& baseFolder) {
    const QByteArray home = qgetenv("HOME");
    std::string base = baseFolder.toStdString();
    if (base.empty()) base = FallbackBaseFolder(home.isEmpty() ? nullptr : home.constData());
    DataFolders folders = FormDataFolders(base, QDir::tempPath().toStdString(),
                                          QCoreApplication::applicationDirPath().toStdString());
    CreateDataFolders(folders);
    return folders;
}

StartScreen::StartScreen(const QString& baseFolder, QWidget* parent)
    // A caption without buttons: window managers differ in what they make
    // of the hints for a title without buttons, so the screen draws its
    // caption itself and the window manager adds no frame at all.
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FStart"));
    setWindowTitle(QStringLiteral("Tavexo 1.1.1.0"));
    setFixedSize(WIDTH, HEIGHT);
    setStyleSheet(QString::fromLatin1(START_STYLE));

    folders_ = PrepareDataFolders(baseFolder);
    profiles_ = LoadProfiles(folders_.settingsFolder);

    weiter_ = new QPushButton(QStringLiteral("Weiter"), this);
    weiter_->setObjectName(QStringLiteral("BWeiter"));
    weiter_->adjustSize();
    weiter_->move(WIDTH - weiter_->width() - 16, HEIGHT - weiter_->height() - 14);
    connect(weiter_, &QPushButton::clicked, this, &StartScreen::FadeOver);
    SetInitializationDone(false);
}

void StartScreen::keyPressEvent(QKeyEvent* event) {
    // Return, Enter and Space all mean "Weiter", wherever the focus is.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (weiter_->isEnabled()) weiter_->click();
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void StartScreen::closeEvent(QCloseEvent* event) {
    // Closed by the window manager (Alt+F4) rather than by "Weiter": the
    // table must still come up usable, so the close goes the same way.
    if (fading_) {
        event->accept();
        return;
    }
    event->ignore();
    if (initializationDone_) FadeOver();
}

void StartScreen::SetTableWindow(TableWindow* window) {
    tableWindow_ = window;
}

void StartScreen::SetInitializationDone(bool done) {
    initializationDone_ = done;
    weiter_->setEnabled(done);
    // A disabled button gets no cursor of its own; the screen shows the wait.
    setCursor(done ? Qt::ArrowCursor : Qt::WaitCursor);
    weiter_->setCursor(done ? Qt::PointingHandCursor : Qt::WaitCursor);
    if (done) {
        weiter_->setFocus();
        activateWindow();
    }
}

void StartScreen::FadeOver() {
    if (fading_) return;
    fading_ = true;
    weiter_->setEnabled(false);
    // Platforms without window transparency (the offscreen one of the tests)
    // warn at every step; there the fade keeps its pace but sets only the
    // final opacity.
    const bool fades = PlatformFades();
    for (int v = 1; v <= FADE_STEPS; ++v) {
        if (tableWindow_ && (fades || v == FADE_STEPS))
            tableWindow_->setWindowOpacity(v / double(FADE_STEPS));
        QCoreApplication::processEvents();
        if (fades) setWindowOpacity((FADE_STEPS - v) / double(FADE_STEPS));
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    if (tableWindow_) {
        tableWindow_->SetToolbarEnabled(true);
        tableWindow_->activateWindow();
    }
    emit faded();
    close();
    deleteLater();
}

void StartScreen::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio)
        picture_ = StartPicture(size(), ratio);
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
    // The caption strip.
    const QRect caption(0, 0, WIDTH, CAPTION_HEIGHT);
    QLinearGradient wood(caption.topLeft(), caption.bottomLeft());
    wood.setColorAt(0, QColor(0x5c, 0x37, 0x19));
    wood.setColorAt(1, QColor(0x2a, 0x18, 0x0a));
    p.fillRect(caption, wood);
    p.setPen(QColor(0xc9, 0xa2, 0x4a));
    p.drawLine(caption.bottomLeft(), caption.bottomRight());
    QFont font = p.font();
    font.setPointSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xf0, 0xe6, 0xc8));
    p.drawText(caption, Qt::AlignCenter, windowTitle());

    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(14, HEIGHT - 34, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version 1.1.1.0"));
}

void StartScreen::mousePressEvent(QMouseEvent* event) {
    // The drawn caption moves the window, as a real one would.
    if (event->button() == Qt::LeftButton && event->position().y() < CAPTION_HEIGHT &&
        windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace tavexo
