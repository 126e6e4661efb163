// The game's five effects and its tune: the two switches, the six players and the
// ways of playing them. Written against MediaBackend, a service of media players,
// so tests can record it. All calls are made on the user-interface thread and
// return at once.
#pragma once

#include "audio/Sounds.h"

#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

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

// A service of media players, which must outlive them.
class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    virtual std::unique_ptr<MediaPlayer> CreatePlayer() = 0;
    // A short alert tone of the backend's own, on a channel of its own: it never
    // stops, rewinds or plays any player.
    virtual void Alert() = 0;
};

// Player numbers: the five effect players by their effects' numbers, then the tune.
enum AudioPlayer : int {
    S1 = int(Effect::Shoot),
    S2 = int(Effect::Explode),
    S3 = int(Effect::Click),
    S4 = int(Effect::Applause),
    S5 = int(Effect::GameOver),
    MusicPlayer
};

class Audio : public Sounds {
public:
    explicit Audio(std::unique_ptr<MediaBackend> backend);

    // Both off until the configuration has been read.
    bool Sound = false;
    bool Music = false;

    // File of player 1..6; a relative name is resolved when the player is opened.
    // Defaults "1.snd".."5.snd" and "Music.mid".
    void SetFile(int player, const QString& file);
    QString File(int player) const;

    void PlayEffect(Effect effect) override;
    void ResumeEffect(Effect effect) override;
    void Beep() override;

    // The last step of reading the configuration: plays the tune if Music is on,
    // then opens the five effects whatever Sound says.
    void StartAudio();
    // The tune's completion notice: plays it again while Music is on.
    void MusicNotify();
    // The options window's switches; `redraw` runs right after the switch flips.
    void ToggleSounds(const std::function<void()>& redraw = {});
    void ToggleMusic(const std::function<void()>& redraw = {});
    // The music-file icon. The tune is stopped and closed before `chooseFile` runs;
    // it shows the dialog and returns the chosen full path, or nothing when cancelled.
    void MusFile1Click(const std::function<std::optional<QString>()>& chooseFile);

private:
    void OpenPlayer(int player);
    void PlayMusic();
    void StopEffects();
    MediaPlayer& Player(int player) { return *players_[size_t(player - 1)]; }

    std::unique_ptr<MediaBackend> backend_;
    std::array<std::unique_ptr<MediaPlayer>, 6> players_;  // after the backend, so they go first
    std::array<QString, 6> files_;
    QSet<QString> reported_;  // each failure goes to standard error once
};

}  // namespace tesseron
