#include "playbooks/Playbooks.h"

#include "playbooks/Book.h"
#include "rules/Fault.h"
#include "rules/Placement.h"

namespace wuzi {

namespace {

void play(BookGame& g, const book::Book& b, int x, int y, MoveSelection general) {
    guarded(g, [&] { book::PlayBook(g, b, {x, y}, general); });
}

} // namespace

// At move 2 a listed stone shuts the diagonal book out for the game; an unlisted one
// leaves this book, and the diagonal book (while it may still play) answers it.
void QuillonWhitePlaybook(BookGame& g, int x, int y, MoveSelection general) {
    guarded(g, [&] {
        const book::Book& quillon = book::kQuillonWhiteBook;
        if (g.BookMoveNo == 2) {
            if (!book::OpeningRowFor(g, quillon, {x, y})) {
                g.BookActive = false;
                if (g.DiagonalBookActive) return QuillonWhiteDiagonalPlaybook(g, x, y, general);
                return general(g, x, y);
            }
            g.DiagonalBookActive = false;
        }
        book::PlayBook(g, quillon, {x, y}, general);
    });
}

void QuillonWhiteDiagonalPlaybook(BookGame& g, int x, int y, MoveSelection general) {
    play(g, book::kQuillonWhiteDiagonalBook, x, y, general);
}
void QuillonBlackPlaybook(BookGame& g, int x, int y, MoveSelection general) {
    play(g, book::kQuillonBlackBook, x, y, general);
}
void MarrowickWhitePlaybook(BookGame& g, int x, int y, MoveSelection general) {
    play(g, book::kMarrowickWhiteBook, x, y, general);
}
void MarrowickBlackPlaybook(BookGame& g, int x, int y, MoveSelection general) {
    play(g, book::kMarrowickBlackBook, x, y, general);
}

void PeddrinFixedReply(BookGame& g, int x, int y, MoveSelection general) {
    guarded(g, [&] {
        if (!g.isEmpty(8, 9)) {
            g.BookActive = false;
            return general(g, x, y);
        }
        CompPlace(g, 8, 9);
        g.BookActive = false;
        g.PlayerTurn = true;
    });
}

} // namespace wuzi
