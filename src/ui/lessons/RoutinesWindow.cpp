#include "ui/lessons/RoutinesWindow.h"

#include "lessons/Diagrams.h"
#include "lessons/LessonTexts.h"
#include "ui/ScreenFit.h"
#include "ui/lessons/DiagramView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wuzi {

namespace {

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

RoutinesWindow::RoutinesWindow(int lessonNo, QWidget* parent) : QDialog(parent) {
    setObjectName("frm2");
    setWindowTitle("小鬼索命");
    auto* layout = new QVBoxLayout(this);

    std::vector<DiagramView*> images;
    for (DemoDiagram d : kRoutinesBlackWins)
        images.push_back(new DiagramView(DiagramMoves(d), this));
    for (DemoDiagram d : kRoutinesBlackLoses)
        images.push_back(new DiagramView(DiagramMoves(d), this));
    for (std::size_t i = 0; i < images.size(); ++i)
        images[i]->setObjectName(QString("Image%1").arg(i + 1));
    auto* wins = makeLabel("Label2", "黑棋必胜：", this);
    auto* loses = makeLabel("Label1", "黑棋必败：", this);
    layout->addWidget(wins);
    layout->addWidget(diagramRow({images[0], images[1], images[2]}));
    layout->addWidget(loses);
    layout->addWidget(diagramRow({images[3], images[4]}));

    auto* advice = makeLabel("Label3", QString::fromUtf8(RoutinesAdvice()), this);
    advice->setWordWrap(true);
    advice->setMinimumWidth(520);
    layout->addWidget(advice);

    auto* close = new QPushButton("返回(&C)", this);
    close->setObjectName("Command1");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);

    if (lessonNo == 2) advice->hide();
    if (lessonNo == 7) {
        wins->hide();
        loses->hide();
        for (DiagramView* image : images)
            image->hide();
    }
    FitToScreen(this, sizeHint());
}

QWidget* RoutinesWindow::diagramRow(const std::vector<DiagramView*>& diagrams) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (DiagramView* d : diagrams)
        layout->addWidget(d);
    layout->addStretch();
    return row;
}

} // namespace wuzi
