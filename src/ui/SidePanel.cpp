#include "ui/SidePanel.h"

#include "ui/EvalGraph.h"
#include "ui/FoldingSection.h"
#include "ui/MoveList.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wuzi {

namespace {

// The panel's widths in lines of text: the least its words need, and the most it takes
// beside the board; wider than this, under the board, it lays its parts side by side.
constexpr int kLeastWidth = 10, kWidest = 19, kTwoColumns = 22;

QLabel* wrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QVBoxLayout* column(QWidget* widget, int spacing) {
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace

SidePanel::SidePanel(QWidget* parent)
    : QFrame(parent), match_(wrappedLabel("panelMatch", this)),
      turn_(wrappedLabel("panelTurn", this)), notes_(wrappedLabel("panelNotes", this)),
      movesCaption_(new QLabel(this)), moves_(new MoveList(this)),
      master_(new FoldingSection("panelMaster", this)), winBar_(new WinBar(master_)),
      verdict_(wrappedLabel("panelVerdict", master_)), line_(wrappedLabel("panelLine", master_)),
      review_(new FoldingSection("panelReview", this)), progress_(new QProgressBar(review_)),
      cancel_(new QPushButton(review_)), accuracy_(wrappedLabel("panelAccuracy", review_)),
      graph_(new EvalGraph(review_)), missedWin_(wrappedLabel("panelMissedWin", review_)),
      playMissedWin_(new QPushButton(review_)), stepping_(wrappedLabel("panelStepping", review_)),
      game_(new QWidget(this)), sections_(new QWidget(this)), scroll_(new QScrollArea(this)) {
    setObjectName("sidePanel");
    setFrameShape(QFrame::StyledPanel);
    QFont bold = turn_->font();
    bold.setBold(true);
    turn_->setFont(bold);
    for (QLabel* quiet : {notes_, stepping_})
        quiet->setStyleSheet("color: #6a5a40;");
    moves_->setObjectName("panelMoves");
    winBar_->setObjectName("panelWinBar");
    progress_->setObjectName("reviewProgress");
    cancel_->setObjectName("cancelReview");
    playMissedWin_->setObjectName("playMissedWin");
    for (QWidget* w : std::initializer_list<QWidget*>{winBar_, verdict_, line_})
        master_->add(w);
    for (QWidget* w : std::initializer_list<QWidget*>{progress_, cancel_, accuracy_, graph_,
                                                      missedWin_, playMissedWin_, stepping_})
        review_->add(w);

    QVBoxLayout* gameLayout = column(game_, 4);
    for (QWidget* w : std::initializer_list<QWidget*>{match_, turn_, notes_, movesCaption_})
        gameLayout->addWidget(w);
    gameLayout->addWidget(moves_, 1);
    QVBoxLayout* sectionsLayout = column(sections_, 6);
    sectionsLayout->addWidget(master_);
    sectionsLayout->addWidget(review_);
    sectionsLayout->addStretch(1);
    auto* content = new QWidget;
    columns_ = new QBoxLayout(QBoxLayout::TopToBottom, content);
    columns_->setContentsMargins(6, 6, 6, 6);
    columns_->setSpacing(8);
    columns_->addWidget(game_, 1);
    columns_->addWidget(sections_);
    // Scrolls only where even the move list at its shortest leaves too little room.
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(content);
    column(this, 0)->addWidget(scroll_);
    master_->hide();
    review_->hide();
    sections_->hide();
    stepping_->hide();
    connect(graph_, &EvalGraph::positionChosen, this, &SidePanel::positionChosen);
    connect(cancel_, &QPushButton::clicked, this, &SidePanel::reviewCancelled);
    connect(playMissedWin_, &QPushButton::clicked, this, &SidePanel::missedWinAsked);
    connect(moves_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (movesClickable_) emit positionChosen(static_cast<std::size_t>(moves_->row(item)) + 1);
    });
    retranslate();
}

QSize SidePanel::sizeHint() const {
    return {kWidest * fontMetrics().height(), QFrame::sizeHint().height()};
}

QSize SidePanel::minimumSizeHint() const {
    // One column's width, the longest word or button whole, whichever way it is laid out.
    int words = std::max(game_->minimumSizeHint().width(), sections_->minimumSizeHint().width());
    QMargins margins = columns_->contentsMargins();
    int room = words + margins.left() + margins.right() + 2 * frameWidth() +
               scroll_->verticalScrollBar()->sizeHint().width();
    return {std::max(kLeastWidth * fontMetrics().height(), room),
            QFrame::minimumSizeHint().height()};
}

void SidePanel::resizeEvent(QResizeEvent* event) {
    bool sideBySide = width() > height() && width() >= kTwoColumns * fontMetrics().height();
    columns_->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    columns_->setStretch(1, sideBySide ? 1 : 0);
    QFrame::resizeEvent(event);
}

void SidePanel::retranslate() {
    movesCaption_->setText(tr("棋谱"));
    master_->setTitle(tr("大师分析"));
    review_->setTitle(tr("复盘分析"));
    cancel_->setText(tr("取消分析"));
    playMissedWin_->setText(demonstrating_ ? tr("回到这一手") : tr("演示这条胜法"));
    stepping_->setText(tr("用 → / ← 一步步看"));
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
    moves_->setMoves(moves, shown, marks);
}

void SidePanel::setReview(const std::optional<ReviewShown>& review) {
    review_->setVisible(review.has_value());
    showSections();
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
    bool missed = !review->missedWin.isEmpty();
    missedWin_->setText(review->missedWin);
    missedWin_->setVisible(missed);
    playMissedWin_->setVisible(missed);
    demonstrating_ = missed && review->demonstrating;
    stepping_->setVisible(demonstrating_);
    retranslate();
}

void SidePanel::setMasterView(const std::optional<MasterView>& view) {
    master_->setVisible(view.has_value());
    showSections();
    if (!view) return;
    winBar_->setChance(view->chance);
    verdict_->setText(view->verdict);
    line_->setText(view->line);
    line_->setVisible(!view->line.isEmpty());
}

// The sections' column takes no room while both are off.
void SidePanel::showSections() {
    sections_->setVisible(!master_->isHidden() || !review_->isHidden());
}

QString SidePanel::turnText() const {
    return turn_->text();
}

QString SidePanel::notesText() const {
    return notes_->isVisibleTo(this) ? notes_->text() : QString();
}

QStringList SidePanel::moveTexts() const {
    return moves_->texts();
}

} // namespace wuzi
