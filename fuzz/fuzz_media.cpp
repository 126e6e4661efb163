// The media service's open path for wave effects and the MIDI tune (made safe, then
// handed to FluidSynth), on SDL's silent driver. Byte 0 picks the kind; the rest is the file.
#include "audio/SdlMedia.h"

#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdlib>

using namespace tesseron;

namespace {
// Never destroyed: libFuzzer may exit from another thread while a run is going on.
MediaBackend* backend;
MediaPlayer* wave;
MediaPlayer* midi;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The small General MIDI bank: the large one would make each open take seconds.
    if (!getenv("SDL_SOUNDFONTS") && QFileInfo::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"))
        setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
    static QCoreApplication app(*argc, *argv);
    backend = CreateSdlBackend().release();
    wave = backend->CreatePlayer().release();
    midi = backend->CreatePlayer().release();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool isMidi = data[0] & 1;
    const std::string path = fuzz::ScratchDir() + (isMidi ? "Music.mid" : "1.snd");
    if (!fuzz::WriteScratch(path, data + 1, size - 1)) std::abort();
    MediaPlayer& player = isMidi ? *midi : *wave;
    QString error;
    if (player.Open(isMidi ? DeviceKind::MidiSequencer : DeviceKind::WaveAudio, QString::fromStdString(path), error)) {
        player.Play([] {});
        player.Stop();
        player.Play();
        player.SeekToStart();
        player.Stopped();
        player.Close();
    } else if (error.isEmpty() || player.IsOpen()) {
        std::abort();  // a failed open says why and leaves the player closed
    }
    QCoreApplication::processEvents();
    return 0;
}
