// 习题: a puzzle played in its window: the goal, a wrong stone refuted and tried again,
// the win played out, the progress remembered and shown in the list of the puzzles'
// names; a puzzle given up and replayed; and the program's own puzzles read from its data.
#include "ui/PuzzleWindow.h"

#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace wuzi;

namespace {

// Black to move: either end of the three makes an open four.
Puzzle openThree(const char* id, PuzzleLevel level = PuzzleLevel::FoursIn3) {
    Puzzle p;
    p.id = id;
    p.level = level;
    p.moves = 2;
    p.stones = {{7, 8}, {1, 1}, {8, 8}, {1, 15}, {9, 8}, {15, 1}};
    p.line = {{10, 8}, {6, 8}, {11, 8}};
    return p;
}

} // namespace

class PuzzleWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    void aPuzzleIsSolvedAfterAWrongStoneAndRemembered() {
        PuzzleWindow w(PuzzleLevel::FoursIn3);
        w.usePuzzles({openThree("t-1"), openThree("t-2")});
        QCOMPARE(w.goalText(), QString("黑先胜（2 手）"));
        w.play({12, 12});
        QVERIFY(w.statusText().contains("不成"));
        QVERIFY(w.findChild<QPushButton*>("retry")->isEnabled());
        w.retry();
        w.play({6, 8}); // the other end: any win counts
        QVERIFY(w.statusText().contains("对方挡在"));
        Cell defence = w.game()->played().back();
        w.play(defence.x == 5 ? Cell{10, 8} : Cell{5, 8});
        QCOMPARE(w.statusText(), QString("解开了！"));
        QVERIFY(w.progress().solved("t-1"));
        QCOMPARE(w.progress().streak(PuzzleLevel::FoursIn3), 0); // not cleanly: a wrong stone
        QCOMPARE(w.listTexts(),
                 (QStringList{"连续冲四 · 2 手 · 第 1 题 ✓", "连续冲四 · 2 手 · 第 2 题"}));

        PuzzleWindow again(PuzzleLevel::FoursIn3);
        again.usePuzzles({openThree("t-1"), openThree("t-2")});
        QVERIFY(again.progress().solved("t-1"));                 // kept between windows
        QCOMPARE(again.game()->puzzle().id, std::string("t-2")); // the first not solved
    }

    void aPuzzleGivenUpIsReplayedStoneByStone() {
        PuzzleWindow w(PuzzleLevel::FoursIn3);
        w.usePuzzles({openThree("t-3")});
        w.giveUp();
        QVERIFY(w.statusText().contains("J8 F8 K8"));
        w.replay();
        QVERIFY(w.replaying());
        QTRY_VERIFY_WITH_TIMEOUT(!w.replaying(), 10000);
    }

    // Named by what the win is made of, its length and the puzzle's place in its level.
    void puzzlesAreNamedInWords() {
        PuzzleWindow w(PuzzleLevel::ThreatsIn4);
        Puzzle longer = openThree("t4-x", PuzzleLevel::ThreatsIn4);
        longer.moves = 6;
        w.usePuzzles({openThree("t4-y", PuzzleLevel::ThreatsIn3), longer});
        QCOMPARE(w.puzzleName(0), QString("冲四活三 · 2 手 · 第 1 题"));
        QCOMPARE(w.puzzleName(1), QString("冲四活三 · 6 手 · 第 2 题"));
    }

    // Every level of the program's own data holds puzzles that read whole.
    void theProgramsPuzzlesRead() {
        for (int level = 0; level < kPuzzleLevels; ++level) {
            std::vector<Puzzle> puzzles = PuzzleWindow::PuzzlesOf(static_cast<PuzzleLevel>(level));
            if (puzzles.empty()) QSKIP("the puzzles' data is not built into this program yet");
            QVERIFY(puzzles.size() >= 75);
        }
    }
};

QTEST_MAIN(PuzzleWindowTest)
#include "PuzzleWindowTest.moc"
