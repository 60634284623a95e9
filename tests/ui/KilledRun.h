#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <cstdio>
#include <optional>

namespace wuzi::test {

// A run of the program killed at a chosen moment, as a crash or a power cut would end it:
// this test program started again with kKilledRun set in its environment and a home of its
// own (its settings and data apart from the tests'). The child plays up to the moment,
// tells what the parent should look at and says it is ready; there it is killed.
inline constexpr const char* kKilledRun = "WUZI_KILLED_RUN";

inline bool IsKilledRun() {
    return qEnvironmentVariableIsSet(kKilledRun);
}

// In the child: the lines for the parent, then "ready"; then it waits to be killed.
inline void TellAndWaitToBeKilled(const QStringList& lines) {
    for (const QString& line : lines)
        std::printf("%s\n", qPrintable(line));
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

// In the parent: the lines the child told before it was killed, each "key: value"; none
// when it ended or fell silent first.
inline std::optional<QStringList> RunKilled(const QString& home, int timeoutMs = 60000) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kKilledRun, "1");
    environment.insert("HOME", home);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    QStringList told;
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && child.state() != QProcess::NotRunning) {
        child.waitForReadyRead(100);
        while (child.canReadLine()) {
            QString line = QString::fromUtf8(child.readLine()).trimmed();
            if (line == "ready") {
                child.kill();
                child.waitForFinished();
                return told;
            }
            if (line.contains(": ")) told << line;
        }
    }
    child.kill();
    child.waitForFinished();
    return std::nullopt;
}

// The value of `key` among the lines told.
inline QString Told(const QStringList& lines, const QString& key) {
    for (const QString& line : lines)
        if (line.startsWith(key + ": ")) return line.mid(key.size() + 2);
    return {};
}

} // namespace wuzi::test
