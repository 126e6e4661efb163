// The sound service's keys of the settings file: the two switches and the six files.
#pragma once

#include "audio/Audio.h"
#include "storage/Settings.h"

namespace tesseron {

inline void ApplySoundSettings(Audio& audio, const storage::Settings& s) {
    audio.Music = s.Music;
    audio.SetFile(MusicPlayer, s.MisicFile);
    audio.Sound = s.Sounds;
    const QString* effects[] = {&s.SndShootFile, &s.SndExplodeFile, &s.SndClickFile, &s.SndApplauseFile, &s.SndOverFile};
    for (int player = S1; player <= S5; ++player) audio.SetFile(player, *effects[player - S1]);
}

inline void CollectSoundSettings(const Audio& audio, storage::Settings& s) {
    s.Music = audio.Music;
    s.MisicFile = audio.File(MusicPlayer);
    s.Sounds = audio.Sound;
    QString* effects[] = {&s.SndShootFile, &s.SndExplodeFile, &s.SndClickFile, &s.SndApplauseFile, &s.SndOverFile};
    for (int player = S1; player <= S5; ++player) *effects[player - S1] = audio.File(player);
}

}  // namespace tesseron
