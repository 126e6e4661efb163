// Our mixer on its own: places kept, ends reported once, mono on both
// sides, clipping at full scale and sounds at other rates.
#include <gtest/gtest.h>

#include <vector>

#include "audio/EffectMixer.h"

using namespace tesseron;

namespace {

struct MixerTest : ::testing::Test {
    std::vector<int> ended;
    EffectMixer mixer{1000};  // 1000 frames a second

    // A channel whose ends are written down.
    int Add() { return mixer.AddChannel([this](int c) { ended.push_back(c); }); }

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

TEST_F(MixerTest, ASoundAtHalfTheRateTakesTwiceAsLongThroughTheSameSamples) {
    const int c = Add();
    mixer.Load(c, {0, 1000, 2000, 3000, 4000, 5000}, 1, 500);
    mixer.Play(c);
    const std::vector<int16_t> out = Run(14);
    for (int f = 0; f < 6; ++f) EXPECT_EQ(out[size_t(4 * f)], 1000 * f) << f;  // every other frame is a sample
    EXPECT_EQ(out[6], 1500);  // between them, on the line through a ramp
    EXPECT_EQ(out[24], 0);    // twelve frames, then it has ended
    EXPECT_EQ(ended, std::vector<int>{c});
}

}  // namespace
