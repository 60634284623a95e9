// The game's sounds: which stones and which ends of a game sound, as the session tells the
// window of them; 选项 → 声音 switches them off and is remembered. The machine the tests run
// on has no sound device: the sounds play there without a word.
#include "ui/Sounds.h"
#include "ui/MainWindow.h"
#include "ui/RecordedMessages.h"
#include "ui/TestWindow.h"

#include <QMetaEnum>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <vector>

using namespace wuzi;
using wuzi::test::action;

namespace {

// Black to move, the player's turn:
//   row 8:  X X X X .     black's four from the centre, (12, 8) makes five
//           white's four stones apart, on rows 3, 10, 11 and 12
const std::vector<Cell> kBlackFourOnRow8 = {{8, 8},  {4, 10}, {9, 8},  {6, 11},
                                            {10, 8}, {10, 3}, {11, 8}, {12, 12}};
// Black's last stone played, the computer's turn:
//   row 1:  O O O O .     white's four, which the computer completes at (5, 1)
//           black's five stones apart, from the centre up the diagonal and at (6, 12)
const std::vector<Cell> kWhiteFourOnRow1 = {{8, 8}, {1, 1},   {10, 10}, {2, 1}, {12, 12},
                                            {3, 1}, {14, 14}, {4, 1},   {6, 12}};

void resume(test::TestWindow& t, const std::vector<Cell>& moves) {
    Match match;
    match.opponent = 0; // Corbie answers at once, on this thread
    if (!t.session.resume(moves, match)) qFatal("the moves do not resume");
}

void playerMakesFive(test::TestWindow& t) {
    resume(t, kBlackFourOnRow8);
    t.w.boardPressed({12, 8});
}

void computerMakesFive(test::TestWindow& t) {
    resume(t, kWhiteFourOnRow1);
}

struct Scenario {
    const char* name;
    std::function<void(test::TestWindow&)> play;
    QStringList cues;
};

const Scenario kScenarios[] = {
    {"the computer opens",
     [](test::TestWindow& t) {
         action(t.w, "computerFirst")->trigger();
         t.w.NewGame();
     },
     {"Stone"}},
    {"the player's stone and the reply, then 结束游戏",
     [](test::TestWindow& t) {
         t.w.NewGame();
         t.w.boardPressed(kCentre);
         action(t.w, "endGame")->trigger();
     },
     {"Stone", "Stone"}},
    {"the player's five, in a game resumed", playerMakesFive, {"Stone", "Won"}},
    {"the computer's five", computerMakesFive, {"Stone", "Lost"}},
    {"two players, black's five",
     [](test::TestWindow& t) {
         action(t.w, "twoPlayers")->trigger();
         for (int x = 8; x <= 11; ++x) {
             t.w.boardPressed({x, 8});
             t.w.boardPressed({x, 9});
         }
         t.w.boardPressed({12, 8});
     },
     {"Stone", "Stone", "Stone", "Stone", "Stone", "Stone", "Stone", "Stone", "Stone", "Won"}},
    {"switched off in the menu",
     [](test::TestWindow& t) {
         action(t.w, "sound")->trigger();
         computerMakesFive(t);
     },
     {}},
    {"restored off",
     [](test::TestWindow& t) {
         StoredSettings stored;
         stored.sound = false;
         t.w.restore(stored);
         playerMakesFive(t);
     },
     {}},
};

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;

  private slots:
    void eachStoneAndEachEndSounds_data() {
        QTest::addColumn<int>("scenario");
        for (int k = 0; k < static_cast<int>(std::size(kScenarios)); ++k)
            QTest::newRow(kScenarios[k].name) << k;
    }
    void eachStoneAndEachEndSounds() {
        QFETCH(int, scenario);
        // Played for real: without a sound device, not a warning.
        QTest::failOnWarning(QRegularExpression("."));
        test::TestWindow t(messages, clock, random);
        action(t.w, "sound")->setChecked(true);
        auto* sounds = t.w.findChild<Sounds*>();
        QSignalSpy played(sounds, &Sounds::played);
        kScenarios[scenario].play(t);
        QStringList cues;
        for (const QList<QVariant>& arguments : played)
            cues << QMetaEnum::fromType<Sounds::Cue>().valueToKey(
                static_cast<int>(arguments.at(0).value<Sounds::Cue>()));
        QCOMPARE(cues, kScenarios[scenario].cues);
    }

    // The menu's check is what the settings keep, and the settings check the menu.
    void theSettingsCarryTheCheck() {
        test::TestWindow t(messages, clock, random);
        StoredSettings stored;
        t.w.restore(stored);
        QVERIFY(action(t.w, "sound")->isChecked());
        action(t.w, "sound")->trigger();
        QCOMPARE(t.w.settings().sound, false);
        t.w.restore(stored);
        QCOMPARE(t.w.settings().sound, true);
    }
};

QTEST_MAIN(SoundsTest)
#include "SoundsTest.moc"
