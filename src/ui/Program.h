#pragma once

#include "core/Game.h"
#include "ui/MainWindow.h"
#include "ui/QtMessages.h"
#include "ui/SplashWindow.h"

namespace wuzi {

// The application-wide look: the program's name and a font with the Chinese glyphs.
void SetUpApplication();

// The program as it starts: the game with the real clock, random numbers and message
// boxes, the main window, and the splash that opens it.
class Program {
  public:
    Program();
    // Shows the splash; after its third tick or a click it shows the main window.
    void start();

    Game& game() { return game_; }
    MainWindow& window() { return window_; }
    SplashWindow& splash() { return splash_; }

  private:
    QtMessages messages_;
    SystemClock clock_;
    SeededRandom random_;
    Game game_;
    MainWindow window_;
    SplashWindow splash_;
};

} // namespace wuzi
