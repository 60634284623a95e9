// 观战: two opponents play a whole game on the window's own board, at the speed set and
// with a pause; the finished game opens for review in the main window.
#include "ui/WatchWindow.h"
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    void aPausedGameWaitsAndGoesOn() {
        WatchWindow w;
        startQuickly(w);
        w.setPaused(true);
        QTest::qWait(50);
        std::size_t stones = w.match()->record().moves.size();
        QTest::qWait(100);
        QCOMPARE(w.match()->record().moves.size(), stones);
        QVERIFY(w.statusText().contains("已暂停"));
        w.setPaused(false);
        QTRY_VERIFY(w.match()->record().moves.size() > stones);
    }

    void aWatchedGameEndsAndIsReviewed() {
        test::TestWindow t(messages, clock, random);
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<WatchWindow*>(QApplication::activeModalWidget());
            startQuickly(*w);
            QTRY_VERIFY_WITH_TIMEOUT(w->match()->over(), 20000);
            w->findChild<QPushButton*>("review")->click();
        });
        action(t.w, "watch")->trigger();
        QVERIFY(t.w.viewMenu()->reviewing());
        QVERIFY(t.w.viewMenu()->cursor()->record().moves.size() > 8);
        QCOMPARE(t.w.viewMenu()->cursor()->position(), t.w.viewMenu()->cursor()->size());
    }
};

QTEST_MAIN(WatchWindowTest)
#include "WatchWindowTest.moc"
