#include "ui/help/help_browser.h"

#include <QHelpEngineCore>

#include <algorithm>

namespace tavexo::help {

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setOpenExternalLinks(true);
    setAccessibleName(QStringLiteral("Hilfetext"));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != QLatin1String("qthelp")) return QTextBrowser::loadResource(type, name);
    const QByteArray data = engine_.fileData(name);
    if (type == QTextDocument::StyleSheetResource || type == QTextDocument::HtmlResource)
        return QString::fromUtf8(data);
    return data;
}

void HelpBrowser::SetZoomStep(int step) {
    zoomStep_ = std::clamp(step, MIN_ZOOM_STEP, MAX_ZOOM_STEP);
    // The window style sheet fixes every widget's font size, so the reader's
    // choice has to come as a style sheet too; it only adds the size.
    setStyleSheet(
        QStringLiteral("QTextBrowser { font-size: %1pt; }").arg(NORMAL_POINT_SIZE + zoomStep_));
    ensurePolished();
}

}  // namespace tavexo::help
