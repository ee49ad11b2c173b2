#include "ui/common/window_style.h"

#include <QFile>
#include <QMessageBox>
#include <QPalette>
#include <QWidget>

static void InitStyleResources() {
    Q_INIT_RESOURCE(style);
}

namespace tavexo {

namespace {

const QString& StyleSheet() {
    static const QString sheet = [] {
        InitStyleResources();
        QFile file(QStringLiteral(":/style/tavexo.qss"));
        if (!file.open(QIODevice::ReadOnly)) return QString();
        return QString::fromUtf8(file.readAll());
    }();
    return sheet;
}

}  // namespace

void ApplyWindowStyle(QWidget* window) {
    window->setProperty("tavexoWindow", true);
    window->setStyleSheet(StyleSheet());
}

void ShowErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tavexo"), text, QMessageBox::Ok, parent);
    ApplyWindowStyle(&box);
    box.exec();
}

void MakePlaceholderReadable(QWidget* field) {
    // After the style sheet has set the field's palette, which would
    // otherwise replace this colour.
    field->ensurePolished();
    QPalette palette = field->palette();
    palette.setColor(QPalette::PlaceholderText, STYLE_PLACEHOLDER_TEXT);
    field->setPalette(palette);
}

}  // namespace tavexo
