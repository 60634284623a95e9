// Opponent 3 in the window: the search runs while the window keeps handling events,
// clicks wait for the reply, and ending the game in any way drops a search under way.
#include "engines/SearchEngine.h"
#include "opponents/Turns.h"
#include "session/GameFlow.h"
#include "ui/BoardView.h"
#include "ui/GameStatus.h"
#include "ui/MainWindow.h"
#include "ui/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

using namespace wuzi;

namespace {

class QuietMessages : public MessageSink {
  public:
    void information(const std::string&, const std::string& text) override {
        shown.push_back(text);
    }
    void critical(const std::string&, const std::string& text) override { shown.push_back(text); }
    bool question(const std::string&, const std::string&) override { return false; }
    // The player agrees to leave a game.
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::vector<std::string> shown;
};

// The game's generator, slowed down at will so that a depth-4 search lasts (it draws at
// its root's ties, some ten numbers for the reply to the centre): the numbers are those
// of the game's own generator.
class SlowRandom : public RandomSource {
  public:
    double next() override {
        if (slow) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return inner_.next();
    }
    std::atomic<bool> slow{true};

  private:
    SeededRandom inner_;
};

// Counts the stones on the board each time it is painted.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(const Game& g) : g_(g) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted.emplace_back(g_.playerStones.size(), g_.compStones.size());
        return false;
    }
    std::vector<std::pair<std::size_t, std::size_t>> painted;

  private:
    const Game& g_;
};

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

    QuietMessages messages;
    FixedDigitClock clock{1}; // no book reply: the engine answers the centre

    QAction* action(MainWindow& w, const char* name) {
        auto* a = w.findChild<QAction*>(name);
        if (!a) qFatal("no action %s", name);
        return a;
    }

    // A shown window at 高级 against Peddrin, new game begun.
    bool startPeddrin(MainWindow& w) {
        w.resize(800, 760);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) return false;
        action(w, "opponent3")->trigger();
        action(w, "difficulty2")->trigger();
        w.NewGame();
        return w.session().state().GameMode == 6 && w.session().state().SearchLevel == 4;
    }

    // The player's centre stone handed over: a depth-4 search under way.
    bool startThinking(MainWindow& w) {
        if (!startPeddrin(w)) return false;
        click(w, 8, 8);
        return w.session().thinking() && computerStones(w.session().state()) == 0;
    }

    void click(MainWindow& w, int x, int y) {
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.board()->pointOf({x, y}));
    }

    static int computerStones(const Game& g) { return static_cast<int>(g.compStones.size()); }

    // The game of startThinking played without a window, from the program's start: the
    // engine's reply to the centre, searched at once.
    struct Unhurried {
        QuietMessages quiet;
        FixedDigitClock clock{1};
        SeededRandom random;
        BookGame game{quiet, clock, random};
        Unhurried() {
            OnDifficulty(game, 2);
            wuzi::NewGame(game, {true, 3});
            OnBoardClick(game, {8, 8});
            EngineTurn(game);
        }
    };

  private slots:
    void windowHandlesEventsWhileTheSearchRuns() {
        SlowRandom random;
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        QVERIFY(startPeddrin(w));
        PaintWatch watch(g);
        w.board()->installEventFilter(&watch);
        click(w, 8, 8);
        QVERIFY(w.session().thinking());
        QCOMPARE(computerStones(g), 0);
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(5);
        QTest::qWait(200);
        QVERIFY(w.session().thinking()); // a depth-4 search is still under way...
        QVERIFY(ticks >= 10);            // ...and the window went on with its events
        QVERIFY(w.status()->turnText().startsWith("计算机思考中… "));
        QVERIFY(w.status()->turnText().endsWith(" 秒"));
        click(w, 3, 3); // the player may not move twice
        QCOMPARE(g.cell(3, 3), kEmpty);
        action(w, "undo")->trigger(); // nor take the stone back from under the search
        QCOMPARE(g.cell(8, 8), kPlayer);
        QVERIFY(w.session().thinking());

        random.slow = false;
        QTRY_VERIFY_WITH_TIMEOUT(!w.session().thinking(), 30000);
        QCOMPARE(computerStones(g), 1);
        // The first picture with the player's stone does not show the reply yet.
        auto firstWithStone = std::find_if(watch.painted.begin(), watch.painted.end(),
                                           [](const auto& p) { return p.first == 1; });
        QVERIFY(firstWithStone != watch.painted.end());
        QCOMPARE(firstWithStone->second, std::size_t{0});

        // The same reply as the engine gives without a window, from the program's start.
        QCOMPARE(g.BoardCells, Unhurried().game.BoardCells);

        click(w, 3, 3); // the player's turn again
        QCOMPARE(g.cell(3, 3), kPlayer);
        random.slow = false;
        QTRY_VERIFY_WITH_TIMEOUT(!w.session().thinking(), 30000);
        QCOMPARE(computerStones(g), 2);
    }

    void endingTheGameInAnyWayDropsTheSearch_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("结束游戏") << "endGame";
        QTest::newRow("新游戏") << "newGame";
        QTest::newRow("closing the window") << "close";
    }

    void endingTheGameInAnyWayDropsTheSearch() {
        QFETCH(QString, how);
        SlowRandom random;
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        QVERIFY(startThinking(w));
        if (how == "close")
            w.close();
        else
            action(w, how.toLatin1().constData())->trigger();
        QVERIFY(!w.session().thinking());
        random.slow = false;
        QTest::qWait(300);
        QCOMPARE(computerStones(g), 0); // no stale reply
        if (how == "endGame") QCOMPARE(g.GameActive, false);
        if (how != "newGame") return;
        // The new game starts cleanly and is answered as usual.
        QCOMPARE(g.PlayerMoveNo, 1);
        click(w, 8, 8);
        QTRY_VERIFY_WITH_TIMEOUT(!w.session().thinking(), 30000);
        QCOMPARE(computerStones(g), 1);
    }

    void aLessonPausesTheSearchAndTheReplyFollows() {
        SlowRandom random;
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        QVERIFY(startThinking(w));
        bool pausedWhileOpen = false;
        int stonesWhileOpen = -1;
        QTimer::singleShot(300, [&] {
            pausedWhileOpen = !w.session().thinking();
            stonesWhileOpen = computerStones(g);
            random.slow = false;
            if (QWidget* lesson = QApplication::activeModalWidget()) lesson->close();
        });
        QTest::qWait(100); // the search is well under way...
        action(w, "lesson1")
            ->trigger(); // ...when the lesson opens, modal until the timer closes it
        QVERIFY(pausedWhileOpen);
        QCOMPARE(stonesWhileOpen, 0); // nothing lands while the lesson is open
        QTRY_VERIFY_WITH_TIMEOUT(!w.session().thinking(), 30000);
        QCOMPARE(computerStones(g), 1);
        // The pause changed nothing: the reply and the generator's next number are those of
        // a search never interrupted.
        Unhurried unhurried;
        QCOMPARE(g.BoardCells, unhurried.game.BoardCells);
        QCOMPARE(random.next(), unhurried.random.next());
    }
};

QTEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
