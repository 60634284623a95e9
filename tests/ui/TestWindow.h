#pragma once

#include "playbooks/BookGame.h"
#include "session/Session.h"
#include "ui/MainWindow.h"
#include "ui/SessionBridge.h"

#include <QAction>
#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace wuzi::test {

// The data directory of the tests' own (Qt's test locations), empty at every window's
// start: no game is kept from an earlier test.
struct EmptyDataDirectory {
    EmptyDataDirectory() {
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    }
};

// The main window over a game session of its own, as the program builds it, with the
// message boxes, clock and random numbers a test gives it.
struct TestWindow {
    TestWindow(MessageSink& boxes, Clock& clock, RandomSource& random)
        : events(boxes), session(events, clock, random, events.wake()), w(session, events) {
        // Silent unless a test turns the sound on: the tests make no noise at a desk.
        w.findChild<QAction*>("sound")->setChecked(false);
    }

    EmptyDataDirectory data;
    SessionBridge events;
    Session session;
    MainWindow w;
    const Game& g = session.state();
};

// A menu command of the window by its object name; a missing one ends the test run.
inline QAction* action(MainWindow& w, const char* name) {
    auto* a = w.findChild<QAction*>(name);
    if (!a) qFatal("no action %s", name);
    return a;
}

} // namespace wuzi::test
