#include "rules/Game.h"
#include "rules/Psq.h"
#include "session/GameFlow.h"
#include "support/ReplayableVesk.h"
#include "ui/BoardView.h"
#include "ui/GameCommands.h"
#include "ui/MainWindow.h"
#include "ui/MasterAnalysis.h"
#include "ui/RecordedMessages.h"
#include "ui/SidePanel.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"
#include "ui/WinBar.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace wuzi;
using wuzi::test::action;

namespace {

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QString("-") : a->text());
    return out;
}

// Black's five on the eighth row, moves 1, 3, 5, 7, 9.
const GameRecord kFiveRecord{
    {{4, 8}, {4, 9}, {5, 8}, {5, 9}, {6, 8}, {6, 9}, {7, 8}, {7, 9}, {8, 8}}};

} // namespace

// While it lives, the files this process writes may grow to `bytes` and no further: a
// write beyond fails as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(qint64 bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // the failed write is reported, not a signal
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};

class PlayerAidsTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    // A shown, active window playing Corbie, the player to move first.
    static void startGame(MainWindow& w) {
        w.resize(760, 760);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.session().chooseOpponent(0);
        w.NewGame();
    }

    static void click(MainWindow& w, Cell c) {
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.board()->pointOf(c));
    }

  private slots:
    void init() { messages.shown.clear(); }

    void newItemsLiveInTheirOwnMenuAndAfterEndGame() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        QStringList titles = captions(w.menuBar()->actions());
        QCOMPARE(titles, QStringList({"文件(&F)", "选项(&O)", "查看(&V)", "Vesk十式(&K)",
                                      "习题(&Z)", "帮助(&H)"}));
        auto* file = w.findChild<QMenu*>("fileMenu");
        QCOMPARE(captions(file->actions()),
                 QStringList({"新游戏(&N)", "双人对弈(&2)", "继续上一局(&C)", "摆棋(&P)...",
                              "观战(&W)...", "结束游戏(&E)", "悔棋(&U)", "提示(&I)", "大师提示(&M)",
                              "-", "打开棋谱(&O)...", "保存棋谱(&S)...", "-", "退出(&X)"}));
        QCOMPARE(action(w, "undo")->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(action(w, "hint")->shortcut(), QKeySequence("F2"));
        QCOMPARE(action(w, "masterHint")->shortcut(), QKeySequence("Shift+F2"));
        QCOMPARE(captions(w.viewMenu()->menu()->actions()),
                 QStringList({"显示手数(&N)", "显示坐标(&C)", "侧栏(&P)", "-", "复盘(&R)",
                              "第一手(&F)", "上一手(&P)", "下一手(&X)", "最后一手(&L)",
                              "大师分析(&A)", "复盘分析(&Y)", "-", "语言(&G)"}));
        // The original menus keep their shortcuts beside the new items.
        QCOMPARE(action(w, "endGame")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(action(w, "difficulty2")->shortcut(), QKeySequence("Ctrl+H"));
        QCOMPARE(action(w, "help")->shortcut(), QKeySequence("F1"));
    }

    void ctrlZTakesBackTheLastPairOfMoves() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        QVERIFY(!action(w, "undo")->isEnabled());
        click(w, {8, 8});
        std::array<std::int16_t, kCellCount> afterFirst = g.BoardCells;
        click(w, {3, 3});
        QCOMPARE(g.PlayerMoveNo, 3);
        QVERIFY(action(w, "undo")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(g.PlayerMoveNo, 2);
        QCOMPARE(g.CompMoveNo, 2);
        QVERIFY(g.BoardCells == afterFirst);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(g.PlayerMoveNo, 1);
        QVERIFY(!action(w, "undo")->isEnabled()); // back at the start
        QCOMPARE(g.CentreRule, true);

        click(w, {8, 8});
        action(w, "endGame")->trigger();
        QVERIFY(!action(w, "undo")->isEnabled()); // only in a running game
    }

    // The ring and its note last until the next stone, or five seconds.
    void f2RingsTheHintUntilTheNextMoveAndChangesNothing() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(w.panel()->notesText().contains("正在计算提示…"));
        QTRY_COMPARE(w.board()->hintCell(), std::optional<Cell>(Cell{8, 8}));
        QVERIFY(w.panel()->notesText().contains("绿色圆圈：提示"));
        QVERIFY(!w.panel()->notesText().contains("正在计算提示"));
        QCOMPARE(g.PlayerMoveNo, 1);
        click(w, {8, 8});
        QVERIFY(!w.board()->hintCell().has_value());
        QVERIFY(!w.panel()->notesText().contains("绿色圆圈"));

        QTest::keyClick(&w, Qt::Key_F2);
        QTRY_VERIFY(w.board()->hintCell().has_value());
        QElapsedTimer shown;
        shown.start();
        QTRY_VERIFY_WITH_TIMEOUT(!w.board()->hintCell().has_value(), BoardView::kHintMs + 2000);
        QVERIFY(shown.elapsed() > BoardView::kHintMs - 1000); // no blinking away
        QVERIFY(!w.panel()->notesText().contains("绿色圆圈"));
        QVERIFY(messages.shown.empty());
    }

    void aHintRingIsGoneAfterATakeBack() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        startGame(w);
        click(w, {8, 8});
        QTest::keyClick(&w, Qt::Key_F2);
        QTRY_VERIFY(w.board()->hintCell().has_value());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.board()->hintCell().has_value());
    }

    void aTranslucentStoneFollowsTheMouseOnThePlayersTurn() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        startGame(w);
        QTest::mouseMove(w.board(), w.board()->pointOf({3, 3}));
        QCOMPARE(w.board()->previewCell(), std::nullopt); // the first stone: the centre only
        QTest::mouseMove(w.board(), w.board()->pointOf({8, 8}));
        QCOMPARE(w.board()->previewCell(), std::optional<Cell>(Cell{8, 8}));
        click(w, {8, 8});
        QCOMPARE(w.board()->previewCell(), std::nullopt); // a taken cell
        QTest::mouseMove(w.board(), w.board()->pointOf({3, 4}));
        QCOMPARE(w.board()->previewCell(), std::optional<Cell>(Cell{3, 4}));
        QTest::mouseMove(w.board(), QPoint(1, 1)); // off the picture, in the window's corner
        QCOMPARE(w.board()->previewCell(), std::nullopt);
        action(w, "endGame")->trigger();
        QTest::mouseMove(w.board(), w.board()->pointOf({3, 4}));
        QCOMPARE(w.board()->previewCell(), std::nullopt); // no game, no stone to place
    }

    void aRightClickPlacesNothing() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        QTest::mouseClick(w.board(), Qt::RightButton, {}, w.board()->pointOf({8, 8}));
        QTest::mouseClick(w.board(), Qt::MiddleButton, {}, w.board()->pointOf({8, 8}));
        QCOMPARE(g.cell(8, 8), kEmpty);
        QVERIFY(messages.shown.empty());
    }

    void aHintForAPositionLeftBehindIsNotShown() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        startGame(w);
        QTest::keyClick(&w, Qt::Key_F2); // looked for while the player moves on
        click(w, {8, 8});
        QTRY_VERIFY(!w.commands()->hintPending());
        QVERIFY(!w.board()->hintCell().has_value());
    }

    void opponent3sSearchGivesTheHintOffTheWindowsThread() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        w.session().chooseOpponent(3);
        w.resize(760, 760);
        w.show();
        w.NewGame();
        click(w, {8, 8});
        QTRY_VERIFY_WITH_TIMEOUT(g.CompMoveNo == 2 && g.PlayerTurn, 10000);
        QTest::keyClick(&w, Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(w.board()->hintCell().has_value(), 10000);
        QVERIFY(g.isEmpty(*w.board()->hintCell()));
        QCOMPARE(g.PlayerMoveNo, 2);
    }

    void numbersAndCoordinatesAreToggles() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        click(w, {8, 8});
        QImage plain = w.board()->grab().toImage();
        action(w, "showNumbers")->trigger();
        QVERIFY(action(w, "showNumbers")->isChecked());
        QVERIFY(w.board()->grab().toImage() != plain);
        action(w, "showNumbers")->trigger();
        QCOMPARE(w.board()->grab().toImage(), plain);

        QPoint cornerBefore = w.board()->pointOf({1, 1});
        action(w, "showCoordinates")->trigger();
        QVERIFY(w.board()->showsCoordinates());
        QPoint cornerAfter = w.board()->pointOf({1, 1});
        QVERIFY(cornerAfter != cornerBefore); // the board makes room for the labels
        // Clicks still land on the cell under the pointer.
        click(w, {12, 3});
        QCOMPARE(g.cell(12, 3), kPlayer);
    }

    void arrowKeysMoveACursorAndEnterPlaysThere() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        w.board()->setFocus();
        QTest::keyClick(w.board(), Qt::Key_Up); // the cursor appears on the centre
        QCOMPARE(w.board()->keyboardCursor(), std::optional<Cell>(Cell{8, 8}));
        QTest::keyClick(w.board(), Qt::Key_Up);
        QTest::keyClick(w.board(), Qt::Key_Return);
        // The first stone must go on the centre, from the keyboard as from the mouse.
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(g.PlayerMoveNo, 1);
        QTest::keyClick(w.board(), Qt::Key_Down);
        QTest::keyClick(w.board(), Qt::Key_Space);
        QCOMPARE(g.cell(8, 8), kPlayer);
        QCOMPARE(g.playerStone(1), (Cell{8, 8}));
        QTest::keyClick(w.board(), Qt::Key_Enter); // a taken cell: nothing happens
        QCOMPARE(g.PlayerMoveNo, 2);
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(w.board(), Qt::Key_Right);
        QCOMPARE(w.board()->keyboardCursor(),
                 std::optional<Cell>(Cell{15, 8})); // stops at the edge
        QTest::keyClick(w.board(), Qt::Key_Return);
        QCOMPARE(g.cell(15, 8), kPlayer);
        QTest::keyClick(w.board(), Qt::Key_Z,
                        Qt::ControlModifier); // a stone played by key goes back
        QCOMPARE(g.cell(15, 8), kEmpty);
    }

    void reviewStepsThroughAFinishedGameWithoutChangingIt() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        QVERIFY(!action(w, "review")->isEnabled()); // not while a game runs
        for (Cell c : {Cell{8, 8}, Cell{3, 3}, Cell{12, 4}})
            click(w, c);
        action(w, "endGame")->trigger();
        GameState finished = g;
        QVERIFY(action(w, "review")->isEnabled());
        action(w, "review")->trigger();
        QVERIFY(w.viewMenu()->reviewing());
        QCOMPARE(w.board()->scene().stones.size(), std::size_t(6));

        QTest::keyClick(&w, Qt::Key_Home);
        QCOMPARE(w.board()->scene().stones.size(), std::size_t(0));
        QVERIFY(!action(w, "reviewPrevious")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Right);
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.board()->scene().stones.size(), std::size_t(2));
        QCOMPARE(w.board()->scene().marker, std::optional<Cell>(g.compStone(1)));
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(w.board()->scene().marker, std::optional<Cell>(Cell{8, 8}));
        // The status bar's one line tells the review's position alone.
        QCOMPARE(w.findChild<QLabel*>("statusLine")->text(), QString("复盘：第 1 手，共 6 手"));
        action(w, "reviewLast")->trigger();
        QCOMPARE(w.viewMenu()->cursor()->position(), std::size_t(6));
        QVERIFY(g.BoardCells == finished.BoardCells);
        QCOMPARE(g.PlayerMoveNo, finished.PlayerMoveNo);

        click(w, {1, 1}); // the board takes no stone in a review
        QCOMPARE(g.cell(1, 1), kEmpty);
        action(w, "review")->trigger();
        QVERIFY(!w.viewMenu()->reviewing());
        QVERIFY(w.findChild<QLabel*>("statusLine")->text().startsWith("本局结束"));
        w.NewGame();
        QVERIFY(!action(w, "review")->isEnabled());
    }

    void theWinningFiveIsHighlighted() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        startGame(w);
        w.viewMenu()->review(kFiveRecord);
        QCOMPARE(w.board()->scene().winningLine.size(), std::size_t(5));
        QImage lit = w.board()->grab().toImage();
        QTest::keyClick(&w, Qt::Key_Left);
        QVERIFY(w.board()->scene().winningLine.empty());
        QImage plain = w.board()->grab().toImage();
        // Just outside the first stone of the five, on the diagonal away from the grid:
        // the ring is drawn there only while the five is on the board.
        double scale = (w.board()->pointOf({5, 8}).x() - w.board()->pointOf({4, 8}).x()) / 21.0;
        QPoint ring = w.board()->pointOf({4, 8}) + QPointF(7.3 * scale, -7.3 * scale).toPoint();
        QVERIFY(lit.pixelColor(ring) != plain.pixelColor(ring));
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.board()->grab().toImage(), lit);
    }

    void theMastersAnalysisFollowsTheReviewAndTheGame() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        w.session().setVeskSettings(test::ReplayableVesk());
        startGame(w);
        w.viewMenu()->review(kFiveRecord);
        QTest::keyClick(&w, Qt::Key_Left); // black to play, with four in a row
        action(w, "masterAnalysis")->trigger();
        MasterAnalysis* master = w.analysis();
        // A forced win in the panel's words, black's chance full on its bar.
        QTRY_VERIFY(master->verdict().startsWith("大师分析：黑 1 手胜，最佳 "));
        auto* bar = w.panel()->findChild<WinBar*>("panelWinBar");
        QVERIFY(bar->isVisibleTo(&w));
        QCOMPARE(bar->text(), QString("黑方胜率 100%"));
        std::optional<Cell> best = w.board()->masterMove();
        QVERIFY(best == Cell(3, 8) || best == Cell(8, 8));

        action(w, "review")->trigger(); // back to the game, the player to move
        QTRY_VERIFY2(master->verdict().contains("%"), qPrintable(master->verdict()));
        QVERIFY(w.board()->masterMove().has_value());
        action(w, "masterAnalysis")->trigger();
        QVERIFY(master->verdict().isEmpty());
        QVERIFY(!bar->isVisibleTo(&w));
        QVERIFY(!w.board()->masterMove().has_value());

        QTest::keyClick(&w, Qt::Key_F2, Qt::ShiftModifier); // 大师提示, in its own colour
        QTRY_VERIFY(w.board()->hintCell().has_value());
        QVERIFY(w.board()->hintIsMasters());
        QCOMPARE(t.g.PlayerMoveNo, 1);
    }

    void recordsSaveAndOpenForReview() {
        QTemporaryDir dir;
        QString path = dir.filePath("game.psq");
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        QVERIFY(!action(w, "saveRecord")->isEnabled()); // nothing to save yet
        QVERIFY(!action(w, "openRecord")->isEnabled()); // not during a game
        for (Cell c : {Cell{8, 8}, Cell{3, 3}})
            click(w, c);
        QVERIFY(w.commands()->saveRecord(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        PsqResult read = ParsePsq(file.readAll().toStdString());
        QVERIFY(read.ok());
        QVERIFY(read.record == RecordOf(g));

        action(w, "endGame")->trigger();
        QVERIFY(action(w, "openRecord")->isEnabled());
        QFile five(dir.filePath("five.psq"));
        QVERIFY(five.open(QIODevice::WriteOnly));
        five.write(QByteArray::fromStdString(WritePsq(kFiveRecord)));
        five.close();
        QVERIFY(w.commands()->openRecord(five.fileName()));
        QVERIFY(w.viewMenu()->reviewing());
        QCOMPARE(w.viewMenu()->cursor()->size(), std::size_t(9));
        // Saving while reviewing writes the record shown.
        QString copy = dir.filePath("copy.psq");
        QVERIFY(w.commands()->saveRecord(copy));
        QFile copied(copy);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll().toStdString(), WritePsq(kFiveRecord));
    }

    // On a full disk (here: a limit on the size of the files the test may write) saving
    // says it failed and leaves the record saved before as it was.
    void aFailedSaveKeepsTheEarlierRecord() {
        QTemporaryDir dir;
        QString path = dir.filePath("game.psq");
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        startGame(w);
        click(w, {8, 8});
        QVERIFY(w.commands()->saveRecord(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QByteArray earlier = saved.readAll();
        saved.close();
        for (Cell c : {Cell{3, 3}, Cell{4, 12}, Cell{12, 3}})
            click(w, c);
        messages.shown.clear();
        {
            FileSizeLimit full(earlier.size());
            QVERIFY(!w.commands()->saveRecord(path));
        }
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(messages.shown[0]).startsWith("保存棋谱:"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), earlier);
    }

    void aMalformedRecordIsRefusedAndChangesNothing() {
        QTemporaryDir dir;
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        startGame(w);
        for (Cell c : {Cell{8, 8}, Cell{3, 3}})
            click(w, c);
        action(w, "endGame")->trigger();
        w.viewMenu()->review(RecordOf(g));
        std::size_t shownPosition = w.viewMenu()->cursor()->position();
        GameState before = g;
        for (const char* text : {"Piskvorky 15x15, 0:0, 1\n8,8,0\n8,8,0\n", "hello\n",
                                 "Piskvorky 20x20, 0:0, 1\n1,1,0\n"}) {
            messages.shown.clear();
            QFile bad(dir.filePath("bad.psq"));
            QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
            bad.write(text);
            bad.close();
            QVERIFY(!w.commands()->openRecord(bad.fileName()));
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QVERIFY(QString::fromStdString(messages.shown[0]).startsWith("打开棋谱:"));
            QVERIFY(QString::fromStdString(messages.shown[0]).contains("bad.psq"));
            QVERIFY(w.viewMenu()->cursor()->record() == RecordOf(g)); // the review shown stays
            QCOMPARE(w.viewMenu()->cursor()->position(), shownPosition);
            QVERIFY(g.BoardCells == before.BoardCells);
        }
        messages.shown.clear();
        QVERIFY(!w.commands()->openRecord(dir.filePath("missing.psq")));
        QCOMPARE(messages.shown.size(), std::size_t(1));
    }
};

QTEST_MAIN(PlayerAidsTest)
#include "PlayerAidsTest.moc"
