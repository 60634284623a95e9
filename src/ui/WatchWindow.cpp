#include "ui/WatchWindow.h"

#include "opponents/Roster.h"
#include "ui/BoardOverlays.h"
#include "ui/PositionBoard.h"
#include "ui/ScreenFit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace wuzi {

namespace {

QComboBox* opponents(QWidget* parent, const char* name, int chosen) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int i = 0; i < kOpponentCount; ++i)
        box->addItem(QString::fromUtf8(OpponentName(i)));
    box->setCurrentIndex(chosen);
    return box;
}

QComboBox* levels(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems({WatchWindow::tr("初级"), WatchWindow::tr("中级"), WatchWindow::tr("高级")});
    return box;
}

} // namespace

WatchWindow::WatchWindow(QWidget* parent)
    : QDialog(parent), board_(new PositionBoard(this)),
      blackOpponent_(opponents(this, "blackOpponent", 2)), blackLevel_(levels(this, "blackLevel")),
      whiteOpponent_(opponents(this, "whiteOpponent", 5)), whiteLevel_(levels(this, "whiteLevel")),
      speed_(new QSlider(Qt::Horizontal, this)), delay_(MessageLabel("watchDelay", this)),
      pause_(new QPushButton(this)), review_(new QPushButton(tr("复盘"), this)),
      status_(new QLabel(this)) {
    setObjectName("watchWindow");
    setWindowTitle(tr("观战"));
    speed_->setObjectName("speed");
    speed_->setRange(0, 2000);
    speed_->setSingleStep(100);
    speed_->setPageStep(500);
    speed_->setValue(600);
    speed_->setInvertedAppearance(true); // right is faster: a shorter pause
    pause_->setObjectName("pause");
    review_->setObjectName("review");
    status_->setObjectName("watchStatus");
    auto* startButton = new QPushButton(tr("开始"), this);
    startButton->setObjectName("start");
    auto* closeButton = new QPushButton(tr("关闭"), this);
    for (QPushButton* b : {startButton, pause_, review_, closeButton})
        b->setAutoDefault(false);

    auto* sides = new QWidget(this);
    auto* form = new QFormLayout(sides);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("黑方"), blackOpponent_);
    form->addRow(QString(), blackLevel_);
    form->addRow(tr("白方"), whiteOpponent_);
    form->addRow(QString(), whiteLevel_);
    auto* speed = new QHBoxLayout;
    speed->addWidget(new QLabel(tr("慢"), this));
    speed->addWidget(speed_, 1);
    speed->addWidget(new QLabel(tr("快"), this));
    form->addRow(tr("速度"), speed);
    form->addRow(QString(), delay_);
    LayOutBesideTheBoard(this, board_, {sides, startButton, pause_, review_}, closeButton, status_);

    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, &WatchWindow::nextStone);
    connect(this, &WatchWindow::replyReady, this, [this] {
        if (!match_) return;
        match_->deliver();
        showMatch(true);
    });
    connect(startButton, &QPushButton::clicked, this, &WatchWindow::start);
    connect(pause_, &QPushButton::clicked, this, [this] { setPaused(!paused_); });
    connect(review_, &QPushButton::clicked, this, &WatchWindow::reviewGame);
    connect(speed_, &QSlider::valueChanged, this, &WatchWindow::setDelay);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    delay_->setText(delayText());
    showMatch(false);
    FitToScreen(this, QSize(820, 560));
}

WatchWindow::~WatchWindow() = default;

void WatchWindow::start() {
    stepTimer_.stop();
    // A match left thinking is stopped with its sessions before the next is made.
    match_.reset();
    Match black{blackOpponent_->currentIndex(), true, blackLevel_->currentIndex()};
    Match white{whiteOpponent_->currentIndex(), true, whiteLevel_->currentIndex()};
    players_ = {false, ComputerSide{black.opponent, black.difficulty},
                ComputerSide{white.opponent, white.difficulty}};
    match_ = std::make_unique<WatchMatch>(black, white, clock_, [this] {
        QMetaObject::invokeMethod(this, &WatchWindow::replyReady, Qt::QueuedConnection);
    });
    showMatch(true);
}

void WatchWindow::setPaused(bool paused) {
    paused_ = paused;
    if (paused) stepTimer_.stop();
    showMatch(true);
}

void WatchWindow::setDelay(int ms) {
    speed_->setValue(ms);
    stepTimer_.setInterval(ms);
    delay_->setText(delayText());
}

QString WatchWindow::delayText() const {
    return tr("两手间隔 %1 秒").arg(speed_->value() / 1000.0, 0, 'f', 1);
}

void WatchWindow::nextStone() {
    if (!match_ || paused_) return;
    match_->step();
    showMatch(true);
}

void WatchWindow::showMatch(bool scheduleNext) {
    const GameRecord record = match_ ? match_->record() : GameRecord{};
    board_->setScene(SceneOf(record, record.moves.size()));
    status_->setText(statusText());
    bool over = match_ && match_->over();
    QFont font = status_->font();
    font.setBold(paused_ && match_ && !over); // the pause stands out
    status_->setFont(font);
    pause_->setText(paused_ ? tr("继续") : tr("暂停"));
    pause_->setEnabled(match_ && !over);
    review_->setEnabled(over);
    bool going = match_ && !over && !match_->thinking() && !paused_;
    if (scheduleNext && going && !stepTimer_.isActive()) stepTimer_.start(speed_->value());
}

QString WatchWindow::statusText() const {
    if (!match_) return tr("选好双方，按“开始”");
    switch (match_->outcome()) {
    case Outcome::BlackWon:
        return tr("黑胜!");
    case Outcome::WhiteWon:
        return tr("白胜!");
    case Outcome::Draw:
        return tr("和局");
    default:
        break;
    }
    QString side = match_->blackToMove() ? tr("黑方") : tr("白方");
    QString text = tr("第 %1 手，%2走").arg(match_->record().moves.size() + 1).arg(side);
    if (paused_) return tr("已暂停：%1").arg(text);
    if (match_->thinking()) text += tr("（思考中…）");
    return text;
}

void WatchWindow::reviewGame() {
    if (!match_ || !match_->over()) return;
    reviewed_ = match_->record();
    accept();
}

} // namespace wuzi
