// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/trace.h"

#include <cstdio>

namespace plumet::sim {

namespace {

// Writes `name` as an array of `values[first .. first + count - 1]`.
template <typename Array>
void writeArray(std::ostream& out, const char* name, const Array& values, int first, int count) {
    out << ",\"" << name << "\":[";
    for (int i = 0; i < count; ++i) out << (i ? "," : "") << values[first + i];
}

template <typename Array>
void writePlayers(std::ostream& out, const char* name, const Array& values) {
    writeArray(out, name, values, 1, kPlayers);
    out << ']';
}

}  // namespace

void TraceWriter::match(int number) {
    out_ << "{\"e\":\"match\",\"m\":" << number << "}\n";
}

void TraceWriter::deal(const GameState& s) {
    out_ << "{\"e\":\"deal\",\"game\":" << s.gameNumber << ",\"starter\":" << s.starter;
    writeArray(out_, "deck", s.deck, 1, s.cardsLeft);
    out_ << "]}\n";
}

void TraceWriter::writeBoard(const GameState& s) {
    writeArray(out_, "rowend", s.rowEnd, 1, 8);
    out_ << "],\"cardsleft\":" << s.cardsLeft;
    writePlayers(out_, "handcount", s.handCount);
}

void TraceWriter::turn(const GameState& s, const TurnInfo& info) {
    const Decision& d = info.decision;
    out_ << "{\"e\":\"turn\",\"p\":" << info.player << ",\"k\":" << d.jokerDraw << ",\"x\":";
    if (d.passDrawn) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", d.passDraw);
        out_ << text;
    } else {
        out_ << "null";
    }
    switch (d.kind) {
        case Decision::Kind::Lay:
            out_ << ",\"move\":\"lay\",\"slot\":" << d.slot << ",\"card\":" << info.card
                 << ",\"end\":" << d.end;
            break;
        case Decision::Kind::Joker:
            out_ << ",\"move\":\"joker\",\"end\":" << d.end << ",\"slot\":" << d.slot
                 << ",\"card\":" << info.card << ",\"holder\":" << info.holder
                 << ",\"holderslot\":" << info.holderSlot;
            break;
        case Decision::Kind::Pass:
            if (!info.droppedOut) {
                out_ << ",\"move\":\"pass\"";
                break;
            }
            out_ << ",\"move\":\"dropout\"";
            writeArray(out_, "dumped", info.dumped, 1, info.dumped[0]);
            out_ << ']';
            break;
    }
    writeBoard(s);
    writePlayers(out_, "passleft", s.passesLeft);
    out_ << "}\n";
}

void TraceWriter::exchange(const GameState& s, int gapCard) {
    out_ << "{\"e\":\"exchange\",\"holder\":" << s.gapHolder << ",\"card\":" << gapCard;
    writeBoard(s);
    out_ << "}\n";
}

void TraceWriter::gameEnd(const GameState& s) {
    out_ << "{\"e\":\"end\",\"game\":" << s.gameNumber;
    writePlayers(out_, "finishorder", s.finishOrder);
    writePlayers(out_, "place", s.place);
    out_ << ",\"status\":[";
    for (int p = 1; p <= kPlayers; ++p)
        out_ << (p > 1 ? "," : "") << '"' << outcomeText(s.outcome[p]) << '"';
    out_ << ']';
    writePlayers(out_, "laidcount", s.laidCount);
    writePlayers(out_, "outbonus", s.outBonus);
    out_ << ",\"dumped\":" << s.dumped;
    writePlayers(out_, "gamepoints", s.gamePoints);
    writePlayers(out_, "score", s.score);
    out_ << ",\"streak\":" << s.streak << ",\"starter\":" << s.starter << "}\n";
}

}  // namespace plumet::sim
