#pragma once

#include "session/Session.h"
#include "ui/MainWindow.h"
#include "ui/SessionBridge.h"

namespace wuzi::test {

// The main window over a game session of its own, as the program builds it, with the
// message boxes, clock and random numbers a test gives it.
struct TestWindow {
    TestWindow(MessageSink& boxes, Clock& clock, RandomSource& random)
        : events(boxes), session(events, clock, random, events.wake()), w(session, events) {}

    SessionBridge events;
    Session session;
    MainWindow w;
    const Game& g = session.game();
};

} // namespace wuzi::test
