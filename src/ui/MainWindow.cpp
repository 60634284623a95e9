#include "ui/MainWindow.h"

#include "ui/Actions.h"
#include "ui/BoardView.h"
#include "ui/GameCommands.h"
#include "ui/GameStatus.h"
#include "ui/ProgramIcon.h"
#include "ui/SessionBridge.h"
#include "ui/SplashWindow.h"
#include "ui/ViewMenu.h"
#include "ui/lessons/LessonWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMenuBar>

namespace wuzi {

namespace {

const char* const kLessonCaptions[10] = {"小鬼出山", "小鬼索命", "神出鬼没", "八卦迷魂",
                                         "天昏地暗", "黑白无常", "魔高一丈", "孤魂野鬼",
                                         "月黑风高", "轮回转世"};
const char* const kLessonItemNames[10] = {"numF1", "numF2", "numF3", "numF4", "numF5",
                                          "numF6", "numF7", "numF8", "numF9", "numF0"};

} // namespace

MainWindow::MainWindow(Session& session, SessionBridge& events, QWidget* parent)
    : QMainWindow(parent), session_(session), events_(events),
      board_(new BoardView(session, this)) {
    setObjectName("frmMain");
    setWindowTitle("五子棋");
    setWindowIcon(ProgramIcon());
    setCentralWidget(board_);
    connect(board_, &BoardView::pressed, this, &MainWindow::boardPressed);
    view_ = new ViewMenu(session_, board_, this);
    commands_ = new GameCommands(session_, view_, events_, this);
    connect(commands_, &GameCommands::gameChanged, this, &MainWindow::refresh);
    status_ = new GameStatus(session_, events_, this);
    listen(events);
    createActions();
    createMenus();
    refresh();
    board_->setFocus();
}

void MainWindow::listen(SessionBridge& events) {
    connect(&events, &SessionBridge::workDone, this, [this] {
        session_.deliver();
        refresh();
    });
    connect(&events, &SessionBridge::hintReady, this, [this](std::optional<Cell> cell) {
        if (cell) board_->flashHint(*cell);
        refresh();
    });
}

void MainWindow::createActions() {
    numNew_ = MakeAction(this, "numNew", "新游戏(&N)", QKeySequence("Ctrl+N"));
    numEnd_ = MakeAction(this, "numEnd", "结束游戏(&E)", QKeySequence("Ctrl+Q"));
    numExit_ = MakeAction(this, "numExit", "退出(&X)");
    connect(numNew_, &QAction::triggered, this, &MainWindow::NewGame);
    connect(numEnd_, &QAction::triggered, this, [this] {
        session_.endGame();
        refresh();
    });
    connect(numExit_, &QAction::triggered, this, &QWidget::close);

    auto* sides = new QActionGroup(this);
    numBefore_ = MakeAction(this, "numBefore", "先手(&B)", QKeySequence("Ctrl+B"));
    numAfter_ = MakeAction(this, "numAfter", "后手(&A)", QKeySequence("Ctrl+L"));
    for (QAction* a : {numBefore_, numAfter_}) {
        a->setCheckable(true);
        sides->addAction(a);
    }
    connect(numBefore_, &QAction::triggered, this, [this] {
        session_.choosePlayerFirst();
        refresh();
    });
    connect(numAfter_, &QAction::triggered, this, [this] {
        session_.chooseComputerFirst();
        refresh();
    });

    auto* levels = new QActionGroup(this);
    const char* levelNames[3] = {"numEasy0", "numEasy1", "numEasy2"};
    const char* levelCaptions[3] = {"初级(&E)", "中级(&M)", "高级(&H)"};
    const char* levelKeys[3] = {"Ctrl+E", "Ctrl+M", "Ctrl+H"};
    for (int i = 0; i < 3; ++i) {
        numEasy_[i] = MakeAction(this, levelNames[i], levelCaptions[i], QKeySequence(levelKeys[i]));
        numEasy_[i]->setCheckable(true);
        levels->addAction(numEasy_[i]);
        connect(numEasy_[i], &QAction::triggered, this, [this, i] {
            session_.chooseDifficulty(i);
            refresh();
        });
    }

    auto* opponents = new QActionGroup(this);
    for (int i = 0; i < kOpponentCount; ++i) {
        QString name = QString("numQser%1").arg(i);
        numQser_[i] = MakeAction(this, name.toLatin1().constData(), OpponentAt(i).name,
                                 QKeySequence(QString("Ctrl+F%1").arg(i + 1)));
        numQser_[i]->setCheckable(true);
        opponents->addAction(numQser_[i]);
        connect(numQser_[i], &QAction::triggered, this, [this, i] {
            session_.chooseOpponent(i);
            refresh();
        });
    }

    for (int i = 0; i < 10; ++i) {
        numLesson_[i] = MakeAction(this, kLessonItemNames[i], kLessonCaptions[i]);
        connect(numLesson_[i], &QAction::triggered, this, [this, i] { openLesson(i + 1); });
    }

    // The two help items carry no action.
    numHelp1_ = MakeAction(this, "numHelp1", "帮助(&H)", QKeySequence("F1"));
    numEmail_ = MakeAction(this, "numEmail", "技术支持(&T)");
    numAbout_ = MakeAction(this, "numAbout", "关于(&A)...");
    connect(numAbout_, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu("文件(&F)");
    file->setObjectName("numFile");
    file->addAction(numNew_);
    file->addAction(numEnd_);
    file->addActions(commands_->actions());
    file->addSeparator();
    file->addAction(numExit_);

    nuOpt_ = menuBar()->addMenu("选项(&O)");
    nuOpt_->setObjectName("nuOpt");
    QMenu* move = nuOpt_->addMenu("走棋(&O)");
    move->setObjectName("numMove");
    move->addAction(numBefore_);
    move->addAction(numAfter_);
    QMenu* setting = nuOpt_->addMenu("难度(&D)");
    setting->setObjectName("numSetting");
    for (QAction* a : numEasy_)
        setting->addAction(a);
    QMenu* players = nuOpt_->addMenu("棋手(&T)");
    players->setObjectName("numQs");
    for (QAction* a : numQser_)
        players->addAction(a);
    menuBar()->addMenu(view_->menu());
    // The lessons stay open to the player during a game, so they sit on the menu bar.
    QMenu* lessons = menuBar()->addMenu("Vesk十式(&K)");
    lessons->setObjectName("num10Kill");
    for (QAction* a : numLesson_)
        lessons->addAction(a);

    QMenu* help = menuBar()->addMenu("帮助(&H)");
    help->setObjectName("nuHelp");
    help->addAction(numHelp1_);
    help->addSeparator();
    help->addAction(numEmail_);
    help->addSeparator();
    help->addAction(numAbout_);
}

void MainWindow::refresh() {
    const Game& game = session_.game();
    bool optionsEnabled = game.OptionsEnabled == kTrue;
    nuOpt_->setEnabled(optionsEnabled);
    // A disabled menu disables its items and their shortcuts too.
    for (QAction* a : nuOpt_->actions())
        a->setEnabled(optionsEnabled);
    for (QAction* a : {numBefore_, numAfter_})
        a->setEnabled(optionsEnabled);
    for (QAction* a : numEasy_)
        a->setEnabled(optionsEnabled);
    for (QAction* a : numQser_)
        a->setEnabled(optionsEnabled);
    numBefore_->setChecked(game.menu.playerFirst);
    numAfter_->setChecked(!game.menu.playerFirst);
    for (int i = 0; i < 3; ++i)
        numEasy_[i]->setChecked(game.Difficulty == i);
    for (int i = 0; i < kOpponentCount; ++i)
        numQser_[i]->setChecked(game.menu.opponent == i);
    view_->refresh();
    commands_->refresh();
    status_->refresh();
    board_->update();
}

void MainWindow::NewGame() {
    session_.newGame();
    refresh();
}

void MainWindow::boardPressed(Cell cell) {
    session_.play(cell);
    refresh();
}

void MainWindow::openLesson(int lessonNo) {
    ThinkingPause pause(session_);
    session_.setLessonNo(lessonNo);
    LessonWindow lesson(session_.game().LessonNo, events_, this);
    lesson.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    session_.stopThinking();
    QMainWindow::closeEvent(event);
}

void MainWindow::showAbout() {
    SplashWindow about(SplashWindow::Role::About, this);
    about.exec();
}

} // namespace wuzi
