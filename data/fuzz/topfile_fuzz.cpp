// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes given to the TOP-10 file reader must be refused or give a table
// that writes back to a file the reader takes again, with the same table.
#include <cstdint>
#include <cstdlib>

#include "data/topfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plumet;
    const auto table =
        topfile::decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!table) return 0;
    GameState state;
    for (int i = 1; i <= top10::kPlaces; ++i) {
        state.topNames[i] = table->name[i];
        state.topDates[i] = table->date[i];
        state.topScores[i] = table->score[i];
    }
    if (!top10::tableSound(state, table->checks)) std::abort();
    const auto again = topfile::decode(topfile::encode(state));
    if (!again || again->score != table->score) std::abort();
    return 0;
}
