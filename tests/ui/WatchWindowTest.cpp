// 观战: two opponents play a whole game on the window's own board, at the speed set and
// with a pause, the buttons greyed while they cannot act and the line under the board
// telling how the game stands; the finished game opens for review in the main window,
// whose panel names its players.
#include "ui/WatchWindow.h"
#include "ui/GameStatus.h"
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace wuzi;
using wuzi::test::action;

class WatchWindowTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    // Corbie against Corvane, at once one stone after another.
    static void startQuickly(WatchWindow& w) {
        w.findChild<QComboBox*>("blackOpponent")->setCurrentIndex(0);
        w.findChild<QComboBox*>("whiteOpponent")->setCurrentIndex(4);
        w.setDelay(0);
        w.findChild<QPushButton*>("start")->click();
    }

  private slots:
    // Through a game of two opponents that never think (nothing but the window changes
    // what it shows): what the buttons offer and what the line under the board says. A
    // paused game waits.
    void theWindowFollowsTheGame() {
        WatchWindow w;
        w.findChild<QComboBox*>("blackOpponent")->setCurrentIndex(0);
        w.findChild<QComboBox*>("whiteOpponent")->setCurrentIndex(4);
        auto* pause = w.findChild<QPushButton*>("pause");
        auto* review = w.findChild<QPushButton*>("review");
        auto* line = w.findChild<QLabel*>("watchStatus");
        std::size_t stones = 0;
        struct Stage {
            const char* name;
            std::function<void()> reach;
            bool pauses;
            QString pauseText;
            bool reviews;
            QString line; // a pattern
        };
        for (const Stage& s : {
                 Stage{"before a start", [] {}, false, "暂停", false, "^选好双方，按“开始”$"},
                 Stage{"started",
                       [&] {
                           w.setDelay(2000);
                           w.start();
                       },
                       true, "暂停", false, "^第 \\d+ 手，[黑白]方走$"},
                 Stage{"paused",
                       [&] {
                           w.setPaused(true);
                           w.setDelay(0); // a stone at once, were it not paused
                           stones = w.match()->record().moves.size();
                           QTest::qWait(100);
                       },
                       true, "继续", false, "^已暂停：第 \\d+ 手，[黑白]方走$"},
                 Stage{"over",
                       [&] {
                           w.setPaused(false);
                           QTRY_VERIFY_WITH_TIMEOUT(w.match()->over(), 20000);
                       },
                       false, "暂停", true, "^(黑胜!|白胜!|和局)$"},
             }) {
            s.reach();
            QVERIFY2(pause->isEnabled() == s.pauses, s.name);
            QVERIFY2(pause->text() == s.pauseText, s.name);
            QVERIFY2(review->isEnabled() == s.reviews, s.name);
            QVERIFY2(line->text().contains(QRegularExpression(s.line)),
                     qPrintable(s.name + (": " + line->text())));
            if (w.paused()) QCOMPARE(w.match()->record().moves.size(), stones);
        }
        w.setDelay(1500);
        QCOMPARE(w.delayText(), QString("两手间隔 1.5 秒"));
    }

    void aWatchedGameEndsAndIsReviewed() {
        test::TestWindow t(messages, clock, random);
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<WatchWindow*>(QApplication::activeModalWidget());
            w->findChild<QComboBox*>("whiteLevel")->setCurrentIndex(2);
            startQuickly(*w);
            QTRY_VERIFY_WITH_TIMEOUT(w->match()->over(), 20000);
            w->findChild<QPushButton*>("review")->click();
        });
        action(t.w, "watch")->trigger();
        QVERIFY(t.w.viewMenu()->reviewing());
        QVERIFY(t.w.viewMenu()->cursor()->record().moves.size() > 8);
        QCOMPARE(t.w.viewMenu()->cursor()->position(), t.w.viewMenu()->cursor()->size());
        QCOMPARE(t.w.status()->matchText(),
                 QString("观战：Corbie（初级）执黑 对 Corvane（高级）执白"));
    }
};

QTEST_MAIN(WatchWindowTest)
#include "WatchWindowTest.moc"
