// Our mixer on its own: places kept, ends reported once, mono on both
// sides, one clip of the whole sum, sounds at other rates, sources rewound
// silent, and a click that never waits for a source's render.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <thread>
#include <vector>

#include "audio/EffectMixer.h"

using namespace tesseron;

namespace {

// A source like the tune: each start strikes a note that rings, at `level` a note, until
// it is silenced; a render may be held up until the test lets it go.
struct RingingSource : EffectMixer::Source {
    int level = 1000;
    int ringing = 0;
    bool hold = false;  // the next render waits for `Release`
    std::mutex lock;
    std::condition_variable changed;
    bool rendering = false;

    bool Start() override {
        ++ringing;
        return true;
    }
    bool Render(int32_t* stereo, int frames) override {
        std::unique_lock held(lock);
        rendering = true;
        changed.notify_all();
        changed.wait(held, [this] { return !hold; });
        rendering = false;
        for (int i = 0; i < 2 * frames; ++i) stereo[i] += level * ringing;
        return false;
    }
    void Silence() override { ringing = 0; }
    bool WaitRendering() {
        std::unique_lock held(lock);
        return changed.wait_for(held, std::chrono::seconds(30), [this] { return rendering; });
    }
    void Release() {
        std::lock_guard held(lock);
        hold = false;
        changed.notify_all();
    }
};

struct MixerTest : ::testing::Test {
    std::vector<int> ended;
    EffectMixer mixer{1000};  // 1000 frames a second

    // A channel whose ends are written down.
    int Add() {
        return mixer.AddChannel([this](int c) { ended.push_back(c); });
    }

    // Mixes `frames` frames into silence and returns them.
    std::vector<int16_t> Run(int frames) {
        std::vector<int16_t> out(size_t(frames) * 2, 0);
        mixer.MixInto(out.data(), frames);
        return out;
    }
    // A mono ramp 1, 2, 3, ... so that every frame tells its place.
    static std::vector<int16_t> Ramp(int frames) {
        std::vector<int16_t> s(static_cast<size_t>(frames));
        for (int i = 0; i < frames; ++i) s[size_t(i)] = int16_t(i + 1);
        return s;
    }
};

TEST_F(MixerTest, StopKeepsThePlaceAndAnEndedSoundStartsAgain) {
    const int c = Add();
    mixer.Load(c, Ramp(10), 1, 1000);
    mixer.Play(c);
    Run(4);
    mixer.Stop(c);
    EXPECT_EQ(mixer.Now(c), EffectMixer::State::Stopped);
    EXPECT_EQ(Run(3), std::vector<int16_t>(6, 0));  // stopped: nothing

    mixer.Play(c);
    std::vector<int16_t> out = Run(8);
    EXPECT_EQ(out[0], 5);  // on from the stop, on both sides
    EXPECT_EQ(out[1], 5);
    EXPECT_EQ(out[11], 10);
    EXPECT_EQ(out[12], 0);  // the end, then silence
    EXPECT_EQ(ended, std::vector<int>{c});
    EXPECT_EQ(mixer.Now(c), EffectMixer::State::Idle);

    mixer.Play(c);
    EXPECT_EQ(Run(1)[0], 1);  // from the beginning
}

TEST_F(MixerTest, RewindAndUnloadEndAPlayOnceAndOnlyAPlay) {
    const int a = Add(), b = Add();
    mixer.Load(a, Ramp(100), 1, 1000);
    mixer.Load(b, Ramp(100), 1, 1000);
    mixer.Rewind(a);  // never played: no end
    EXPECT_TRUE(ended.empty());

    mixer.Play(a);
    mixer.Play(b);
    Run(10);
    mixer.Stop(a);
    mixer.Rewind(a);  // a stopped play ends too
    mixer.Rewind(a);
    mixer.Unload(b);
    EXPECT_EQ(ended, (std::vector<int>{a, b}));
    EXPECT_EQ(mixer.Now(b), EffectMixer::State::Empty);
    mixer.Play(b);  // nothing to play
    EXPECT_FALSE(mixer.AnySounding());

    mixer.Play(a);
    EXPECT_EQ(Run(1)[0], 1);
}

TEST_F(MixerTest, StereoKeepsItsSidesAndLoudSoundsClip) {
    const int a = Add(), b = Add();
    mixer.Load(a, {30000, -30000, 100, 200, 7}, 2, 1000);  // the odd sample is no frame
    mixer.Load(b, {30000, 30000}, 1, 1000);
    mixer.Play(a);
    mixer.Play(b);
    const std::vector<int16_t> out = Run(3);
    EXPECT_EQ(out, (std::vector<int16_t>{32767, 0, 30100, 30200, 0, 0}));

    std::vector<int16_t> quiet(4, -30000);
    mixer.Load(a, {-30000}, 1, 1000);  // one frame
    mixer.Play(a);
    mixer.MixInto(quiet.data(), 2);  // added to what is there already
    EXPECT_EQ(quiet, (std::vector<int16_t>{-32768, -32768, -30000, -30000}));
}

// What is heard must not depend on the order of the channels: the sum is clipped once.
TEST_F(MixerTest, TheSumIsClippedOnceWhateverTheOrderOfTheChannels) {
    const std::vector<std::vector<int16_t>> orders = {
        {30000, 10000, -20000}, {-20000, 30000, 10000}, {10000, 30000, -20000}, {30000, -20000, 10000}};
    for (const std::vector<int16_t>& order : orders) {
        EffectMixer mix(1000);
        for (int16_t level : order) {
            const int c = mix.AddChannel();
            mix.Load(c, {level, level}, 1, 1000);
            mix.Play(c);
        }
        std::vector<int16_t> out(4, 0);
        mix.MixInto(out.data(), 2);
        EXPECT_EQ(out, std::vector<int16_t>(4, 20000)) << order[0] << " " << order[1] << " " << order[2];
    }
}

TEST_F(MixerTest, ASourceAddsIntoTheSameSum) {
    RingingSource source;  // the tune at -20000 after two sounds of +30000 and +10000
    source.level = -20000;
    for (int16_t level : {30000, 10000}) {
        const int c = Add();
        mixer.Load(c, {level}, 1, 1000);
        mixer.Play(c);
    }
    const int s = Add();
    mixer.Load(s, &source);
    mixer.Play(s);
    EXPECT_EQ(Run(1), std::vector<int16_t>(2, 20000));
    mixer.Unload(s);
}

// A restarted tune must not go on with the notes of its last play: a rewind silences
// the source, as a new sound does, and a stop only pauses it.
TEST_F(MixerTest, ARewoundSourceStartsWithoutItsOldNotes) {
    RingingSource source;
    const int c = Add();
    mixer.Load(c, &source);
    mixer.Play(c);
    EXPECT_EQ(Run(1)[0], 1000);
    mixer.Stop(c);
    mixer.Play(c);  // on from the stop: no new start
    EXPECT_EQ(Run(1)[0], 1000);
    mixer.Rewind(c);
    EXPECT_EQ(mixer.Now(c), EffectMixer::State::Idle);
    EXPECT_EQ(Run(1)[0], 0);
    mixer.Play(c);
    EXPECT_EQ(Run(1)[0], 1000);  // the new note alone
    mixer.Unload(c);
    EXPECT_EQ(source.ringing, 0);
    EXPECT_EQ(ended, (std::vector<int>{c, c}));
}

// The audio thread renders the tune while the user-interface thread plays a click: the
// click must not wait for the render.
TEST_F(MixerTest, AClickDoesNotWaitForASourceToRender) {
    RingingSource source;
    const int tune = Add();
    const int click = Add();
    mixer.Load(tune, &source);
    mixer.Load(click, Ramp(10), 1, 1000);
    mixer.Play(tune);
    mixer.Play(click);
    source.hold = true;
    std::vector<int16_t> out(2048, 0);
    std::thread audio([&] { mixer.MixInto(out.data(), 1024); });
    ASSERT_TRUE(source.WaitRendering());
    auto clicked = std::async(std::launch::async, [&] {
        mixer.Stop(click);
        mixer.Rewind(click);
        mixer.Play(click);
        return mixer.Now(click);
    });
    const bool quick = clicked.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    source.Release();
    audio.join();
    EXPECT_TRUE(quick);
    EXPECT_EQ(clicked.get(), EffectMixer::State::Sounding);
    mixer.Unload(tune);
}

TEST_F(MixerTest, ASoundAtHalfTheRateTakesTwiceAsLongThroughTheSameSamples) {
    const int c = Add();
    mixer.Load(c, {0, 1000, 2000, 3000, 4000, 5000}, 1, 500);
    mixer.Play(c);
    const std::vector<int16_t> out = Run(14);
    for (int f = 0; f < 6; ++f) EXPECT_EQ(out[size_t(4 * f)], 1000 * f) << f;  // every other frame is a sample
    EXPECT_EQ(out[6], 1500);                                                   // between them, on the line through a ramp
    EXPECT_EQ(out[24], 0);                                                     // twelve frames, then it has ended
    EXPECT_EQ(ended, std::vector<int>{c});
}

}  // namespace
