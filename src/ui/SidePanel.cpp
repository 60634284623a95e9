#include "ui/SidePanel.h"

#include "ui/BoardOverlays.h"
#include "ui/EvalGraph.h"
#include "ui/WinBar.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wuzi {

namespace {

QLabel* wrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QString moveText(std::size_t index, Cell c) {
    // Black's moves are the odd ones; a filled or hollow dot says whose each is.
    const char* dot = index % 2 == 0 ? "●" : "○";
    // Numbers padded with figure spaces, as wide as a digit: the columns line up.
    return QString("%1 %2 %3%4")
        .arg(index + 1, 3, 10, QChar(0x2007))
        .arg(QString::fromUtf8(dot), BoardOverlays::columnLabel(c.x), BoardOverlays::rowLabel(c.y));
}

} // namespace

SidePanel::SidePanel(QWidget* parent)
    : QFrame(parent), match_(wrappedLabel("panelMatch", this)),
      turn_(wrappedLabel("panelTurn", this)), notes_(wrappedLabel("panelNotes", this)),
      movesCaption_(new QLabel(this)), moves_(new QListWidget(this)), master_(new QGroupBox(this)),
      winBar_(new WinBar(master_)), verdict_(wrappedLabel("panelVerdict", master_)),
      line_(wrappedLabel("panelLine", master_)), review_(new QGroupBox(this)),
      progress_(new QProgressBar(review_)), cancel_(new QPushButton(review_)),
      accuracy_(wrappedLabel("panelAccuracy", review_)), graph_(new EvalGraph(review_)),
      missedWin_(wrappedLabel("panelMissedWin", review_)),
      playMissedWin_(new QPushButton(review_)) {
    setObjectName("sidePanel");
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(180);
    QFont bold = turn_->font();
    bold.setBold(true);
    turn_->setFont(bold);
    notes_->setStyleSheet("color: #6a5a40;");
    moves_->setObjectName("panelMoves");
    moves_->setSelectionMode(QAbstractItemView::SingleSelection);
    master_->setObjectName("panelMaster");
    winBar_->setObjectName("panelWinBar");

    auto* masterLayout = new QVBoxLayout(master_);
    masterLayout->addWidget(winBar_);
    masterLayout->addWidget(verdict_);
    masterLayout->addWidget(line_);
    review_->setObjectName("panelReview");
    progress_->setObjectName("reviewProgress");
    cancel_->setObjectName("cancelReview");
    playMissedWin_->setObjectName("playMissedWin");
    auto* reviewLayout = new QVBoxLayout(review_);
    for (QWidget* w : std::initializer_list<QWidget*>{progress_, cancel_, accuracy_, graph_,
                                                      missedWin_, playMissedWin_})
        reviewLayout->addWidget(w);
    // On a short screen the panel scrolls rather than make the window taller than it.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
    moves_->setMinimumHeight(80);
    layout->addWidget(match_);
    layout->addWidget(turn_);
    layout->addWidget(notes_);
    layout->addWidget(movesCaption_);
    layout->addWidget(moves_, 1);
    layout->addWidget(master_);
    layout->addWidget(review_);
    master_->hide();
    review_->hide();
    connect(graph_, &EvalGraph::positionChosen, this, &SidePanel::positionChosen);
    connect(cancel_, &QPushButton::clicked, this, &SidePanel::reviewCancelled);
    connect(playMissedWin_, &QPushButton::clicked, this, &SidePanel::missedWinAsked);
    connect(moves_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (movesClickable_) emit positionChosen(static_cast<std::size_t>(moves_->row(item)) + 1);
    });
    retranslate();
}

void SidePanel::retranslate() {
    movesCaption_->setText(tr("棋谱"));
    master_->setTitle(tr("大师分析"));
    review_->setTitle(tr("复盘分析"));
    cancel_->setText(tr("取消分析"));
    playMissedWin_->setText(tr("演示这条胜法"));
}

void SidePanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QFrame::changeEvent(event);
}

void SidePanel::setMatch(const QString& text) {
    match_->setText(text);
}

void SidePanel::setTurn(const QString& text) {
    turn_->setText(text);
}

void SidePanel::setNotes(const QStringList& notes) {
    notes_->setText(notes.join("\n"));
    notes_->setVisible(!notes.isEmpty());
}

void SidePanel::setMoves(const std::vector<Cell>& moves, std::size_t shown, bool clickable,
                         const QStringList& marks) {
    movesClickable_ = clickable;
    QStringList texts;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        int k = static_cast<int>(i);
        QString mark = k < marks.size() ? marks[k] : QString();
        texts << moveText(i, moves[i]) + (mark.isEmpty() ? QString() : " " + mark);
    }
    // Rebuilt only when the moves differ, so a click's selection is not lost.
    if (texts != moveTexts()) {
        moves_->clear();
        moves_->addItems(texts);
    }
    // The last move on the board stands out; none before the first.
    int current = static_cast<int>(shown) - 1;
    moves_->setCurrentRow(current);
    if (current >= 0) moves_->scrollToItem(moves_->item(current));
}

void SidePanel::setReview(const std::optional<ReviewShown>& review) {
    review_->setVisible(review.has_value());
    if (!review) return;
    progress_->setVisible(review->running);
    cancel_->setVisible(review->running);
    progress_->setRange(0, std::max(review->total, 1));
    progress_->setValue(review->done);
    bool done = review->review.has_value();
    graph_->setVisible(done);
    accuracy_->setVisible(done);
    graph_->setReview(review->review);
    graph_->setShown(review->shown);
    if (done)
        accuracy_->setText(tr("准确率：黑 %1%，白 %2%")
                               .arg(std::lround(review->review->blackAccuracy))
                               .arg(std::lround(review->review->whiteAccuracy)));
    missedWin_->setText(review->missedWin);
    missedWin_->setVisible(!review->missedWin.isEmpty());
    playMissedWin_->setVisible(!review->missedWin.isEmpty());
}

void SidePanel::setMasterView(const std::optional<MasterView>& view) {
    master_->setVisible(view.has_value());
    if (!view) return;
    winBar_->setBlackPercent(view->blackPercent);
    verdict_->setText(view->verdict);
    line_->setText(view->line);
    line_->setVisible(!view->line.isEmpty());
}

QString SidePanel::turnText() const {
    return turn_->text();
}

QString SidePanel::notesText() const {
    return notes_->isVisibleTo(this) ? notes_->text() : QString();
}

QStringList SidePanel::moveTexts() const {
    QStringList texts;
    for (int i = 0; i < moves_->count(); ++i)
        texts << moves_->item(i)->text();
    return texts;
}

} // namespace wuzi
