// The shipped sounds and tune open in the real players and are heard.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <functional>

#include "audio/SdlMedia.h"

using namespace tesseron;

namespace {

// The loudest sample the players wrote to SDL's disk output while `play` ran.
int Peak(const QString& raw, const std::function<void(MediaBackend&)>& play) {
    setenv("SDL_DISKAUDIOFILE", raw.toLocal8Bit().constData(), 1);
    {
        auto backend = CreateSdlBackend();
        play(*backend);
    }
    QFile f(raw);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray b = f.readAll();
    const auto* s = reinterpret_cast<const qint16*>(b.constData());
    int peak = 0;
    for (long i = 0; i < b.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

// Effects and tune each on their own output: the tune's output replaces the effects'.
TEST(ShippedSoundsTest, EveryFileOpensAndSounds) {
    static int argc = 1;
    static char name[] = "audio_shipped_test";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    auto playAll = [](const QStringList& files) {
        return [files](MediaBackend& backend) {
            auto player = backend.CreatePlayer();
            QString error;
            for (const QString& file : files) {
                const QString path = QStringLiteral(TESSERON_DATA_DIR "/") + file;
                const bool midi = file.endsWith(".mid");
                EXPECT_TRUE(player->Open(midi ? DeviceKind::MidiSequencer : DeviceKind::WaveAudio, path, error))
                    << error.toStdString();
                player->Play();
                EXPECT_FALSE(player->Stopped()) << file.toStdString();
                QThread::msleep(midi ? 600 : 60);
            }
            player->Close();
        };
    };
    for (const QStringList& files : {QStringList{"1.snd", "2.snd", "3.snd", "4.snd", "5.snd"}, QStringList{"Music.mid"}}) {
        const int peak = Peak(dir.filePath("out.raw"), playAll(files));
        EXPECT_GT(peak, 3000) << files.join(' ').toStdString();
        EXPECT_LT(peak, 32767) << files.join(' ').toStdString();  // not clipped
    }
}

}  // namespace
