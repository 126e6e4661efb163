// The game's five effects and its tune: the two switches, the six players and the
// ways of playing them. Written against MediaBackend, so tests can record it.
#pragma once

#include "audio/MediaPlayer.h"
#include "audio/Sounds.h"

#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace tesseron {

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
    // Creates the six players, closed, in the order S1..S5, MusicPlayer.
    explicit Audio(std::unique_ptr<MediaBackend> backend);
    ~Audio() override;

    // The switches; both off until the configuration has been read.
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
    std::array<std::unique_ptr<MediaPlayer>, 6> players_;
    std::array<QString, 6> files_;
    QSet<QString> reported_;  // each failure goes to standard error once
};

}  // namespace tesseron
