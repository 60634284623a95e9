// 摆棋: a position laid out by clicks, refused with a message when no game can go on from
// it, played on against the computer or studied in a review.
#include "ui/SetUpWindow.h"
#include "ui/MainWindow.h"
#include "ui/PositionBoard.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace wuzi;
using wuzi::test::action;

class SetUpWindowTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    static void click(SetUpWindow& w, Cell c) {
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.board()->pointOf(c));
    }

  private slots:
    void init() { messages.shown.clear(); }

    void clicksLayAndTakeOffStones() {
        SetUpWindow w(messages);
        w.show();
        click(w, {8, 8});
        click(w, {9, 9});
        click(w, {9, 9}); // taken off again
        QCOMPARE(w.position().black, (std::vector<Cell>{{8, 8}}));
        QVERIFY(w.position().white.empty());
    }

    // Refused with a clear message; the window and its position stay as they were.
    void aPositionNoGameCanGoOnFromIsRefused() {
        SetUpWindow w(messages);
        HandPosition five{{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}},
                          {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {9, 9}},
                          true};
        w.setPosition(five);
        QVERIFY(!w.finish(SetUpWindow::Choice::PlayOn));
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(messages.shown[0]).contains("五连"));
        w.setPosition({{{8, 8}, {9, 8}}, {{8, 9}}, true});
        QVERIFY(!w.finish(SetUpWindow::Choice::Study));
        QVERIFY(QString::fromStdString(messages.shown[1]).contains("数目对不上"));
        QTemporaryDir dir;
        QVERIFY(!w.savePosition(dir.filePath("bad.psq")));
        QCOMPARE(w.position().black.size(), std::size_t(2));
        QCOMPARE(w.choice(), SetUpWindow::Choice::None);
        w.setBlackToMove(false); // now white is to move: a sound position
        QVERIFY(w.savePosition(dir.filePath("good.psq")));
        SetUpWindow again(messages);
        QVERIFY(again.openPosition(dir.filePath("good.psq")));
        QCOMPARE(again.position(), w.position());
    }

    // Played on from the menu: the player has the side to move against the opponent
    // chosen, and the computer answers as ever.
    void aPositionIsPlayedOnAgainstTheComputer() {
        test::TestWindow t(messages, clock, random);
        action(t.w, "opponent0")->trigger();
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<SetUpWindow*>(QApplication::activeModalWidget());
            w->setPosition({{{8, 8}, {9, 8}}, {{8, 9}}, false});
            w->findChild<QPushButton*>("playOn")->click();
        });
        action(t.w, "setUp")->trigger();
        const GameView& game = t.session.view();
        QVERIFY(game.gameRunning());
        QCOMPARE(game.match(), (Match{0, false, 0}));
        QCOMPARE(game.moves(), (std::vector<Cell>{{8, 8}, {8, 9}, {9, 8}}));
        QCOMPARE(game.canPlay({10, 10}), PlayResult::Placed);
        t.w.boardPressed({10, 10});
        QCOMPARE(game.moveCount(), std::size_t(5));
    }

    void aPositionIsStudiedInAReview() {
        test::TestWindow t(messages, clock, random);
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<SetUpWindow*>(QApplication::activeModalWidget());
            w->setPosition({{{8, 8}}, {}, false});
            w->findChild<QPushButton*>("study")->click();
        });
        action(t.w, "setUp")->trigger();
        QVERIFY(t.w.viewMenu()->reviewing());
        QCOMPARE(t.w.viewMenu()->cursor()->record().moves, (std::vector<Cell>{{8, 8}}));
    }
};

QTEST_MAIN(SetUpWindowTest)
#include "SetUpWindowTest.moc"
