// The shipped sounds and tune open in the real players and are heard.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>

#include "audio/SdlMedia.h"

using namespace tesseron;

namespace {

// Each file in its own player on the render backend, so the test hears exactly the
// mix the device would get, frame by frame, without waiting on the clock.
TEST(ShippedSoundsTest, EveryFileOpensAndSounds) {
    static int argc = 1;
    static char name[] = "audio_shipped_test";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    if (QFile::exists("/usr/share/sounds/sf2/TimGM6mb.sf2")) setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
    for (const char* file : {"1.snd", "2.snd", "3.snd", "4.snd", "5.snd", "Music.mid"}) {
        SCOPED_TRACE(file);
        RenderedBackend rendered = CreateRenderedBackend();
        auto player = rendered.backend->CreatePlayer();
        const bool midi = QString::fromLatin1(file).endsWith(".mid");
        QString error;
        ASSERT_TRUE(player->Open(midi ? DeviceKind::MidiSequencer : DeviceKind::WaveAudio,
                                 QStringLiteral(TESSERON_DATA_DIR "/") + QLatin1String(file), error))
            << error.toStdString();
        player->Play();
        EXPECT_FALSE(player->Stopped());
        // The effects' first tenth of a second, the tune's first second and a half.
        int16_t buffer[2 * 1024];
        int peak = 0;
        for (int frames = 0; frames < (midi ? 66150 : 4410); frames += 1024) {
            rendered.render(buffer, 1024);
            for (int16_t sample : buffer) peak = std::max(peak, std::abs(int(sample)));
        }
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 32767);  // not clipped
        player->Close();
    }
}

}  // namespace
