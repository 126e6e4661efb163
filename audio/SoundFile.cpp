#include "audio/SoundFile.h"

#include "audio/Libraries.h"
#include "files/UntrustedFile.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace tesseron {

namespace {

constexpr qint64 MaxFileSize = qint64(64) << 20;
// What a decoded effect may take: ten minutes of stereo at the mixing rate.
constexpr qint64 MaxDecodedBytes = qint64(MixRate) * 4 * 600;

quint16 Le16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 Le32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// A RIFF chunk may claim up to 4 GiB whatever the file holds, and a decoder may
// reserve what is claimed before reading: cut every claim to the bytes present.
void ClampRiffChunks(QByteArray& bytes) {
    const qsizetype n = bytes.size();
    if (n < 12 || !bytes.startsWith("RIFF")) return;
    auto clamp = [&](qsizetype at, qsizetype room) {
        const quint32 size = std::min(Le32(bytes, at), quint32(room));
        qToLittleEndian(size, bytes.data() + at);
        return qsizetype(size);
    };
    clamp(4, n - 8);
    for (qsizetype at = 12; at + 8 <= n;) {
        const qsizetype size = clamp(at + 4, n - at - 8);
        at += 8 + size + (size & 1);  // chunks are padded to even lengths
    }
}

// What the "fmt " chunk says, and where the samples are.
struct Format {
    int encoding = -1;  // 1 integer PCM, 3 IEEE float, anything else is left to SDL; -1 for no "fmt " chunk
    int channels = 0;
    int bits = 0;
    int blockAlign = 0;
    qint64 rate = 0;
    const char* data = nullptr;
    qint64 dataSize = 0;
};

// Chunk sizes must already be cut to the bytes present.
Format ReadFormat(const QByteArray& b) {
    Format w;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = Le32(b, at + 4), body = at + 8;
        if (id == "fmt " && size >= 16 && w.encoding < 0) {
            w.encoding = Le16(b, body);
            w.channels = Le16(b, body + 2);
            w.rate = Le32(b, body + 4);
            w.blockAlign = Le16(b, body + 12);
            w.bits = Le16(b, body + 14);
            // The extensible form names its encoding in the first two bytes of a GUID
            // that otherwise is always the same.
            static const QByteArray tail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
            if (w.encoding == 0xFFFE) w.encoding = size >= 40 && b.mid(body + 26, 14) == tail ? Le16(b, body + 24) : 0;
        } else if (id == "data" && !w.data) {
            w.data = b.constData() + body;
            w.dataSize = size;
        }
        at = body + size + (size & 1);
    }
    return w;
}

// Plain integer and float samples, which is what sound editors write: SDL is not
// needed for them.
bool Plain(const Format& w) {
    const bool integer = w.encoding == 1 && (w.bits == 8 || w.bits == 16 || w.bits == 24 || w.bits == 32);
    const bool real = w.encoding == 3 && (w.bits == 32 || w.bits == 64);
    return (integer || real) && w.channels > 0 && w.blockAlign == w.channels * w.bits / 8 && w.rate > 0 && w.rate <= 0x7FFFFFFF &&
           w.data;
}

int Sample(const char* p, const Format& w) {
    const auto* u = reinterpret_cast<const uchar*>(p);
    if (w.encoding == 3) {
        double v;
        if (w.bits == 32) {
            float f;
            std::memcpy(&f, p, 4);
            v = f;
        } else {
            std::memcpy(&v, p, 8);
        }
        return std::isnan(v) ? 0 : int(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    if (w.bits == 8) return (int(u[0]) - 128) << 8;
    return qint16(u[w.bits / 8 - 2] | u[w.bits / 8 - 1] << 8);  // the top 16 bits
}

bool DecodePlain(const Format& w, DecodedSound& sound, QString& error) {
    const qint64 frames = w.dataSize / w.blockAlign;
    const int sides = std::min(w.channels, 2);
    if (frames == 0) {
        error = QStringLiteral("no sound in the file");
        return false;
    }
    if (frames * 2 * sides > MaxDecodedBytes) {
        error = QStringLiteral("too long");
        return false;
    }
    sound.channels = sides;
    sound.rate = int(w.rate);
    sound.samples.resize(size_t(frames * sides));
    // Past two channels, the even ones are folded into the left and the odd ones into the right.
    const char* p = w.data;
    for (qint64 f = 0; f < frames; ++f) {
        int sum[2] = {0, 0};
        for (int c = 0; c < w.channels; ++c, p += w.bits / 8) sum[c % 2] += Sample(p, w);
        for (int side = 0; side < sides; ++side)
            sound.samples[size_t(f * sides + side)] = int16_t(sum[side] / ((w.channels + 1 - side) / 2));
    }
    return true;
}

}  // namespace

bool ReadMediaFile(const QString& file, QByteArray& bytes, QString& error) {
    if (file.isEmpty()) {
        error = "no file name given";
        return false;
    }
    switch (files::ReadUntrustedFile(file, MaxFileSize, bytes)) {
    case files::ReadStatus::Ok: break;
    case files::ReadStatus::Missing: error = file + ": no such file"; return false;
    case files::ReadStatus::NotAFile: error = file + ": not a regular file"; return false;
    case files::ReadStatus::TooLarge: error = file + ": larger than 64 MiB"; return false;
    case files::ReadStatus::Unreadable: error = file + ": cannot be read"; return false;
    }
    if (bytes.isEmpty()) {
        error = file + ": empty file";
        return false;
    }
    return true;
}

bool DecodeWave(QByteArray bytes, DecodedSound& sound, QString& error) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        error = "not a RIFF WAVE file";
        return false;
    }
    ClampRiffChunks(bytes);
    const Format format = ReadFormat(bytes);
    if (format.encoding < 0) {
        error = QStringLiteral("no format chunk");
        return false;
    }
    if (Plain(format)) return DecodePlain(format, sound, error);
    return DecodeWaveWithSdl(std::move(bytes), sound, error);
}

bool DecodeWaveWithSdl(QByteArray bytes, DecodedSound& sound, QString& error) {
    const SdlLibrary* sdl = SdlLibrary::Get(error);
    if (!sdl) return false;
    ClampRiffChunks(bytes);
    SDL_AudioSpec have{};
    Uint8* pcm = nullptr;
    Uint32 length = 0;
    SDL_RWops* stream = sdl->SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    if (!stream || !sdl->SDL_LoadWAV_RW(stream, 1, &have, &pcm, &length)) {
        error = sdl->Error();
        return false;
    }
    // SDL hands back little-endian integer or float samples, which are read as ours are.
    Format w;
    w.encoding = SDL_AUDIO_ISFLOAT(have.format) ? 3 : 1;
    w.bits = SDL_AUDIO_BITSIZE(have.format);
    w.channels = have.channels;
    w.blockAlign = w.channels * w.bits / 8;
    w.rate = have.freq;
    w.data = reinterpret_cast<const char*>(pcm);
    w.dataSize = length;
    const bool plain = Plain(w);
    if (!plain) error = QStringLiteral("a sample format SDL gave that is not read here");
    const bool ok = plain && DecodePlain(w, sound, error);
    sdl->SDL_FreeWAV(pcm);
    return ok;
}

}  // namespace tesseron
