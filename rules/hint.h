// SPDX-License-Identifier: GPL-3.0-or-later
// The hint for the human ("ヒント"): the move the strong player's search would make in the
// human's seat.
#pragma once

#include "rules/gamestate.h"
#include "rules/search.h"

namespace plumet {

struct Hint {
    enum class Kind { Lay, Joker, Pass };
    Kind kind = Kind::Pass;
    int slot = 0;       // Lay: the card's slot. Joker: the slot of the card the joker frees
    int jokerSlot = 0;  // Joker: the joker's slot (the last one)
};

// Why the hinted move is a pass: not a pass at all, no card and no joker move can be laid, or
// a move exists but the search finds passing better.
enum class PassReason { NotAPass, NothingToLay, PassingIsBetter };

struct StrongHint {
    Hint hint;
    PassReason passReason = PassReason::NotAPass;
};

// The human's hint from the strong player's search in the human's seat: it sees only what the
// human sees, and never hints the last pass while a card or the joker can be laid
// (lastPassRefused). Its seed is a digest of the human's view of the game, so the same position
// always gets the same hint; `limits` sets the playouts and threads and may carry a stop flag
// (refuseLastPass is always on here). Reads `state` only: safe on a copy in a worker thread.
StrongHint strongHint(const GameState& state, const Rules& rules, SearchLimits limits = {});

}  // namespace plumet
