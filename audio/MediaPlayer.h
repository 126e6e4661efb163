// A media player as the sound logic needs it, and the service that makes players.
// All calls are made on the user-interface thread and return at once.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace tesseron {

enum class DeviceKind { WaveAudio, MidiSequencer };

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    // Closes the player if it is open, then opens the file (a relative name is taken
    // from the working directory). On failure the player stays closed and `error`
    // says which file or device failed and why.
    virtual bool Open(DeviceKind kind, const QString& file, QString& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Starts or resumes playing and returns at once; a player at its end starts from
    // the beginning. `done` runs on the user-interface thread once, when this play
    // ends: at the end of the file, or cut off by SeekToStart or Close. Nothing when closed.
    virtual void Play(std::function<void()> done = {}) = 0;
    // Stops, keeping the position, so that Play goes on from there.
    virtual void Stop() = 0;
    virtual void SeekToStart() = 0;
    // True when the player is open and not playing; a closed player is not ready
    // and reports false.
    virtual bool Stopped() const = 0;
};

class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    virtual std::unique_ptr<MediaPlayer> CreatePlayer() = 0;
    // A short alert tone of the backend's own, on an output of its own: it never
    // stops, rewinds or plays any player.
    virtual void Alert() = 0;
};

}  // namespace tesseron
