// What the window remembers: the settings written and read back, a damaged or foreign
// file giving the defaults, and the window restored from them at the start.
#include "ui/KilledRun.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/RecordedMessages.h"
#include "ui/StoredSettings.h"
#include "ui/TestWindow.h"
#include "ui/ViewMenu.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace wuzi;
using wuzi::test::action;

class SettingsTest : public QObject {
    Q_OBJECT

    test::RecordedMessages messages;
    FixedDigitClock clock{1};
    SeededRandom random;
    QTemporaryDir dir;

    QString file(const char* name) const { return dir.filePath(name); }

    // A settings file holding exactly these bytes.
    StoredSettings readBytes(const QByteArray& bytes) {
        QString path = file("written.conf");
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        out.write(bytes);
        out.close();
        QSettings settings(path, QSettings::IniFormat);
        return ReadSettings(settings);
    }

    // The killed run: the program as it starts, its choices made from the menus and its
    // window moved; killed once the window has stood still long enough to be written.
    static void chooseAndWaitToBeKilled() {
        SetUpApplication();
        QStandardPaths::setTestModeEnabled(true);
        Program program;
        MainWindow& w = program.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const char* item : {"opponent4", "difficulty2", "computerFirst", "showCoordinates",
                                 "sidePanel", "english"})
            action(w, item)->trigger();
        w.setGeometry(60, 70, 520, 460);
        QTRY_COMPARE_WITH_TIMEOUT(ReadSettings(QSettings()).geometry, w.saveGeometry(), 10000);
        test::TellAndWaitToBeKilled(
            {"settings: " + QSettings().fileName(),
             QString("inside: %1 %2").arg(w.geometry().x()).arg(w.geometry().y())});
    }

  private slots:
    void initTestCase() {
        if (!test::IsKilledRun()) return;
        chooseAndWaitToBeKilled();
        qFatal("the killed run stopped before it was killed");
    }

    // Every choice is written as it is made: a run killed after them loses none.
    void choicesOutliveAKilledRun() {
        QTemporaryDir home;
        std::optional<QStringList> told = test::RunKilled(home.path());
        QVERIFY2(told, "the killed run never got ready");
        QSettings file(test::Told(*told, "settings"), QSettings::IniFormat);
        StoredSettings read = ReadSettings(file);
        QCOMPARE(read.opponent, 4);
        QCOMPARE(read.difficulty, 2);
        QCOMPARE(read.playerFirst, false);
        QCOMPARE(read.showCoordinates, true);
        QCOMPARE(read.showPanel, false);
        QCOMPARE(read.language, QString("en"));
        test::TestWindow t(messages, clock, random);
        t.w.restore(read);
        QCOMPARE(QString("%1 %2").arg(t.w.geometry().x()).arg(t.w.geometry().y()),
                 test::Told(*told, "inside"));
        QCOMPARE(t.w.size(), QSize(520, 460));
        t.w.setLanguage(Language::Chinese);
    }

    void aRoundTripKeepsEveryValue() {
        StoredSettings chosen;
        chosen.geometry = QByteArray("\x01\xd9\xd0\xcb\x00\x03", 6);
        chosen.showNumbers = true;
        chosen.showCoordinates = true;
        chosen.opponent = 4;
        chosen.difficulty = 2;
        chosen.playerFirst = false;
        chosen.sound = false;
        chosen.language = "en";
        chosen.recordFolder = "/home/棋手/棋谱, 2024";
        {
            QSettings settings(file("round.conf"), QSettings::IniFormat);
            WriteSettings(settings, chosen);
        }
        QSettings settings(file("round.conf"), QSettings::IniFormat);
        QVERIFY(ReadSettings(settings) == chosen);
    }

    void badFilesGiveTheDefaults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("opponent");
        QTest::addColumn<bool>("showNumbers");
        QTest::newRow("empty") << QByteArray() << 2 << false;
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x7f", 9) << 2 << false;
        QTest::newRow("out of range")
            << QByteArray("[game]\nopponent=9\ndifficulty=-1\n") << 2 << false;
        QTest::newRow("wrong kinds")
            << QByteArray("[game]\nopponent=Corvane\nplayerFirst=1\n[view]\nmoveNumbers=yes\n"
                          "language=fr\n[window]\ngeometry=not bytes\n[records]\nfolder=a, b\n")
            << 2 << false;
        QTest::newRow("another program's")
            << QByteArray("[General]\ntheme=dark\n[recent]\nfiles=a.txt, b.txt\n") << 2 << false;
        QTest::newRow("good values among bad")
            << QByteArray("[game]\nopponent=3\ndifficulty=7\n[view]\nmoveNumbers=true\n") << 3
            << true;
    }
    void badFilesGiveTheDefaults() {
        QFETCH(QByteArray, bytes);
        StoredSettings read = readBytes(bytes);
        StoredSettings defaults;
        QTEST(read.opponent, "opponent");
        QTEST(read.showNumbers, "showNumbers");
        QCOMPARE(read.difficulty, defaults.difficulty);
        QCOMPARE(read.playerFirst, defaults.playerFirst);
        QCOMPARE(read.language, defaults.language);
        QVERIFY(read.geometry.isEmpty());
        QVERIFY(read.recordFolder.isEmpty());
    }

    void theWindowStartsAsTheSettingsSay() {
        StoredSettings stored;
        stored.showNumbers = true;
        stored.opponent = 0;
        stored.difficulty = 1;
        stored.playerFirst = false;
        test::TestWindow t(messages, clock, random);
        t.w.restore(stored);
        QVERIFY(action(t.w, "opponent0")->isChecked());
        QVERIFY(action(t.w, "difficulty1")->isChecked());
        QVERIFY(action(t.w, "computerFirst")->isChecked());
        QVERIFY(action(t.w, "showNumbers")->isChecked());
        QVERIFY(!action(t.w, "showCoordinates")->isChecked());
        t.w.NewGame();
        QCOMPARE(t.g.GameMode, 1); // Corbie, the computer first
        QCOMPARE(t.w.settings().opponent, 0);
        QCOMPARE(t.w.settings().showNumbers, true);
    }

    void aSavedGeometryComesBack() {
        QByteArray geometry;
        {
            test::TestWindow t(messages, clock, random);
            t.w.setGeometry(40, 50, 640, 460);
            geometry = t.w.settings().geometry;
        }
        StoredSettings stored;
        stored.geometry = geometry;
        test::TestWindow t(messages, clock, random);
        t.w.restore(stored);
        QCOMPARE(t.w.size(), QSize(640, 460));
    }

    void aDamagedGeometryStillOpensAWindowOnTheScreen() {
        StoredSettings stored;
        stored.geometry = QByteArray(40, '\x7f');
        test::TestWindow t(messages, clock, random);
        t.w.restore(stored);
        QVERIFY(t.w.width() >= t.w.minimumSizeHint().width());
        QVERIFY(t.w.height() <= t.w.screen()->availableGeometry().height());
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
