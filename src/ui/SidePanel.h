#pragma once

#include "rules/Types.h"
#include "session/Review.h"

#include <QFrame>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace wuzi {

class EvalGraph;
class WinBar;

// What 大师分析 shows in the panel: its verdict in words, black's chance, the best move
// and the line it expects.
struct MasterView {
    QString verdict;
    std::optional<double> blackPercent;
    QString line; // coordinates, the best move first
};

// What 复盘分析 shows in the panel: its progress while it runs, then the review of the
// record shown, the position shown, and the win missed before the move shown, if any.
struct ReviewShown {
    bool running = false;
    int done = 0, total = 0;
    std::optional<Review> review;
    std::size_t shown = 0;
    QString missedWin; // the winning line as words, empty when none was missed here
};

// The panel beside the board (查看 → 侧栏): the match, whose turn it is, short notes, the
// moves as a list to click through, and the master's view while 大师分析 is on. It shows
// what the window gives it; a click on a move asks for that position.
class SidePanel : public QFrame {
    Q_OBJECT
  public:
    explicit SidePanel(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {240, 480}; }

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
    // 复盘分析 is to stop; the win missed before the move shown is to be played out.
    void reviewCancelled();
    void missedWinAsked();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();

    QLabel* match_;
    QLabel* turn_;
    QLabel* notes_;
    QLabel* movesCaption_;
    QListWidget* moves_;
    QGroupBox* master_;
    WinBar* winBar_;
    QLabel* verdict_;
    QLabel* line_;
    QGroupBox* review_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QLabel* accuracy_;
    EvalGraph* graph_;
    QLabel* missedWin_;
    QPushButton* playMissedWin_;
    bool movesClickable_ = false;
};

} // namespace wuzi
