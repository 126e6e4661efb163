#include "audio/Audio.h"

#include <cstdio>

namespace tesseron {

namespace {
bool IsEffect(int player) { return player >= S1 && player <= S5; }
bool IsPlayer(int player) { return player >= S1 && player <= MusicPlayer; }
}  // namespace

Audio::Audio(std::unique_ptr<MediaBackend> backend)
    : backend_(std::move(backend)), files_{QStringLiteral("1.snd"), QStringLiteral("2.snd"), QStringLiteral("3.snd"),
                                           QStringLiteral("4.snd"), QStringLiteral("5.snd"), QStringLiteral("Music.mid")} {
    for (auto& p : players_) p = backend_->CreatePlayer();
}

void Audio::SetFile(int player, const QString& file) {
    if (IsPlayer(player)) files_[size_t(player - 1)] = file;
}

QString Audio::File(int player) const { return IsPlayer(player) ? files_[size_t(player - 1)] : QString(); }

void Audio::OpenPlayer(int player) {
    QString error;
    const DeviceKind kind = player == MusicPlayer ? DeviceKind::MidiSequencer : DeviceKind::WaveAudio;
    if (Player(player).Open(kind, File(player), error)) return;
    // The game goes on silently; one line tells the player's terminal why.
    if (!reported_.contains(error)) {
        reported_.insert(error);
        std::fprintf(stderr, "tesseron: sound off: %s\n", qUtf8Printable(error));
    }
}

void Audio::StopEffects() {
    for (int p = S1; p <= S5; ++p) Player(p).Stop();
}

void Audio::PlayEffect(Effect effect) {
    const int player = int(effect);
    if (!Sound || !IsEffect(player)) return;
    StopEffects();
    Player(player).SeekToStart();
    Player(player).Play();
}

void Audio::ResumeEffect(Effect effect) {
    const int player = int(effect);
    if (!Sound || !IsEffect(player)) return;
    StopEffects();
    Player(player).Play();
}

void Audio::Beep() { backend_->Alert(); }

void Audio::PlayMusic() {
    Player(MusicPlayer).Play([this] { MusicNotify(); });
}

void Audio::StartAudio() {
    if (Music) {
        OpenPlayer(MusicPlayer);
        PlayMusic();
    }
    for (int p = S1; p <= S5; ++p) OpenPlayer(p);
}

void Audio::MusicNotify() {
    // A tune still playing, or a player that is not open, is left alone; one that
    // played once with the music off lets its synthesiser go.
    if (!Player(MusicPlayer).Stopped()) return;
    if (!Music) {
        Player(MusicPlayer).Close();
        return;
    }
    Player(MusicPlayer).SeekToStart();
    PlayMusic();
}

void Audio::ToggleSounds(const std::function<void()>& redraw) {
    Sound = !Sound;
    if (redraw) redraw();
    StopEffects();
    // Reopening picks up changed file names but cuts off what is playing, so the
    // click comes after it and is heard both ways.
    if (Sound)
        for (int p = S1; p <= S5; ++p) OpenPlayer(p);
    Player(S3).Play();
}

void Audio::ToggleMusic(const std::function<void()>& redraw) {
    Music = !Music;
    if (redraw) redraw();
    ResumeEffect(Effect::Click);
    if (Music) {
        OpenPlayer(MusicPlayer);
        PlayMusic();
    } else {
        Player(MusicPlayer).Close();  // nothing of the tune stays while the music is off
    }
}

void Audio::MusFile1Click(const std::function<std::optional<QString>()>& chooseFile) {
    MediaPlayer& music = Player(MusicPlayer);
    if (music.IsOpen()) {
        music.Stop();
        music.Close();
    }
    if (const std::optional<QString> chosen = chooseFile ? chooseFile() : std::nullopt) SetFile(MusicPlayer, *chosen);
    OpenPlayer(MusicPlayer);
    PlayMusic();
}

}  // namespace tesseron
