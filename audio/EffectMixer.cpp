#include "audio/EffectMixer.h"

#include <algorithm>

namespace tesseron {

int EffectMixer::AddChannel() {
    std::lock_guard hold(lock_);
    channels_.emplace_back();
    return int(channels_.size()) - 1;
}

bool EffectMixer::End(Channel& c) {
    const bool started = c.state != State::Idle;
    c.state = State::Idle;
    c.frame = 0;
    return started;
}

void EffectMixer::Ended(const std::vector<int>& channels) const {
    if (ended_)
        for (int c : channels) ended_(c);
}

void EffectMixer::Load(int channel, std::vector<int16_t> samples, int channels) {
    bool cut = false;
    {
        std::lock_guard hold(lock_);
        Channel& c = channels_.at(size_t(channel));
        cut = End(c);
        c.channels = channels == 2 ? 2 : 1;
        c.samples = std::move(samples);
        c.samples.resize(c.Frames() * size_t(c.channels));  // whole frames only
    }
    if (cut) Ended({channel});
}

void EffectMixer::Unload(int channel) {
    std::vector<int16_t> gone;  // freed outside the lock
    bool cut = false;
    {
        std::lock_guard hold(lock_);
        Channel& c = channels_.at(size_t(channel));
        cut = End(c);
        gone.swap(c.samples);
    }
    if (cut) Ended({channel});
}

void EffectMixer::Play(int channel) {
    std::lock_guard hold(lock_);
    Channel& c = channels_.at(size_t(channel));
    if (c.samples.empty())
        return;
    if (c.state == State::Idle)
        c.frame = 0;
    c.state = State::Sounding;
}

void EffectMixer::Stop(int channel) {
    std::lock_guard hold(lock_);
    Channel& c = channels_.at(size_t(channel));
    if (c.state == State::Sounding)
        c.state = State::Stopped;
}

void EffectMixer::Rewind(int channel) {
    bool cut = false;
    {
        std::lock_guard hold(lock_);
        cut = End(channels_.at(size_t(channel)));
    }
    if (cut) Ended({channel});
}

bool EffectMixer::Loaded(int channel) const {
    std::lock_guard hold(lock_);
    return !channels_.at(size_t(channel)).samples.empty();
}

bool EffectMixer::Sounding(int channel) const {
    std::lock_guard hold(lock_);
    return channels_.at(size_t(channel)).state == State::Sounding;
}

bool EffectMixer::Started(int channel) const {
    std::lock_guard hold(lock_);
    return channels_.at(size_t(channel)).state != State::Idle;
}

bool EffectMixer::AnySounding() const {
    std::lock_guard hold(lock_);
    return std::any_of(channels_.begin(), channels_.end(), [](const Channel& c) { return c.state == State::Sounding; });
}

void EffectMixer::MixInto(int16_t* stereo, int frames) {
    std::vector<int> finished;
    {
        std::lock_guard hold(lock_);
        for (size_t n = 0; n < channels_.size(); ++n) {
            Channel& c = channels_[n];
            if (c.state != State::Sounding)
                continue;
            const size_t count = std::min(size_t(frames), c.Frames() - c.frame);
            const int16_t* in = c.samples.data() + c.frame * size_t(c.channels);
            for (size_t f = 0; f < count; ++f) {
                const int left = in[f * size_t(c.channels)];
                const int right = in[f * size_t(c.channels) + size_t(c.channels) - 1];
                int16_t* out = stereo + 2 * f;
                out[0] = int16_t(std::clamp(out[0] + left, -32768, 32767));
                out[1] = int16_t(std::clamp(out[1] + right, -32768, 32767));
            }
            c.frame += count;
            if (c.frame >= c.Frames()) {
                End(c);
                finished.push_back(int(n));
            }
        }
    }
    Ended(finished);
}

}  // namespace tesseron
