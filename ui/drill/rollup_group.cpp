#include "ui/drill/rollup_group.h"

#include <QVBoxLayout>

namespace tavexo {

RollUpGroup::RollUpGroup(const QString& title, const QString& objectName, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(objectName);
    setAccessibleName(title);
    setCheckable(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    contents_ = new QWidget(this);
    contentsLayout_ = new QVBoxLayout(contents_);
    contentsLayout_->setContentsMargins(0, 0, 0, 0);
    contentsLayout_->setSpacing(2);
    outer->addWidget(contents_);
    connect(this, &QGroupBox::toggled, contents_, &QWidget::setVisible);
}

void RollUpGroup::SetMarked(bool marked) {
    setChecked(marked);
    contents_->setVisible(marked);
}

}  // namespace tavexo
