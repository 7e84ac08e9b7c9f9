// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/strength.h"

#include "rules/joker.h"
#include "rules/laying.h"

namespace plumet {

namespace {

// The weak player's habits: the chance of laying the joker when it could, and of passing while
// it has more than one pass to spare.
constexpr double kWeakJokerChance = 0.15;
constexpr double kWeakPassChance = 0.5;

}  // namespace

const char* strengthName(Strength strength) {
    switch (strength) {
        case Strength::Weak:
            return "weak";
        case Strength::Strong:
            return "strong";
        case Strength::Classic:
            break;
    }
    return "classic";
}

std::optional<Strength> strengthFromName(std::string_view name) {
    for (const Strength s : {Strength::Weak, Strength::Classic, Strength::Strong}) {
        if (name == strengthName(s)) return s;
    }
    return std::nullopt;
}

Decision weakDecision(const GameState& s, const Rules& rules, int player, Random& random) {
    const int count = s.handCount[player];
    std::array<int, kMaxHand + 1> slots{};
    int fitting = 0;
    for (int slot = 1; slot <= count; ++slot) {
        if (fittingEnd(s, player, slot) > 0) slots[fitting++] = slot;
    }
    Decision d;
    if (count > 0 && s.hand[player][count] == kJoker && random.next() < kWeakJokerChance) {
        std::array<int, kMaxHand + 1> freeable{};
        int n = 0;
        for (int slot = 1; slot < count; ++slot) {
            if (jokerEnd(s, rules, player, slot) > 0) freeable[n++] = slot;
        }
        if (n > 0) {
            d.kind = Decision::Kind::Joker;
            d.slot = freeable[random.below(n)];
            d.end = jokerEnd(s, rules, player, d.slot);
            return d;
        }
    }
    if (fitting == 0) return d;
    if (s.passesLeft[player] > 2 && random.next() < kWeakPassChance) return d;
    d.kind = Decision::Kind::Lay;
    d.slot = slots[random.below(fitting)];
    d.end = fittingEnd(s, player, d.slot);
    return d;
}

Decision computerDecision(GameState& state, const Rules& rules, int player, Strength strength,
                          Random& random, const SearchLimits& limits) {
    switch (strength) {
        case Strength::Weak:
            return weakDecision(state, rules, player, random);
        case Strength::Strong:
            return strongDecision(state, rules, player, random, limits);
        case Strength::Classic:
            break;
    }
    return classicDecision(state, rules, player, passConstant(player), random);
}

}  // namespace plumet
