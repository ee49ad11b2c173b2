#include "ui/help/help_catalog.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpLink>
#include <QHelpSearchEngine>

namespace tavexo::help {

HelpCatalog::HelpCatalog(const QString& collectionFile) {
    QDir().mkpath(QFileInfo(collectionFile).absolutePath());
    engine_ = std::make_unique<QHelpEngine>(collectionFile);
    engine_->setReadOnly(false);
}

HelpCatalog::~HelpCatalog() = default;

bool HelpCatalog::Open(const QString& helpFile) {
    const QString wanted = QFileInfo(helpFile).absoluteFilePath();
    if (QHelpEngineCore::namespaceName(wanted) != QLatin1String(NAMESPACE)) return false;
    if (!engine_->setupData()) return false;

    bool changed = false;
    for (const QString& ns : engine_->registeredDocumentations()) {
        if (ns == QLatin1String(NAMESPACE) &&
            QFileInfo(engine_->documentationFileName(ns)).absoluteFilePath() == wanted)
            continue;
        engine_->unregisterDocumentation(ns);
        changed = true;
    }
    if (!engine_->registeredDocumentations().contains(QLatin1String(NAMESPACE))) {
        if (!engine_->registerDocumentation(wanted)) return false;
        changed = true;
    }
    helpFile_ = wanted;
    if (changed)
        engine_->searchEngine()->reindexDocumentation();
    else
        engine_->searchEngine()->scheduleIndexDocumentation();
    return true;
}

QUrl HelpCatalog::TopicOf(int context) const {
    if (!IsOpen()) return {};
    const QList<QHelpLink> links = engine_->documentsForIdentifier(QString::number(context));
    return links.isEmpty() ? QUrl() : links.first().url;
}

QUrl HelpCatalog::StartPage() const {
    return QUrl(QStringLiteral("qthelp://%1/hilfe/uebersicht.html").arg(QLatin1String(NAMESPACE)));
}

}  // namespace tavexo::help
