// The status bar's line, the side panel's turn and match, and the title: how to start,
// whose turn, the move, the match; and a game that ended on five taken back from the window.
#include "ui/GameStatus.h"
#include "session/GameFlow.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

using namespace wuzi;
using wuzi::test::action;

class GameStatusTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    static QString label(MainWindow& w, const char* name) {
        return w.findChild<QLabel*>(name)->text();
    }

  private slots:
    void beforeTheFirstGameItSaysHowToStart() {
        test::TestWindow t(messages, clock, random);
        QCOMPARE(label(t.w, "panelTurn"), QString("单击 文件 → 新游戏 (Ctrl+N) 开始下棋"));
        QCOMPARE(t.w.status()->moveText(), QString());
        QCOMPARE(label(t.w, "panelMatch"), QString("下一局：Marrowick · 初级 · 你先手（黑）"));
        QCOMPARE(t.w.windowTitle(), QString("五子棋"));
        QVERIFY(!t.w.windowIcon().isNull());
    }

    void duringAGameItShowsTurnMoveAndMatch_data() {
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("computerFirst");
        QTest::addColumn<QString>("move");
        QTest::addColumn<QString>("match");
        QTest::addColumn<QString>("title");
        QTest::newRow("Corbie, player first") << "opponent0"
                                              << "difficulty1" << false << "第 1 手"
                                              << "对手：Corbie · 中级 · 你先手（黑）"
                                              << "五子棋 — Corbie · 中级";
        QTest::newRow("Corvane, computer first") << "opponent4"
                                                 << "difficulty2" << true << "第 2 手"
                                                 << "对手：Corvane · 高级 · 计算机先手"
                                                 << "五子棋 — Corvane · 高级";
        QTest::newRow("Vesk, player first") << "opponent5"
                                            << "difficulty0" << false << "第 1 手"
                                            << "对手：Vesk · 初级 · 你先手（黑）"
                                            << "五子棋 — Vesk · 初级";
    }
    void duringAGameItShowsTurnMoveAndMatch() {
        QFETCH(QString, opponent);
        QFETCH(QString, level);
        QFETCH(bool, computerFirst);
        test::TestWindow t(messages, clock, random);
        action(t.w, opponent.toLatin1())->trigger();
        action(t.w, level.toLatin1())->trigger();
        if (computerFirst) action(t.w, "computerFirst")->trigger();
        t.w.NewGame();
        QCOMPARE(label(t.w, "panelTurn"), QString("轮到你走"));
        QTEST(t.w.status()->moveText(), "move");
        QCOMPARE(label(t.w, "statusLine"), "轮到你走 · " + t.w.status()->moveText());
        QTEST(label(t.w, "panelMatch"), "match");
        QTEST(t.w.windowTitle(), "title");
    }

    void theMoveNumberFollowsThePlay() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        t.w.NewGame();
        t.w.boardPressed({8, 8});
        QCOMPARE(label(t.w, "statusLine"), QString("轮到你走 · 第 3 手"));
        action(t.w, "endGame")->trigger();
        QCOMPARE(label(t.w, "panelTurn"), QString("本局结束：新游戏 (Ctrl+N) 再来一局"));
        QCOMPARE(label(t.w, "statusLine"), QString("本局结束 · 共 2 手"));
        QCOMPARE(t.w.windowTitle(), QString("五子棋"));
    }

    // Where the first stone goes stands among the panel's notes; without the panel, in
    // the status bar.
    void withoutThePanelTheStatusBarTellsTheCentreRule() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        t.w.NewGame();
        QCOMPARE(label(t.w, "statusLine"), QString("轮到你走 · 第 1 手"));
        action(t.w, "sidePanel")->trigger();
        QCOMPARE(label(t.w, "statusLine"), QString("轮到你走 · 第一手请下在天元"));
        t.w.boardPressed({8, 8});
        QCOMPARE(label(t.w, "statusLine"), QString("轮到你走 · 第 3 手"));
    }

    // Corbie blocks one end of an open four; the player's five at the other end is taken
    // back from the window, and the game goes on against Corbie.
    void aFiveIsTakenBackAndTheGameGoesOn() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        t.w.NewGame();
        std::vector<SetUpStone> stones;
        for (int k = 0; k < 4; ++k) {
            stones.push_back({{5 + k, 8}, kPlayer});
            if (k < 3) stones.push_back({{2 + 4 * k, 2}, kComputer});
        }
        QVERIFY(t.session.playFromPosition(stones));
        t.w.refresh();
        Cell end = t.g.isEmpty(4, 8) ? Cell{4, 8} : Cell{9, 8};
        t.w.boardPressed(end);
        QCOMPARE(t.g.GameActive, false);
        QCOMPARE(messages.shown.back(), std::string("提示:玩家胜!"));
        QVERIFY(label(t.w, "panelTurn").contains("悔棋"));
        action(t.w, "opponent4")->trigger(); // chosen after the end...
        action(t.w, "review")->trigger();
        QVERIFY(action(t.w, "undo")->isEnabled());
        action(t.w, "undo")->trigger();
        QCOMPARE(t.g.GameActive, true);
        QVERIFY(t.g.isEmpty(end));
        QVERIFY(!t.w.viewMenu()->reviewing());
        QVERIFY(!t.w.optionsMenu()->isEnabled());
        QVERIFY(action(t.w, "opponent0")->isChecked()); // ...gives way to the game's own
        QCOMPARE(label(t.w, "panelTurn"), QString("轮到你走"));
        std::size_t answers = t.g.compStones.size();
        t.w.boardPressed({3, 12});
        QCOMPARE(t.g.compStones.size(), answers + 1);
    }
};

QTEST_MAIN(GameStatusTest)
#include "GameStatusTest.moc"
