#include "rules/hint.h"

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/observation.h"
#include "rules/passing.h"
#include "rules/strategy.h"

namespace plumet {

Hint hint(const GameState& state, const Rules& rules, Random& random) {
    // classicDecision writes endRatings and jokerFreedSlots: it thinks on a copy.
    GameState copy = state;
    const Decision d = classicDecision(copy, rules, kHuman, passConstant(kHuman), random);
    const int count = state.handCount[kHuman];
    switch (d.kind) {
        case Decision::Kind::Lay:
            return {Hint::Kind::Lay, d.slot, 0};
        case Decision::Kind::Joker:
            return {Hint::Kind::Joker, d.slot, count};
        case Decision::Kind::Pass:
            break;
    }
    // The computer players may pass away their last pass; the human may not while a move
    // exists (lastPassRefused). The hint then shows that move: the first card that fits an
    // end, else the first card the joker frees, with the joker.
    if (!lastPassRefused(state, rules)) return {Hint::Kind::Pass, count + 1, 0};
    for (int slot = 1; slot <= count; ++slot) {
        if (fittingEnd(state, kHuman, slot) > 0) return {Hint::Kind::Lay, slot, 0};
    }
    for (int slot = 1; slot < count; ++slot) {
        if (jokerEnd(state, rules, kHuman, slot) > 0) return {Hint::Kind::Joker, slot, count};
    }
    return {Hint::Kind::Pass, count + 1, 0};
}

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
