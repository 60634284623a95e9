#pragma once

#include "core/Game.h"
#include "core/TakeBack.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>
#include <thread>

class QAction;
class QWidget;

namespace wuzi {

class BoardView;
class ViewMenu;

// The file menu's commands beside a game: 悔棋 (Ctrl+Z), 提示 (F2), 打开棋谱 and
// 保存棋谱 (PSQ records).
class GameCommands : public QObject {
    Q_OBJECT
  public:
    GameCommands(Game& game, BoardView* board, ViewMenu* view, QWidget* window);
    ~GameCommands() override;

    // The items in menu order, a separator between the two groups.
    QList<QAction*> actions() const { return actions_; }

    // Every player's stone goes through here, so that it can be taken back.
    template <class Click> void playerClick(Click&& click) {
        takeBack_.playerClick(game_, std::forward<Click>(click));
    }
    // A new game: nothing of the old one can be taken back.
    void newGame() { takeBack_.clear(); }

    void undo();
    // Looks for the hint away from the window (opponent 3's search may take a moment) and
    // flashes it, unless the game has moved on meanwhile.
    void hint();
    bool hintPending() const { return hintPending_; }
    // Read a record and show it for review; a file that is no record is refused with a
    // message and changes nothing. Returns whether the record was opened.
    bool openRecord(const QString& path);
    // Writes the reviewed record, or else the game's moves. Returns whether it was saved.
    bool saveRecord(const QString& path);

    void refresh();

  signals:
    // The game's position changed (a take-back).
    void gameChanged();

  private:
    void askAndOpen();
    void askAndSave();
    void refuse(const QString& title, const QString& text);
    void hintFound(std::optional<Cell> cell);

    Game& game_;
    BoardView* board_;
    ViewMenu* view_;
    QWidget* window_;
    TakeBack takeBack_;
    std::thread hintWorker_;
    bool hintPending_ = false;
    GameState hintAskedAt_;
    QAction* undo_;
    QAction* hint_;
    QAction* open_;
    QAction* save_;
    QList<QAction*> actions_;
};

} // namespace wuzi
