#include "ui/help/help_browser.h"

#include <QHelpEngineCore>

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
    step = std::clamp(step, MIN_ZOOM_STEP, MAX_ZOOM_STEP);
    // zoomIn/zoomOut change the point size by whole points; keep the count so
    // that the size can be restored exactly.
    if (step > zoomStep_) zoomIn(step - zoomStep_);
    if (step < zoomStep_) zoomOut(zoomStep_ - step);
    zoomStep_ = step;
}

}  // namespace tavexo::help
