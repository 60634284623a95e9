// The side panel's texts in both languages and its move list, the questions asked before
// a game is thrown away, and a game kept across a crash.
#include "ui/SidePanel.h"
#include "rules/Game.h"
#include "support/ReplayableVesk.h"
#include "ui/BoardView.h"
#include "ui/EvalGraph.h"
#include "ui/GameCommands.h"
#include "ui/GameKeeper.h"
#include "ui/GameStatus.h"
#include "ui/MainWindow.h"
#include "ui/MasterAnalysis.h"
#include "ui/RecordedMessages.h"
#include "ui/ReviewRunner.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"
#include "ui/WinBar.h"
#include "vesk/Types.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace wuzi;
using wuzi::test::action;

namespace {

// A game that fills the board but H1's corner, (15, 15), without a five: runs of two in
// every direction, black first on the centre, white last.
std::vector<Cell> allButTheLastCell() {
    std::vector<Cell> black = {kCentre}, white;
    for (int y = 1; y <= kBoardSize; ++y)
        for (int x = 1; x <= kBoardSize; ++x)
            if (Cell c{x, y}; c != kCentre && c != Cell{15, 15})
                (((x + 2 * y) / 2) % 2 == 0 ? black : white).push_back(c);
    std::vector<Cell> moves;
    for (std::size_t i = 0; i < white.size(); ++i)
        moves.insert(moves.end(), {black[i], white[i]});
    return moves;
}

} // namespace

class SidePanelTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    static void choose(MainWindow& w, const char* item) {
        action(w, item)->trigger();
        QCoreApplication::sendPostedEvents(); // the language change reaches every window
    }
    static QString statusLine(MainWindow& w) { return w.findChild<QLabel*>("statusLine")->text(); }
    // Corbie, the player first; the stones played by the player, each answered.
    static void play(MainWindow& w, std::initializer_list<Cell> cells) {
        for (Cell c : cells)
            w.boardPressed(c);
    }

  private slots:
    void init() {
        messages.shown.clear();
        messages.asked.clear();
        messages.agrees = true;
    }

    void itsTextsFollowTheLanguageAtOnce() {
        test::TestWindow t(messages, clock, random);
        t.w.session().setVeskSettings(test::ReplayableVesk());
        action(t.w, "opponent0")->trigger();
        t.w.NewGame();
        SidePanel* panel = t.w.panel();
        QCOMPARE(panel->turnText(), QString("轮到你走"));
        QVERIFY(panel->notesText().contains("第一手请下在天元"));
        QVERIFY(panel->notesText().contains("选项（先后手、难度、棋手）在本局结束后可以更改"));
        choose(t.w, "english");
        QCOMPARE(panel->turnText(), QString("Your move"));
        QVERIFY(panel->notesText().contains("The first stone goes on the centre point"));
        play(t.w, {{8, 8}});
        QVERIFY(!panel->notesText().contains("centre point"));

        // The master's verdict of a forced win, in whole words of the language shown.
        t.session.endGame();
        t.w.viewMenu()->review({{{4, 8}, {4, 9}, {5, 8}, {5, 9}, {6, 8}, {6, 9}, {7, 8}, {7, 9}}});
        action(t.w, "masterAnalysis")->trigger();
        QTRY_VERIFY(t.w.analysis()->verdict().startsWith("Master: Black wins in 1, best "));
        choose(t.w, "chinese");
        QVERIFY(t.w.analysis()->verdict().startsWith("大师分析：黑 1 手胜，最佳 "));
        auto* verdict = panel->findChild<QLabel*>("panelVerdict");
        QCOMPARE("大师分析：" + verdict->text(), t.w.analysis()->verdict());
    }

    // The best move is the winner's when the side to move wins, else the loser's reply;
    // the chance is the player's in a game against the computer, else black's.
    void theMastersVerdictSaysWhoseMoveItIs_data() {
        QTest::addColumn<int>("stones");
        QTest::addColumn<int>("score"); // the side to move's
        QTest::addColumn<bool>("playerWhite");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("bar");
        QTest::newRow("black to move wins") << 8 << vesk::mateIn(9) << false << "黑 5 手胜，最佳 I5"
                                            << "Black wins in 5, best I5"
                                            << "黑方胜率 100%";
        QTest::newRow("black to move loses")
            << 8 << vesk::matedIn(6) << false << "白 3 手胜；黑最佳应手 I5"
            << "White wins in 3; Black's best reply I5"
            << "黑方胜率 0%";
        QTest::newRow("white to move, black's chance") << 7 << 1400 << false << "黑 27%；白最佳 I5"
                                                       << "Black 27%; White's best I5"
                                                       << "黑方胜率 27%";
        QTest::newRow("the player white, to move") << 7 << 1400 << true << "你的胜率 73%，最佳 I5"
                                                   << "Your chance 73%, best I5"
                                                   << "你的胜率 73%";
    }
    void theMastersVerdictSaysWhoseMoveItIs() {
        QFETCH(int, stones);
        QFETCH(int, score);
        QFETCH(bool, playerWhite);
        Analysis analysis{std::vector<Cell>(static_cast<std::size_t>(stones), Cell{1, 1}), {}};
        analysis.result.move = {9, 11};
        analysis.result.score = score;
        ChanceOwner owner = playerWhite ? ChanceOwner{false, true} : ChanceOwner{};
        MasterView view = MasterAnalysis::ViewOf(analysis, owner);
        QTEST(view.verdict, "chinese");
        WinBar bar;
        bar.setChance(view.chance);
        QTEST(bar.text(), "bar");
        test::TestWindow t(messages, clock, random);
        choose(t.w, "english");
        QTEST(MasterAnalysis::ViewOf(analysis, owner).verdict, "english");
    }

    // A click on a move shows the position after it, as 复盘 would.
    void aClickOnAMoveOpensTheReviewThere() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        t.w.NewGame();
        play(t.w, {{8, 8}, {3, 3}, {12, 4}});
        auto* moves = t.w.panel()->findChild<QListWidget*>("panelMoves");
        QCOMPARE(moves->count(), 6);
        QCOMPARE(moves->currentRow(), 5); // the last move stands out
        QStringList first = t.w.panel()->moveTexts();
        QVERIFY(first[0].contains("H8"));
        QTest::mouseClick(moves->viewport(), Qt::LeftButton, {},
                          moves->visualItemRect(moves->item(2)).center());
        QVERIFY(!t.w.viewMenu()->reviewing()); // not while the game runs
        action(t.w, "endGame")->trigger();
        QTest::mouseClick(moves->viewport(), Qt::LeftButton, {},
                          moves->visualItemRect(moves->item(2)).center());
        QVERIFY(t.w.viewMenu()->reviewing());
        QCOMPARE(t.w.viewMenu()->cursor()->position(), std::size_t(3));
        QCOMPARE(statusLine(t.w), QString("复盘：第 3 手，共 6 手"));
        QCOMPARE(t.w.board()->scene().stones.size(), std::size_t(3));
        QCOMPARE(t.w.panel()->moveTexts(), first);
    }

    // During play the last move stays in view, though the master's view under the list
    // grows once its answer comes; a black stone is black in every row, a selected one too.
    void theMoveListShowsTheLastMoveInItsColours() {
        test::TestWindow t(messages, clock, random);
        t.w.session().setVeskSettings(test::ReplayableVesk());
        t.w.resize(960, 700);
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        action(t.w, "twoPlayers")->trigger();
        action(t.w, "masterAnalysis")->trigger();
        auto* moves = t.w.panel()->findChild<QListWidget*>("panelMoves");
        play(t.w, {kCentre});
        for (int i = 0; i < 40; ++i) { // two cells apart: no five
            play(t.w, {{1 + i % 8 * 2, 1 + i / 8 * 2}});
            QTRY_VERIFY(!t.w.analysis()->verdict().contains("…"));
            QCoreApplication::processEvents();
            QCOMPARE(moves->count(), i + 2);
            QListWidgetItem* last = moves->item(moves->count() - 1);
            QVERIFY2(moves->viewport()->rect().contains(moves->visualItemRect(last)),
                     qPrintable(last->text()));
        }
        action(t.w, "endGame")->trigger();
        t.w.viewMenu()->showPosition(1); // black's first move selected
        auto darkPixels = [moves](int row) {
            QImage shown =
                moves->viewport()->grab(moves->visualItemRect(moves->item(row))).toImage();
            int dark = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    dark += qGray(shown.pixel(x, y)) < 60;
            return dark;
        };
        moves->scrollToTop();
        QCOMPARE(moves->currentRow(), 0);
        for (int row : {0, 2})
            QVERIFY2(darkPixels(row) > 30, qPrintable(moves->item(row)->text()));
    }

    // New game, 结束游戏 and leaving ask first during a game; No keeps it.
    void aGameInProgressIsNotThrownAwayUnasked() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        t.w.show();
        t.w.NewGame();
        play(t.w, {{8, 8}});
        messages.agrees = false;
        for (const char* item : {"newGame", "endGame"})
            action(t.w, item)->trigger();
        QVERIFY(!t.w.close());
        QCOMPARE(messages.asked.size(), std::size_t(3));
        QVERIFY(messages.asked[0].starts_with("?新游戏:"));
        QVERIFY(messages.asked[1].starts_with("?结束游戏:"));
        QVERIFY(messages.asked[2].starts_with("?退出:"));
        QCOMPARE(t.session.view().moveCount(), std::size_t(2));
        QVERIFY(t.session.view().gameRunning());
        QVERIFY(t.w.isVisible());

        messages.agrees = true;
        action(t.w, "endGame")->trigger();
        QCOMPARE(t.session.view().phase(), Phase::GameOver);
        messages.asked.clear();
        action(t.w, "newGame")->trigger(); // nothing left to lose: no question
        QVERIFY(messages.asked.empty());
    }

    // The game is kept after every move; a run that ends without ending it (a crash) leaves
    // it for the next, which plays it on with the same stones and match.
    void aGameLeftUnfinishedIsPlayedOn() {
        QByteArray kept;
        std::vector<Cell> moves;
        {
            test::TestWindow t(messages, clock, random);
            action(t.w, "opponent4")->trigger();
            action(t.w, "difficulty2")->trigger();
            action(t.w, "computerFirst")->trigger();
            t.w.NewGame();
            play(t.w, {{7, 7}, {10, 5}});
            moves = t.session.view().moves();
            QFile file(t.w.keeper().path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            kept = file.readAll();
        }
        test::TestWindow t(messages, clock, random);
        QVERIFY(!action(t.w, "resumeGame")->isEnabled());
        QDir().mkpath(QFileInfo(t.w.keeper().path()).path()); // as the crashed run left it
        QFile file(t.w.keeper().path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kept);
        file.close();
        t.w.refresh();
        QVERIFY(action(t.w, "resumeGame")->isEnabled());
        action(t.w, "resumeGame")->trigger();
        QCOMPARE(t.session.view().moves(), moves);
        QCOMPARE(t.session.view().match(), (Match{4, false, 2}));
        QCOMPARE(t.session.view().phase(), Phase::PlayerToMove);
        std::size_t before = t.session.view().moveCount();
        play(t.w, {{3, 12}});
        QCOMPARE(t.session.view().moveCount(), before + 2); // Corvane answers as ever
    }

    // However a game ends, it is forgotten before its box stands (the program may be killed
    // then) and is never offered; the status bar and the panel say it is over meanwhile.
    void anEndedGameIsForgottenBeforeItsBox() {
        const std::vector<Cell> whitesFour = {{8, 8},  {1, 1}, {10, 10}, {1, 2},
                                              {12, 8}, {1, 3}, {8, 12},  {1, 4}};
        const std::vector<Cell> blacksFour = {{8, 8},  {1, 1}, {9, 8},  {1, 3},
                                              {10, 8}, {1, 5}, {11, 8}, {1, 7}};
        struct End {
            const char* name;
            std::vector<Cell> moves;
            Mode mode;
            std::optional<Cell> last; // none: 结束游戏
            std::string box;
        };
        const End ends[] = {
            {"the computer's five", whitesFour, Mode::VersusComputer, Cell{14, 14},
             "提示:计算机胜!"},
            {"the player's five", blacksFour, Mode::VersusComputer, Cell{12, 8}, "提示:玩家胜!"},
            {"a draw", allButTheLastCell(), Mode::VersusComputer, Cell{15, 15}, "提示:此局为和局!"},
            {"a five of two players", blacksFour, Mode::TwoPlayers, Cell{12, 8}, "提示:黑胜!"},
            {"a draw of two players", allButTheLastCell(), Mode::TwoPlayers, Cell{15, 15},
             "提示:此局为和局!"},
            {"结束游戏", blacksFour, Mode::VersusComputer, std::nullopt, ""},
        };
        for (const End& end : ends) {
            test::TestWindow t(messages, clock, random);
            QVERIFY(t.session.resume(end.moves, Match{2, true, 0, end.mode}));
            t.w.refresh();
            QVERIFY2(t.w.keeper().unfinished(), end.name);
            QString whileShown;
            messages.shown.clear();
            messages.whileShown = [&] {
                whileShown = QString("%1 | %2 | %3")
                                 .arg(statusLine(t.w), t.w.panel()->turnText(),
                                      QFile::exists(t.w.keeper().path()) ? "kept" : "forgotten");
            };
            if (end.last)
                t.w.boardPressed(*end.last);
            else
                action(t.w, "endGame")->trigger();
            messages.whileShown = nullptr;
            QVERIFY2(!action(t.w, "resumeGame")->isEnabled(), end.name);
            QVERIFY2(!t.w.panel()->notesText().contains("上一局"), end.name);
            QVERIFY2(!t.w.keeper().unfinished(), end.name);
            if (!end.last) continue;
            QVERIFY2(!messages.shown.empty() && messages.shown.back() == end.box, end.name);
            QVERIFY2(whileShown.startsWith("本局结束") && whileShown.contains("| 本局结束") &&
                         whileShown.endsWith("forgotten"),
                     qPrintable(QString("%1: %2").arg(end.name, whileShown)));
        }
    }

    // Two people on one board: each click is the side's to move; 悔棋 takes back one
    // stone; the record saved reads back as the same moves.
    void twoPlayersTakeTurnsTakeBackAndSave() {
        QTemporaryDir dir;
        test::TestWindow t(messages, clock, random);
        action(t.w, "twoPlayers")->trigger();
        QCOMPARE(t.w.panel()->turnText(), QString("轮到黑方"));
        QVERIFY(!action(t.w, "hint")->isEnabled());
        play(t.w, {{8, 8}, {9, 9}, {7, 7}});
        QCOMPARE(t.session.view().moveCount(), std::size_t(3));
        QCOMPARE(t.w.panel()->turnText(), QString("轮到白方"));
        action(t.w, "undo")->trigger();
        QCOMPARE(t.session.view().moves(), (std::vector<Cell>{{8, 8}, {9, 9}}));
        QCOMPARE(t.w.panel()->turnText(), QString("轮到黑方"));
        QString path = dir.filePath("two.psq");
        QVERIFY(t.w.commands()->saveRecord(path));
        action(t.w, "endGame")->trigger();
        QVERIFY(t.w.commands()->openRecord(path));
        QCOMPARE(t.w.viewMenu()->cursor()->record().moves, (std::vector<Cell>{{8, 8}, {9, 9}}));
    }

    // 复盘分析 of a short game: marks in the move list and on the graph, each side's
    // accuracy, a click on the graph moving the review; reopened, the review is kept.
    void aGameReviewMarksTheMovesAndIsKept() {
        test::TestWindow t(messages, clock, random);
        t.w.reviews()->setLimits({0, 4000, 4000, 4});
        // Black's four, closed at G8, is left open at L8; black plays elsewhere, and white
        // closes it: the five was missed.
        GameRecord game{
            {{8, 8}, {7, 8}, {9, 8}, {1, 1}, {10, 8}, {1, 3}, {11, 8}, {1, 5}, {3, 3}, {12, 8}}};
        t.w.viewMenu()->review(game);
        action(t.w, "gameReview")->trigger();
        auto* graph = t.w.panel()->findChild<EvalGraph*>("evalGraph");
        QTRY_VERIFY_WITH_TIMEOUT(t.w.reviews()->review().has_value(), 60000);
        QVERIFY(graph->isVisibleTo(&t.w));
        QVERIFY(t.w.panel()->findChild<QLabel*>("panelAccuracy")->text().contains("准确率"));
        QStringList moves = t.w.panel()->moveTexts();
        QVERIFY2(moves[8].contains("错失胜机"), qPrintable(moves.join("\n"))); // black's 9th move
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->width() / 2, 10));
        QCOMPARE(t.w.viewMenu()->cursor()->position(), graph->movesAt(graph->width() / 2));

        t.w.viewMenu()->showPosition(9); // after the move that missed the five
        auto* missed = t.w.panel()->findChild<QLabel*>("panelMissedWin");
        QVERIFY(missed->text().contains("错过了胜机"));
        auto* playOut = t.w.panel()->findChild<QPushButton*>("playMissedWin");
        auto* stepping = t.w.panel()->findChild<QLabel*>("panelStepping");
        QCOMPARE(playOut->text(), QString("演示这条胜法"));
        QVERIFY(!stepping->isVisibleTo(&t.w));
        playOut->click();
        GameRecord line = t.w.viewMenu()->cursor()->record();
        QCOMPARE(line.moves.size(), std::size_t(9));
        QCOMPARE(line.moves.back(), (Cell{12, 8})); // the five at L8
        QCOMPARE(t.w.viewMenu()->cursor()->position(), std::size_t(8));
        // Pressed again it goes back; meanwhile the arrows step through the line.
        QCOMPARE(playOut->text(), QString("回到这一手"));
        QVERIFY(stepping->isVisibleTo(&t.w));
        QCOMPARE(stepping->text(), QString("用 → / ← 一步步看"));
        playOut->click(); // and back
        QCOMPARE(t.w.viewMenu()->cursor()->record(), game);
        QCOMPARE(playOut->text(), QString("演示这条胜法"));

        t.w.reviews()->start(game); // reopened: read at once from the data directory
        QVERIFY(!t.w.reviews()->running());
        QVERIFY(t.w.reviews()->review().has_value());
    }

    // The review runs off the window's thread with its progress shown; a new game stops it.
    void aNewGameCancelsTheReview() {
        test::TestWindow t(messages, clock, random);
        t.w.reviews()->setLimits({2000, 0, 20000, 4});
        t.w.viewMenu()->review({{{8, 8}, {9, 9}, {7, 7}, {9, 8}, {9, 7}}});
        action(t.w, "gameReview")->trigger();
        QVERIFY(t.w.reviews()->running());
        QVERIFY(t.w.panel()->findChild<QProgressBar*>("reviewProgress")->isVisibleTo(&t.w));
        action(t.w, "newGame")->trigger();
        QVERIFY(!t.w.reviews()->running());
        QVERIFY(!t.w.panel()->findChild<QWidget*>("panelReview")->isVisibleTo(&t.w));
    }

    void aDamagedKeptGameIsNotOffered_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("foreign") << "hello\n";
        QTest::newRow("opponent out of range")
            << "wuzi unfinished game\nopponent 9\ndifficulty 0\nplayer-first 1\nmoves 8,8\n";
        QTest::newRow("cell off the board")
            << "wuzi unfinished game\nopponent 1\ndifficulty 0\nplayer-first 1\nmoves 8,16\n";
        QTest::newRow("a cell played twice") << "wuzi unfinished game\nopponent 1\ndifficulty "
                                                "0\nplayer-first 1\ntwo-players 0\nmoves 8,8 "
                                                "9,9 8,8\n";
        QTest::newRow("a five on the board")
            << "wuzi unfinished game\nopponent 1\ndifficulty 0\nplayer-first 1\ntwo-players 0\n"
               "moves 8,8 1,1 9,8 1,3 10,8 1,5 11,8 1,7 12,8\n";
    }
    void aDamagedKeptGameIsNotOffered() {
        QFETCH(QString, text);
        QVERIFY(!GameKeeper::Read(text).has_value());
        UnfinishedGame game{{3, false, 1}, {{8, 8}, {9, 9}}};
        QCOMPARE(GameKeeper::Read(GameKeeper::TextOf(game)), std::optional(game));
    }
};

QTEST_MAIN(SidePanelTest)
#include "SidePanelTest.moc"
