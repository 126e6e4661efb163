// A saved game loaded from a slot (or copied in unchecked, as tesseron-replay --load
// does), then played on with commands of the replay interpreter.
//
// Input: byte 0 colours, byte 1 bit 0 unchecked copy, bytes 2..601 the slot file
// (shorter inputs make a short file), then one command per byte.
#include "storage/SavedGames.h"
#include "tools/Replay.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <streambuf>

using namespace tesseron;

namespace {
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

std::string Command(uint8_t op) {
    switch (op % 8) {
    case 0: return op == 0 ? "new" : "tick";
    case 1:
    case 2: return "tick";
    case 3: return "sweep";
    case 4: return op < 16 ? "undo" : "tick";
    case 5: return "dump";
    default: {
        const int side = 1 + (op >> 3) % 4;
        const int lane = 1 + (op >> 5) % 8 + (op & 1) * 2;
        return "launch " + std::to_string(side) + " " + std::to_string(std::min(lane, 10));
    }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int colours = MinColors + data[0] % 6;
    const bool unchecked = data[1] & 1;
    const size_t recordBytes = std::min(size - 2, RecordSize);
    const uint8_t* record = data + 2;

    NullBuffer nothing;
    std::ostream out(&nothing);
    replay::Replay replay(colours, 12345, out);
    if (unchecked) {
        if (recordBytes < RecordSize) return 0;
        replay.Load(record);
    } else {
        const std::string path = fuzz::ScratchDir() + "kelm.sg3";
        if (!fuzz::WriteScratch(path, record, recordBytes)) std::abort();
        const GameState before = replay.game().st;
        const auto result = storage::LoadSlot(QString::fromStdString(path), replay.game().st, colours);
        if (result != storage::LoadSlotResult::Loaded && std::memcmp(&before.board, &replay.game().st.board, sizeof(Board)) != 0)
            std::abort();  // a refused slot leaves the game as it was
    }
    for (size_t i = 2 + recordBytes; i < size; ++i)
        if (!replay.Execute(Command(data[i])).empty()) std::abort();
    replay.Dump();
    return 0;
}
