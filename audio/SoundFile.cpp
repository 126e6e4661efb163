#include "audio/SoundFile.h"

#include <QFile>
#include <QFileInfo>
#include <SDL.h>

namespace tesseron {

namespace {
constexpr qint64 MaxFileSize = qint64(64) << 20;
// What a decoded effect may take: ten minutes of stereo at the mixing rate.
constexpr qint64 MaxDecodedBytes = qint64(MixRate) * 4 * 600;
}  // namespace

bool ReadMediaFile(const QString& file, QByteArray& bytes, QString& error) {
    const QFileInfo info(file);
    if (file.isEmpty()) {
        error = "no file name given";
        return false;
    }
    if (!info.exists()) {
        error = file + ": no such file";
        return false;
    }
    if (!info.isFile()) {
        error = file + ": not a regular file";
        return false;
    }
    if (info.size() > MaxFileSize) {
        error = file + ": larger than 64 MiB";
        return false;
    }
    QFile f(info.absoluteFilePath());
    if (!f.open(QIODevice::ReadOnly)) {
        error = file + ": " + f.errorString();
        return false;
    }
    // Asking for the cap itself would reserve all of it first.
    bytes = f.read(qMin(info.size(), MaxFileSize) + 1);
    if (bytes.size() > MaxFileSize) {
        error = file + ": larger than 64 MiB";
        return false;
    }
    if (bytes.isEmpty()) {
        error = file + ": empty file";
        return false;
    }
    return true;
}

void ClampRiffChunks(QByteArray& bytes) {
    auto get = [&](qsizetype at) {
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + at);
        return quint64(p[0]) | quint64(p[1]) << 8 | quint64(p[2]) << 16 | quint64(p[3]) << 24;
    };
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

bool DecodeWave(QByteArray bytes, DecodedSound& sound, QString& error) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        error = "not a RIFF WAVE file";
        return false;
    }
    ClampRiffChunks(bytes);
    SDL_AudioSpec source{};
    Uint8* pcm = nullptr;
    Uint32 length = 0;
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    const bool loaded = stream && SDL_LoadWAV_RW(stream, 1, &source, &pcm, &length);
    if (!loaded) {
        error = QString::fromUtf8(SDL_GetError());
        return false;
    }
    bytes = {};
    const int channels = source.channels == 1 ? 1 : 2;
    const int frameBytes = int(SDL_AUDIO_BITSIZE(source.format) / 8) * source.channels;
    const qint64 frames = frameBytes > 0 ? length / frameBytes : 0;
    if (frames == 0 || frames * 2 * channels > MaxDecodedBytes) {
        SDL_FreeWAV(pcm);
        error = frames == 0 ? QStringLiteral("no sound in the file") : QStringLiteral("too long");
        return false;
    }
    // Only the sample format and the channels change here: the mixer plays each
    // sound at its own rate.
    SDL_AudioStream* convert = SDL_NewAudioStream(source.format, source.channels, source.freq, AUDIO_S16SYS, Uint8(channels), source.freq);
    bool ok = convert && SDL_AudioStreamPut(convert, pcm, int(length)) == 0 && SDL_AudioStreamFlush(convert) == 0;
    SDL_FreeWAV(pcm);
    if (ok) {
        sound.channels = channels;
        sound.rate = source.freq;
        sound.samples.resize(size_t(SDL_AudioStreamAvailable(convert)) / 2);
        const int got = SDL_AudioStreamGet(convert, sound.samples.data(), int(sound.samples.size() * 2));
        ok = got >= 0;
        sound.samples.resize(ok ? size_t(got) / 2 : 0);
        sound.samples.shrink_to_fit();
    }
    if (!ok)
        error = QString::fromUtf8(SDL_GetError());
    else if (sound.samples.empty())
        error = QStringLiteral("no sound in the file");
    if (convert)
        SDL_FreeAudioStream(convert);
    return ok && !sound.samples.empty();
}

}  // namespace tesseron
