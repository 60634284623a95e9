#include "ui/lessons/LessonWindow.h"
#include "lessons/LessonButtons.h"
#include "lessons/LessonTexts.h"
#include "lessons/Pages.h"
#include "rules/Game.h"
#include "ui/MainWindow.h"
#include "ui/TestWindow.h"
#include "ui/lessons/DemoBoardView.h"
#include "ui/lessons/PageViewer.h"
#include "ui/lessons/RoutinesWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <functional>

using namespace wuzi;

namespace {

// Records every message box; a hook lets a test look at the windows when one appears.
class Messages : public MessageSink {
  public:
    struct Box {
        QString kind, title, text;
    };
    void information(const std::string& title, const std::string& text) override {
        record("information", title, text);
    }
    void critical(const std::string& title, const std::string& text) override {
        record("critical", title, text);
    }
    bool question(const std::string& title, const std::string& text) override {
        record("question", title, text);
        return answerYes;
    }
    void record(const char* kind, const std::string& title, const std::string& text) {
        boxes.push_back({kind, QString::fromStdString(title), QString::fromStdString(text)});
        if (onBox) onBox();
    }
    QList<Box> boxes;
    bool answerYes = false;
    std::function<void()> onBox;
};

int stonesOn(const LessonWindow& w) {
    return static_cast<int>(w.replay().blackStones().size() + w.replay().whiteStones().size());
}

QPushButton* button(QWidget& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(name);
    if (!b) qFatal("no button %s", name);
    return b;
}

bool shown(QWidget& window, const char* name) {
    auto* widget = window.findChild<QWidget*>(name);
    if (!widget) qFatal("no widget %s", name);
    return widget->isVisibleTo(&window);
}

// Runs `inside` once the next modal window is up, then closes that window.
void whenModal(std::function<void(QWidget*)> inside) {
    QTimer::singleShot(0, [inside] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inside(modal);
        modal->close();
    });
}

QString pagesInSourceTree() {
    return QFINDTESTDATA("../../assets/pages");
}

// Tables of at least 7 by 7 cells anywhere in a page: its board diagrams.
int boardDiagramsIn(QTextFrame* frame) {
    int count = 0;
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        if (table && table->rows() >= 7 && table->columns() >= 7) ++count;
        count += boardDiagramsIn(child);
    }
    return count;
}

// Counts the stones a demonstration board held each time it was painted.
class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(LessonWindow& window) : window_(window) {
        window.board()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) stonesAtLastPaint = stonesOn(window_);
        return QObject::eventFilter(watched, event);
    }
    int stonesAtLastPaint = -1;

  private:
    LessonWindow& window_;
};

} // namespace

class LessonWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void introductionComesBeforeTheWindowOnEveryOpening() {
        Messages messages;
        FixedDigitClock clock{1};
        SeededRandom random;
        test::TestWindow t(messages, clock, random);
        MainWindow& main = t.w;
        messages.onBox = [&] {
            // No lesson window may be on screen yet, so no button can be pressed.
            for (QWidget* w : QApplication::topLevelWidgets())
                QVERIFY(!(w->objectName() == "frm10Kill" && w->isVisible()));
        };
        for (const char* item : {"lesson3", "lesson3", "lesson10"}) {
            QString opened;
            whenModal([&](QWidget* modal) { opened = modal->objectName(); });
            main.findChild<QAction*>(item)->trigger();
            QCOMPARE(opened, QString("frm10Kill"));
        }
        QCOMPARE(t.session.lessonNo(), 10);
        QCOMPARE(messages.boxes.size(), 3);
        for (const Messages::Box& box : messages.boxes) {
            QCOMPARE(box.kind, QString("information"));
            QCOMPARE(box.title, QString("Vesk十式"));
            QCOMPARE(box.text, QString::fromUtf8(SeriesIntroduction()));
        }
    }

    void eachLessonShowsItsTextButtonsAndPictures() {
        for (int lesson = 1; lesson <= kLessonCount; ++lesson) {
            Messages messages;
            LessonWindow w(lesson, messages);
            QCOMPARE(w.windowTitle(), QString("Vesk十式"));
            int textsShown = 0;
            for (int label = 1; label <= kLessonCount; ++label) {
                QByteArray name = "Label" + QByteArray::number(label);
                textsShown += shown(w, name.constData());
            }
            QCOMPARE(textsShown, 1);
            const char* ownLabel = lesson == 1 ? "Label2" : lesson == 2 ? "Label1" : nullptr;
            QByteArray ownName =
                ownLabel ? QByteArray(ownLabel) : "Label" + QByteArray::number(lesson);
            QVERIFY(shown(w, ownName.constData()));
            QVERIFY(w.findChild<QLabel*>(ownName)->text().contains(
                QString::fromUtf8(LessonTitle(lesson))));

            for (const LessonButton& b : LessonButtons()) {
                bool expected = ActionIn(b, lesson).kind != ButtonKind::Hidden;
                QCOMPARE(shown(w, b.name), expected);
                QCOMPARE(button(w, b.name)->text(), QString::fromUtf8(b.caption));
            }
            QCOMPARE(shown(w, "Image1"), lesson == 9);
            QCOMPARE(shown(w, "Image2"), lesson == 9);
        }
    }

    void lessonSixShowsNoButtonAndLessonsOneFourTenTheSameLastPage() {
        Messages messages;
        LessonWindow six(6, messages);
        for (QPushButton* b : six.findChildren<QPushButton*>())
            QVERIFY(!b->isVisibleTo(&six));
        for (int lesson : {1, 4, 10}) {
            LessonWindow w(lesson, messages);
            QVERIFY(shown(w, "Command32"));
            QCOMPARE(button(w, "Command32")->text(), QString("后手3"));
        }
    }

    void lessonOneLabelsItsTwoGroups() {
        Messages messages;
        LessonWindow w(1, messages);
        QStringList titles;
        for (QGroupBox* box : w.findChildren<QGroupBox*>())
            if (box->isVisibleTo(&w)) titles << box->title();
        QCOMPARE(titles.size(), 2);
        QVERIFY(!titles[0].isEmpty());
        QVERIFY(!titles[1].isEmpty());
    }

    void aShortGameReplaysToItsEndOnTheTimer() {
        Messages messages;
        LessonWindow w(1, messages);
        w.show();
        messages.boxes.clear();
        button(w, "Command15")->click(); // lesson 1, right group "Fourth": game 18
        QVERIFY(w.replaying());
        QCOMPARE(stonesOn(w), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!w.replaying(), 5000);
        QCOMPARE(stonesOn(w), 3);
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].text, QString("本人最常走的开局之一。"));
    }

    void commentaryIsShownRightAfterItsStone() {
        Messages messages;
        LessonWindow w(3, messages);
        messages.boxes.clear();
        int stonesAtBox = -1;
        bool timerHeldDuringBox = false;
        messages.onBox = [&] {
            stonesAtBox = stonesOn(w);
            timerHeldDuringBox = !w.replaying(); // no further step while the box is open
        };
        button(w, "Command1")->click(); // lesson 3 "First": game 27
        for (int i = 0; i < 3; ++i)
            w.tick();
        QCOMPARE(messages.boxes.size(), 0);
        w.tick();
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(stonesAtBox, 4);
        QVERIFY(timerHeldDuringBox);
        QVERIFY(messages.boxes[0].text.startsWith("我们一开始就假设黑棋会连三"));
        QVERIFY(messages.boxes[0].text.contains("\r\n"));
        QVERIFY(w.replaying()); // the replay goes on once the box is closed
    }

    void theBoardShowsTheCommentedStoneWhileItsBoxIsOpen() {
        struct Case {
            int lesson;
            const char* button;
            int step; // the commented step
        };
        // Game 18 comments its third stone, game 47 its fifteenth before the variation.
        for (Case c : {Case{1, "Command15", 3}, Case{9, "Command2", 15}}) {
            Messages messages;
            LessonWindow w(c.lesson, messages);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            PaintWatcher watcher(w);
            QList<int> paintedAtBox;
            messages.onBox = [&] { paintedAtBox << watcher.stonesAtLastPaint; };
            button(w, c.button)->click();
            for (int i = 0; i < c.step; ++i) {
                w.tick();
                QCoreApplication::processEvents(); // the screen catches up between ticks
            }
            QVERIFY(!paintedAtBox.isEmpty());
            for (int painted : paintedAtBox)
                QCOMPARE(painted, c.step);
        }
    }

    void variationOnYesReplaysGameFortyEight() {
        Messages messages;
        messages.answerYes = true;
        LessonWindow w(9, messages);
        button(w, "Command2")->click(); // lesson 9 "Second": game 47
        for (int i = 0; i < 15; ++i)
            w.tick();
        QCOMPARE(messages.boxes.last().kind, QString("question"));
        QCOMPARE(messages.boxes.last().text, QString("是否要看另一种变化？ "));
        QCOMPARE(stonesOn(w), 0);
        QVERIFY(w.replaying());
        w.tick();
        QCOMPARE(stonesOn(w), 1);
        QCOMPARE(w.replay().DemoId, 48);
    }

    void variationOnNoKeepsGameFortySeven() {
        Messages messages;
        LessonWindow w(9, messages);
        button(w, "Command2")->click();
        for (int i = 0; i < 15; ++i)
            w.tick();
        QCOMPARE(stonesOn(w), 15);
        w.tick();
        QVERIFY(!w.replaying());
        QCOMPARE(stonesOn(w), 15);
    }

    void aButtonDuringAReplayRestartsAndClosingEndsIt() {
        Messages messages;
        LessonWindow w(1, messages);
        w.show();
        button(w, "Command1")->click();
        for (int i = 0; i < 4; ++i)
            w.tick();
        QCOMPARE(stonesOn(w), 4);
        button(w, "Command2")->click();
        QCOMPARE(stonesOn(w), 0);
        QVERIFY(w.replaying());
        w.tick();
        QCOMPARE(stonesOn(w), 1);
        w.close();
        QVERIFY(!w.replaying());
        QVERIFY(!w.replay().running());
    }

    void reopeningShowsAnEmptyBoard() {
        Messages messages;
        FixedDigitClock clock{1};
        SeededRandom random;
        test::TestWindow t(messages, clock, random);
        MainWindow& main = t.w;
        whenModal([](QWidget* modal) {
            auto* lesson = qobject_cast<LessonWindow*>(modal);
            QVERIFY(lesson);
            button(*lesson, "Command1")->click();
            for (int i = 0; i < 6; ++i)
                lesson->tick();
            QCOMPARE(stonesOn(*lesson), 6);
        });
        main.findChild<QAction*>("lesson1")->trigger();
        int stonesAfterReopening = -1;
        whenModal([&](QWidget* modal) {
            stonesAfterReopening = stonesOn(*qobject_cast<LessonWindow*>(modal));
        });
        main.findChild<QAction*>("lesson1")->trigger();
        QCOMPARE(stonesAfterReopening, 0);
    }

    void routinesWindowShowsDiagramsForLessonTwoAndAdviceForLessonSeven() {
        RoutinesWindow two(2);
        QCOMPARE(two.windowTitle(), QString("小鬼索命"));
        for (const char* name :
             {"Image1", "Image2", "Image3", "Image4", "Image5", "Label1", "Label2", "Command1"})
            QVERIFY2(shown(two, name), name);
        QVERIFY(!shown(two, "Label3"));
        QCOMPARE(two.findChild<QLabel*>("Label2")->text(), QString("黑棋必胜："));
        QCOMPARE(two.findChild<QLabel*>("Label1")->text(), QString("黑棋必败："));
        QCOMPARE(button(two, "Command1")->text(), QString("返回(&C)"));

        RoutinesWindow seven(7);
        for (const char* name :
             {"Image1", "Image2", "Image3", "Image4", "Image5", "Label1", "Label2"})
            QVERIFY2(!shown(seven, name), name);
        QVERIFY(shown(seven, "Label3"));
        QVERIFY(shown(seven, "Command1"));
        seven.show();
        button(seven, "Command1")->click();
        QVERIFY(!seven.isVisible());
    }

    void routinesButtonOpensTheWindowAndPausesTheReplay() {
        Messages messages;
        LessonWindow w(2, messages);
        w.show();
        button(w, "Command1")->click();
        bool pausedMeanwhile = false;
        whenModal([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QString("frm2"));
            QVERIFY(!shown(*modal, "Label3"));
            pausedMeanwhile = !w.replaying();
        });
        button(w, "Command20")->click();
        QVERIFY(pausedMeanwhile);
        QVERIFY(w.replaying());
    }

    void pageButtonOpensItsPageInTheViewer() {
        Messages messages;
        LessonWindow w(1, messages);
        w.setProgramDirectory(pagesInSourceTree());
        QString caption, source;
        whenModal([&](QWidget* modal) {
            auto* viewer = qobject_cast<PageViewer*>(modal);
            QVERIFY(viewer);
            caption = viewer->windowTitle();
            source = viewer->browser()->source().toLocalFile();
        });
        button(w, "Command32")->click();
        QCOMPARE(caption, QString("Vesk十式"));
        QCOMPARE(QFileInfo(source).fileName(), QString("10kill3.htm"));
    }

    void pathHasOneSeparatorWhenTheDirectoryEndsWithOne() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath("huayue.htm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>花月</p></body></html>");
        file.close();
        for (const QString& programDir : {dir.path(), dir.path() + "/"}) {
            PageViewer viewer;
            viewer.showPage(*FindPage("Command26"), programDir);
            QCOMPARE(viewer.path(), dir.path() + "/huayue.htm");
            QCOMPARE(viewer.windowTitle(), QString("花月定式"));
            QVERIFY(viewer.browser()->toPlainText().contains("花月"));
        }
    }

    void aMissingPageIsNamedInsideTheViewer() {
        QTemporaryDir empty;
        PageViewer viewer;
        viewer.showPage(*FindPage("Command29"), empty.path());
        QString text = viewer.browser()->toPlainText();
        QVERIFY(text.contains("找不到页面文件"));
        QVERIFY(text.contains("10kill5.htm"));
        QVERIFY(text.contains(empty.path()));
    }

    void theViewerNeverReachesTheNetwork() {
        PageViewer viewer;
        viewer.showPage(*FindPage("Command26"), pagesInSourceTree());
        QUrl local = viewer.browser()->source();
        QVERIFY(viewer.browser()
                    ->loadResource(QTextDocument::ImageResource,
                                   QUrl("http://example.invalid/board.png"))
                    .isNull());
        viewer.browser()->setSource(QUrl("https://example.invalid/page.htm"));
        QCOMPARE(viewer.browser()->source(), local);
    }

    void everyPageIsALessonWithBoardDiagrams() {
        QDir pages(pagesInSourceTree());
        for (const PageEntry& page : PageTable()) {
            QFile file(pages.filePath(page.file));
            QVERIFY2(file.open(QIODevice::ReadOnly), page.file);
            QByteArray raw = file.readAll();
            QVERIFY2(raw.contains("charset=\"utf-8\""), page.file);
            QVERIFY2(!raw.contains("://"), page.file); // nothing outside the page itself

            PageViewer viewer;
            viewer.showPage(page, pages.path());
            QTextDocument* doc = viewer.browser()->document();
            int boards = boardDiagramsIn(doc->rootFrame());
            QVERIFY2(boards >= 3, page.file);
            QVERIFY2(doc->toPlainText().size() >= 600, page.file);
            QVERIFY2(doc->toPlainText().contains("●") || doc->toPlainText().contains("❶"),
                     page.file);
        }
    }
};

QTEST_MAIN(LessonWindowTest)
#include "LessonWindowTest.moc"
