// 查看 → 语言: the window in English and back in Chinese, Qt's own buttons with it, and
// the core's messages translated at the window's edge.
#include "ui/Language.h"
#include "rules/Placement.h"
#include "ui/GameStatus.h"
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/ReviewRunner.h"
#include "ui/SidePanel.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace wuzi;
using wuzi::test::action;

class LanguageTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

    static QStringList menuTitles(MainWindow& w) {
        QStringList titles;
        for (QAction* a : w.menuBar()->actions())
            titles << a->text();
        return titles;
    }
    static void choose(MainWindow& w, const char* item) {
        action(w, item)->trigger();
        QCoreApplication::sendPostedEvents(); // the language change reaches every window
    }
    static QString cancelButton() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    }

  private slots:
    void englishAndBack() {
        test::TestWindow t(messages, clock, random);
        QVERIFY(action(t.w, "chinese")->isChecked());
        choose(t.w, "english");
        QCOMPARE(t.w.language(), Language::English);
        QVERIFY(action(t.w, "english")->isChecked());
        QCOMPARE(menuTitles(t.w), QStringList({"&File", "&Options", "&View", "Vesk's &Ten Forms",
                                               "&Puzzles", "&Help"}));
        QCOMPARE(action(t.w, "lesson10")->text(), QString("Rebirth"));
        QCOMPARE(action(t.w, "newGame")->text(), QString("&New game"));
        QCOMPARE(action(t.w, "opponent3")->text(), QString("Peddrin"));
        t.w.NewGame();
        QCOMPARE(t.w.status()->turnText(), QString("Your move"));
        QCOMPARE(t.w.status()->matchText(),
                 QString("Opponent: Marrowick · Easy · you first (black)"));
        QCOMPARE(t.w.windowTitle(), QString("Gomoku — Marrowick · Easy"));
        QCOMPARE(CoreText(kComputerWins), QString("The computer wins!"));
        QCOMPARE(t.w.settings().language, QString("en"));

        choose(t.w, "chinese");
        QCOMPARE(menuTitles(t.w), QStringList({"文件(&F)", "选项(&O)", "查看(&V)", "Vesk十式(&K)",
                                               "习题(&Z)", "帮助(&H)"}));
        QCOMPARE(action(t.w, "newGame")->text(), QString("新游戏(&N)"));
        QCOMPARE(action(t.w, "lesson10")->text(), QString("轮回转世"));
        QCOMPARE(t.w.status()->turnText(), QString("轮到你走"));
        QCOMPARE(CoreText(kComputerWins), QString("计算机胜!"));
    }

    // Qt's own texts come from Debian's Qt translations, installed by ./wuzi.
    void qtsOwnButtonsFollow() {
        test::TestWindow t(messages, clock, random);
        t.w.setLanguage(Language::Chinese);
        QCOMPARE(cancelButton(), QString("取消"));
        t.w.setLanguage(Language::English);
        QCOMPARE(cancelButton(), QString("Cancel"));
        t.w.setLanguage(Language::Chinese);
    }

    // Every text the window shows in English, its menus and a reviewed game's move list
    // among them, is spaced singly.
    void englishTextsHaveNoDoubledSpaces() {
        test::TestWindow t(messages, clock, random);
        choose(t.w, "english");
        t.w.reviews()->setLimits({0, 4000, 4000, 4});
        // Black leaves its four open at L8 and plays elsewhere: the review marks a miss.
        t.w.viewMenu()->review(
            {{{8, 8}, {7, 8}, {9, 8}, {1, 1}, {10, 8}, {1, 3}, {11, 8}, {1, 5}, {3, 3}, {12, 8}}});
        action(t.w, "gameReview")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(t.w.reviews()->review().has_value(), 60000);
        t.w.viewMenu()->showPosition(9);
        QStringList texts = {t.w.windowTitle(), t.w.statusBar()->currentMessage()};
        for (QAction* a : t.w.findChildren<QAction*>())
            texts << a->text();
        for (QLabel* label : t.w.findChildren<QLabel*>())
            texts << label->text();
        texts << t.w.panel()->moveTexts();
        for (const QString& text : texts)
            QVERIFY2(!text.contains("  "), qPrintable(text));
        choose(t.w, "chinese");
    }

    void everyCoreMessageHasItsEnglish() {
        test::TestWindow t(messages, clock, random);
        t.w.setLanguage(Language::English);
        for (const char* text : {kHintTitle, kComputerWins, kPlayerWins, kDrawText, kCentreFirst})
            QVERIFY2(CoreText(text) != QString::fromUtf8(text), text);
        QCOMPARE(CoreText("未知的消息"), QString("未知的消息"));
        t.w.setLanguage(Language::Chinese);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
