#include "ui/SetUpWindow.h"

#include "rules/Psq.h"
#include "ui/LaidOutPosition.h"
#include "ui/PositionBoard.h"
#include "ui/ScreenFit.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace wuzi {

namespace {

// A whole record is a few kilobytes; anything far larger is no record.
constexpr qint64 kLargestRecord = 64 * 1024;

bool takeOff(std::vector<Cell>& stones, Cell c) {
    auto found = std::find(stones.begin(), stones.end(), c);
    if (found == stones.end()) return false;
    stones.erase(found);
    return true;
}

QString title() {
    return SetUpWindow::tr("摆棋");
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

SetUpWindow::SetUpWindow(MessageSink& boxes, QWidget* parent)
    : QDialog(parent), boxes_(boxes), board_(new PositionBoard(this)) {
    setObjectName("setUpWindow");
    setWindowTitle(title());
    auto* stones = new QGroupBox(tr("棋子"), this);
    blackStone_ = new QRadioButton(tr("黑子"), stones);
    auto* whiteStone = new QRadioButton(tr("白子"), stones);
    blackStone_->setChecked(true);
    auto* stonesLayout = new QVBoxLayout(stones);
    stonesLayout->addWidget(blackStone_);
    stonesLayout->addWidget(whiteStone);
    auto* turn = new QGroupBox(tr("下一手"), this);
    blackToMove_ = new QRadioButton(tr("黑先"), turn);
    whiteToMove_ = new QRadioButton(tr("白先"), turn);
    blackToMove_->setObjectName("blackToMove");
    whiteToMove_->setObjectName("whiteToMove");
    blackToMove_->setChecked(true);
    auto* turnLayout = new QVBoxLayout(turn);
    turnLayout->addWidget(blackToMove_);
    turnLayout->addWidget(whiteToMove_);
    auto* clearButton = button("clear", tr("清盘"), this);
    auto* openButton = button("open", tr("打开棋谱…"), this);
    auto* saveButton = button("save", tr("保存棋谱…"), this);
    auto* studyButton = button("study", tr("研究（大师分析）"), this);
    auto* playButton = button("playOn", tr("接着下（你走下一手）"), this);
    auto* closeButton = button("close", tr("关闭"), this);

    LayOutBesideTheBoard(
        this, board_, {stones, turn, clearButton, openButton, saveButton, studyButton, playButton},
        closeButton);

    connect(board_, &PositionBoard::pressed, this, &SetUpWindow::toggle);
    connect(blackToMove_, &QRadioButton::toggled, this, &SetUpWindow::setBlackToMove);
    connect(clearButton, &QPushButton::clicked, this, &SetUpWindow::clear);
    connect(openButton, &QPushButton::clicked, this, &SetUpWindow::askAndOpen);
    connect(saveButton, &QPushButton::clicked, this, &SetUpWindow::askAndSave);
    connect(studyButton, &QPushButton::clicked, this, [this] { finish(Choice::Study); });
    connect(playButton, &QPushButton::clicked, this, [this] { finish(Choice::PlayOn); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    setPosition(ReadLaidOutPosition(QSettings()));
    FitToScreen(this, QSize(760, 560));
}

void SetUpWindow::setPosition(const HandPosition& position) {
    position_ = position;
    (position_.blackToMove ? blackToMove_ : whiteToMove_)->setChecked(true);
    showPosition();
}

void SetUpWindow::showPosition() {
    board_->setPosition(position_);
    keepPosition();
}

void SetUpWindow::keepPosition() const {
    QSettings settings;
    WriteLaidOutPosition(settings, position_);
}

void SetUpWindow::toggle(Cell c) {
    if (!onBoard(c)) return;
    if (!takeOff(position_.black, c) && !takeOff(position_.white, c))
        (blackStone_->isChecked() ? position_.black : position_.white).push_back(c);
    showPosition();
}

void SetUpWindow::setBlackToMove(bool black) {
    position_.blackToMove = black;
    keepPosition();
}

void SetUpWindow::clear() {
    position_.black.clear();
    position_.white.clear();
    showPosition();
}

// `refusal` says what could not be done, as the button pressed asked it.
bool SetUpWindow::refused(PositionProblem problem, const char* refusal) {
    const char* why = nullptr;
    switch (problem) {
    case PositionProblem::None:
        return false;
    case PositionProblem::Stones:
        why = QT_TR_NOOP("有棋子不在棋盘上，或两个棋子在同一点。");
        break;
    case PositionProblem::Five:
        why = QT_TR_NOOP("棋盘上已经有五连，这盘棋已经结束了。");
        break;
    case PositionProblem::Counts:
        why = QT_TR_NOOP("黑白子的数目对不上。黑先走时黑白子一样多，白先走时黑子比白子多一个。");
        break;
    }
    boxes_.information(title().toStdString(), tr(refusal).arg(tr(why)).toStdString());
    return true;
}

bool SetUpWindow::finish(Choice choice) {
    const char* refusal = choice == Choice::Study ? QT_TR_NOOP("这个局面不能研究：%1")
                                                  : QT_TR_NOOP("不能从这个局面接着下：%1");
    if (refused(CheckPosition(position_), refusal)) return false;
    choice_ = choice;
    accept();
    return true;
}

bool SetUpWindow::savePosition(const QString& path) {
    if (refused(CheckPosition(position_), QT_TR_NOOP("这个局面不能保存为棋谱：%1"))) return false;
    QByteArray text = QByteArray::fromStdString(WritePsq(RecordOfPosition(position_)));
    // Whole or not at all, as a game's record is saved.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(text) != text.size() || !file.commit()) {
        boxes_.critical(title().toStdString(),
                        tr("无法保存棋谱到“%1”：%2").arg(path, file.errorString()).toStdString());
        return false;
    }
    return true;
}

bool SetUpWindow::openPosition(const QString& path) {
    QFile file(path);
    PsqResult read{{}, "unreadable"};
    if (file.size() <= kLargestRecord && file.open(QIODevice::ReadOnly)) {
        QByteArray text = file.readAll();
        read = ParsePsq(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
    if (!read.ok()) {
        boxes_.critical(title().toStdString(),
                        tr("文件“%1”不是可以打开的棋谱。").arg(path).toStdString());
        return false;
    }
    setPosition(PositionOfRecord(read.record));
    return true;
}

void SetUpWindow::askAndSave() {
    QString path = QFileDialog::getSaveFileName(this, tr("保存棋谱"), "wuzi-position.psq",
                                                tr("五子棋棋谱 (*.psq);;所有文件 (*)"));
    if (!path.isEmpty()) savePosition(path);
}

void SetUpWindow::askAndOpen() {
    QString path = QFileDialog::getOpenFileName(this, tr("打开棋谱"), {},
                                                tr("五子棋棋谱 (*.psq);;所有文件 (*)"));
    if (!path.isEmpty()) openPosition(path);
}

} // namespace wuzi
