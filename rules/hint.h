// The hint for the human ("ヒント"): the move a computer player would make in the human's seat.
// `hint` asks the classic strategy (the same `classicDecision` the computer players run, on a
// copy of the game); `strongHint` asks the strong player's search.
#pragma once

#include "rules/gamestate.h"
#include "rules/random.h"
#include "rules/search.h"

namespace plumet {

struct Hint {
    enum class Kind { Lay, Joker, Pass };
    Kind kind = Kind::Pass;
    int slot = 0;       // Lay: the card's slot. Joker: the slot of the card the joker frees
    int jokerSlot = 0;  // Joker: the joker's slot (the last one)
};

// The human's hint: classicDecision for player 1 with the voluntary-pass constant of players 2 and
// 3, drawing from `random`. It runs on a copy of `state`, so the game (the strategy's scratch
// arrays included) stays as it is; only `random` moves on. A pass that the last-pass rule
// would refuse the human is never the hint: the first card that fits, else the joker move.
Hint hint(const GameState& state, const Rules& rules, Random& random);

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
