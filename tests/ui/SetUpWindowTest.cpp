// 摆棋: a position laid out by clicks on a board that names its cells, kept for the next
// opening (across a killed run too), refused with a message fitting the button pressed
// when no game can go on from it, played on against the computer without changing the
// side chosen for the next game, or studied in a review as the position it is.
#include "ui/SetUpWindow.h"
#include "ui/GameStatus.h"
#include "ui/MainWindow.h"
#include "ui/MasterAnalysis.h"
#include "ui/PositionBoard.h"
#include "ui/RecordedMessages.h"
#include "ui/SidePanel.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace wuzi;
using wuzi::test::action;

namespace {

// The argument of the run that lays out a position and waits to be killed.
constexpr const char* kLayOutAndWait = "--lay-out-and-wait";
const HandPosition kLaidOutBeforeTheKill{{{8, 8}, {9, 8}}, {}, false};

// Clicks two black stones and white to move, says so, and waits.
int layOutAndWait() {
    test::RecordedMessages messages;
    SetUpWindow w(messages);
    w.clear();
    for (Cell c : kLaidOutBeforeTheKill.black)
        w.toggle(c);
    w.findChild<QRadioButton*>("whiteToMove")->setChecked(true);
    std::puts("laid");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class SetUpWindowTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    static void click(SetUpWindow& w, Cell c) {
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.board()->pointOf(c));
    }

    // Opens 摆棋 from the menu on `position` and presses the button named.
    static void setUpFromTheMenu(test::TestWindow& t, HandPosition position, const char* button) {
        QTimer::singleShot(0, [position, button] {
            auto* w = qobject_cast<SetUpWindow*>(QApplication::activeModalWidget());
            w->setPosition(position);
            w->findChild<QPushButton*>(button)->click();
        });
        action(t.w, "setUp")->trigger();
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        messages.shown.clear();
        QSettings().clear();
    }

    // Laid out, then kept: the next opening starts from it.
    void clicksLayAndTakeOffStones() {
        SetUpWindow w(messages);
        w.show();
        click(w, {8, 8});
        click(w, {9, 9});
        click(w, {9, 9}); // taken off again
        click(w, {1, 15});
        QCOMPARE(w.position().black, (std::vector<Cell>{{8, 8}, {1, 15}}));
        QVERIFY(w.position().white.empty());
        SetUpWindow again(messages);
        QCOMPARE(again.position(), w.position());
    }

    // Kept at every change: a run killed once it has laid out a position leaves it for the
    // next.
    void aPositionLaidOutOutlivesAKilledRun() {
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(), {kLayOutAndWait});
        QVERIFY(run.waitForReadyRead(20000));
        run.kill();
        run.waitForFinished();
        SetUpWindow w(messages);
        QCOMPARE(w.position(), kLaidOutBeforeTheKill);
    }

    // The row numbers stand in the margin left of column A, light on the dark surround.
    void theBoardNamesItsCells() {
        SetUpWindow w(messages);
        PositionBoard* board = w.board();
        board->resize(480, 480);
        QImage picture = board->grab().toImage();
        int pitch = board->pointOf({2, 1}).x() - board->pointOf({1, 1}).x();
        int light = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < board->pointOf({1, 1}).x() - pitch / 2; ++x) {
                QColor c = picture.pixelColor(x, y);
                light += c.red() > 0xD0 && c.green() > 0xC0 && c.blue() > 0x90;
            }
        QVERIFY2(light > 100, qPrintable(QString::number(light)));
    }

    // Refused with a message that says what could not be done, as the button pressed asked;
    // the window and its position stay as they were.
    void aPositionNoGameCanGoOnFromIsRefused() {
        const HandPosition five{{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}},
                                {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {9, 9}},
                                true};
        const HandPosition counts{{{8, 8}, {9, 8}}, {{8, 9}}, true};
        QTemporaryDir dir;
        using Ask = std::function<bool(SetUpWindow&)>;
        Ask study = [](SetUpWindow& w) { return w.finish(SetUpWindow::Choice::Study); };
        Ask playOn = [](SetUpWindow& w) { return w.finish(SetUpWindow::Choice::PlayOn); };
        Ask save = [&dir](SetUpWindow& w) { return w.savePosition(dir.filePath("bad.psq")); };
        const char* const fiveOnTheBoard = "棋盘上已经有五连，这盘棋已经结束了。";
        const char* const countsWrong =
            "黑白子的数目对不上。黑先走时黑白子一样多，白先走时黑子比白子多一个。";
        struct Case {
            HandPosition position;
            Ask ask;
            QString message;
        };
        for (const Case& c : {
                 Case{five, study, QString("这个局面不能研究：") + fiveOnTheBoard},
                 Case{five, playOn, QString("不能从这个局面接着下：") + fiveOnTheBoard},
                 Case{counts, study, QString("这个局面不能研究：") + countsWrong},
                 Case{counts, playOn, QString("不能从这个局面接着下：") + countsWrong},
                 Case{counts, save, QString("这个局面不能保存为棋谱：") + countsWrong},
             }) {
            SetUpWindow w(messages);
            w.setPosition(c.position);
            messages.shown.clear();
            QVERIFY(!c.ask(w));
            QCOMPARE(messages.shown, std::vector<std::string>{"摆棋:" + c.message.toStdString()});
            QCOMPARE(w.position(), c.position);
            QCOMPARE(w.choice(), SetUpWindow::Choice::None);
        }
        SetUpWindow w(messages);
        w.setPosition(counts);
        w.setBlackToMove(false); // now white is to move: a sound position
        QVERIFY(w.savePosition(dir.filePath("good.psq")));
        w.clear();
        QVERIFY(w.openPosition(dir.filePath("good.psq")));
        QCOMPARE(w.position(), (HandPosition{counts.black, counts.white, false}));
    }

    // Played on from the menu: the player has the side to move against the opponent
    // chosen, and the computer answers as ever. The side chosen for the next game stays.
    void aPositionIsPlayedOnAgainstTheComputer() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        setUpFromTheMenu(t, {{{8, 8}, {9, 8}}, {{8, 9}}, false}, "playOn");
        const GameView& game = t.session.view();
        QVERIFY(game.gameRunning());
        QCOMPARE(game.match(), (Match{0, false, 0}));
        QCOMPARE(game.moves(), (std::vector<Cell>{{8, 8}, {8, 9}, {9, 8}}));
        QCOMPARE(game.canPlay({10, 10}), PlayResult::Placed);
        t.w.boardPressed({10, 10});
        QCOMPARE(game.moveCount(), std::size_t(5));
        t.session.endGame();
        t.w.refresh();
        QCOMPARE(game.match().playerFirst, true);
        QVERIFY(action(t.w, "playerFirst")->isChecked());
        QCOMPARE(t.w.settings().playerFirst, true);
    }

    // Studied: the stones as laid out, no move numbers, no last move and no moves to list
    // or step through, 大师分析 looking at it.
    void aPositionIsStudiedInAReview() {
        test::TestWindow t(messages, clock, random);
        t.w.viewMenu()->setShowNumbers(true);
        setUpFromTheMenu(t, {{{8, 8}, {9, 9}}, {{8, 9}}, false}, "study");
        QVERIFY(t.w.viewMenu()->reviewing());
        BoardScene scene = t.session.view().shownScene();
        QCOMPARE(scene.stones.size(), std::size_t(3));
        for (const SceneStone& stone : scene.stones)
            QCOMPARE(stone.number, 0);
        QVERIFY(!scene.marker);
        QVERIFY(t.w.panel()->moveTexts().isEmpty());
        QVERIFY(!action(t.w, "reviewFirst")->isEnabled());
        action(t.w, "reviewFirst")->trigger();
        QCOMPARE(t.session.view().shownScene().stones.size(), std::size_t(3));
        QVERIFY(!action(t.w, "gameReview")->isEnabled());
        QVERIFY(t.w.analysis()->action()->isChecked());
        QCOMPARE(t.w.status()->statusText(), QString("研究摆好的局面：白方走"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 1 && QByteArray(argv[1]) == kLayOutAndWait) return layOutAndWait();
    SetUpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SetUpWindowTest.moc"
