#include "ui/FoldingSection.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace wuzi {

FoldingSection::FoldingSection(const char* name, QWidget* parent)
    : QWidget(parent), title_(new QToolButton(this)), body_(new QWidget(this)),
      bodyLayout_(new QVBoxLayout(body_)) {
    setObjectName(name);
    title_->setObjectName(QString(name) + "Title");
    title_->setCheckable(true);
    title_->setChecked(true);
    title_->setAutoRaise(true);
    title_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    title_->setArrowType(Qt::DownArrow);
    title_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    bodyLayout_->setContentsMargins(6, 0, 0, 0);
    bodyLayout_->setSpacing(4);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(title_);
    layout->addWidget(body_);
    connect(title_, &QToolButton::toggled, this, [this](bool open) { setFolded(!open); });
}

void FoldingSection::setTitle(const QString& title) {
    title_->setText(title);
}

void FoldingSection::add(QWidget* widget) {
    bodyLayout_->addWidget(widget);
}

bool FoldingSection::folded() const {
    return body_->isHidden();
}

void FoldingSection::setFolded(bool folded) {
    title_->setChecked(!folded);
    title_->setArrowType(folded ? Qt::RightArrow : Qt::DownArrow);
    body_->setVisible(!folded);
}

} // namespace wuzi
