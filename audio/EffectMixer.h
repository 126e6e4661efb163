// Our own mixer: a channel per sound, each of which plays, stops where it stands
// and goes on from there, or rewinds. It adds its channels into a stream of signed
// 16-bit stereo frames and knows nothing of devices. A wave sound keeps its own
// rate and is interpolated as it plays, which costs less at start-up than
// converting it; the tune is a Source that renders itself. MixInto runs on the
// audio thread, the rest on any other.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace tesseron {

class EffectMixer {
public:
    // Called once for each play of a channel that ends: at the end of its sound, or
    // cut off by Load, Rewind or Unload. It runs on the thread that ended the play
    // with the mixer locked, so it must not call the mixer.
    using EndHook = std::function<void(int channel)>;

    // A sound made as it plays. The mixer calls it under its lock only.
    class Source {
    public:
        virtual ~Source() = default;
        // From the beginning; false when it cannot play.
        virtual bool Start() = 0;
        // Adds the next `frames` stereo frames; true once its end has played.
        virtual bool Render(int16_t* stereo, int frames) = 0;
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
    // Back to the beginning, not playing.
    void Rewind(int channel);

    State Now(int channel) const;
    bool AnySounding() const;

    // Adds the sounding channels into `frames` stereo frames, clipping at full scale.
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
    // Ends the play of channel `n`, if one is going on; the lock is held.
    void End(size_t n);
    // Ends the play of `channel`, silences its source and empties it; the lock is held.
    Channel& Clear(int channel, std::vector<int16_t>& old);

    const int rate_;
    mutable std::mutex lock_;
    std::vector<Channel> channels_;
};

}  // namespace tesseron
