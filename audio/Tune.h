// The tune: FluidSynth's synthesiser and MIDI player, a source of our mixer, which
// makes every call under its lock.
#pragma once

#include "audio/EffectMixer.h"

#include <QByteArray>
#include <QString>
#include <memory>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_midi_event_t;

namespace tesseron {

struct FluidLibrary;

// One line on standard error for each kind of problem with a tune (numbers aside),
// whichever thread meets it and however often.
void ReportTuneProblem(const QString& message);

class Tune : public EffectMixer::Source {
public:
    // Loads FluidSynth and the soundfonts ($SDL_SOUNDFONTS, else the system's General
    // MIDI bank) for `smf`, a standard MIDI file already made safe; nullptr with
    // `error` set when that fails.
    static std::unique_ptr<Tune> Make(QByteArray smf, int rate, QString& error);
    ~Tune() override;

    bool Start() override;
    bool Render(int16_t* stereo, int frames) override;
    void Silence() override;

private:
    Tune() = default;
    static int Event(void* self, _fluid_midi_event_t* event);

    const FluidLibrary* fluid_ = nullptr;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;  // made at each start
    QByteArray smf_;
    int notesLeft_ = 0;  // notes the player may still start in this buffer
    std::vector<float> scratch_;
};

}  // namespace tesseron
