#include "ui/MainWindow.h"
#include "rules/Game.h"
#include "ui/BoardView.h"
#include "ui/GameCommands.h"
#include "ui/RecordedMessages.h"
#include "ui/SplashWindow.h"
#include "ui/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace wuzi;

namespace {

using NoMessages = test::RecordedMessages;

// Widget position of cell (x, y) at the board's current size.
QPoint cellPoint(BoardView* board, int x, int y) {
    return board->pointOf({x, y});
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    NoMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    QAction* action(MainWindow& w, const char* name) {
        auto* a = w.findChild<QAction*>(name);
        if (!a) qFatal("no action %s", name);
        return a;
    }

  private slots:
    void menuBarHasItsCaptionsAndShortcuts() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        QCOMPARE(w.windowTitle(), QString("五子棋"));
        QStringList titles;
        for (QAction* a : w.menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, QStringList({"文件(&F)", "选项(&O)", "查看(&V)", "Vesk十式(&K)",
                                      "习题(&Z)", "帮助(&H)"}));
        QCOMPARE(action(w, "newGame")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(action(w, "endGame")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(action(w, "playerFirst")->shortcut(), QKeySequence("Ctrl+B"));
        QCOMPARE(action(w, "computerFirst")->shortcut(), QKeySequence("Ctrl+L"));
        QCOMPARE(action(w, "difficulty2")->text(), QString("高级(&H)"));
        QCOMPARE(action(w, "opponent4")->shortcut(), QKeySequence("Ctrl+F5"));
        QCOMPARE(action(w, "opponent3")->text(), QString("Peddrin"));
        QCOMPARE(action(w, "lesson10")->text(), QString("轮回转世"));
        QCOMPARE(action(w, "about")->text(), QString("关于(&A)..."));
    }

    void initialChecksGiveModeFour() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        QVERIFY(action(w, "playerFirst")->isChecked());
        QVERIFY(!action(w, "computerFirst")->isChecked());
        QVERIFY(action(w, "difficulty0")->isChecked());
        QVERIFY(action(w, "opponent2")->isChecked());
        w.NewGame();
        QCOMPARE(g.GameMode, 4);
    }

    void checksStayExclusiveAndSetTheMode() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        action(w, "opponent3")->trigger();
        QCOMPARE(g.GameMode, 6);
        action(w, "computerFirst")->trigger();
        QCOMPARE(g.GameMode, 7);
        QVERIFY(!action(w, "playerFirst")->isChecked());
        QVERIFY(!action(w, "opponent2")->isChecked());
        action(w, "difficulty1")->trigger();
        QCOMPARE(g.SearchLevel, 3);
        QVERIFY(!action(w, "difficulty0")->isChecked());
    }

    void optionsDisabledDuringAGameAndEnabledAtItsEnd() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        w.NewGame();
        QVERIFY(!w.optionsMenu()->isEnabled());
        QVERIFY(!action(w, "opponent0")->isEnabled());
        action(w, "opponent0")->trigger(); // a disabled item does nothing
        QCOMPARE(g.GameMode, 4);
        QVERIFY(action(w, "lesson1")->isEnabled());
        action(w, "endGame")->trigger();
        QVERIFY(w.optionsMenu()->isEnabled());
        QCOMPARE(g.GameActive, false);
    }

    void optionShortcutsWorkOnlyBetweenGames() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto press = [&](const char* keys) {
            QKeySequence k(keys);
            QTest::keySequence(&w, k);
        };
        press("Ctrl+F4");
        QCOMPARE(g.GameMode, 6);
        press("Ctrl+L");
        QCOMPARE(g.GameMode, 7);
        press("Ctrl+H");
        QCOMPARE(g.SearchLevel, 4);
        press("Ctrl+F1");
        press("Ctrl+B");
        QCOMPARE(g.GameMode, 0);
        press("Ctrl+N");
        QCOMPARE(g.GameActive, true);
        press("Ctrl+F5");
        press("Ctrl+L");
        press("Ctrl+E");
        QCOMPARE(g.GameMode, 0);
        QCOMPARE(g.Difficulty, 2);
        press("Ctrl+Q");
        QCOMPARE(g.GameActive, false);
        press("Ctrl+M");
        QCOMPARE(g.Difficulty, 1);
        QVERIFY(action(w, "difficulty1")->isChecked());
    }

    void clickOnTheBoardPlacesAStone() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        w.resize(800, 760);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.NewGame();
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, cellPoint(w.board(), 8, 8));
        QCOMPARE(g.cell(8, 8), kPlayer);
        QCOMPARE(g.PlayerMoveNo, 2);
        QCOMPARE(g.CompMoveNo, 2); // the computer answered
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, cellPoint(w.board(), 3, 12));
        QCOMPARE(g.cell(3, 12), kPlayer);
    }

    void clickMapsToTheSameCellAtAnySize() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        const Game& g = t.g;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (QSize size : {QSize(420, 420), QSize(1100, 700), QSize(500, 1000)}) {
            w.resize(size);
            QCoreApplication::processEvents();
            w.NewGame();
            QTest::mouseClick(w.board(), Qt::LeftButton, {}, cellPoint(w.board(), 8, 8));
            QCOMPARE(g.cell(8, 8), kPlayer);
            t.session.endGame();
        }
    }

    // Opened again and again, a menu keeps its width (it grew by its room to spare each time).
    void menusKeepTheirWidth() {
        test::TestWindow t(messages, clock, random);
        t.w.show();
        for (QMenu* menu : t.w.findChildren<QMenu*>()) {
            QList<int> widths;
            for (int i = 0; i < 3; ++i) {
                menu->popup(QPoint(0, 0));
                QVERIFY(QTest::qWaitForWindowExposed(menu));
                widths << menu->width();
                menu->hide();
            }
            QVERIFY2(widths[2] == widths[0], qPrintable(menu->objectName()));
        }
    }

    // 保存棋谱 opens Qt's own dialog, in Chinese, in the folder used last; the status bar
    // says the record was saved, and the folder is remembered for the next run.
    void aRecordIsSavedWhereTheLastOneWas() {
        QTemporaryDir last;
        QVERIFY(QDir(last.path()).mkdir("新"));
        test::TestWindow t(messages, clock, random);
        StoredSettings stored;
        stored.recordFolder = last.path();
        t.w.restore(stored);
        t.w.NewGame();
        t.w.boardPressed(kCentre);
        QString openedIn, buttons;
        QStringList filters;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            openedIn = dialog->directory().path();
            filters = dialog->nameFilters();
            for (QPushButton* b :
                 dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
                buttons += b->text();
            dialog->selectFile(last.filePath("新/一局.psq"));
            static_cast<QDialog*>(dialog)->accept();
        });
        action(t.w, "saveRecord")->trigger();
        QCOMPARE(openedIn, last.path());
        QCOMPARE(filters, QStringList({"五子棋棋谱 (*.psq)", "所有文件 (*)"}));
        QVERIFY2(buttons.contains("保存") && buttons.contains("取消"), qPrintable(buttons));
        QVERIFY(QFile::exists(last.filePath("新/一局.psq")));
        QCOMPARE(t.w.statusBar()->currentMessage(), QString("棋谱已保存：一局.psq"));
        QCOMPARE(t.w.settings().recordFolder, last.filePath("新"));
    }

    void lessonItemSetsTheLessonNumber() {
        test::TestWindow t(messages, clock, random);
        MainWindow& w = t.w;
        // The lesson window is modal: close it as soon as it shows.
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        action(w, "lesson10")->trigger();
        QCOMPARE(t.session.lessonNo(), 10);
    }

    void splashHandsOverAfterThreeTicksOrAClick() {
        SplashWindow splash(SplashWindow::Role::Startup);
        QSignalSpy done(&splash, &SplashWindow::finished);
        splash.show();
        QVERIFY(splash.timerRunning());
        QTest::mouseClick(&splash, Qt::LeftButton);
        QCOMPARE(done.count(), 1);

        SplashWindow timed(SplashWindow::Role::Startup);
        QSignalSpy timedDone(&timed, &SplashWindow::finished);
        timed.show();
        QVERIFY(timedDone.wait(5000));
        QCOMPARE(timed.ticks(), 3);
    }

    void escapeDoesNotCloseTheStartingSplash() {
        // The splash opens the main window after its third tick or a click; a key or a
        // close request must not take it away first, or the program ends unseen.
        SplashWindow splash(SplashWindow::Role::Startup);
        QSignalSpy done(&splash, &SplashWindow::finished);
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_Escape);
        splash.close();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.timerRunning());
        QCOMPARE(lastClosed.count(), 0);
        QCOMPARE(done.count(), 0);
    }

    void aboutWindowStaysUntilClicked() {
        SplashWindow about(SplashWindow::Role::About);
        about.show();
        QVERIFY(!about.timerRunning());
        QTest::qWait(1200);
        QVERIFY(about.isVisible());
        QTest::mouseClick(&about, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
