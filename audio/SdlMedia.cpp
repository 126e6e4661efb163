#include "audio/SdlMedia.h"

#include "audio/WaveFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <SDL.h>
#include <SDL_mixer.h>
#include <atomic>
#include <cmath>
#include <cstdint>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <vector>

namespace tesseron {

namespace {

constexpr qint64 MaxFileSize = qint64(64) << 20;
constexpr int Rate = 44100;
constexpr int ChunkFrames = 1024;  // about 23 ms of latency
constexpr int AlertChannel = 0;    // players get the channels after it

const char* const DefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
const char* const FallbackSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The end of a play, seen on the user-interface thread. `generation` tells a late
// notice of an earlier play from the current one.
class Notice {
public:
    std::function<void()> done;
    quint64 generation = 0;

    void Arm(std::function<void()> f) {
        ++generation;
        done = std::move(f);
    }
    void Finished(quint64 g) {
        if (g != generation || !done)
            return;
        auto f = std::move(done);
        done = nullptr;
        f();
    }
};

// Slot 0 is the music stream, slot c + 1 mixer channel c. The hooks read only the
// atomics; the notices themselves are touched on the user-interface thread alone.
constexpr int MaxChannels = 32;
std::atomic<quint64> hookGeneration[MaxChannels + 1];
std::atomic<QObject*> dispatcher{nullptr};
Notice* notices[MaxChannels + 1];

void Listen(int slot, Notice* n) {
    notices[slot] = n;
    if (n)
        hookGeneration[slot].store(n->generation);
}

void Unlisten(int slot, Notice* n) {
    if (notices[slot] == n)
        notices[slot] = nullptr;
}

void Post(int slot) {
    QObject* d = dispatcher.load();
    if (!d)
        return;
    const quint64 g = hookGeneration[slot].load();
    QMetaObject::invokeMethod(
        d,
        [slot, g] {
            if (Notice* n = notices[slot])
                n->Finished(g);
        },
        Qt::QueuedConnection);
}

// The hooks run on the audio thread: they post and call nothing of the mixer.
void ChannelFinished(int channel) {
    if (channel >= 0 && channel < MaxChannels)
        Post(channel + 1);
}
void MusicFinished() { Post(0); }

// Loading leaves large freed buffers in the heap; hand them back so that idle
// effects cost little more than their samples.
void GiveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QString SdlError() { return QString::fromUtf8(SDL_GetError()); }

// The file's bytes, refusing anything but a regular file of sane size so that a
// FIFO or a device never blocks the game.
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
    bytes = f.read(MaxFileSize + 1);
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

// A RIFF chunk may claim up to 4 GiB whatever the file holds, and the decoder
// reserves what is claimed before reading: cut every claim to the bytes present.
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

// Two short soft-edged tones, high then lower: an alert that is ours.
QByteArray AlertWave() {
    const int rate = 22050;
    std::vector<int16_t> s;
    const double notes[] = {1318.5, 987.8};
    for (double f : notes) {
        const int n = rate * 70 / 1000;
        for (int i = 0; i < n; ++i) {
            const double t = double(i) / rate;
            const double env = std::min(1.0, i / 200.0) * std::min(1.0, (n - i) / 400.0);
            s.push_back(int16_t(9000 * env * std::sin(2 * M_PI * f * t)));
        }
    }
    return WaveFile(s, rate);
}

// The one audio device of the process, shared by the backend and its players.
class Device {
public:
    static std::shared_ptr<Device> Acquire() {
        static std::weak_ptr<Device> current;
        auto d = current.lock();
        if (!d) {
            d = std::shared_ptr<Device>(new Device);
            current = d;
        }
        return d;
    }

    ~Device() {
        if (state_ != State::Open)
            return;
        Mix_HookMusicFinished(nullptr);
        Mix_ChannelFinished(nullptr);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        if (alert_)
            Mix_FreeChunk(alert_);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        dispatcher.store(nullptr);
        delete dispatcher_;
    }

    bool Ensure(QString& error) {
        if (state_ == State::Open)
            return true;
        if (state_ == State::Closed) {
            // The soundfont is only named here; FluidSynth reads it when a tune is loaded.
            Mix_SetSoundFonts(SoundFonts().toLocal8Bit().constData());
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
                error_ = "audio device: " + SdlError();
            } else if (Mix_OpenAudio(Rate, AUDIO_S16SYS, 2, ChunkFrames) != 0) {
                error_ = "audio device: " + SdlError();
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            } else {
                state_ = State::Open;
                Mix_AllocateChannels(MaxChannels);
                dispatcher_ = new QObject;
                dispatcher.store(dispatcher_);
                Mix_ChannelFinished(&ChannelFinished);
                Mix_HookMusicFinished(&MusicFinished);
                return true;
            }
            state_ = State::Failed;
        }
        error = error_;
        return false;
    }

    // A mixer channel of its own, or -1 when all are taken.
    int NewChannel() { return nextChannel_ < MaxChannels ? nextChannel_++ : -1; }

    void Alert() {
        QString ignored;
        if (!Ensure(ignored))
            return;
        if (!alert_) {
            const QByteArray wave = AlertWave();
            alert_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1);
        }
        if (alert_)
            Mix_PlayChannel(AlertChannel, alert_, 0);
    }

private:
    enum class State { Closed, Open, Failed };
    Device() = default;
    State state_ = State::Closed;
    QString error_;
    int nextChannel_ = AlertChannel + 1;
    Mix_Chunk* alert_ = nullptr;
    QObject* dispatcher_ = nullptr;  // receives the hooks' notices on our thread
};

class WavePlayer : public MediaPlayer {
public:
    explicit WavePlayer(std::shared_ptr<Device> d) : device_(std::move(d)), channel_(device_->NewChannel()) {}
    ~WavePlayer() override { Close(); }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        QByteArray bytes;
        if (!device_->Ensure(error) || !ReadMediaFile(file, bytes, error))
            return false;
        if (channel_ < 0) {
            error = file + ": no free mixer channel";
            return false;
        }
        ClampRiffChunks(bytes);
        // Closed here: the mixer leaks the stream on some refusals when asked to close it.
        SDL_RWops* stream = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
        Mix_Chunk* loaded = stream ? Mix_LoadWAV_RW(stream, 0) : nullptr;
        if (stream) SDL_RWclose(stream);
        if (!loaded) {
            error = file + ": " + SdlError();
            return false;
        }
        // The mixer keeps its whole conversion buffer, several times the sound; keep
        // just the converted samples.
        pcm_.assign(loaded->abuf, loaded->abuf + loaded->alen);
        Mix_FreeChunk(loaded);
        bytes.clear();
        GiveBackFreedMemory();
        chunk_ = Mix_QuickLoad_RAW(pcm_.data(), Uint32(pcm_.size()));
        if (!chunk_) {
            error = file + ": " + SdlError();
            pcm_ = {};
            return false;
        }
        return true;
    }
    void Close() override {
        if (!chunk_)
            return;
        Mix_HaltChannel(channel_);
        Unlisten(channel_ + 1, &notice_);
        Mix_FreeChunk(chunk_);  // leaves pcm_ to us
        chunk_ = nullptr;
        pcm_ = {};
    }
    bool IsOpen() const override { return chunk_ != nullptr; }

    void Play(std::function<void()> done) override {
        if (!chunk_)
            return;
        notice_.Arm(std::move(done));
        Listen(channel_ + 1, &notice_);
        if (!Mix_Playing(channel_))
            Mix_PlayChannel(channel_, chunk_, 0);  // idle, rewound or at its end: from the start
        else if (Mix_Paused(channel_))
            Mix_Resume(channel_);
    }
    void Stop() override {
        if (chunk_ && Mix_Playing(channel_))
            Mix_Pause(channel_);
    }
    void SeekToStart() override {
        if (chunk_)
            Mix_HaltChannel(channel_);
    }
    bool Stopped() const override { return chunk_ && (!Mix_Playing(channel_) || Mix_Paused(channel_)); }

private:
    std::shared_ptr<Device> device_;
    const int channel_;
    Mix_Chunk* chunk_ = nullptr;
    std::vector<Uint8> pcm_;  // the samples chunk_ plays, in the device's format
    Notice notice_;
};

class MidiPlayer : public MediaPlayer {
public:
    explicit MidiPlayer(std::shared_ptr<Device> d) : device_(std::move(d)) {}
    ~MidiPlayer() override { Close(); }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        if (!device_->Ensure(error) || !ReadMediaFile(file, bytes_, error))
            return false;
        // Without a bank FluidSynth would complain on its own and the mixer would try
        // other synthesisers; one clear line is better.
        bool haveFont = false;
        const QString fonts = SoundFonts();
        for (const QString& f : fonts.split(':', Qt::SkipEmptyParts))
            haveFont = haveFont || (QFileInfo(f).isFile() && QFileInfo(f).isReadable());
        if (!haveFont) {
            error = file + ": no MIDI soundfont at " + fonts;
            bytes_.clear();
            return false;
        }
        music_ = Mix_LoadMUSType_RW(SDL_RWFromConstMem(bytes_.constData(), int(bytes_.size())), MUS_MID, 1);
        if (!music_) {
            error = file + ": " + SdlError();
            bytes_.clear();
            return false;
        }
        return true;
    }
    void Close() override {
        if (!music_)
            return;
        Unlisten(0, &notice_);
        if (mine_)
            Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
        mine_ = false;
        bytes_.clear();  // the mixer read from it until now
    }
    bool IsOpen() const override { return music_ != nullptr; }

    void Play(std::function<void()> done) override {
        if (!music_)
            return;
        notice_.Arm(std::move(done));
        Listen(0, &notice_);
        if (!mine_ || !Mix_PlayingMusic()) {
            mine_ = Mix_PlayMusic(music_, 0) == 0;
            Mix_ResumeMusic();
        } else if (Mix_PausedMusic()) {
            Mix_ResumeMusic();
        }
    }
    void Stop() override {
        if (music_ && mine_ && Mix_PlayingMusic())
            Mix_PauseMusic();
    }
    void SeekToStart() override {
        if (music_ && mine_) {
            Mix_HaltMusic();
            mine_ = false;
        }
    }
    bool Stopped() const override {
        return music_ && (!mine_ || !Mix_PlayingMusic() || Mix_PausedMusic());
    }

private:
    std::shared_ptr<Device> device_;
    QByteArray bytes_;
    Mix_Music* music_ = nullptr;
    bool mine_ = false;  // the mixer's music stream was started by this player
    Notice notice_;
};

class SdlBackend : public MediaBackend {
public:
    std::unique_ptr<MediaPlayer> CreatePlayer() override { return std::make_unique<Player>(device_); }
    void Alert() override { device_->Alert(); }

private:
    // Picks the channel or the music stream at Open, by device kind.
    class Player : public MediaPlayer {
    public:
        explicit Player(std::shared_ptr<Device> d) : wave_(d), midi_(d) {}
        bool Open(DeviceKind kind, const QString& file, QString& error) override {
            Close();
            active_ = kind == DeviceKind::MidiSequencer ? static_cast<MediaPlayer*>(&midi_) : &wave_;
            return active_->Open(kind, file, error);
        }
        void Close() override { active_->Close(); }
        bool IsOpen() const override { return active_->IsOpen(); }
        void Play(std::function<void()> done) override { active_->Play(std::move(done)); }
        void Stop() override { active_->Stop(); }
        void SeekToStart() override { active_->SeekToStart(); }
        bool Stopped() const override { return active_->Stopped(); }

    private:
        WavePlayer wave_;
        MidiPlayer midi_;
        MediaPlayer* active_ = &wave_;
    };

    std::shared_ptr<Device> device_ = Device::Acquire();
};

}  // namespace

QString SoundFonts() {
    const QString env = qEnvironmentVariable("SDL_SOUNDFONTS");
    if (!env.isEmpty())
        return env;
    return QFileInfo::exists(DefaultSoundFont) ? QString(DefaultSoundFont) : QString(FallbackSoundFont);
}

std::unique_ptr<MediaBackend> CreateSdlBackend() { return std::make_unique<SdlBackend>(); }

}  // namespace tesseron
