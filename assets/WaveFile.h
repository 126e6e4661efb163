// A RIFF WAVE file of 16-bit mono PCM, for the sounds the generator and the tests make.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace tesseron {

inline QByteArray WaveFile(const std::vector<int16_t>& samples, int rate) {
    QByteArray out;
    auto put = [&](quint32 v, int bytes) {  // little-endian
        for (int i = 0; i < bytes; ++i) out.append(char(v >> (8 * i)));
    };
    const quint32 data = quint32(samples.size() * 2);
    out.append("RIFF");
    put(36 + data, 4);
    out.append("WAVEfmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(quint32(rate), 4);
    put(quint32(rate) * 2, 4);  // bytes a second
    put(2, 2);                  // bytes a frame
    put(16, 2);                 // bits a sample
    out.append("data");
    put(data, 4);
    for (int16_t s : samples) put(quint16(s), 2);
    return out;
}

}  // namespace tesseron
