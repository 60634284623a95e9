// Every window opens no larger than the screen: the capping itself, on the screens the
// program is tried on, and the windows at the offscreen screen's size.
#include "ui/ScreenFit.h"
#include "lessons/Pages.h"
#include "ui/BoardMapping.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"
#include "ui/lessons/LessonWindow.h"
#include "ui/lessons/PageViewer.h"
#include "ui/lessons/RoutinesWindow.h"

#include <QScreen>
#include <QStyle>
#include <QTest>

using namespace wuzi;

class ScreenFitTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    static bool fitsTheScreen(const QWidget& w) {
        QSize area = w.screen()->availableGeometry().size();
        return w.width() <= area.width() && w.height() <= area.height();
    }

  private slots:
    void capping_data() {
        QTest::addColumn<QSize>("preferred");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("opened");
        // 1920 × 1080 at a scale of 2 holds 960 × 540 device-independent pixels.
        QTest::newRow("main window, scale 2")
            << QSize(700, 700) << QSize(260, 330) << QSize(960, 540) << QSize(700, 492);
        QTest::newRow("lesson, scale 2")
            << QSize(1000, 700) << QSize(600, 400) << QSize(960, 540) << QSize(944, 492);
        QTest::newRow("lesson, 1024 × 700")
            << QSize(1000, 700) << QSize(600, 400) << QSize(1024, 700) << QSize(1000, 652);
        QTest::newRow("room to spare")
            << QSize(760, 640) << QSize(200, 200) << QSize(1920, 1080) << QSize(760, 640);
        QTest::newRow("minimum larger than the screen")
            << QSize(1000, 700) << QSize(1200, 900) << QSize(960, 540) << QSize(944, 492);
    }
    void capping() {
        QFETCH(QSize, preferred);
        QFETCH(QSize, minimum);
        QFETCH(QSize, available);
        QTEST(CappedSize(preferred, minimum, available), "opened");
    }

    void placing_data() {
        QTest::addColumn<QPoint>("saved");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("placed");
        // Saved on 1280 × 900, opened on 1024 × 700: the title bar and the status bar stay
        // on the screen.
        QTest::newRow("too low") << QPoint(100, 60) << QSize(700, 652) << QRect(0, 0, 1024, 700)
                                 << QPoint(100, 40);
        QTest::newRow("off the right and the bottom")
            << QPoint(900, 650) << QSize(700, 600) << QRect(0, 0, 1024, 700) << QPoint(316, 92);
        QTest::newRow("above a top panel")
            << QPoint(-50, 0) << QSize(400, 300) << QRect(0, 30, 1024, 670) << QPoint(8, 70);
        QTest::newRow("already inside")
            << QPoint(200, 100) << QSize(400, 300) << QRect(0, 0, 1920, 1080) << QPoint(200, 100);
    }
    void placing() {
        QFETCH(QPoint, saved);
        QFETCH(QSize, size);
        QFETCH(QRect, available);
        QTEST(PlacedInside(saved, size, available), "placed");
    }

    // A window saved where this screen has no room opens whole on it.
    void aRestoredWindowLiesOnTheScreen() {
        QByteArray saved;
        {
            test::TestWindow t(messages, clock, random);
            t.w.setGeometry(600, 500, 1200, 900);
            t.w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&t.w));
            saved = t.w.saveGeometry();
        }
        test::TestWindow t(messages, clock, random);
        StoredSettings stored;
        stored.geometry = saved;
        t.w.restore(stored);
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        QRect frame = t.w.frameGeometry();
        QVERIFY2(t.w.screen()->availableGeometry().contains(frame),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(frame.width())
                                .arg(frame.height())));
    }

    // Closed anywhere on the screen, frame and all, the window opens there again.
    void aWindowComesBackWhereItWasClosed_data() {
        QTest::addColumn<int>("corner");
        QTest::newRow("in the middle") << int(Qt::AlignCenter);
        QTest::newRow("in the top left corner") << int(Qt::AlignTop | Qt::AlignLeft);
        QTest::newRow("in the bottom right corner") << int(Qt::AlignBottom | Qt::AlignRight);
    }
    void aWindowComesBackWhereItWasClosed() {
        QFETCH(int, corner);
        QByteArray saved;
        QRect closedAt;
        {
            test::TestWindow t(messages, clock, random);
            t.w.resize(560, 480);
            t.w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&t.w));
            QRect area = t.w.screen()->availableGeometry();
            QRect frame = QStyle::alignedRect(Qt::LeftToRight, Qt::Alignment(corner),
                                              t.w.frameGeometry().size(), area);
            t.w.move(frame.topLeft());
            QTRY_COMPARE(t.w.frameGeometry(), frame);
            closedAt = t.w.geometry();
            saved = t.w.settings().geometry;
        }
        test::TestWindow t(messages, clock, random);
        StoredSettings stored;
        stored.geometry = saved;
        t.w.restore(stored);
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        QCOMPARE(t.w.geometry(), closedAt);
        QVERIFY(t.w.screen()->availableGeometry().contains(t.w.frameGeometry()));
    }

    void theWindowsFitTheScreen() {
        test::TestWindow t(messages, clock, random);
        t.w.restore(StoredSettings{});
        QVERIFY(fitsTheScreen(t.w));
        for (int lesson : {1, 2, 9}) {
            LessonWindow window(lesson, messages);
            QVERIFY2(fitsTheScreen(window), qPrintable(QString::number(lesson)));
        }
        RoutinesWindow routines(2);
        QVERIFY(fitsTheScreen(routines));
        PageViewer viewer;
        QVERIFY(fitsTheScreen(viewer));
    }

    // Cells are square on the screen, and every cell's middle is clicked as that cell.
    void cellsAreSquareAndClicksFindTheirCell_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("coordinates");
        QTest::newRow("small") << QSize(240, 230) << false;
        QTest::newRow("wide, coordinates") << QSize(900, 500) << true;
        QTest::newRow("tall") << QSize(500, 900) << false;
    }
    void cellsAreSquareAndClicksFindTheirCell() {
        QFETCH(QSize, size);
        QFETCH(bool, coordinates);
        BoardGeometry::Mapping map(size, coordinates ? 12 : 0);
        QPointF across = map.toWidget(BoardGeometry::intersectionPoint(2, 1)) -
                         map.toWidget(BoardGeometry::intersectionPoint(1, 1));
        QPointF down = map.toWidget(BoardGeometry::intersectionPoint(1, 2)) -
                       map.toWidget(BoardGeometry::intersectionPoint(1, 1));
        QCOMPARE(across.y(), 0.0);
        QVERIFY(qAbs(across.x() - down.y()) < 1e-9);
        QVERIFY(map.target().right() <= size.width() + 1e-9);
        QVERIFY(map.target().bottom() <= size.height() + 1e-9);
        for (int x = 1; x <= kBoardSize; ++x)
            for (int y = 1; y <= kBoardSize; ++y)
                QCOMPARE(map.cellAt(map.toWidget(BoardGeometry::intersectionPoint(x, y))),
                         (Cell{x, y}));
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
