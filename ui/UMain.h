// The game window: the field with its periphery, corner icons and side buttons. It
// runs the start-up sequence, drives the engine from its timers and turns the
// pointer into commands. What lies beyond it (the other windows, the sounds) it
// reaches through the handlers and services the application object gives it.
#pragma once

#include "audio/Audio.h"
#include "game/Game.h"
#include "game/Random.h"
#include "storage/HighScores.h"
#include "storage/Settings.h"
#include "draw/FieldView.h"
#include "draw/Layout.h"
#include "ui/MainHost.h"
#include "draw/Skin.h"
#include "draw/Surface.h"

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QMenu;

namespace tesseron {

// Inclusive on all four sides.
constexpr bool PointInRect(int left, int top, int right, int bottom, int X, int Y) {
    return layout::Inside({left, top, right, bottom}, layout::Bounds::Inclusive, X, Y);
}

class TMain : public QWidget {
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // --- Wiring, set by the application object --------------------------------
    Audio* audio = nullptr;                  // silent while none is given
    std::function<void()> QuitHandler;       // ends the program (closes the splash)
    std::function<void()> ScoresHandler;     // the hall of fame, modally
    std::function<void()> RulesHandler;      // the help window, modally
    std::function<void()> OptionsHandler;    // the options window, modally
    std::function<QString()> EnterNameHandler;     // asks a high scorer's name
    std::function<void()> GameOverHandler;         // the game-over notice, modally
    // The hall of fame's lines for the current number of colours.
    std::function<void(const QStringList& names, const QStringList& scores)> FameHandler;

    // --- State and controls of the window -------------------------------------
    QString BaseDir;   // working directory at creation, with a trailing '/'
    QString SkinFile;  // the skin description the start-up sequence reads
    int FieldLeft = 0;
    int FieldTop = 0;
    int NumCol = 7;
    int32_t SkinNumber = 0;    // kept for the settings file only
    storage::HighTable high;   // the high-score table, High

    Skin skin;
    Surface surface;
    HoverState hover;

    QTimer t;          // one-shot: the start-up sequence
    QTimer tmrSTEP;    // one movement step
    QTimer AntiMinus;  // sweeps exploding bricks away
    QTimer tmrTime;    // the clock
    QLabel* lblTime = nullptr;
    QLabel* Scor = nullptr;
    QMenu* loadsave = nullptr;

private:
    Random random_;
    MainHost host_;

public:
    Game game;
    FieldView view;
    // What the engine calls; the same object the game was given.
    GameHost& EngineHost() { return host_; }

    // Start-up and shutdown.
    void FormCreate();
    void tTimer();
    void FormActivate();
    void FormClose();
    void LoadHigh();
    void ReadIni();
    void WriteIni();
    void SaveHigh();
    void UpDateScores();
    void AddHighScore(int32_t score);
    void LoadSkin();
    // The options window's choice: reads the description and loads it. A skin whose
    // images fail is reported and the shipped one takes its place. False only when
    // the description could not be read, and nothing changed.
    bool ChangeSkin(const QString& path);
    // Loads the shipped default skin from its own folder; false when it fails too.
    bool FallBackToDefaultSkin();
    QString FallbackSkin;  // the shipped default skin's description; none when empty

    // Drawing.
    void FormPaint();
    // The window became visible again: everything is drawn anew from the state.
    void Uncover();
    void FieldUpDate(bool full);
    void DrawIcons();
    void DrawButtons();
    void tmrTimeTimer();
    void ShowScore(int32_t score);

    // Timers: the step and the sweep, resting while nothing can change.
    void StepTick();
    void SweepTick();
    void WakeStep();
    // After a change that does not come from a step (a press, a load, an undo, a new
    // game, the options): a resting step wakes, and exploding bricks are swept.
    void FollowState();
    bool StepResting() const { return stepResting_; }

    // Pointer input.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
    void FormMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
    void ScorMouseMove();

    // Commands.
    void MinimizeClick();
    void QuitClick();
    void ScoresClick();
    void RulesClick();
    void OptionsClick();
    void Loadgame1Click();
    void SaveClick();
    void PlayEffect(Effect effect);

    // Shows the whole window on the screen it was created for.
    void ShowFullScreen();
    // A modal message box with one OK button; timers keep running while it is open.
    void Message(QMessageBox::Icon icon, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one step of the start-up sequence; an error it lets through is reported
    // with the step's name and ends the sequence.
    template <typename F>
    bool Attempt(const char* step, F&& f);
    void Run(layout::Command command, int X, int Y);
    void Flush();

    storage::Settings settings_;  // as last read; what no other part holds goes back from here
    bool keepSettingsFile_ = false;  // it was there but could not be read: left as it is
    QRect screen_;                // the screen the game started on
    bool skinUsable_ = false;     // the last skin loaded whole
    bool stepResting_ = false;    // tmrSTEP stopped because its steps change nothing
    GameState before_;            // the state before the running step
    friend class MainHost;
    QString clockFormat_;
};

}  // namespace tesseron
