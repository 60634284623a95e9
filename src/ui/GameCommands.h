#pragma once

#include "session/Session.h"

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;

namespace wuzi {

class SessionBridge;
class ViewMenu;

// The file menu's commands beside a game: 悔棋 (Ctrl+Z), 提示 (F2), 大师提示 (Shift+F2), 打开棋谱
// and 保存棋谱 (PSQ records).
class GameCommands : public QObject {
    Q_OBJECT
  public:
    GameCommands(Session& session, ViewMenu* view, SessionBridge& events, QMainWindow* window);

    // The items in menu order, a separator between the two groups.
    QList<QAction*> actions() const { return actions_; }

    void undo();
    // Looks for the hint away from the window (opponent 3's search may take a moment); the
    // board flashes it, unless the game has moved on meanwhile.
    void hint();
    bool hintPending() const { return session_.hintPending(); }
    // Read a record and show it for review; a file that is no record is refused with a
    // message and changes nothing. Returns whether the record was opened.
    bool openRecord(const QString& path);
    // Writes the reviewed record, or else the game's moves, and says so in the status bar.
    // Returns whether it was saved.
    bool saveRecord(const QString& path);

    // The folder the record dialogs open in: the one last used, remembered between runs.
    QString recordFolder() const { return folder_; }
    void setRecordFolder(const QString& folder) { folder_ = folder; }

    void refresh();

  signals:
    // The game's position changed (a take-back).
    void gameChanged();
    // A record dialog was left in another folder.
    void recordFolderChanged();

  private:
    void askAndOpen();
    void askAndSave();
    void refuse(const QString& title, const QString& text);
    QString startFolder() const;
    void rememberFolderOf(const QString& path);

    Session& session_;
    ViewMenu* view_;
    SessionBridge& events_;
    QMainWindow* window_;
    QString folder_;
    QAction* undo_;
    QAction* hint_;
    QAction* masterHint_; // 大师提示: Vesk's move for the player's side
    QAction* open_;
    QAction* save_;
    QList<QAction*> actions_;
};

} // namespace wuzi
