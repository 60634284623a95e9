#include "ui/MainWindow.h"

#include "ui/Actions.h"
#include "ui/BoardOverlays.h"
#include "ui/BoardPanelLayout.h"
#include "ui/BoardView.h"
#include "ui/GameCommands.h"
#include "ui/GameKeeper.h"
#include "ui/GameStatus.h"
#include "ui/MasterAnalysis.h"
#include "ui/ProgramIcon.h"
#include "ui/PuzzleWindow.h"
#include "ui/ReviewPresenter.h"
#include "ui/ReviewRunner.h"
#include "ui/ScreenFit.h"
#include "ui/SessionBridge.h"
#include "ui/SetUpWindow.h"
#include "ui/SidePanel.h"
#include "ui/Sounds.h"
#include "ui/SplashWindow.h"
#include "ui/ViewMenu.h"
#include "ui/WatchWindow.h"
#include "ui/lessons/LessonWindow.h"
#include "ui/lessons/PageViewer.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>

namespace wuzi {

namespace {

// The first run's size, before any geometry is remembered: the board and the panel.
constexpr QSize kPreferredSize(960, 700);

// The lessons' names as the series names them, and in English a short rendering of each.
const char* const kLessonCaptions[10] = {
    QT_TRANSLATE_NOOP("Menu", "小鬼出山"), QT_TRANSLATE_NOOP("Menu", "小鬼索命"),
    QT_TRANSLATE_NOOP("Menu", "神出鬼没"), QT_TRANSLATE_NOOP("Menu", "八卦迷魂"),
    QT_TRANSLATE_NOOP("Menu", "天昏地暗"), QT_TRANSLATE_NOOP("Menu", "黑白无常"),
    QT_TRANSLATE_NOOP("Menu", "魔高一丈"), QT_TRANSLATE_NOOP("Menu", "孤魂野鬼"),
    QT_TRANSLATE_NOOP("Menu", "月黑风高"), QT_TRANSLATE_NOOP("Menu", "轮回转世")};
const char* const kLessonItemNames[10] = {"lesson1", "lesson2", "lesson3", "lesson4", "lesson5",
                                          "lesson6", "lesson7", "lesson8", "lesson9", "lesson10"};

} // namespace

MainWindow::MainWindow(Session& session, SessionBridge& events, QWidget* parent)
    : QMainWindow(parent), session_(session), events_(events),
      keeper_(std::make_unique<GameKeeper>(
          session, events, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))),
      board_(new BoardView(session, this)), panel_(new SidePanel(this)) {
    setObjectName("mainWindow");
    setWindowTitle("五子棋");
    setWindowIcon(ProgramIcon());
    auto* middle = new QWidget(this);
    new BoardPanelLayout(board_, panel_, middle);
    setCentralWidget(middle);
    connect(board_, &BoardView::pressed, this, &MainWindow::boardPressed);
    connect(board_, &BoardView::hintHidden, this, &MainWindow::refreshPanel);
    view_ = new ViewMenu(session_, board_, this);
    commands_ = new GameCommands(session_, view_, events_, this);
    connect(commands_, &GameCommands::gameChanged, this, &MainWindow::refresh);
    // A hint asked for is told among the notes at once.
    for (QAction* command : commands_->actions())
        connect(command, &QAction::triggered, this, &MainWindow::refreshPanel);
    status_ = new GameStatus(session_, events_, this, panel_);
    analysis_ = new MasterAnalysis(session_, events_, board_, panel_, this);
    view_->addBeforeLanguages(analysis_->action());
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    reviewPresenter_ = new ReviewPresenter(session_, view_, data + "/reviews", this);
    view_->addBeforeLanguages(reviewPresenter_->action());
    sounds_ = new Sounds(session_, events_, this);
    connect(reviewPresenter_, &ReviewPresenter::changed, this, &MainWindow::refreshPanel);
    connect(panel_, &SidePanel::reviewCancelled, reviews(), &ReviewRunner::cancel);
    connect(panel_, &SidePanel::missedWinAsked, reviewPresenter_, &ReviewPresenter::playMissedWin);
    connect(view_, &ViewMenu::shownPositionChanged, this, &MainWindow::refresh);
    connect(view_, &ViewMenu::panelToggled, this, &MainWindow::showPanel);
    connect(panel_, &SidePanel::positionChosen, view_, &ViewMenu::showPosition);
    listen(events);
    createActions();
    createMenus();
    refresh();
    board_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::listen(SessionBridge& events) {
    connect(&events, &SessionBridge::workDone, this, [this] {
        session_.deliver();
        refresh();
    });
    // Before the box that says so: the game is kept, shown and told as it ended.
    connect(&events, &SessionBridge::gameEnded, this, &MainWindow::refresh);
    connect(&events, &SessionBridge::hintReady, this,
            [this](std::optional<Cell> cell, bool master) {
                if (cell) board_->showHint(*cell, master);
                refresh();
            });
}

void MainWindow::createActions() {
    newGame_ = MakeAction(this, "newGame", QT_TRANSLATE_NOOP("Menu", "新游戏(&N)"),
                          QKeySequence("Ctrl+N"));
    endGame_ = MakeAction(this, "endGame", QT_TRANSLATE_NOOP("Menu", "结束游戏(&E)"),
                          QKeySequence("Ctrl+Q"));
    exit_ = MakeAction(this, "exit", QT_TRANSLATE_NOOP("Menu", "退出(&X)"));
    resumeGame_ = MakeAction(this, "resumeGame", QT_TRANSLATE_NOOP("Menu", "继续上一局(&C)"));
    twoPlayers_ = MakeAction(this, "twoPlayers", QT_TRANSLATE_NOOP("Menu", "双人对弈(&2)"),
                             QKeySequence("Ctrl+T"));
    connect(twoPlayers_, &QAction::triggered, this, [this] {
        if (!keeper_->mayLeaveGame(tr("双人对弈"),
                                   tr("这一局还没有下完。要放弃它，开始双人对弈吗？")))
            return;
        session_.newTwoPlayerGame();
        refresh();
    });
    connect(newGame_, &QAction::triggered, this, [this] {
        if (keeper_->mayLeaveGame(tr("新游戏"), tr("这一局还没有下完。要放弃它，开始新的一局吗？")))
            NewGame();
    });
    connect(endGame_, &QAction::triggered, this, [this] {
        if (!keeper_->mayLeaveGame(tr("结束游戏"), tr("这一局还没有下完。要就此结束吗？"))) return;
        session_.endGame();
        refresh();
    });
    connect(resumeGame_, &QAction::triggered, this, &MainWindow::resumeGame);
    setUp_ =
        MakeAction(this, "setUp", QT_TRANSLATE_NOOP("Menu", "摆棋(&P)..."), QKeySequence("Ctrl+P"));
    connect(setUp_, &QAction::triggered, this, &MainWindow::setUpPosition);
    watch_ = MakeAction(this, "watch", QT_TRANSLATE_NOOP("Menu", "观战(&W)..."));
    connect(watch_, &QAction::triggered, this, &MainWindow::watchGame);
    connect(exit_, &QAction::triggered, this, &QWidget::close);

    auto* sides = new QActionGroup(this);
    playerFirst_ = MakeAction(this, "playerFirst", QT_TRANSLATE_NOOP("Menu", "先手(&B)"),
                              QKeySequence("Ctrl+B"));
    computerFirst_ = MakeAction(this, "computerFirst", QT_TRANSLATE_NOOP("Menu", "后手(&A)"),
                                QKeySequence("Ctrl+L"));
    for (QAction* a : {playerFirst_, computerFirst_}) {
        a->setCheckable(true);
        sides->addAction(a);
    }
    connect(playerFirst_, &QAction::triggered, this, [this] {
        session_.choosePlayerFirst();
        refresh();
    });
    connect(computerFirst_, &QAction::triggered, this, [this] {
        session_.chooseComputerFirst();
        refresh();
    });

    auto* levels = new QActionGroup(this);
    const char* levelNames[3] = {"difficulty0", "difficulty1", "difficulty2"};
    const char* levelCaptions[3] = {QT_TRANSLATE_NOOP("Menu", "初级(&E)"),
                                    QT_TRANSLATE_NOOP("Menu", "中级(&M)"),
                                    QT_TRANSLATE_NOOP("Menu", "高级(&H)")};
    const char* levelKeys[3] = {"Ctrl+E", "Ctrl+M", "Ctrl+H"};
    for (int i = 0; i < 3; ++i) {
        difficulties_[i] =
            MakeAction(this, levelNames[i], levelCaptions[i], QKeySequence(levelKeys[i]));
        difficulties_[i]->setCheckable(true);
        levels->addAction(difficulties_[i]);
        connect(difficulties_[i], &QAction::triggered, this, [this, i] {
            session_.chooseDifficulty(i);
            refresh();
        });
    }

    auto* opponents = new QActionGroup(this);
    for (int i = 0; i < kOpponentCount; ++i) {
        QString name = QString("opponent%1").arg(i);
        opponents_[i] = MakeAction(this, name.toLatin1().constData(), OpponentName(i),
                                   QKeySequence(QString("Ctrl+F%1").arg(i + 1)));
        opponents_[i]->setCheckable(true);
        opponents->addAction(opponents_[i]);
        connect(opponents_[i], &QAction::triggered, this, [this, i] {
            session_.chooseOpponent(i);
            refresh();
        });
    }

    const char* const puzzleNames[kPuzzleLevels] = {"puzzlesFoursIn3", "puzzlesFoursIn5",
                                                    "puzzlesThreatsIn3", "puzzlesThreatsIn4"};
    const char* const puzzleCaptions[kPuzzleLevels] = {
        QT_TRANSLATE_NOOP("Menu", "连续冲四 · 3 手(&1)..."),
        QT_TRANSLATE_NOOP("Menu", "连续冲四 · 5 手以上(&2)..."),
        QT_TRANSLATE_NOOP("Menu", "冲四活三 · 3 手(&3)..."),
        QT_TRANSLATE_NOOP("Menu", "冲四活三 · 4 手以上(&4)...")};
    for (int i = 0; i < kPuzzleLevels; ++i) {
        puzzles_[i] = MakeAction(this, puzzleNames[i], puzzleCaptions[i]);
        connect(puzzles_[i], &QAction::triggered, this,
                [this, i] { openPuzzles(static_cast<PuzzleLevel>(i)); });
    }

    for (int i = 0; i < 10; ++i) {
        lessons_[i] = MakeAction(this, kLessonItemNames[i], kLessonCaptions[i]);
        connect(lessons_[i], &QAction::triggered, this, [this, i] { openLesson(i + 1); });
    }

    help_ = MakeAction(this, "help", QT_TRANSLATE_NOOP("Menu", "帮助(&H)"), QKeySequence("F1"));
    support_ = MakeAction(this, "support", QT_TRANSLATE_NOOP("Menu", "技术支持(&T)"));
    about_ = MakeAction(this, "about", QT_TRANSLATE_NOOP("Menu", "关于(&A)..."));
    connect(help_, &QAction::triggered, this, &MainWindow::showHelp);
    connect(support_, &QAction::triggered, this, &MainWindow::showSupport);
    connect(about_, &QAction::triggered, this, &MainWindow::showAbout);
    connect(view_, &ViewMenu::languageChosen, this, &MainWindow::setLanguage);

    // Each choice is remembered at once: a crash later loses none.
    QList<QAction*> choices = {playerFirst_, computerFirst_};
    choices << QList<QAction*>(difficulties_.begin(), difficulties_.end())
            << QList<QAction*>(opponents_.begin(), opponents_.end()) << sounds_->action();
    for (QAction* a : choices)
        connect(a, &QAction::triggered, this, &MainWindow::settingsChanged);
    connect(view_, &ViewMenu::settingChosen, this, &MainWindow::settingsChanged);
    connect(commands_, &GameCommands::recordFolderChanged, this, &MainWindow::settingsChanged);
}

void MainWindow::createMenus() {
    QMenu* file = MakeMenu(this, "fileMenu", QT_TRANSLATE_NOOP("Menu", "文件(&F)"));
    menuBar()->addMenu(file);
    file->addAction(newGame_);
    file->addAction(twoPlayers_);
    file->addAction(resumeGame_);
    file->addAction(setUp_);
    file->addAction(watch_);
    file->addAction(endGame_);
    file->addActions(commands_->actions());
    file->addSeparator();
    file->addAction(exit_);

    optionsMenu_ = MakeMenu(this, "optionsMenu", QT_TRANSLATE_NOOP("Menu", "选项(&O)"));
    menuBar()->addMenu(optionsMenu_);
    QMenu* move = MakeMenu(optionsMenu_, "sideMenu", QT_TRANSLATE_NOOP("Menu", "走棋(&O)"));
    optionsMenu_->addMenu(move);
    move->addAction(playerFirst_);
    move->addAction(computerFirst_);
    QMenu* setting =
        MakeMenu(optionsMenu_, "difficultyMenu", QT_TRANSLATE_NOOP("Menu", "难度(&D)"));
    optionsMenu_->addMenu(setting);
    for (QAction* a : difficulties_)
        setting->addAction(a);
    QMenu* players = MakeMenu(optionsMenu_, "opponentMenu", QT_TRANSLATE_NOOP("Menu", "棋手(&T)"));
    optionsMenu_->addMenu(players);
    for (QAction* a : opponents_)
        players->addAction(a);
    optionsMenu_->addSeparator();
    optionsMenu_->addAction(sounds_->action());
    menuBar()->addMenu(view_->menu());
    // The lessons stay open to the player during a game, so they sit on the menu bar.
    QMenu* lessons = MakeMenu(this, "lessonMenu", QT_TRANSLATE_NOOP("Menu", "Vesk十式(&K)"));
    menuBar()->addMenu(lessons);
    for (QAction* a : lessons_)
        lessons->addAction(a);
    QMenu* puzzles = MakeMenu(this, "puzzleMenu", QT_TRANSLATE_NOOP("Menu", "习题(&Z)"));
    menuBar()->addMenu(puzzles);
    for (QAction* a : puzzles_)
        puzzles->addAction(a);

    QMenu* help = MakeMenu(this, "helpMenu", QT_TRANSLATE_NOOP("Menu", "帮助(&H)"));
    menuBar()->addMenu(help);
    help->addAction(help_);
    help->addSeparator();
    help->addAction(support_);
    help->addSeparator();
    help->addAction(about_);
}

void MainWindow::refresh() {
    // First, so that a game just ended is forgotten before 继续上一局 asks for one.
    keeper_->keep();
    const GameView& game = session_.view();
    bool optionsEnabled = !game.gameRunning();
    optionsMenu_->setEnabled(optionsEnabled);
    // A disabled menu disables its items and their shortcuts too.
    for (QAction* a : optionsMenu_->actions())
        a->setEnabled(optionsEnabled);
    for (QAction* a : {playerFirst_, computerFirst_})
        a->setEnabled(optionsEnabled);
    for (QAction* a : difficulties_)
        a->setEnabled(optionsEnabled);
    for (QAction* a : opponents_)
        a->setEnabled(optionsEnabled);
    Match match = game.match();
    playerFirst_->setChecked(match.playerFirst);
    computerFirst_->setChecked(!match.playerFirst);
    for (int i = 0; i < 3; ++i)
        difficulties_[i]->setChecked(match.difficulty == i);
    for (int i = 0; i < kOpponentCount; ++i)
        opponents_[i]->setChecked(match.opponent == i);
    resumeGame_->setEnabled(!game.gameRunning() && keeper_->unfinished().has_value());
    reviewPresenter_->refresh();
    view_->refresh();
    commands_->refresh();
    status_->refresh();
    analysis_->refresh();
    board_->positionChanged();
    refreshPanel();
    board_->update();
}

void MainWindow::refreshPanel() {
    const GameView& game = session_.view();
    if (const ReviewCursor* cursor = session_.reviewCursor()) {
        // A position laid out by hand has no moves to list.
        if (cursor->source().laidOut)
            panel_->setMoves({}, 0, false);
        else
            panel_->setMoves(cursor->record().moves, cursor->position(), true,
                             reviewPresenter_->marks());
    } else
        panel_->setMoves(game.moves(), game.moveCount(), session_.canReview());
    panel_->setReview(reviewPresenter_->shown());
    panel_->setNotes(notes());
}

ReviewRunner* MainWindow::reviews() const {
    return reviewPresenter_->runner();
}

QStringList MainWindow::notes() const {
    const GameView& game = session_.view();
    QStringList notes;
    bool running = game.gameRunning();
    if (QString centre = status_->centreRuleText(); !centre.isEmpty()) notes << centre;
    if (session_.hintPending()) notes << tr("正在计算提示…");
    if (board_->hintCell())
        notes << (board_->hintIsMasters() ? tr("金色圆圈：大师提示") : tr("绿色圆圈：提示"));
    if (analysis_->action()->isChecked() && board_->masterMove())
        notes << tr("紫色虚线圆圈：大师分析的最佳一手");
    if (running) notes << tr("选项（先后手、难度、棋手）在本局结束后可以更改");
    if (!running && resumeGame_->isEnabled()) notes << tr("上一局没有下完：文件 → 继续上一局");
    return notes;
}

void MainWindow::showPanel(bool on) {
    panel_->setVisible(on);
    refresh();
}

void MainWindow::setUpPosition() {
    SetUpWindow window(events_, this);
    if (!window.exec()) return;
    if (!keeper_->mayLeaveGame(tr("摆棋"), tr("这一局还没有下完。要放弃它，改下摆好的局面吗？")))
        return;
    session_.endGame();
    GameRecord stones = RecordOfPosition(window.position());
    if (window.choice() == SetUpWindow::Choice::Study) {
        view_->review(stones, RecordSource{true, {}, {}});
        analysis_->action()->setChecked(true);
    } else {
        session_.playOn(stones.moves);
    }
    refresh();
}

void MainWindow::openPuzzles(PuzzleLevel level) {
    ThinkingPause pause(session_);
    PuzzleWindow window(level, this);
    window.exec();
}

void MainWindow::watchGame() {
    ThinkingPause pause(session_);
    WatchWindow window(this);
    if (!window.exec() || !window.reviewed()) return;
    if (!keeper_->mayLeaveGame(tr("观战"), tr("这一局还没有下完。要放弃它，复盘观战的一局吗？")))
        return;
    session_.endGame();
    view_->review(*window.reviewed(), window.players());
    refresh();
}

void MainWindow::resumeGame() {
    if (keeper_->resume()) refresh();
}

void MainWindow::offerUnfinishedGame() {
    std::optional<UnfinishedGame> game = keeper_->unfinished();
    if (!game || session_.view().gameRunning()) return;
    QString question = tr("上一局（%1 手）还没有下完。要接着下吗？").arg(game->moves.size());
    if (events_.question(tr("继续上一局").toStdString(), question.toStdString())) resumeGame();
}

void MainWindow::NewGame() {
    reviews()->cancel();
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
    LessonWindow lesson(session_.lessonNo(), events_, this);
    lesson.setShowNumbers(view_->showsNumbers());
    lesson.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The game in progress is kept, and offered again at the next start.
    if (!keeper_->mayLeaveGame(tr("退出"),
                               tr("这一局还没有下完。下次启动时可以接着下。现在就退出吗？")))
        return event->ignore();
    session_.stopThinking();
    QMainWindow::closeEvent(event);
}

void MainWindow::showHelp() {
    PageViewer viewer(this);
    const PageEntry help = {"help", "五子棋帮助",
                            language() == Language::English ? "help_en.htm" : "help.htm"};
    viewer.showPage(help, QCoreApplication::applicationDirPath());
    viewer.setWindowTitle(tr("五子棋帮助"));
    viewer.exec();
}

void MainWindow::showSupport() {
    QMessageBox::information(
        this, tr("技术支持"),
        tr("五子棋 wuzi，版本 %1。\n\n"
           "遇到问题时，请告诉向你提供本程序的人（例如它的软件包的维护者），并附上：\n"
           "· 版本号和所用的系统；\n"
           "· 出问题前的几步操作；\n"
           "· 用 文件 → 保存棋谱 保存下来的那一局；\n"
           "· 从终端启动 wuzi 时它打印出的信息。")
            .arg(QStringLiteral(WUZI_VERSION)));
}

void MainWindow::setLanguage(Language language) {
    translations_.apply(language);
    view_->checkLanguage(language);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate(this);
        refresh();
    }
    QMainWindow::changeEvent(event);
}

StoredSettings MainWindow::settings() const {
    Match match = session_.view().match();
    StoredSettings stored;
    stored.geometry = saveGeometry();
    stored.showNumbers = view_->showsNumbers();
    stored.showCoordinates = view_->showsCoordinates();
    stored.showPanel = view_->showsPanel();
    stored.opponent = match.opponent;
    stored.difficulty = match.difficulty;
    stored.playerFirst = match.playerFirst;
    stored.language = LanguageCode(language());
    stored.sound = sounds_->on();
    stored.recordFolder = commands_->recordFolder();
    return stored;
}

void MainWindow::restore(const StoredSettings& stored) {
    // A geometry saved on a larger screen is fitted to this one; without one the window
    // opens at its preferred size.
    if (!stored.geometry.isEmpty() && restoreGeometry(stored.geometry))
        FitRestoredWindow(this, stored.geometry);
    else
        FitToScreen(this, kPreferredSize);
    view_->setShowNumbers(stored.showNumbers);
    view_->setShowCoordinates(stored.showCoordinates);
    view_->setShowPanel(stored.showPanel);
    // The options between games, as the menu items would set them.
    session_.chooseOpponent(stored.opponent);
    session_.chooseDifficulty(stored.difficulty);
    if (stored.playerFirst)
        session_.choosePlayerFirst();
    else
        session_.chooseComputerFirst();
    setLanguage(LanguageOfCode(stored.language));
    sounds_->setOn(stored.sound);
    commands_->setRecordFolder(stored.recordFolder);
    refresh();
}

void MainWindow::showAbout() {
    SplashWindow about(SplashWindow::Role::About, this);
    about.exec();
}

} // namespace wuzi
