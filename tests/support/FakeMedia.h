// A media backend that writes down every call as a short line ("S3 play",
// "Music open Music.mid", "alert") and models a play position, so tests can let a
// player run to its end or be cut off part-way.
#pragma once

#include <QString>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/Audio.h"

namespace tesseron::test {

class FakeMedia;

class FakePlayer : public MediaPlayer {
public:
    FakePlayer(FakeMedia& media, std::string name) : name(std::move(name)), media_(media) {}

    bool Open(DeviceKind kind, const QString& file, QString& error) override;
    void Close() override;
    bool IsOpen() const override { return open; }
    void Play(std::function<void()> done) override;
    void Stop() override;
    void SeekToStart() override;
    bool Stopped() const override { return open && !playing; }

    // Lets a playing player run on by `ms` (up to its length); at the end it stops and
    // its notice runs, as the real service would deliver it.
    void Run(int ms);
    void RunToEnd() { Run(length); }

    std::string name;
    bool open = false;
    bool playing = false;
    int position = 0;
    int length = 1000;
    DeviceKind kind = DeviceKind::WaveAudio;
    QString file;

private:
    void Log(const std::string& what);
    FakeMedia& media_;
    std::function<void()> done_;
};

class FakeMedia : public MediaBackend {
public:
    std::vector<std::string> calls;
    std::set<QString> missing;         // files whose Open fails
    std::vector<FakePlayer*> players;  // in creation order: S1..S5, Music

    std::unique_ptr<MediaPlayer> CreatePlayer() override {
        static const char* const names[] = {"S1", "S2", "S3", "S4", "S5", "Music"};
        auto p = std::make_unique<FakePlayer>(*this, players.size() < 6 ? names[players.size()] : "extra");
        players.push_back(p.get());
        return p;
    }
    void Alert() override { calls.push_back("alert"); }
};

inline void FakePlayer::Log(const std::string& what) { media_.calls.push_back(name + " " + what); }

inline bool FakePlayer::Open(DeviceKind k, const QString& f, QString& error) {
    Close();
    Log("open " + f.toStdString());
    if (media_.missing.count(f)) {
        error = f + ": no such file";
        return false;
    }
    open = true;
    kind = k;
    file = f;
    position = 0;
    return true;
}

inline void FakePlayer::Close() {
    if (!open) return;
    Log("close");
    open = playing = false;
    done_ = nullptr;
}

inline void FakePlayer::Play(std::function<void()> done) {
    Log("play");
    if (!open) return;
    if (position >= length) position = 0;
    playing = true;
    done_ = std::move(done);
}

inline void FakePlayer::Stop() {
    Log("stop");
    playing = false;
}

inline void FakePlayer::SeekToStart() {
    Log("seek");
    playing = false;
    position = 0;
}

inline void FakePlayer::Run(int ms) {
    if (!playing) return;
    position = std::min(length, position + ms);
    if (position < length) return;
    playing = false;
    if (auto d = std::move(done_)) {
        done_ = nullptr;
        d();
    }
}

}  // namespace tesseron::test
