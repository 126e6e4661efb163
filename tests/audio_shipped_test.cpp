// The shipped sounds and tune open in the real players and are heard.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>

#include "audio/SdlMedia.h"

using namespace tesseron;

namespace {

TEST(ShippedSoundsTest, EveryFileOpensAndSounds) {
    static int argc = 1;
    static char name[] = "audio_shipped_test";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString raw = dir.filePath("out.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.toLocal8Bit().constData(), 1);
    {
        auto backend = CreateSdlBackend();
        auto player = backend->CreatePlayer();
        QString error;
        for (const char* file : {"1.snd", "2.snd", "3.snd", "4.snd", "5.snd", "Music.mid"}) {
            const QString path = QStringLiteral(TESSERON_DATA_DIR "/") + file;
            const bool midi = QString(file).endsWith(".mid");
            EXPECT_TRUE(player->Open(midi ? DeviceKind::MidiSequencer : DeviceKind::WaveAudio, path, error))
                << error.toStdString();
            player->Play();
            EXPECT_FALSE(player->Stopped()) << file;
            QThread::msleep(60);
        }
        player->Close();
    }
    QFile f(raw);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    const auto* s = reinterpret_cast<const qint16*>(b.constData());
    int peak = 0;
    for (long i = 0; i < b.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    EXPECT_GT(peak, 3000);
    EXPECT_LT(peak, 32767);  // not clipped
}

}  // namespace
