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
    void review(GameRecord record);
    void leaveReview();
    // Brings the items' enabled states up to date with the game and the review.
    void refresh();

    bool showsNumbers() const;
    bool showsCoordinates() const;
    void setShowNumbers(bool on);
    void setShowCoordinates(bool on);
    void checkLanguage(Language language);
    // An item of the view's own kind (大师分析), after the review's.
    void addBeforeLanguages(QAction* action) { menu_->insertAction(languagesSeparator_, action); }

  signals:
    void languageChosen(Language language);
    // A review began, moved or ended: the board shows another position.
    void shownPositionChanged();

  private:
    void createLanguageMenu();
    void toggleReview(bool on);
    void step(void (ReviewCursor::*move)());
    void showPosition();

    Session& session_;
    BoardView* board_;
    QMainWindow* window_;
    QMenu* menu_;
    bool positionShown_ = false; // the status bar shows the review's position
    QAction* numbers_;
    QAction* coordinates_;
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
