#include "ui/PuzzleWindow.h"

#include "rules/GameRecord.h"
#include "ui/BoardOverlays.h"
#include "ui/PositionBoard.h"
#include "ui/ScreenFit.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStyle>

namespace wuzi {

namespace {

// The files of the program's data, easiest level first.
const char* const kFiles[kPuzzleLevels] = {":/puzzles/fours-3.txt", ":/puzzles/fours-5.txt",
                                           ":/puzzles/threats-3.txt", ":/puzzles/threats-4.txt"};
const char* const kLevelNames[kPuzzleLevels] = {
    QT_TRANSLATE_NOOP("wuzi::PuzzleWindow", "连续冲四 · 3 手"),
    QT_TRANSLATE_NOOP("wuzi::PuzzleWindow", "连续冲四 · 5 手以上"),
    QT_TRANSLATE_NOOP("wuzi::PuzzleWindow", "冲四活三 · 3 手"),
    QT_TRANSLATE_NOOP("wuzi::PuzzleWindow", "冲四活三 · 4 手以上")};
// What a puzzle's win is made of, in its name.
const char* const kFours = QT_TRANSLATE_NOOP("wuzi::PuzzleWindow", "连续冲四");
const char* const kThreats = QT_TRANSLATE_NOOP("wuzi::PuzzleWindow", "冲四活三");
// After a puzzle's name in the list: solved, or tried.
const QString kSolvedMark = QStringLiteral(" ✓");
const QString kTriedMark = QStringLiteral(" ○");

QString nameOf(Cell c) {
    return BoardOverlays::columnLabel(c.x) + BoardOverlays::rowLabel(c.y);
}

QString nameOf(PuzzleLevel level, int moves, int number) {
    bool fours = level == PuzzleLevel::FoursIn3 || level == PuzzleLevel::FoursIn5;
    return PuzzleWindow::tr("%1 · %2 手 · 第 %3 题")
        .arg(PuzzleWindow::tr(fours ? kFours : kThreats))
        .arg(moves)
        .arg(number);
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

std::vector<Puzzle> PuzzleWindow::PuzzlesOf(PuzzleLevel level) {
    QFile file(kFiles[static_cast<int>(level)]);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ReadPuzzles(file.readAll().toStdString(), level);
}

PuzzleWindow::PuzzleWindow(PuzzleLevel level, QWidget* parent)
    : QDialog(parent), board_(new PositionBoard(this)), level_(new QComboBox(this)),
      list_(new QListWidget(this)), goal_(MessageLabel("puzzleGoal", this)),
      status_(MessageLabel("puzzleStatus", this)), record_(MessageLabel("puzzleRecord", this)) {
    setObjectName("puzzleWindow");
    setWindowTitle(tr("习题"));
    level_->setObjectName("puzzleLevel");
    list_->setObjectName("puzzleList");
    fitListToNames();
    QFont big = goal_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    goal_->setFont(big);
    for (const char* name : kLevelNames)
        level_->addItem(tr(name));
    auto* hintButton = button("hint", tr("提示"), this);
    retry_ = button("retry", tr("再试一次"), this);
    auto* giveUpButton = button("giveUp", tr("看答案"), this);
    auto* replayButton = button("replay", tr("重放"), this);
    auto* nextButton = button("next", tr("下一题"), this);
    auto* closeButton = button("close", tr("关闭"), this);
    LayOutBesideTheBoard(this, board_,
                         {level_, list_, goal_, status_, record_, hintButton, retry_, giveUpButton,
                          replayButton, nextButton},
                         closeButton);

    connect(board_, &PositionBoard::pressed, this, &PuzzleWindow::play);
    connect(level_, &QComboBox::currentIndexChanged, this,
            [this](int i) { chooseLevel(static_cast<PuzzleLevel>(i)); });
    connect(list_, &QListWidget::currentRowChanged, this, &PuzzleWindow::choosePuzzle);
    connect(hintButton, &QPushButton::clicked, this, &PuzzleWindow::hint);
    connect(retry_, &QPushButton::clicked, this, &PuzzleWindow::retry);
    connect(giveUpButton, &QPushButton::clicked, this, &PuzzleWindow::giveUp);
    connect(replayButton, &QPushButton::clicked, this, &PuzzleWindow::replay);
    connect(nextButton, &QPushButton::clicked, this, &PuzzleWindow::next);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    replayTimer_.setInterval(700);
    connect(&replayTimer_, &QTimer::timeout, this, &PuzzleWindow::replayStep);

    progress_.read(QSettings());
    level_->setCurrentIndex(static_cast<int>(level));
    chooseLevel(level);
    FitToScreen(this, QSize(860, 600));
}

PuzzleWindow::~PuzzleWindow() = default;

void PuzzleWindow::chooseLevel(PuzzleLevel level) {
    if (level_->currentIndex() != static_cast<int>(level))
        return level_->setCurrentIndex(static_cast<int>(level));
    puzzles_ = PuzzlesOf(level);
    listPuzzles();
}

void PuzzleWindow::usePuzzles(std::vector<Puzzle> puzzles) {
    puzzles_ = std::move(puzzles);
    listPuzzles();
}

void PuzzleWindow::listPuzzles() {
    index_ = -1;
    game_.reset();
    list_->clear();
    for (std::size_t i = 0; i < puzzles_.size(); ++i)
        list_->addItem(puzzleName(static_cast<int>(i)));
    refreshList();
    // The first not yet solved.
    int first = 0;
    while (first < static_cast<int>(puzzles_.size()) &&
           progress_.solved(QString::fromStdString(puzzles_[first].id)))
        ++first;
    if (!puzzles_.empty()) list_->setCurrentRow(first % static_cast<int>(puzzles_.size()));
}

void PuzzleWindow::choosePuzzle(int index) {
    if (index < 0 || index >= static_cast<int>(puzzles_.size()) || index == index_) return;
    if (list_->currentRow() != index) return list_->setCurrentRow(index);
    replayTimer_.stop();
    index_ = index;
    game_ = std::make_unique<PuzzleGame>(puzzles_[static_cast<std::size_t>(index)]);
    clean_ = true;
    showPuzzle(tr("请走下一手"));
}

void PuzzleWindow::play(Cell c) {
    if (!game_ || game_->over() || game_->refuted() || replayTimer_.isActive()) return;
    QString id = QString::fromStdString(game_->puzzle().id);
    progress_.markTried(id);
    PuzzleGame::Answer answer = game_->play(c);
    switch (answer.verdict) {
    case PuzzleGame::Verdict::Solved:
        progress_.markSolved(game_->puzzle(), clean_);
        showPuzzle(tr("解开了！"));
        break;
    case PuzzleGame::Verdict::GoesOn:
        showPuzzle(tr("对方挡在 %1。请继续").arg(nameOf(answer.defence)));
        break;
    case PuzzleGame::Verdict::Refuted:
        clean_ = false;
        progress_.breakStreak(game_->puzzle().level);
        showPuzzle(tr("这一步不成：对方走 %1 之后就没有胜法了。按“再试一次”重来")
                       .arg(nameOf(answer.defence)));
        break;
    case PuzzleGame::Verdict::Refused:
        return;
    }
    keepProgress();
}

void PuzzleWindow::hint() {
    if (!game_) return;
    std::optional<Cell> cell = game_->hint();
    board_->setHint(cell);
    if (cell) clean_ = false;
}

void PuzzleWindow::retry() {
    if (game_ && game_->retry()) showPuzzle(tr("请走下一手"));
}

void PuzzleWindow::giveUp() {
    if (!game_ || game_->solved()) return;
    game_->giveUp();
    progress_.breakStreak(game_->puzzle().level);
    keepProgress();
    QStringList line;
    for (Cell c : game_->puzzle().line)
        line << nameOf(c);
    showPuzzle(tr("答案：%1。按“重放”可以一步步看").arg(line.join(" ")));
}

// The stored win, a stone at a time from the puzzle's position.
void PuzzleWindow::replay() {
    if (!game_ || !game_->over()) return;
    replayed_ = 0;
    replayTimer_.start();
    replayStep();
}

void PuzzleWindow::replayStep() {
    const Puzzle& p = game_->puzzle();
    GameRecord shown{p.stones};
    shown.moves.insert(shown.moves.end(), p.line.begin(),
                       p.line.begin() + static_cast<long>(replayed_));
    board_->setScene(SceneOf(shown, shown.moves.size()));
    if (replayed_++ >= p.line.size()) replayTimer_.stop();
}

void PuzzleWindow::next() {
    if (!puzzles_.empty()) list_->setCurrentRow((index_ + 1) % static_cast<int>(puzzles_.size()));
}

QString PuzzleWindow::goalText() const {
    if (!game_) return {};
    const Puzzle& p = game_->puzzle();
    return (p.blackToMove() ? tr("黑先胜") : tr("白先胜")) + tr("（%1 手）").arg(p.moves);
}

QString PuzzleWindow::puzzleName(int index) const {
    const Puzzle& p = puzzles_[static_cast<std::size_t>(index)];
    return nameOf(p.level, p.moves, index + 1);
}

// The list as wide as the longest name it can show, marked: whole, whichever level.
void PuzzleWindow::fitListToNames() {
    list_->addItem(nameOf(PuzzleLevel::ThreatsIn4, 8, 88) + kSolvedMark);
    int widest = list_->sizeHintForColumn(0);
    list_->clear();
    list_->setMinimumWidth(widest + 2 * list_->frameWidth() +
                           list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_));
}

QString PuzzleWindow::statusText() const {
    return status_->text();
}

QStringList PuzzleWindow::listTexts() const {
    QStringList texts;
    for (int i = 0; i < list_->count(); ++i)
        texts << list_->item(i)->text();
    return texts;
}

void PuzzleWindow::showPuzzle(const QString& status) {
    GameRecord record{game_->stones()};
    board_->setScene(SceneOf(record, record.moves.size()));
    board_->setHint(std::nullopt);
    goal_->setText(goalText());
    status_->setText(status);
    retry_->setEnabled(game_->refuted());
    PuzzleLevel level = game_->puzzle().level;
    int solved = 0;
    for (const Puzzle& p : puzzles_)
        solved += progress_.solved(QString::fromStdString(p.id));
    record_->setText(tr("本级已解 %1 / %2，连胜 %3")
                         .arg(solved)
                         .arg(puzzles_.size())
                         .arg(progress_.streak(level)));
    refreshList();
}

void PuzzleWindow::refreshList() {
    for (int i = 0; i < list_->count(); ++i) {
        QString id = QString::fromStdString(puzzles_[static_cast<std::size_t>(i)].id);
        QString mark = progress_.solved(id) ? kSolvedMark : progress_.tried(id) ? kTriedMark : "";
        list_->item(i)->setText(puzzleName(i) + mark);
    }
}

void PuzzleWindow::keepProgress() {
    QSettings settings;
    progress_.write(settings);
}

} // namespace wuzi
