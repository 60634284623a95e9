// A replay the reader can follow: Space pauses and resumes it, → steps one move while
// it is paused, the line under the board tells where it stands, and the board marks the
// newest stone and, with 显示手数, numbers them all.
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"
#include "ui/lessons/DemoBoardView.h"
#include "ui/lessons/LessonWindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace wuzi;

namespace {

int stonesOn(const LessonWindow& w) {
    return static_cast<int>(w.replay().laid().size());
}

// Lesson 1 shown and active, its button "Command15" replaying game 18 (three stones).
bool startGameEighteen(LessonWindow& w) {
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) return false;
    w.findChild<QPushButton*>("Command15")->click();
    return w.replaying();
}

} // namespace

class LessonReplayTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

  private slots:
    void spacePausesAndArrowSteps() {
        LessonWindow w(1, messages);
        QVERIFY(startGameEighteen(w));
        QCOMPARE(w.replayState(), QString("演示中：空格暂停"));
        QTest::keyClick(&w, Qt::Key_Right); // no step while it runs
        QCOMPARE(stonesOn(w), 0);
        QTest::keyClick(&w, Qt::Key_Space);
        QVERIFY(w.paused());
        QVERIFY(!w.replaying());
        QCOMPARE(w.replayState(), QString("已暂停：空格继续，→ 走一步"));
        QTest::qWait(700); // longer than a tick: nothing moves while paused
        QCOMPARE(stonesOn(w), 0);
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(stonesOn(w), 1);
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(stonesOn(w), 2);
        QVERIFY(!w.replaying());
        QTest::keyClick(&w, Qt::Key_Space);
        QVERIFY(w.replaying());
        QTRY_VERIFY_WITH_TIMEOUT(!w.replay().running(), 5000);
        QCOMPARE(stonesOn(w), 3);
        QCOMPARE(w.replayState(), QString("演示结束"));
        QTest::keyClick(&w, Qt::Key_Space); // the end stays the end
        QVERIFY(!w.paused());
        QCOMPARE(w.replayState(), QString("演示结束"));
    }

    void aStepPlaysTheLastMoveToTheEnd() {
        LessonWindow w(1, messages);
        QVERIFY(startGameEighteen(w));
        QTest::keyClick(&w, Qt::Key_Space);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(stonesOn(w), 3);
        QVERIFY(!w.paused());
        QCOMPARE(w.replayState(), QString("演示结束"));
    }

    void theBoardMarksTheNewestStoneAndNumbersThemOnRequest() {
        LessonWindow w(1, messages);
        QVERIFY(startGameEighteen(w));
        QTest::keyClick(&w, Qt::Key_Space);
        QImage empty = w.board()->grab().toImage();
        QTest::keyClick(&w, Qt::Key_Right);
        QImage marked = w.board()->grab().toImage();
        w.setShowNumbers(true);
        QImage numbered = w.board()->grab().toImage();
        QVERIFY(marked != empty);
        QVERIFY(numbered != marked);
        w.setShowNumbers(false);
        QCOMPARE(w.board()->grab().toImage(), marked);
    }

    void theMainWindowsMoveNumbersReachTheLesson() {
        test::TestWindow t(messages, clock, random);
        t.w.findChild<QAction*>("showNumbers")->trigger();
        bool numbered = false;
        QTimer::singleShot(0, [&] {
            auto* lesson = qobject_cast<LessonWindow*>(QApplication::activeModalWidget());
            if (lesson) numbered = lesson->board()->showsNumbers();
            if (lesson) lesson->close();
        });
        t.w.openLesson(1);
        QVERIFY(numbered);
    }
};

QTEST_MAIN(LessonReplayTest)
#include "LessonReplayTest.moc"
