// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/observation.h"

#include <algorithm>

#include "rules/turn.h"

namespace plumet {

namespace {

// The joker is in some hand when the hands hold one card more than the 52 less those on the
// board.
bool jokerInHands(const GameState& s) {
    int onBoard = 0;
    for (int c = 1; c <= 52; ++c) onBoard += s.onBoard[c];
    return s.cardsLeft > 52 - onBoard;
}

// FNV-1a over 16-bit values.
class Digest {
  public:
    void add(int value) {
        const auto v = static_cast<std::uint16_t>(value);
        for (int shift = 0; shift < 16; shift += 8) {
            hash_ ^= (v >> shift) & 0xff;
            hash_ *= 0x100000001b3ULL;
        }
    }
    template <typename Array>
    void addAll(const Array& values) {
        for (const auto v : values) add(static_cast<int>(v));
    }
    std::uint64_t value() const { return hash_; }

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

Observation observe(const GameState& s, const Rules& rules, int seat) {
    Observation o;
    o.rules = rules;
    o.seat = seat;
    for (int i = 1; i <= s.handCount[seat]; ++i) o.hand[i] = s.hand[seat][i];
    o.onBoard = s.onBoard;
    o.rowEnd = s.rowEnd;
    o.cardsLeft = s.cardsLeft;
    o.handCount = s.handCount;
    o.passesLeft = s.passesLeft;
    o.finishOrder = s.finishOrder;
    o.place = s.place;
    o.laidCount = s.laidCount;
    o.outBonus = s.outBonus;
    o.outcome = s.outcome;
    o.dumped = s.dumped;
    o.gameNumber = s.gameNumber;
    o.starter = s.starter;
    o.streak = s.streak;

    if (!jokerInHands(s)) {
        o.jokerHolder = Observation::kNoJoker;
    } else if (std::find(o.hand.begin() + 1, o.hand.begin() + 1 + s.handCount[seat], kJoker) !=
               o.hand.begin() + 1 + s.handCount[seat]) {
        o.jokerHolder = seat;
    } else if (rules.joker == JokerMode::Reused && s.gapHolder != 0 && s.gapHolder != seat &&
               s.handCount[s.gapHolder] > 0) {
        // The exchange of this game's last joker move gave it back to the gap card's holder in
        // front of everybody; nobody has laid it since, or the gap holder would be another.
        o.jokerHolder = s.gapHolder;
    } else {
        o.jokerHolder = Observation::kUnknownHolder;
    }
    return o;
}

std::uint64_t observationHash(const Observation& o) {
    Digest d;
    d.add(o.rules.aceKing);
    d.add(static_cast<int>(o.rules.joker));
    d.add(o.rules.passes);
    d.add(o.seat);
    for (int i = 1; i <= o.handCount[o.seat]; ++i) d.add(o.hand[i]);
    d.addAll(o.onBoard);
    d.addAll(o.rowEnd);
    d.add(o.cardsLeft);
    d.addAll(o.handCount);
    d.addAll(o.passesLeft);
    d.addAll(o.finishOrder);
    d.addAll(o.place);
    d.addAll(o.laidCount);
    d.addAll(o.outBonus);
    for (const Outcome outcome : o.outcome) d.add(static_cast<int>(outcome));
    d.add(o.dumped);
    d.add(o.gameNumber);
    d.add(o.starter);
    d.add(o.streak);
    d.add(o.jokerHolder);
    return d.value();
}

Determinizer::Determinizer(const Observation& o) : jokerHolder_(o.jokerHolder), seat_(o.seat) {
    GameState& s = public_;
    s.onBoard = o.onBoard;
    s.rowEnd = o.rowEnd;
    s.cardsLeft = o.cardsLeft;
    s.handCount = o.handCount;
    s.passesLeft = o.passesLeft;
    s.finishOrder = o.finishOrder;
    s.place = o.place;
    s.laidCount = o.laidCount;
    s.outBonus = o.outBonus;
    s.outcome = o.outcome;
    s.dumped = o.dumped;
    s.gameNumber = o.gameNumber;
    s.starter = o.starter;
    s.streak = o.streak;
    s.hand[o.seat] = o.hand;

    std::array<bool, 54> seen{};
    for (int i = 1; i <= o.handCount[o.seat]; ++i) seen[o.hand[i]] = true;
    for (int c = 1; c <= 52; ++c) {
        if (o.onBoard[c] == 0 && !seen[c]) unseen_.push_back(c);
    }
    if (o.jokerHolder == Observation::kUnknownHolder) unseen_.push_back(kJoker);

    int hidden = 0;
    for (int p = 1; p <= kPlayers; ++p) {
        if (p != o.seat) hidden += o.handCount[p];
    }
    const bool knownJoker = o.jokerHolder > 0 && o.jokerHolder != o.seat;
    if (hidden != static_cast<int>(unseen_.size()) + (knownJoker ? 1 : 0))
        throw RuleFault("the other hands do not hold the cards the seat cannot see");
}

void Determinizer::sample(Random& random, GameState& s) const {
    s = public_;
    std::array<std::int16_t, 54> pool{};
    const int n = static_cast<int>(unseen_.size());
    for (int i = 0; i < n; ++i) pool[i] = static_cast<std::int16_t>(unseen_[i]);
    for (int i = n - 1; i > 0; --i) std::swap(pool[i], pool[random.below(i + 1)]);

    int next = 0;
    for (int p = 1; p <= kPlayers; ++p) {
        if (p == seat_) continue;
        auto& hand = s.hand[p];
        const int count = s.handCount[p];
        const bool jokerHere = p == jokerHolder_;
        const int dealt = jokerHere ? count - 1 : count;
        for (int i = 1; i <= dealt; ++i) hand[i] = pool[next++];
        if (jokerHere) {
            hand[count] = kJoker;
        } else if (count > 0) {
            auto* const last = hand.begin() + count;
            auto* const joker = std::find(hand.begin() + 1, last, kJoker);
            if (joker != last) std::swap(*joker, *last);
        }
        if (p == kHuman) std::sort(hand.begin() + 1, hand.begin() + 1 + count);
    }
}

}  // namespace plumet
