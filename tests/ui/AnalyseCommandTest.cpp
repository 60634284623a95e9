// `wuzi --analyse`: the real program reviews a record with no display at all (no
// QT_QPA_PLATFORM, no X), as text and as JSON, and refuses what it cannot review.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Black's four H8–K8, closed at G8, is left open by white's J11; black fives at L8.
constexpr const char* kUnblockedFour = "Piskvorky 15x15, 0:0, 1\n"
                                       "8,8,0\n7,8,0\n9,8,0\n9,7,0\n10,8,0\n"
                                       "11,4,0\n11,8,0\n10,5,0\n12,8,0\n-1\n";

struct Run {
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class AnalyseCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const char* name, const char* text) {
        QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(text);
        return path;
    }

    Run wuzi(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/../wuzi", arguments);
        if (!program.waitForFinished(120000)) qFatal("wuzi --analyse did not finish");
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

  private slots:
    void printsEveryMoveAndTheAccuracies() {
        Run run = wuzi({"--analyse", write("four.psq", kUnblockedFour), "--ms", "20"});
        QCOMPARE(run.status, 0);
        QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 9 + 1); // the heading, the moves, the accuracies
        QStringList unblocked = lines[8].split(' ', Qt::SkipEmptyParts);
        QCOMPARE(unblocked.first(), QString("8"));
        QCOMPARE(unblocked[1], QString("J11"));
        QVERIFY2(unblocked.contains("L8") && unblocked.contains("败着"), qPrintable(lines[8]));
        QVERIFY(lines.last().startsWith("准确率"));
    }

    void writesTheSameAsJson() {
        Run run = wuzi({"--analyse", write("four.psq", kUnblockedFour), "--ms", "20", "--json"});
        QCOMPARE(run.status, 0);
        QJsonParseError error;
        QJsonObject review = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QJsonArray moves = review["moves"].toArray();
        QCOMPARE(moves.size(), 9);
        QJsonObject unblocked = moves[7].toObject();
        QCOMPARE(unblocked["move"].toString(), QString("J11"));
        QCOMPARE(unblocked["colour"].toString(), QString("white"));
        QCOMPARE(unblocked["best"].toString(), QString("L8"));
        QCOMPARE(unblocked["mark"].toString(), QString("losing"));
        QCOMPARE(moves[8].toObject()["blackAfter"].toDouble(), 100.0);
        QVERIFY(review["accuracy"].toObject()["black"].isDouble());
        QVERIFY(review["accuracy"].toObject()["white"].isDouble());
    }

    void refusesWhatItCannotReview() {
        QString record = write("four.psq", kUnblockedFour);
        const QList<QStringList> refused{
            {"--analyse", dir.filePath("missing.psq")},
            {"--analyse", write("notes.psq", "a shopping list\n")},
            {"--analyse", record, "--ms", "5"},
            {"--analyse", record, "--ms", "60001"},
            {"--analyse", record, "--depth", "3"},
            {"--analyse"},
        };
        for (const QStringList& arguments : refused) {
            Run run = wuzi(arguments);
            QVERIFY2(run.status > 0, qPrintable(arguments.join(' ')));
            QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
            QVERIFY2(run.err.startsWith("wuzi: "), qPrintable(run.err));
        }
    }
};

QTEST_GUILESS_MAIN(AnalyseCommandTest)
#include "AnalyseCommandTest.moc"
