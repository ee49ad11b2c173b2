#include "ui/start/start_screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QThread>

#include "ui/common/table_art.h"
#include "ui/table/table_window.h"

namespace tavexo {

namespace {

constexpr int WIDTH = 400;
constexpr int HEIGHT = 300;

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
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
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

void StartScreen::SetTableWindow(TableWindow* window) {
    tableWindow_ = window;
}

void StartScreen::SetInitializationDone(bool done) {
    initializationDone_ = done;
    weiter_->setEnabled(done);
    // A disabled button gets no cursor of its own; the screen shows the wait.
    setCursor(done ? Qt::ArrowCursor : Qt::WaitCursor);
    weiter_->setCursor(done ? Qt::PointingHandCursor : Qt::WaitCursor);
    if (done) weiter_->setFocus();
}

void StartScreen::FadeOver() {
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
    p.setPen(QColor(240, 230, 200, 170));
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    p.drawText(QRect(14, HEIGHT - 34, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version 1.1.1.0"));
}

}  // namespace tavexo
