// The game's message boxes as the player sees them: over the right window, with the
// game's title and text, and a question answered by the button pressed.
#include "ui/QtMessages.h"

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
};

// Waits for the next message box, notes it, and presses `button` on it.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return answerNextBox(seen, button);
        seen = {box->parentWidget(), box->windowTitle(), box->text()};
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
