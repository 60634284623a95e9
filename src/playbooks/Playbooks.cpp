#include "playbooks/Playbooks.h"

#include "core/Fault.h"
#include "core/Frame.h"
#include "core/Placement.h"

namespace wuzi {

void PeddrinFixedReply(Game& g) {
    guarded(g, [&] {
        if (!g.isEmpty(8, 9)) {
            g.BookActive = kFalse;
            return CompMove(g, 8, 8);
        }
        CompPlace(g, 8, 9);
        g.BookActive = kFalse;
        g.PlayerTurn = kTrue;
    });
}

} // namespace wuzi
