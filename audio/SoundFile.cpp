#include "audio/SoundFile.h"

#include "audio/Libraries.h"
#include "files/UntrustedFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tesseron {

namespace {
constexpr qint64 MaxFileSize = qint64(64) << 20;
// What a decoded effect may take: ten minutes of stereo at the mixing rate.
constexpr qint64 MaxDecodedBytes = qint64(MixRate) * 4 * 600;

// A little-endian number of `bytes` bytes at `at`.
quint32 Le(const QByteArray& b, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uchar(b[at + i]);
    return v;
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

void ClampRiffChunks(QByteArray& bytes) {
    auto get = [&](qsizetype at) { return quint64(Le(bytes, at, 4)); };
    auto put = [&](qsizetype at, quint64 v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    const qsizetype n = bytes.size();
    if (n < 12 || !bytes.startsWith("RIFF")) return;
    if (get(4) > quint64(n - 8)) put(4, quint64(n - 8));
    for (qsizetype at = 12; at + 8 <= n;) {
        const quint64 size = get(at + 4);
        const quint64 room = quint64(n - at - 8);
        if (size > room) {
            put(at + 4, room);
            return;
        }
        at += 8 + qsizetype(size) + qsizetype(size & 1);  // chunks are padded to even lengths
    }
}

namespace {

// What the "fmt " chunk says, and where the samples are.
struct WaveLayout {
    int encoding = 0;  // 1 integer PCM, 3 IEEE float, anything else is left to SDL
    int channels = 0;
    qint64 rate = 0;
    int blockAlign = 0;
    int bits = 0;
    qsizetype dataAt = -1;
    qsizetype dataSize = 0;
};

// Chunk sizes must already be cut to the bytes present.
WaveLayout ReadLayout(const QByteArray& b) {
    WaveLayout w;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = qsizetype(Le(b, at + 4, 4));
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && !haveFormat) {
            haveFormat = true;
            w.encoding = int(Le(b, body, 2));
            w.channels = int(Le(b, body + 2, 2));
            w.rate = qint64(Le(b, body + 4, 4));
            w.blockAlign = int(Le(b, body + 12, 2));
            w.bits = int(Le(b, body + 14, 2));
            // The extensible form names its encoding in the first two bytes of a GUID
            // that otherwise is always the same.
            static const QByteArray tail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
            if (w.encoding == 0xFFFE)
                w.encoding = size >= 40 && b.mid(body + 26, 14) == tail ? int(Le(b, body + 24, 2)) : 0;
        } else if (id == "data" && w.dataAt < 0) {
            w.dataAt = body;
            w.dataSize = size;
        }
        at = body + size + (size & 1);  // chunks are padded to even lengths
    }
    if (!haveFormat)
        w.encoding = -1;
    return w;
}

// Plain integer and float samples in one or two channels, which is what sound
// editors write; SDL is not needed for them.
bool OwnDecoder(const WaveLayout& w) {
    const bool integer = w.encoding == 1 && (w.bits == 8 || w.bits == 16 || w.bits == 24 || w.bits == 32);
    const bool real = w.encoding == 3 && (w.bits == 32 || w.bits == 64);
    return (integer || real) && (w.channels == 1 || w.channels == 2) && w.blockAlign == w.channels * w.bits / 8 &&
           w.rate > 0 && w.rate <= 0x7FFFFFFF && w.dataAt >= 0;
}

qint16 Sample(const char* p, const WaveLayout& w) {
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
        if (std::isnan(v)) v = 0;
        return qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    switch (w.bits) {
    case 8: return qint16((int(u[0]) - 128) << 8);
    case 16: return qint16(u[0] | u[1] << 8);
    default: return qint16(u[w.bits / 8 - 2] | u[w.bits / 8 - 1] << 8);  // the top 16 bits
    }
}

bool DecodeOwn(const QByteArray& bytes, const WaveLayout& w, DecodedSound& sound, QString& error) {
    const qint64 frames = w.dataSize / w.blockAlign;
    if (frames == 0) {
        error = QStringLiteral("no sound in the file");
        return false;
    }
    if (frames * 2 * w.channels > MaxDecodedBytes) {
        error = QStringLiteral("too long");
        return false;
    }
    sound.channels = w.channels;
    sound.rate = int(w.rate);
    sound.samples.resize(size_t(frames * w.channels));
    const char* p = bytes.constData() + w.dataAt;
    const int step = w.bits / 8;
    for (size_t i = 0; i < sound.samples.size(); ++i, p += step) sound.samples[i] = Sample(p, w);
    return true;
}

}  // namespace

bool DecodeWave(QByteArray bytes, DecodedSound& sound, QString& error) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        error = "not a RIFF WAVE file";
        return false;
    }
    ClampRiffChunks(bytes);
    const WaveLayout layout = ReadLayout(bytes);
    if (layout.encoding < 0) {
        error = QStringLiteral("no format chunk");
        return false;
    }
    if (OwnDecoder(layout))
        return DecodeOwn(bytes, layout, sound, error);
    return DecodeWaveWithSdl(std::move(bytes), sound, error);
}

bool DecodeWaveWithSdl(QByteArray bytes, DecodedSound& sound, QString& error) {
    const SdlLibrary* sdl = SdlLibrary::Get(error);
    if (!sdl)
        return false;
    ClampRiffChunks(bytes);
    SDL_AudioSpec source{};
    Uint8* pcm = nullptr;
    Uint32 length = 0;
    SDL_RWops* stream = sdl->RWFromConstMem(bytes.constData(), int(bytes.size()));
    const bool loaded = stream && sdl->LoadWAV_RW(stream, 1, &source, &pcm, &length);
    if (!loaded) {
        error = sdl->Error();
        return false;
    }
    bytes = {};
    const int channels = source.channels == 1 ? 1 : 2;
    const int frameBytes = int(SDL_AUDIO_BITSIZE(source.format) / 8) * source.channels;
    const qint64 frames = frameBytes > 0 ? length / frameBytes : 0;
    if (frames == 0 || frames * 2 * channels > MaxDecodedBytes) {
        sdl->FreeWAV(pcm);
        error = frames == 0 ? QStringLiteral("no sound in the file") : QStringLiteral("too long");
        return false;
    }
    // Only the sample format and the channels change here: the mixer plays each
    // sound at its own rate.
    SDL_AudioStream* convert =
        sdl->NewAudioStream(source.format, source.channels, source.freq, AUDIO_S16SYS, Uint8(channels), source.freq);
    bool ok = convert && sdl->AudioStreamPut(convert, pcm, int(length)) == 0 && sdl->AudioStreamFlush(convert) == 0;
    sdl->FreeWAV(pcm);
    if (ok) {
        sound.channels = channels;
        sound.rate = source.freq;
        sound.samples.resize(size_t(sdl->AudioStreamAvailable(convert)) / 2);
        const int got = sdl->AudioStreamGet(convert, sound.samples.data(), int(sound.samples.size() * 2));
        ok = got >= 0;
        sound.samples.resize(ok ? size_t(got) / 2 : 0);
        sound.samples.shrink_to_fit();
    }
    if (!ok)
        error = sdl->Error();
    else if (sound.samples.empty())
        error = QStringLiteral("no sound in the file");
    if (convert)
        sdl->FreeAudioStream(convert);
    return ok && !sound.samples.empty();
}

}  // namespace tesseron
