// The tune: FluidSynth's synthesiser and MIDI player, rendered into the output's
// mix by the audio thread. Made and driven on the user-interface thread; every
// call waits at most for the render of one buffer.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_midi_event_t;

namespace tesseron {

struct FluidLibrary;

// One line on standard error for each kind of problem with a tune (numbers aside),
// whichever thread meets it and however often.
void ReportTuneProblem(const QString& message);

class Tune {
public:
    enum class State { Idle, Playing, Paused, Ended };

    // Loads FluidSynth and the soundfonts of SoundFonts() for `smf`, a standard MIDI
    // file already made safe; nullptr with `error` set when that fails.
    static std::unique_ptr<Tune> Make(QByteArray smf, int rate, QString& error);
    ~Tune();

    State Now() const;
    // Between a play and its end, paused or not.
    bool Started() const;
    // From the beginning when idle or ended, else on from the pause.
    void Play();
    void Pause();
    // Back to the beginning, not playing; notes still sounding are released. Says
    // whether a play was cut off.
    bool Rewind();

    // Adds the next `frames` stereo frames; true when the tune's last event played in them.
    bool RenderInto(int16_t* stereo, int frames);

private:
    Tune() = default;
    static int Event(void* self, _fluid_midi_event_t* event);

    const FluidLibrary* fluid_ = nullptr;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    QByteArray smf_;
    mutable std::mutex lock_;
    State state_ = State::Idle;
    int notesLeft_ = 0;  // notes the player may still start in this buffer
    std::vector<float> scratch_;
};

}  // namespace tesseron
