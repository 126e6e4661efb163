// What the program holds beyond its windows: the start-up folder, the settings file,
// the skin every window draws with and the high-score table. The session runs the
// start-up sequence and the close procedure; it speaks to the player through the game
// window, and reaches the other windows through the handlers it is given.
#pragma once

#include "audio/Audio.h"
#include "draw/Skin.h"
#include "storage/HighScores.h"
#include "storage/Settings.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace tesseron {

class TMain;

namespace test {
struct SessionProbe;
}

class Session {
public:
    // Takes the working directory as the start-up folder; plays through `audio`, silent when there is none.
    explicit Session(Audio* audio = nullptr);

    // Takes charge of the game window: the start-up sequence runs for it as soon as the
    // event loop does.
    void Start(TMain& main);
    // The start-up sequence has run, to its end or to the step that failed.
    bool Started() const { return started_; }
    // The close has begun: the start-up sequence stops and no window opens any more.
    bool Closing() const { return closing_; }

    // The working directory at creation, with a trailing '/'.
    const QString& BaseDir() const { return BaseDir_; }
    const Skin& SkinInUse() const { return skin; }
    // The shipped default skin's description, which takes the place of a skin that
    // cannot be used; none when empty.
    void SetFallbackSkin(const QString& path) { FallbackSkin = path; }

    // --- What the session hands on, assigned once by the application -----------
    // The hall of fame's lines for the current number of colours.
    std::function<void(const QStringList& names, const QStringList& scores)> FameHandler;
    std::function<void()> ScoresHandler;        // the hall of fame
    std::function<QString()> EnterNameHandler;  // a high scorer's name
    // What the name dialog holds while it is still open, for a close that cannot wait for it.
    std::function<QString()> NameSoFarHandler;
    std::function<void()> GameOverHandler;  // the game-over notice
    // Told once the start-up sequence has run, to its end or to the step that failed.
    std::function<void()> StartedHandler;

    // This start could not take its data folder's lock, for the reason given: said at
    // once on standard error and to the player first thing, and no file is written.
    void SetUnguarded(const QString& why);

    // Writes what has been read: settings and scores not yet loaded are left as they are.
    void FormClose();
    void WriteIni();
    void UpDateScores();
    // A finished game's score: entered with the player's name when it makes the table.
    void AddHighScore(int32_t score);
    // The options window's choice: reads the description and loads it. A skin whose
    // images fail is reported and the shipped one takes its place. False only when
    // the description could not be read, and nothing changed.
    bool ChangeSkin(const QString& path);

private:
    friend struct test::SessionProbe;

    // The start-up sequence, its steps, and the shipped skin's fallback.
    void tTimer();
    void FormActivate();
    void LoadHigh();
    void ReadIni();
    void SaveHigh();
    void LoadSkin();
    // Loads the shipped default skin from its own folder; false when it fails too.
    bool FallBackToDefaultSkin();
    // Runs one step of the start-up sequence; an error it lets through is reported
    // with the step's name and ends the sequence.
    template <typename F>
    bool Attempt(const char* step, F&& f);
    void Message(QMessageBox::Icon icon, const QString& text);

    Audio* audio_;
    TMain* main_ = nullptr;

    QString BaseDir_;
    QString SkinFile_;
    QString FallbackSkin;
    QString unguarded_;      // why this game writes nothing; empty when it holds the lock
    QString language_;       // whose labelled pictures the skin takes where it has them
    int32_t SkinNumber = 0;  // kept for the settings file only
    Skin skin;
    storage::HighTable high;         // the high-score table, High
    storage::Settings settings_;     // as last read; what no other part holds goes back from here
    bool keepSettingsFile_ = false;  // it was there but could not be read: left as it is
    QTimer t;                        // one-shot: the start-up sequence
    bool started_ = false;
    // Only what was read is written back, so an early close never replaces the player's files.
    bool highRead_ = false;
    bool settingsRead_ = false;
    bool closing_ = false;
    // A high score waiting for its name; the close enters it if the dialog is still open.
    bool naming_ = false;
    int32_t namingScore_ = 0;
    int namingColours_ = 0;
};

}  // namespace tesseron
