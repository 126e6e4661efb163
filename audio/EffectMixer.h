// Our own mixer: a channel per sound, each of which plays, stops where it stands
// and goes on from there, or rewinds. It adds its channels into 32 bits and clips
// the sum once into a stream of signed 16-bit stereo frames; it knows nothing of
// devices. A wave sound keeps its own rate and is interpolated as it plays, which
// costs less at start-up than converting it; the tune is a Source that renders
// itself. MixInto runs on the audio thread, the rest on one other thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace tesseron {

class EffectMixer {
public:
    // Called once for each play of a channel that ends: at the end of its sound, or
    // cut off by Load, Rewind or Unload. It runs on the thread that ended the play,
    // after the mixer has let go of its lock, and must not call the mixer.
    using EndHook = std::function<void(int channel)>;

    // A sound made as it plays. The mixer calls it from one thread at a time, and
    // never while a wave channel waits: a click does not wait for a render.
    class Source {
    public:
        virtual ~Source() = default;
        // From the beginning; false when it cannot play.
        virtual bool Start() = 0;
        // Adds the next `frames` stereo frames; true once its end has played.
        virtual bool Render(int32_t* stereo, int frames) = 0;
        // Rewound or let go: what still sounds stops.
        virtual void Silence() = 0;
    };

    // Empty: nothing loaded. Stopped: between a play and its end, keeping its place.
    enum class State { Empty, Idle, Sounding, Stopped };

    // `rate`: the stream's frames per second.
    explicit EffectMixer(int rate) : rate_(rate) {}

    // A new, empty channel; its number counts from 0.
    int AddChannel(EndHook ended = {});
    // Replaces the channel's sound: frames of `channels` (1 or 2) interleaved samples
    // at `rate` frames per second, or a source, which must stay until it is replaced.
    void Load(int channel, std::vector<int16_t> samples, int channels, int rate);
    void Load(int channel, Source* source);
    void Unload(int channel) { Load(channel, nullptr); }

    // Goes on from a stop; an idle channel starts from the beginning.
    void Play(int channel);
    // Stops, keeping the place.
    void Stop(int channel);
    // Back to the beginning, not playing; a source is silenced.
    void Rewind(int channel);

    State Now(int channel) const;
    bool AnySounding() const;

    // Adds the sounding channels to `frames` stereo frames, clipping the sum at full scale.
    void MixInto(int16_t* stereo, int frames);

private:
    struct Channel {
        std::vector<int16_t> samples;
        Source* source = nullptr;
        EndHook ended;
        int channels = 1;
        uint64_t step = uint64_t(1) << 32;  // sound frames per stream frame, 32.32 fixed point
        uint64_t place = 0;                 // where the next stream frame samples the sound, 32.32
        State state = State::Idle;          // never Empty: that is told by what it holds
        size_t Frames() const { return samples.size() / size_t(channels); }
        // Side `side` at the current place, by cubic interpolation between frames.
        int Sample(int side) const;
    };
    static constexpr int Block = 1024;  // frames mixed at a time

    // Ends the play of channel `n`, if one is going on, and notes it in `ended`; lock_ is held.
    void End(size_t n, std::vector<size_t>& ended);
    // Runs the hooks of the channels in `ended`; no lock of the mixer is held.
    void Tell(const std::vector<size_t>& ended) const;
    // Ends the play of `channel`, silences its source and empties it; both locks are held.
    Channel& Clear(int channel, std::vector<int16_t>& old, std::vector<size_t>& ended);
    // Locks the state, and first the render when `channel` holds a source, whose calls must
    // not overlap its render. Wave channels wait only for a few microseconds of mixing.
    std::unique_lock<std::mutex> LockFor(int channel, std::unique_lock<std::mutex>& render);
    void MixBlock(int16_t* stereo, int frames);

    const int rate_;
    // renderLock_ is held while sources render and while they are started, silenced or
    // replaced; lock_ guards the channels' states. renderLock_ is always taken first.
    std::mutex renderLock_;
    mutable std::mutex lock_;
    std::vector<Channel> channels_;  // grows under both locks
    // The audio thread's own, sized with the channels so that mixing never allocates.
    std::array<int32_t, 2 * Block> mix_{};
    std::vector<size_t> sources_, finished_, ended_;
};

}  // namespace tesseron
