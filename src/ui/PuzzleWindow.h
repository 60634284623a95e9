#pragma once

#include "session/PuzzleGame.h"
#include "ui/PuzzleProgress.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace wuzi {

class PositionBoard;

// 习题: puzzles of forced wins in four levels, on a board of their own. The goal reads
// 黑先胜 or 白先胜; the player plays the side to move and the computer defends. A hint
// rings the first stone of a win; a wrong stone is shown its refutation and may be tried
// again; a puzzle solved or given up can be replayed move by move. What was solved and
// tried, and each level's streak, are remembered, and the list shows them.
class PuzzleWindow : public QDialog {
    Q_OBJECT
  public:
    explicit PuzzleWindow(PuzzleLevel level, QWidget* parent = nullptr);
    ~PuzzleWindow() override;

    // The program's puzzles of a level, from its data.
    static std::vector<Puzzle> PuzzlesOf(PuzzleLevel level);

    void chooseLevel(PuzzleLevel level);
    // Puzzles of the caller's instead of the level's own (for the tests).
    void usePuzzles(std::vector<Puzzle> puzzles);
    void choosePuzzle(int index);
    void play(Cell c);
    void hint();
    void retry();
    void giveUp();
    void replay();
    void next();

    const PuzzleGame* game() const { return game_.get(); }
    bool replaying() const { return replayTimer_.isActive(); }
    const PuzzleProgress& progress() const { return progress_; }
    QString goalText() const;
    QString statusText() const;
    QStringList listTexts() const;
    // The puzzle's name in words: what its win is made of, its length and its number.
    QString puzzleName(int index) const;

  private:
    void showPuzzle(const QString& status);
    void refreshList();
    void listPuzzles();
    void fitListToNames();
    void keepProgress();
    void replayStep();

    std::vector<Puzzle> puzzles_;
    int index_ = -1;
    std::unique_ptr<PuzzleGame> game_;
    PuzzleProgress progress_;
    bool clean_ = true; // no wrong stone and no hint in this puzzle so far
    PositionBoard* board_;
    QComboBox* level_;
    QListWidget* list_;
    QLabel* goal_;
    QLabel* status_;
    QLabel* record_;
    QPushButton* retry_;
    QTimer replayTimer_;
    std::size_t replayed_ = 0;
};

} // namespace wuzi
