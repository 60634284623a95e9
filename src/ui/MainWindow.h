#pragma once

#include "core/Game.h"

#include <QMainWindow>
#include <array>

class QAction;
class QMenu;

namespace wuzi {

class BoardView;
class GameCommands;
class ViewMenu;
class SearchRunner;

// frmMain: the board and the menus that start and end games and choose side,
// difficulty and opponent. All game logic lives in the core; this window only
// forwards commands and shows the state.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Game& game, QWidget* parent = nullptr);

    Game& game() { return game_; }
    BoardView* board() const { return board_; }
    ViewMenu* viewMenu() const { return view_; }
    GameCommands* commands() const { return commands_; }
    QMenu* optionsMenu() const { return nuOpt_; }
    SearchRunner* search() const { return search_; }

    void NewGame();
    void boardPressed(QPointF logicalPosition);
    void openLesson(int lessonNo);
    void showAbout();

    // Brings menus and board up to date with the game state.
    void refresh();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createActions();
    void createMenus();

    Game& game_;
    BoardView* board_;
    ViewMenu* view_ = nullptr;         // 查看: numbers, coordinates, review
    GameCommands* commands_ = nullptr; // 悔棋, 提示, records
    SearchRunner* search_;
    QMenu* nuOpt_ = nullptr;
    QAction* numNew_ = nullptr;
    QAction* numEnd_ = nullptr;
    QAction* numExit_ = nullptr;
    QAction* numBefore_ = nullptr;
    QAction* numAfter_ = nullptr;
    std::array<QAction*, 3> numEasy_{};
    std::array<QAction*, kOpponentCount> numQser_{};
    std::array<QAction*, 10> numLesson_{}; // numF1 .. numF9, numF0
    QAction* numHelp1_ = nullptr;
    QAction* numEmail_ = nullptr;
    QAction* numAbout_ = nullptr;
};

} // namespace wuzi
