// The game's message boxes as the player sees them: over the right window, with the
// game's title and text, and a question answered by the button pressed.
#include "ui/QtMessages.h"
#include "ui/BoxPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace wuzi;

namespace {

// What a box looked like when it was shown.
struct SeenBox {
    QWidget* parent = nullptr;
    QString title;
    QString text;
    QRect frame;
};

// Waits for the next message box, notes it, and presses `button` on it.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return answerNextBox(seen, button);
        seen = {box->parentWidget(), box->windowTitle(), box->text(), box->frameGeometry()};
        box->button(button)->click();
    });
}

} // namespace

class QtMessagesTest : public QObject {
    Q_OBJECT

  private slots:
    void aBoxStandsOverTheMainWindow() {
        QWidget main;
        QtMessages messages;
        messages.setParent(&main);
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        messages.information("提示", "玩家胜!");
        QCOMPARE(seen.parent, &main);
        QCOMPARE(seen.title, QString("提示"));
        QCOMPARE(seen.text, QString("玩家胜!"));
    }

    // The box beside the board when the screen has room, else beside the five.
    void theEndOfAGameStandsBesideThePlay_data() {
        QTest::addColumn<QRect>("board");
        QTest::addColumn<QRect>("five");
        QTest::addColumn<QPoint>("corner");
        const QRect screen(0, 0, 1280, 900);
        QTest::newRow("right of the board")
            << QRect(100, 100, 600, 600) << QRect(150, 150, 200, 40) << QPoint(708, 339);
        QTest::newRow("left of the board")
            << QRect(600, 100, 600, 600) << QRect(650, 150, 200, 40) << QPoint(392, 339);
        QTest::newRow("a board across the screen, beside the five")
            << QRect(0, 0, 1280, 900) << QRect(500, 100, 40, 200) << QPoint(548, 139);
        QTest::newRow("a five across the board, below it")
            << QRect(0, 0, 1280, 900) << QRect(40, 300, 1200, 40) << QPoint(539, 348);
    }
    void theEndOfAGameStandsBesideThePlay() {
        QFETCH(QRect, board);
        QFETCH(QRect, five);
        std::vector<QRect> areas{board, five};
        QTEST(BesideArea(QSize(200, 120), areas, QRect(0, 0, 1280, 900)).value(), "corner");
    }

    void noRoomBesideAnythingLeavesTheBoxWhereQtPutsIt() {
        std::vector<QRect> areas{QRect(0, 0, 300, 300)};
        QVERIFY(!BesideArea(QSize(200, 120), areas, QRect(0, 0, 300, 300)).has_value());
    }

    void aBoxStandsBesideTheAreasItIsGiven() {
        QWidget main;
        main.setGeometry(0, 0, 300, 300);
        QtMessages messages;
        messages.setParent(&main);
        QRect board(10, 10, 280, 280);
        messages.setPlayAreas([&] { return std::vector<QRect>{board}; });
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        messages.information("提示", "玩家胜!");
        QVERIFY(!seen.frame.intersects(board));
    }

    void aBoxRaisedFromAModalWindowStandsOverIt() {
        QWidget main;
        QtMessages messages;
        messages.setParent(&main);
        QDialog lesson(&main);
        SeenBox seen;
        QTimer::singleShot(0, [&] {
            answerNextBox(seen, QMessageBox::Ok);
            messages.critical("错误", "下标越界");
            lesson.accept();
        });
        lesson.exec();
        QCOMPARE(seen.parent, &lesson);
        QCOMPARE(seen.title, QString("错误"));
    }

    void aQuestionIsAnsweredByTheButtonPressed_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("yes");
        QTest::newRow("是") << int(QMessageBox::Yes) << true;
        QTest::newRow("否") << int(QMessageBox::No) << false;
    }

    void aQuestionIsAnsweredByTheButtonPressed() {
        QFETCH(int, button);
        QFETCH(bool, yes);
        QtMessages messages;
        SeenBox seen;
        answerNextBox(seen, QMessageBox::StandardButton(button));
        QCOMPARE(messages.question("提示", "是否要看另一种变化？ "), yes);
        QCOMPARE(seen.text, QString("是否要看另一种变化？ "));
    }
};

QTEST_MAIN(QtMessagesTest)
#include "QtMessagesTest.moc"
