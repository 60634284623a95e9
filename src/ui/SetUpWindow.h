#pragma once

#include "rules/Platform.h"
#include "session/HandPosition.h"

#include <QDialog>

class QRadioButton;

namespace wuzi {

class PositionBoard;

// 摆棋: a position set up by hand. A click on an empty cell lays a stone of the colour
// chosen, a click on a stone takes it off; the side to move is chosen, the board can be
// cleared, and the position saved as a record or read from one. It ends by asking to
// study the position (大师分析 in a review) or to play on from it against the computer,
// the player having the side to move; a position that no game can play on from is
// refused with a message that speaks of what was asked, and the window stays. It opens
// on the position last laid out.
class SetUpWindow : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { None, Study, PlayOn };

    explicit SetUpWindow(MessageSink& boxes, QWidget* parent = nullptr);

    const HandPosition& position() const { return position_; }
    void setPosition(const HandPosition& position);
    Choice choice() const { return choice_; }

    // A click on the board's cell.
    void toggle(Cell c);
    void setBlackToMove(bool black);
    void clear();
    // Ends the window with the choice, unless the position has a problem (then says so).
    bool finish(Choice choice);
    bool savePosition(const QString& path);
    bool openPosition(const QString& path);

    PositionBoard* board() const { return board_; }

  private:
    bool refused(PositionProblem problem, const char* refusal);
    void keepPosition() const;
    void askAndSave();
    void askAndOpen();
    void showPosition();

    MessageSink& boxes_;
    HandPosition position_;
    Choice choice_ = Choice::None;
    PositionBoard* board_;
    QRadioButton* blackStone_;
    QRadioButton* blackToMove_;
    QRadioButton* whiteToMove_;
};

} // namespace wuzi
