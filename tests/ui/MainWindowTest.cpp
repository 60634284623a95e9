#include "ui/MainWindow.h"
#include "rules/Game.h"
#include "support/ReplayableVesk.h"
#include "ui/BoardView.h"
#include "ui/EvalGraph.h"
#include "ui/GameCommands.h"
#include "ui/MasterAnalysis.h"
#include "ui/RecordedMessages.h"
#include "ui/ReviewRunner.h"
#include "ui/SidePanel.h"
#include "ui/SplashWindow.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace wuzi;

namespace {

using NoMessages = test::RecordedMessages;

// Widget position of cell (x, y) at the board's current size.
QPoint cellPoint(BoardView* board, int x, int y) {
    return board->pointOf({x, y});
}

// A short game reviewed, the position after the move that missed a five shown, and the
// master's view of it: the panel at its fullest.
void ShowReviewedGame(MainWindow& w) {
    w.session().setVeskSettings(test::ReplayableVesk());
    w.reviews()->setLimits({0, 4000, 4000, 4});
    w.show();
    w.viewMenu()->review({{{8, 8},
                           {7, 8},
                           {9, 8},
                           {1, 1},
                           {10, 8},
                           {1, 3},
                           {11, 8},
                           {1, 5},
                           {3, 3},
                           {12, 8},
                           {2, 2},
                           {3, 4},
                           {5, 5},
                           {6, 6}}});
    w.findChild<QAction*>("gameReview")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(w.reviews()->review().has_value(), 60000);
    w.findChild<QAction*>("masterAnalysis")->trigger();
    w.viewMenu()->showPosition(9);
}

// The window at `size`, once the master's view of the position shown has come.
void ResizeAndWait(MainWindow& w, QSize size) {
    w.resize(size);
    QTRY_VERIFY(!w.analysis()->verdict().contains("…"));
    QTest::qWait(50); // the layouts within layouts settle
}

// Wholly in sight: shown, and clipped by nothing around it (its own parts aside).
bool InSight(QWidget* w) {
    return w->isVisible() && w->visibleRegion().boundingRect() == w->rect();
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
    // The program's own font, whose glyphs take the room they take on the user's screen.
    void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK SC")); }

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

    // Beside the board, at the first window's size on a 1024 × 700 screen and on larger
    // ones, the move list, the master's view and the review's graph are all in sight
    // without scrolling, and a click on the graph leaves them so.
    void thePanelShowsItsPartsBesideTheBoard() {
        test::TestWindow t(messages, clock, random);
        ShowReviewedGame(t.w);
        auto* graph = t.w.panel()->findChild<EvalGraph*>("evalGraph");
        auto* moves = t.w.panel()->findChild<QListWidget*>("panelMoves");
        for (QSize size : {QSize(960, 652), QSize(960, 700), QSize(1280, 852)}) {
            ResizeAndWait(t.w, size);
            for (int click = 0; click < 2; ++click) {
                QVERIFY(t.w.panel()->x() > t.w.board()->x());
                for (QWidget* part :
                     {static_cast<QWidget*>(moves), t.w.panel()->findChild<QWidget*>("panelMaster"),
                      static_cast<QWidget*>(graph)})
                    QVERIFY2(InSight(part), qPrintable(QString("%1 at %2 × %3")
                                                           .arg(part->objectName())
                                                           .arg(size.width())
                                                           .arg(size.height())));
                QVERIFY(moves->height() >= moves->minimumSizeHint().height());
                QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->width() / 3, 10));
                ResizeAndWait(t.w, size);
            }
        }
    }

    // A narrow window leaves the board and the panel each a share they serve in: beside
    // the board the panel as wide as its words, under it a third of the height at least;
    // the move list's rows in sight, the board's square no less than half the window.
    void aNarrowWindowSharesItsRoom() {
        test::TestWindow t(messages, clock, random);
        ShowReviewedGame(t.w);
        auto* moves = t.w.panel()->findChild<QListWidget*>("panelMoves");
        for (QSize size : {QSize(700, 600), QSize(480, 760)}) {
            ResizeAndWait(t.w, size);
            QString at = QString("at %1 × %2").arg(size.width()).arg(size.height());
            BoardView* board = t.w.board();
            SidePanel* panel = t.w.panel();
            QVERIFY2(std::min(board->width(), board->height()) >= size.width() / 2, qPrintable(at));
            QVERIFY2(panel->width() >= panel->minimumSizeHint().width(), qPrintable(at));
            QVERIFY2(panel->height() >= t.w.centralWidget()->height() / 3, qPrintable(at));
            QVERIFY2(InSight(moves) && moves->height() >= moves->minimumSizeHint().height(),
                     qPrintable(at));
        }
        // Folded, the sections leave their room to the moves.
        ResizeAndWait(t.w, {700, 600});
        int height = moves->height();
        for (const char* title : {"panelMasterTitle", "panelReviewTitle"})
            QTest::mouseClick(t.w.panel()->findChild<QToolButton*>(title), Qt::LeftButton);
        QTRY_VERIFY(moves->height() > height);
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
