// The effects and music logic against a recording backend.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/Audio.h"
#include "support/FakeMedia.h"

using namespace tesseron;
using tesseron::test::FakeMedia;
using tesseron::test::FakePlayer;

namespace {

struct AudioFixture : ::testing::Test {
    FakeMedia* media = nullptr;
    std::unique_ptr<Audio> audio;

    void SetUp() override {
        auto m = std::make_unique<FakeMedia>();
        media = m.get();
        audio = std::make_unique<Audio>(std::move(m));
    }
    // Switches as the configuration gives them, then the start of audio.
    void Start(bool sound, bool music) {
        audio->Sound = sound;
        audio->Music = music;
        audio->StartAudio();
        media->calls.clear();
    }
    FakePlayer& P(int player) { return *media->players.at(size_t(player - 1)); }
    std::vector<std::string>& Calls() { return media->calls; }
    int Count(const std::string& call) { return int(std::count(Calls().begin(), Calls().end(), call)); }
};

using EffectsTest = AudioFixture;

TEST_F(EffectsTest, ExplosionCutsTheShotOff) {
    Start(true, false);
    audio->PlayEffect(Effect::Shoot);
    P(S1).Run(80);
    audio->PlayEffect(Effect::Explode);
    EXPECT_FALSE(P(S1).playing);
    EXPECT_EQ(P(S1).position, 80);
    EXPECT_TRUE(P(S2).playing);
    // All five are stopped in order before the chosen one is rewound and played.
    const std::vector<std::string> second(Calls().end() - 7, Calls().end());
    EXPECT_EQ(second, (std::vector<std::string>{"S1 stop", "S2 stop", "S3 stop", "S4 stop", "S5 stop", "S2 seek", "S2 play"}));
}

TEST_F(EffectsTest, ResumeGoesOnFromTheCutAndPlayRestarts) {
    Start(true, false);
    audio->PlayEffect(Effect::Applause);
    P(S4).Run(300);
    audio->PlayEffect(Effect::Click);
    audio->ResumeEffect(Effect::Applause);
    EXPECT_TRUE(P(S4).playing);
    EXPECT_EQ(P(S4).position, 300);
    EXPECT_FALSE(P(S3).playing);

    audio->PlayEffect(Effect::Applause);  // applause from the start every time, even while it plays
    EXPECT_TRUE(P(S4).playing);
    EXPECT_EQ(P(S4).position, 0);
}

TEST_F(EffectsTest, ResumeOfAFinishedEffectStartsAgain) {
    Start(true, false);
    audio->PlayEffect(Effect::GameOver);
    P(S5).RunToEnd();
    audio->ResumeEffect(Effect::GameOver);
    EXPECT_TRUE(P(S5).playing);
    EXPECT_EQ(P(S5).position, 0);
}

TEST_F(EffectsTest, AllFiveOpenAtStartEvenWithSoundOff) {
    audio->Sound = false;
    audio->StartAudio();
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"S1 open 1.snd", "S2 open 2.snd", "S3 open 3.snd", "S4 open 4.snd", "S5 open 5.snd"}));
    EXPECT_FALSE(P(MusicPlayer).open);
}

TEST_F(EffectsTest, SilentWithSoundOff) {
    Start(false, false);
    audio->PlayEffect(Effect::Shoot);
    audio->ResumeEffect(Effect::Applause);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(EffectsTest, BeepSoundsWithEffectsOffAndTouchesNoPlayer) {
    Start(false, false);
    audio->Beep();
    EXPECT_EQ(Calls(), std::vector<std::string>{"alert"});
    audio->Sound = true;
    audio->PlayEffect(Effect::Applause);
    P(S4).Run(200);
    audio->Beep();
    EXPECT_TRUE(P(S4).playing);
    EXPECT_EQ(P(S4).position, 200);
}

TEST_F(EffectsTest, NumbersOutsideTheEffectsAreIgnored) {
    Start(true, true);
    audio->PlayEffect(Effect(0));
    audio->PlayEffect(Effect(MusicPlayer));
    audio->ResumeEffect(Effect(7));
    EXPECT_TRUE(Calls().empty());
}

using SoundsSwitchTest = AudioFixture;

TEST_F(SoundsSwitchTest, ClicksOnceGoingOffAndClosesNothing) {
    Start(true, false);
    audio->ToggleSounds();
    EXPECT_FALSE(audio->Sound);
    EXPECT_EQ(Count("S3 play"), 1);
    EXPECT_EQ(Calls().back(), "S3 play");
    EXPECT_TRUE(std::all_of(media->players.begin(), media->players.begin() + 5, [](auto* p) { return p->open; }));
}

TEST_F(SoundsSwitchTest, ReopensWithNewNamesThenClicksOnceGoingOn) {
    Start(true, false);
    audio->PlayEffect(Effect::Applause);
    P(S4).Run(300);
    audio->ToggleSounds();  // off: the applause stops where it stands
    Calls().clear();
    bool redrawnAfterFlip = false;
    audio->SetFile(S3, "tick.wav");
    audio->ToggleSounds([&] { redrawnAfterFlip = audio->Sound && Calls().empty(); });
    EXPECT_TRUE(redrawnAfterFlip);
    // Reopening would cut the click off, so it comes last.
    const std::vector<std::string> after(Calls().begin() + 5, Calls().end());
    EXPECT_EQ(after,
              (std::vector<std::string>{"S1 close", "S1 open 1.snd", "S2 close", "S2 open 2.snd", "S3 close", "S3 open tick.wav",
                                        "S4 close", "S4 open 4.snd", "S5 close", "S5 open 5.snd", "S3 play"}));
    EXPECT_TRUE(P(S3).playing);
    // Reopened players start over: the applause cut off before is resumed from its beginning.
    P(S3).RunToEnd();
    audio->ResumeEffect(Effect::Applause);
    EXPECT_EQ(P(S4).position, 0);
}

using MusicTest = AudioFixture;

TEST_F(MusicTest, TuneOpensFirstAndLoopsWhileMusicIsOn) {
    audio->Sound = true;
    audio->Music = true;
    audio->StartAudio();
    EXPECT_EQ(Calls().at(0), "Music open Music.mid");
    EXPECT_EQ(Calls().at(1), "Music play");
    EXPECT_EQ(P(MusicPlayer).kind, DeviceKind::MidiSequencer);
    for (int round = 0; round < 3; ++round) {
        P(MusicPlayer).RunToEnd();
        EXPECT_TRUE(P(MusicPlayer).playing);
        EXPECT_EQ(P(MusicPlayer).position, 0);
    }
}

TEST_F(MusicTest, OffByDefaultLeavesTheTuneClosed) {
    Start(true, false);
    audio->PlayEffect(Effect::Click);
    EXPECT_FALSE(P(MusicPlayer).open);
}

TEST_F(MusicTest, SwitchingOffClosesAndOnRestartsFromTheBeginning) {
    Start(true, true);
    P(MusicPlayer).Run(400);
    audio->ToggleMusic();
    EXPECT_FALSE(audio->Music);
    EXPECT_FALSE(P(MusicPlayer).open);  // the synthesiser is let go
    EXPECT_EQ(Count("S3 play"), 1);     // the click

    audio->MusicNotify();  // a late notice does not bring the tune back
    EXPECT_FALSE(P(MusicPlayer).playing);

    audio->ToggleMusic();
    EXPECT_TRUE(P(MusicPlayer).playing);
    EXPECT_EQ(P(MusicPlayer).position, 0);
    EXPECT_EQ(Count("Music close"), 1);
}

TEST_F(MusicTest, NoticeWhilePlayingOrClosedDoesNothing) {
    Start(true, true);
    Calls().clear();
    audio->MusicNotify();
    EXPECT_TRUE(Calls().empty());
    P(MusicPlayer).Close();
    Calls().clear();
    audio->MusicNotify();
    EXPECT_TRUE(Calls().empty());
}

using MusicFileTest = AudioFixture;

TEST_F(MusicFileTest, ChosenWhileMusicOffPlaysOnce) {
    Start(true, false);
    bool closedDuringDialog = false;
    audio->MusFile1Click([&] {
        closedDuringDialog = !P(MusicPlayer).open;
        return std::optional<QString>("/home/p/tune.mid");
    });
    EXPECT_TRUE(closedDuringDialog);
    EXPECT_EQ(audio->File(MusicPlayer), "/home/p/tune.mid");
    EXPECT_EQ(P(MusicPlayer).file, "/home/p/tune.mid");
    EXPECT_TRUE(P(MusicPlayer).playing);
    EXPECT_FALSE(audio->Music);
    EXPECT_EQ(Count("S3 play"), 0);  // no click for this icon
    P(MusicPlayer).RunToEnd();
    EXPECT_FALSE(P(MusicPlayer).playing);
    EXPECT_FALSE(P(MusicPlayer).open);  // played once, then let go
}

TEST_F(MusicFileTest, CancelRestartsTheCurrentTune) {
    Start(true, true);
    P(MusicPlayer).Run(700);
    std::vector<std::string> beforeDialog;
    audio->MusFile1Click([&] {
        beforeDialog = Calls();
        return std::nullopt;
    });
    EXPECT_EQ(beforeDialog, (std::vector<std::string>{"Music stop", "Music close"}));
    EXPECT_EQ(audio->File(MusicPlayer), "Music.mid");
    EXPECT_TRUE(P(MusicPlayer).playing);
    EXPECT_EQ(P(MusicPlayer).position, 0);
    P(MusicPlayer).RunToEnd();
    EXPECT_TRUE(P(MusicPlayer).playing);  // music is on: it loops
}

using AudioFailureTest = AudioFixture;

TEST_F(AudioFailureTest, MissingFileIsReportedOnceAndTheRestPlays) {
    media->missing.insert("2.snd");
    audio->Sound = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    audio->ToggleSounds();
    audio->ToggleSounds();  // reopens: the same failure again
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_NE(err.find("2.snd"), std::string::npos);
    EXPECT_FALSE(P(S2).open);
    audio->PlayEffect(Effect::Explode);
    audio->PlayEffect(Effect::Shoot);
    EXPECT_TRUE(P(S1).playing);
}

}  // namespace
