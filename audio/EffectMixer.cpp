#include "audio/EffectMixer.h"

#include <algorithm>
#include <cmath>

namespace tesseron {

int EffectMixer::AddChannel(EndHook ended) {
    std::lock_guard render(renderLock_);
    std::lock_guard hold(lock_);
    channels_.emplace_back().ended = std::move(ended);
    for (auto* list : {&sources_, &finished_, &ended_}) list->reserve(channels_.size());
    return int(channels_.size()) - 1;
}

void EffectMixer::End(size_t n, std::vector<size_t>& ended) {
    Channel& c = channels_.at(n);
    const bool started = c.state != State::Idle;
    c.state = State::Idle;
    c.place = 0;
    if (started && c.ended) ended.push_back(n);
}

void EffectMixer::Tell(const std::vector<size_t>& ended) const {
    // The hooks never change once added, and channels are added only under renderLock_.
    for (size_t n : ended) channels_[n].ended(int(n));
}

int EffectMixer::Channel::Sample(int side) const {
    const size_t frames = Frames();
    const size_t at = size_t(place >> 32);
    auto get = [&](size_t f) {
        f = std::min(f, frames - 1);
        return double(samples[f * size_t(channels) + size_t(side % channels)]);
    };
    const double t = double(place & 0xFFFFFFFFu) / 4294967296.0;
    if (t == 0) return int(get(at));
    // Catmull-Rom through the two frames either side.
    const double p0 = at > 0 ? get(at - 1) : get(at), p1 = get(at), p2 = get(at + 1), p3 = get(at + 2);
    const double v = p1 + 0.5 * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
    return int(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

std::unique_lock<std::mutex> EffectMixer::LockFor(int channel, std::unique_lock<std::mutex>& render) {
    std::unique_lock hold(lock_);
    if (channels_.at(size_t(channel)).source && !render.owns_lock()) {
        hold.unlock();  // the order is renderLock_, then lock_
        render = std::unique_lock(renderLock_);
        hold.lock();
    }
    return hold;
}

EffectMixer::Channel& EffectMixer::Clear(int channel, std::vector<int16_t>& old, std::vector<size_t>& ended) {
    End(size_t(channel), ended);
    Channel& c = channels_[size_t(channel)];
    if (c.source) c.source->Silence();
    c.source = nullptr;
    old.swap(c.samples);  // freed by the caller, outside the lock
    return c;
}

void EffectMixer::Load(int channel, std::vector<int16_t> samples, int channels, int rate) {
    std::vector<size_t> ended;
    {
        std::unique_lock render(renderLock_);
        std::lock_guard hold(lock_);
        Channel& c = Clear(channel, samples, ended);  // the new sound in, the old one out
        c.channels = channels == 2 ? 2 : 1;
        c.step = std::max<uint64_t>(1, (uint64_t(std::max(rate, 1)) << 32) / uint64_t(std::max(rate_, 1)));
        c.samples.resize(c.Frames() * size_t(c.channels));  // whole frames only
    }
    Tell(ended);
}

void EffectMixer::Load(int channel, Source* source) {
    std::vector<int16_t> old;
    std::vector<size_t> ended;
    {
        std::unique_lock render(renderLock_);
        std::lock_guard hold(lock_);
        Clear(channel, old, ended).source = source;
    }
    Tell(ended);
}

void EffectMixer::Play(int channel) {
    std::unique_lock<std::mutex> render(renderLock_, std::defer_lock);
    const std::unique_lock hold = LockFor(channel, render);
    Channel& c = channels_[size_t(channel)];
    if (c.state == State::Stopped)
        c.state = State::Sounding;
    else if (c.state == State::Idle && (c.source ? c.source->Start() : !c.samples.empty()))
        c.state = State::Sounding;
}

void EffectMixer::Stop(int channel) {
    std::lock_guard hold(lock_);
    Channel& c = channels_.at(size_t(channel));
    if (c.state == State::Sounding) c.state = State::Stopped;
}

void EffectMixer::Rewind(int channel) {
    std::vector<size_t> ended;
    {
        std::unique_lock<std::mutex> render(renderLock_, std::defer_lock);
        const std::unique_lock hold = LockFor(channel, render);
        End(size_t(channel), ended);
        if (Source* source = channels_[size_t(channel)].source) source->Silence();
    }
    Tell(ended);
}

EffectMixer::State EffectMixer::Now(int channel) const {
    std::lock_guard hold(lock_);
    const Channel& c = channels_.at(size_t(channel));
    return c.samples.empty() && !c.source ? State::Empty : c.state;
}

bool EffectMixer::AnySounding() const {
    std::lock_guard hold(lock_);
    return std::any_of(channels_.begin(), channels_.end(), [](const Channel& c) { return c.state == State::Sounding; });
}

void EffectMixer::MixInto(int16_t* stereo, int frames) {
    std::lock_guard render(renderLock_);
    for (int done = 0; done < frames; done += Block) MixBlock(stereo + 2 * done, std::min(Block, frames - done));
}

void EffectMixer::MixBlock(int16_t* stereo, int frames) {
    int32_t* mix = mix_.data();
    std::fill_n(mix, 2 * frames, 0);
    sources_.clear();
    finished_.clear();
    ended_.clear();
    {
        std::lock_guard hold(lock_);
        for (size_t n = 0; n < channels_.size(); ++n) {
            Channel& c = channels_[n];
            if (c.state != State::Sounding) continue;
            if (c.source) {
                sources_.push_back(n);
                continue;
            }
            const uint64_t end = uint64_t(c.Frames()) << 32;
            for (int f = 0; f < frames && c.place < end; ++f, c.place += c.step) {
                mix[2 * f] += c.Sample(0);
                mix[2 * f + 1] += c.Sample(1);
            }
            if (c.place >= end) End(n, ended_);
        }
    }
    // The sources render without the state lock: they cannot change meanwhile, as
    // starting, silencing or replacing one takes renderLock_, which is held here.
    for (size_t n : sources_)
        if (channels_[n].source->Render(mix, frames)) finished_.push_back(n);
    if (!finished_.empty()) {
        std::lock_guard hold(lock_);
        for (size_t n : finished_) End(n, ended_);  // a stop that came during the render does not keep an ended play
    }
    for (int i = 0; i < 2 * frames; ++i) stereo[i] = int16_t(std::clamp(stereo[i] + mix[i], -32768, 32767));
    Tell(ended_);
}

}  // namespace tesseron
