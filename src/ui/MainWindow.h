#pragma once

#include "opponents/Roster.h"
#include "session/Puzzle.h"
#include "session/Session.h"
#include "ui/Language.h"
#include "ui/SidePanel.h"
#include "ui/StoredSettings.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

class QAction;
class QMenu;

namespace wuzi {

class BoardView;
class GameCommands;
class GameKeeper;
class GameStatus;
class ReviewPresenter;
class MasterAnalysis;
class ReviewRunner;
class SessionBridge;
class SidePanel;
class Sounds;
class ViewMenu;

// The main window: the board and the menus that start and end games and choose side,
// difficulty and opponent. All game logic lives in the session; this window only
// forwards commands and shows the state. `events` is the bridge the session reports to.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(Session& session, SessionBridge& events, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    BoardView* board() const { return board_; }
    ViewMenu* viewMenu() const { return view_; }
    GameCommands* commands() const { return commands_; }
    GameStatus* status() const { return status_; }
    MasterAnalysis* analysis() const { return analysis_; }
    SidePanel* panel() const { return panel_; }
    ReviewRunner* reviews() const;
    GameKeeper& keeper() const { return *keeper_; }
    QMenu* optionsMenu() const { return optionsMenu_; }

    void NewGame();
    void boardPressed(Cell cell);
    // 继续上一局: the game an earlier run left unfinished, played on.
    void resumeGame();
    // 摆棋: a position set up by hand, studied in a review or played on.
    void setUpPosition();
    // 观战: two of the computer's opponents play each other; the game may be reviewed.
    void watchGame();
    // 习题: the puzzles of a level.
    void openPuzzles(PuzzleLevel level);
    // At the start: when a game was left unfinished, asks whether to play it on.
    void offerUnfinishedGame();
    void openLesson(int lessonNo);
    void showAbout();
    // F1: the help page in the page viewer, in the language shown.
    void showHelp();
    // 技术支持: the version and how to report a problem.
    void showSupport();

    // 查看 → 语言: the window and Qt's own dialogs in this language from now on.
    void setLanguage(Language language);
    Language language() const { return translations_.current(); }

    // What is remembered between runs, and its restoring at the start: the geometry, the
    // board's aids, the options for the next game, the sound and the language.
    StoredSettings settings() const;
    void restore(const StoredSettings& stored);

    // Brings menus and board up to date with the game state.
    void refresh();

  signals:
    // A choice to remember between runs was made: side, difficulty, opponent, the view's
    // items, the language, the records' folder.
    void settingsChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void listen(SessionBridge& events);
    void refreshPanel();
    QStringList notes() const;
    void showPanel(bool on);

    Session& session_;
    SessionBridge& events_;
    Translations translations_;
    std::unique_ptr<GameKeeper> keeper_;
    BoardView* board_;
    SidePanel* panel_;
    ViewMenu* view_ = nullptr;                   // 查看: numbers, coordinates, review
    GameCommands* commands_ = nullptr;           // 悔棋, 提示, records
    GameStatus* status_ = nullptr;               // the status bar and the title
    MasterAnalysis* analysis_ = nullptr;         // 大师分析
    ReviewPresenter* reviewPresenter_ = nullptr; // 复盘分析
    Sounds* sounds_ = nullptr;                   // 选项 → 声音
    QMenu* optionsMenu_ = nullptr;
    QAction* newGame_ = nullptr;
    QAction* endGame_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* resumeGame_ = nullptr;
    QAction* twoPlayers_ = nullptr;
    QAction* setUp_ = nullptr;
    QAction* watch_ = nullptr;
    QAction* playerFirst_ = nullptr;
    QAction* computerFirst_ = nullptr;
    std::array<QAction*, 3> difficulties_{};
    std::array<QAction*, kOpponentCount> opponents_{};
    std::array<QAction*, 10> lessons_{}; // lessons 1 to 10
    std::array<QAction*, kPuzzleLevels> puzzles_{};
    QAction* help_ = nullptr;
    QAction* support_ = nullptr;
    QAction* about_ = nullptr;
};

} // namespace wuzi
