#pragma once

#include "session/Session.h"
#include "ui/MainWindow.h"
#include "ui/QtMessages.h"
#include "ui/SessionBridge.h"
#include "ui/SplashWindow.h"

namespace wuzi {

// The application-wide look: the program's name and a font with the Chinese glyphs.
void SetUpApplication();

// The program as it starts: the game session with the real clock, random numbers and
// message boxes, the main window as the last run left it, and the splash that opens it.
// The window's settings are written as they change.
class Program {
  public:
    Program();
    // Shows the splash; after its third tick or a click it shows the main window.
    void start();

    Session& session() { return session_; }
    MainWindow& window() { return window_; }
    SplashWindow& splash() { return splash_; }

  private:
    QtMessages messages_;
    SystemClock clock_;
    SeededRandom random_;
    SessionBridge events_{messages_};
    Session session_{events_, clock_, random_, events_.wake()};
    MainWindow window_{session_, events_};
    SplashWindow splash_;
};

} // namespace wuzi
