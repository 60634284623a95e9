#pragma once

#include "session/Session.h"
#include "ui/Language.h"

#include <QKeySequence>
#include <QMenu>
#include <QObject>

class QAction;
class QMainWindow;

namespace wuzi {

class BoardView;

// The 查看 menu: move numbers and coordinates on the board, the review (复盘) of a
// finished game or an opened record, stepped with Home, Left, Right and End, and the
// language (语言). A review only shows moves; the game stays as it is.
class ViewMenu : public QObject {
    Q_OBJECT
  public:
    ViewMenu(Session& session, BoardView* board, QMainWindow* window);

    QMenu* menu() const { return menu_; }
    bool reviewing() const { return cursor() != nullptr; }
    const ReviewCursor* cursor() const { return session_.reviewCursor(); }

    // Opens a review of the record on its final position.
    void review(GameRecord record, RecordSource source = {});
    void leaveReview();
    // Brings the items' enabled states up to date with the game and the review.
    void refresh();

    bool showsNumbers() const;
    bool showsPanel() const;
    void setShowPanel(bool on);
    // The position after the first `moves` moves of the review, opened for the finished
    // game when none is open; nothing while a game runs.
    void showPosition(std::size_t moves);
    bool showsCoordinates() const;
    void setShowNumbers(bool on);
    void setShowCoordinates(bool on);
    void checkLanguage(Language language);
    // An item of the view's own kind (大师分析), after the review's.
    void addBeforeLanguages(QAction* action) { menu_->insertAction(languagesSeparator_, action); }

  signals:
    void languageChosen(Language language);
    // 显示手数, 显示坐标, 侧栏 or a language was chosen: a setting to remember.
    void settingChosen();
    // 侧栏 was checked or cleared.
    void panelToggled(bool on);
    // A review began, moved or ended: the board shows another position.
    void shownPositionChanged();

  private:
    void createLanguageMenu();
    void toggleReview(bool on);
    void step(void (ReviewCursor::*move)());

    Session& session_;
    BoardView* board_;
    QMainWindow* window_;
    QMenu* menu_;
    QAction* numbers_;
    QAction* coordinates_;
    QAction* panel_;
    QAction* review_;
    QAction* first_;
    QAction* previous_;
    QAction* next_;
    QAction* last_;
    QAction* languagesSeparator_ = nullptr;
    QAction* chinese_;
    QAction* english_;
};

} // namespace wuzi
