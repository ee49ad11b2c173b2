// Tavexo: a blackjack table for practising card counting.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/screenshot_mode.h"
#include "ui/common/locale_text_format.h"
#include "ui/program.h"
#include "ui/start/start_screen.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavexo"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.1.0"));
    // The menu entry's name, so that the desktop shows the windows under it.
    QApplication::setDesktopFileName(QStringLiteral("example.tavexo.Tavexo"));
    // The installed icon theme's picture, else the one built in.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("tavexo"), QIcon(QStringLiteral(":/icons/tavexo.svg"))));

    // The table speaks German; so do Qt's own dialogs, and a system without
    // a locale formats money the German way.
    QLocale::setDefault(tavexo::LocaleTextFormat::TableLocale());
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    tavexo::Program program;
    program.Start();
    tavexo::ScreenshotMode screenshot(program);
    return QApplication::exec();
}
