#include "GameState.h"

#include <cstring>

namespace tesseron {

namespace {
void PutLE32(uint8_t* p, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    p[0] = uint8_t(u);
    p[1] = uint8_t(u >> 8);
    p[2] = uint8_t(u >> 16);
    p[3] = uint8_t(u >> 24);
}
int32_t GetLE32(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}
}  // namespace

void WriteRecord(const GameState& st, uint8_t out[RecordSize]) {
    std::memcpy(out + RecordBoardOffset, &st.board, sizeof(Board));
    std::memcpy(out + RecordNextsOffset, &st.nexts, sizeof(Nexts));
    PutLE32(out + RecordScoreOffset, st.Score);
    PutLE32(out + RecordSetCountOffset, st.SetCount);
}

void ReadRecord(GameState& st, const uint8_t in[RecordSize]) {
    std::memcpy(&st.board, in + RecordBoardOffset, sizeof(Board));
    std::memcpy(&st.nexts, in + RecordNextsOffset, sizeof(Nexts));
    st.Score = GetLE32(in + RecordScoreOffset);
    st.SetCount = GetLE32(in + RecordSetCountOffset);
}

LaneEntry EntryOf(int side, int lane) {
    switch (side) {
    case SideRight: return {10, lane, DirLeft};
    case SideTop: return {lane, 1, DirDown};
    case SideLeft: return {1, lane, DirRight};
    default: return {lane, 10, DirUp};
    }
}

}  // namespace tesseron
