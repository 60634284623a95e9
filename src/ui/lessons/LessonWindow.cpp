#include "ui/lessons/LessonWindow.h"
#include "ui/ScreenFit.h"

#include "lessons/Diagrams.h"
#include "lessons/LessonTexts.h"
#include "lessons/Pages.h"
#include "ui/lessons/DemoBoardView.h"
#include "ui/lessons/DiagramView.h"
#include "ui/lessons/PageViewer.h"
#include "ui/lessons/RoutinesWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace wuzi {

namespace {

constexpr int kTickMilliseconds = 500;

// The text labels are numbered as they were laid out: lesson 1 uses Label2, lesson 2
// Label1, every other lesson its own number.
QString labelName(int lesson) {
    return QString("Label%1").arg(lesson == 1 ? 2 : lesson == 2 ? 1 : lesson);
}

// A lesson text as rich text: the title line in bold, then one paragraph a line.
QString lessonHtml(int lesson) {
    QStringList lines = QString::fromStdString(LessonText(lesson)).split('\n');
    QString html =
        "<p style='font-size:large'><b>" + lines.takeFirst().toHtmlEscaped() + "</b></p>";
    for (const QString& line : lines)
        html += "<p>" + line.toHtmlEscaped() + "</p>";
    return html;
}

} // namespace

LessonWindow::LessonWindow(int lessonNo, MessageSink& messages, QWidget* parent)
    : QDialog(parent), lessonNo_(lessonNo), messages_(messages), replay_(messages),
      board_(new DemoBoardView(replay_, this)), replayState_(new QLabel(this)),
      programDir_(QCoreApplication::applicationDirPath()) {
    setObjectName("frm10Kill");
    setWindowTitle(kSeriesTitle);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(buildText(), 1);
    textColumn->addWidget(buildPictures());
    auto* boardColumn = new QVBoxLayout;
    boardColumn->addWidget(board_, 1);
    replayState_->setObjectName("replayState");
    boardColumn->addWidget(replayState_);
    boardColumn->addWidget(buildButtons());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(textColumn, 5);
    layout->addLayout(boardColumn, 6);
    FitToScreen(this, QSize(1000, 700));

    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &LessonWindow::tick);
    // A commentary box holds the event loop; the stone it talks about is drawn first.
    replay_.onStonePlaced([this] { board_->repaint(); });
    createReplayKeys();
    showReplayState();

    messages_.information(kSeriesTitle, SeriesIntroduction());
}

QWidget* LessonWindow::buildText() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
        auto* label = new QLabel(lessonHtml(lesson), page);
        label->setObjectName(labelName(lesson));
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        label->setVisible(lesson == lessonNo_);
        layout->addWidget(label);
    }
    layout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

QWidget* LessonWindow::buildPictures() {
    auto* pictures = new QWidget(this);
    auto* layout = new QHBoxLayout(pictures);
    int index = 0;
    for (const NamedDiagram& picture : kLesson9Pictures) {
        auto* column = new QVBoxLayout;
        auto* image = new DiagramView(DiagramMoves(picture.diagram), pictures);
        image->setObjectName(QString("Image%1").arg(++index));
        column->addWidget(image);
        column->addWidget(new QLabel(QString::fromUtf8(picture.name), pictures), 0,
                          Qt::AlignHCenter);
        layout->addLayout(column);
    }
    pictures->setVisible(lessonNo_ == 9);
    return pictures;
}

QWidget* LessonWindow::buildButtons() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    GroupTitles titles = GroupTitlesOf(lessonNo_);
    auto* left = new QGroupBox(QString::fromUtf8(titles.left), area);
    auto* right = new QGroupBox(QString::fromUtf8(titles.right), area);
    auto* extra = new QWidget(area);
    struct Slot {
        QWidget* box;
        QGridLayout* grid;
        int columns;
        int used = 0;
    };
    Slot places[] = {{left, new QGridLayout(left), 4},
                     {right, new QGridLayout(right), 3},
                     {extra, new QGridLayout(extra), 3}};
    for (const LessonButton& button : LessonButtons()) {
        Slot& slot = places[static_cast<int>(button.group)];
        QPushButton* pushButton = makeButton(button, slot.box);
        if (ActionIn(button, lessonNo_).kind == ButtonKind::Hidden) {
            pushButton->hide();
            continue;
        }
        slot.grid->addWidget(pushButton, slot.used / slot.columns, slot.used % slot.columns);
        ++slot.used;
    }
    for (Slot& slot : places) {
        slot.grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        slot.box->setVisible(slot.used > 0);
    }
    auto* groups = new QHBoxLayout;
    groups->addWidget(left, 4);
    groups->addWidget(right, 3);
    layout->addLayout(groups);
    layout->addWidget(extra);
    return area;
}

QPushButton* LessonWindow::makeButton(const LessonButton& button, QWidget* parent) {
    auto* pushButton = new QPushButton(QString::fromUtf8(button.caption), parent);
    pushButton->setObjectName(button.name);
    pushButton->setAutoDefault(false);
    connect(pushButton, &QPushButton::clicked, this, [this, &button] { press(button); });
    return pushButton;
}

void LessonWindow::press(const LessonButton& button) {
    ButtonAction action = ActionIn(button, lessonNo_);
    switch (action.kind) {
    case ButtonKind::Demo:
        startDemo(action.demo);
        break;
    case ButtonKind::Routines: {
        RoutinesWindow routines(lessonNo_, this);
        openModal(routines);
        break;
    }
    case ButtonKind::Page:
        if (const PageEntry* page = FindPage(button.name)) openPage(*page);
        break;
    case ButtonKind::Hidden:
        break;
    }
}

void LessonWindow::createReplayKeys() {
    // Window shortcuts: they come before the focused button, which would take Space.
    auto* pause = new QAction(this);
    pause->setShortcut(Qt::Key_Space);
    connect(pause, &QAction::triggered, this, &LessonWindow::togglePause);
    auto* step = new QAction(this);
    step->setShortcut(Qt::Key_Right);
    connect(step, &QAction::triggered, this, &LessonWindow::stepPaused);
    addActions({pause, step});
}

void LessonWindow::startDemo(int game) {
    replay_.Start(game);
    paused_ = false;
    board_->update();
    timer_.start(); // the first stone comes one interval after the click
    showReplayState();
}

void LessonWindow::tick() {
    // A commentary box waits for the reader; no further step may come while it is open.
    timer_.stop();
    replay_.DemoTick();
    board_->update();
    if (replay_.running() && !paused_) timer_.start();
    if (!replay_.running()) paused_ = false;
    showReplayState();
}

void LessonWindow::togglePause() {
    if (!replay_.running()) return;
    paused_ = !paused_;
    if (paused_)
        timer_.stop();
    else
        timer_.start();
    showReplayState();
}

void LessonWindow::stepPaused() {
    if (paused_ && replay_.running()) tick();
}

QString LessonWindow::replayState() const {
    if (replay_.running())
        return paused_ ? tr("已暂停：空格继续，→ 走一步") : tr("演示中：空格暂停");
    return replay_.finished() ? tr("演示结束") : QString();
}

void LessonWindow::showReplayState() {
    replayState_->setText(replayState());
}

void LessonWindow::setShowNumbers(bool on) {
    board_->setShowNumbers(on);
}

void LessonWindow::openModal(QDialog& window) {
    bool wasReplaying = timer_.isActive();
    timer_.stop();
    window.exec();
    if (wasReplaying && replay_.running()) timer_.start();
}

void LessonWindow::openPage(const PageEntry& page) {
    PageViewer viewer(this);
    viewer.showPage(page, programDir_);
    openModal(viewer);
}

void LessonWindow::done(int result) {
    timer_.stop();
    replay_.Stop();
    QDialog::done(result);
}

} // namespace wuzi
