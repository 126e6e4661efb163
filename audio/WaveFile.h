// A RIFF WAVE file of 16-bit mono PCM, for sounds made in memory.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace tesseron {

inline QByteArray WaveFile(const std::vector<int16_t>& samples, int rate) {
    QByteArray out;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](uint16_t v) {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    };
    const uint32_t data = uint32_t(samples.size() * 2);
    out.append("RIFF");
    u32(36 + data);
    out.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(uint32_t(rate));
    u32(uint32_t(rate * 2));
    u16(2);
    u16(16);
    out.append("data");
    u32(data);
    for (int16_t s : samples) u16(uint16_t(s));
    return out;
}

}  // namespace tesseron
