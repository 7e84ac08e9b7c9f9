// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/hint.h"

#include "rules/observation.h"

namespace plumet {

StrongHint strongHint(const GameState& state, const Rules& rules, SearchLimits limits) {
    limits.refuseLastPass = true;
    const Observation seen = observe(state, rules, kHuman);
    const SearchResult result = searchMoves(seen, observationHash(seen), limits);
    const Decision& d = result.decision;
    const int count = state.handCount[kHuman];
    switch (d.kind) {
        case Decision::Kind::Lay:
            return {{Hint::Kind::Lay, d.slot, 0}, PassReason::NotAPass};
        case Decision::Kind::Joker:
            return {{Hint::Kind::Joker, d.slot, count}, PassReason::NotAPass};
        case Decision::Kind::Pass:
            break;
    }
    // The pass is the last of the legal moves: when it is the only one, nothing can be laid.
    const bool nothingToLay = result.moves.size() == 1;
    return {{Hint::Kind::Pass, count + 1, 0},
            nothingToLay ? PassReason::NothingToLay : PassReason::PassingIsBetter};
}

}  // namespace plumet
