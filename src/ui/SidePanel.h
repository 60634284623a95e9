#pragma once

#include "rules/Types.h"
#include "session/Review.h"
#include "ui/WinBar.h"

#include <QFrame>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

class QBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;

namespace wuzi {

class EvalGraph;
class FoldingSection;
class MoveList;

// What 大师分析 shows in the panel: its verdict in words, a side's chance, the best move
// and the line it expects.
struct MasterView {
    QString verdict;
    std::optional<WinChanceShown> chance;
    QString line; // coordinates, the best move first
};

// What 复盘分析 shows in the panel: its progress while it runs, then the review of the
// record shown, the position shown, and the win missed before the move shown, if any.
struct ReviewShown {
    bool running = false;
    int done = 0, total = 0;
    std::optional<Review> review;
    std::size_t shown = 0;
    QString missedWin;          // the winning line as words, empty when none was missed here
    bool demonstrating = false; // the missed win is played out on the board
};

// The panel beside the board (查看 → 侧栏): the match, whose turn it is, short notes, the
// moves as a list to click through, and under them the master's view while 大师分析 is on
// and the review's while 复盘分析 is: each a section that folds. It shows what the window
// gives it; a click on a move asks for that position. In one column the move list takes
// the height the rest leaves; wider than tall (under the board), the moves stand on the
// left and the sections on the right.
class SidePanel : public QFrame {
    Q_OBJECT
  public:
    explicit SidePanel(QWidget* parent = nullptr);
    // As wide as it likes beside the board; as narrow as its words allow.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void setMatch(const QString& text);
    void setTurn(const QString& text);
    // Short notes under the turn: a hint being worked out, the ring shown, why 选项 is greyed.
    void setNotes(const QStringList& notes);
    // The moves of the game or of the record shown, `shown` of them on the board. A click
    // on a move asks for its position when `clickable`.
    void setMoves(const std::vector<Cell>& moves, std::size_t shown, bool clickable,
                  const QStringList& marks = {});
    // 复盘分析's progress and result; none hides them.
    void setReview(const std::optional<ReviewShown>& review);
    // The master's view; none hides it.
    void setMasterView(const std::optional<MasterView>& view);

    QString turnText() const;
    QString notesText() const;
    QStringList moveTexts() const;

  signals:
    // The position after the first `moves` moves was asked for.
    void positionChosen(std::size_t moves);
    // 复盘分析 is to stop; the win missed before the move shown is to be played out, or
    // left again.
    void reviewCancelled();
    void missedWinAsked();

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void retranslate();
    void showSections();

    QLabel* match_;
    QLabel* turn_;
    QLabel* notes_;
    QLabel* movesCaption_;
    MoveList* moves_;
    FoldingSection* master_;
    WinBar* winBar_;
    QLabel* verdict_;
    QLabel* line_;
    FoldingSection* review_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QLabel* accuracy_;
    EvalGraph* graph_;
    QLabel* missedWin_;
    QPushButton* playMissedWin_;
    QLabel* stepping_;
    QWidget* game_;       // the match, the turn, the notes and the moves
    QWidget* sections_;   // the master's and the review's
    QBoxLayout* columns_; // the moves and the sections, one under or beside the other
    QScrollArea* scroll_; // only where even folded sections leave no room
    bool movesClickable_ = false;
    bool demonstrating_ = false;
};

} // namespace wuzi
