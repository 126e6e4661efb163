// The game window: the field with its periphery, corner icons and side buttons. It
// drives the engine from its timers, answers the engine's requests and turns the
// pointer into commands. The skin it draws with, the start-up and the files beyond
// the saved games belong to the application; what lies beyond the window (the other
// windows, the end of the program) it reaches through the handlers it is given.
#pragma once

#include "audio/Audio.h"
#include "draw/FieldView.h"
#include "draw/Layout.h"
#include "draw/Skin.h"
#include "draw/Surface.h"
#include "draw/Zoom.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "game/Random.h"
#include "ui/LaneCursor.h"
#include "ui/PaintedControls.h"

#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <optional>

class QLabel;
class QMenu;
class QHelpEvent;
class QScreen;

namespace tesseron {

class Hint;

namespace test {
struct MainProbe;
}

// Where the members live: UMain.cpp creation, settings, shutdown, drawing, pointer,
// the commands and the message box; MainKeys.cpp the keys, the lane cursor and the
// hints; MainTimers.cpp the step and sweep timers; MainZoom.cpp the zoom and the screen
// followed; MainFiles.cpp the saved games; MainHost.cpp the engine's requests;
// MainSettings.h the window's keys of the settings file; MainControls.cpp what screen
// readers see. Tests reach what else they need through tests/support/MainProbe.h.
class TMain : public QWidget, public PaintedControls {
public:
    // Draws with `skin`, which stays the application's; keeps the saved games in
    // `baseDir`; plays through `audio`, silent when there is none.
    TMain(const Skin& skin, const QString& baseDir, Audio* audio = nullptr, QWidget* parent = nullptr);
    ~TMain() override;

    // --- What the window hands on, assigned once by the application -------------
    std::function<void()> QuitHandler;     // ends the program
    std::function<void()> ScoresHandler;   // the hall of fame
    std::function<void()> RulesHandler;    // the help window
    std::function<void()> OptionsHandler;  // the options window
    // A finished game's score, for the high-score table.
    std::function<void(int32_t)> GameOverHandler;
    // The factor or the screen changed.
    std::function<void()> ZoomedHandler;

    // --- What the application sets and reads --------------------------------------
    // The engine: a new game, the undo forgotten after the start-up.
    Game& Engine() { return game; }
    const Game& Engine() const { return game; }
    // The number of colours in play: the engine's colours and the saved-game slot.
    int Colours() const { return NumCol; }
    void SetColours(int n) { NumCol = n; }
    // The intervals of tmrSTEP and AntiMinus, as the settings file keeps them.
    void SetSpeeds(int gameSpeed, int disappearSpeed);
    int GameSpeed() const { return tmrSTEP.interval(); }
    int DisappearSpeed() const { return AntiMinus.interval(); }
    // The skin is being replaced: until it is usable again only Escape is left to
    // quit with; once it is, everything is drawn anew.
    void SetSkinUsable(bool usable);
    // The player's zoom setting: 0 automatic, 1..8 that factor, capped to what fits.
    int ZoomSetting() const;
    // Takes a new setting and lays the window out anew at once.
    void SetZoomSetting(int setting);

    // The window became visible again: everything is drawn anew from the state.
    void Uncover();
    // Shows the whole window on the screen it was created for, and plays full screen from now on.
    void ShowFullScreen();

    // --- Full screen or in a window (MainWindowMode.cpp) -------------------------
    // Full screen is the default; F11 and the window manager's own toggle switch.
    bool FullScreenMode() const { return !windowed_; }
    // The window's inside in window units as last placed, or as kept; empty when never.
    QRect WindowRect() const;
    // The settings' mode and kept window: laid out for them at once, shown so at the next showing.
    void SetWindowMode(bool fullScreen, const QRect& window);
    // Shows the game as its mode says: full screen, or in its window.
    void ShowGame();
    // A modal message box with one OK button; timers keep running while it is open.
    void Message(QMessageBox::Icon icon, const QString& text);

    // The corner icons and side buttons, named as their hints, and the field.
    std::vector<PaintedControl> Controls() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct test::MainProbe;

    // The engine's requests, answered by this window (MainHost.cpp).
    class MainHost final : public GameHost {
    public:
        explicit MainHost(TMain& w) : w_(w) {}
        void FieldUpDate(bool full) override;
        void ScoreLabel(int32_t score) override;
        void PlayEffect(Effect effect) override;
        void Beep() override;
        void ShowInformation(const std::string& text) override;
        void StepTimer(bool enabled) override;
        void RestartSweepTimer() override;
        void GameOver(int32_t score) override;
        int NumberOfColors() const override;

    private:
        TMain& w_;
    };

    // Creation; drawing.
    void FormCreate();
    void FormPaint();
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

    // Pointer input.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
    void FormMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
    void ScorMouseMove();
    // The hint of the icon or side button at a window position in layout pixels;
    // empty elsewhere. `control` gets the control's rectangle: where it highlights and
    // where it takes presses.
    QString HintAt(int X, int Y, layout::Box* control = nullptr) const;

    // Commands.
    void MinimizeClick();
    void QuitClick();
    void ScoresClick();
    void RulesClick();
    void OptionsClick();
    void Loadgame1Click();
    void SaveClick();
    void PlayEffect(Effect effect);

    // The screen, its size or the setting changed: the factor, the layout and the
    // whole picture are made anew.
    void Rezoom();
    // The keys: Ctrl+Plus and Ctrl+Minus step the factor, Ctrl+0 goes back to automatic.
    void ZoomKey(int key);

    void Run(layout::Command command, int X, int Y);
    // A keyboard shortcut: its command, then what follows a press.
    void Shortcut(const std::function<void()>& command);
    // The lane cursor: an arrow or Tab shows or moves it; Space and Return launch from it.
    void CursorKey(cursor::Arrow key);
    // Tab and Shift+Tab: the same, stepping round the whole ring.
    void TabKey(bool forward);
    void LaunchFromFrame();
    // Moves the frame to a lane, or hides it, redrawing only the two lanes concerned.
    void MoveFrame(std::optional<cursor::Lane> to);
    void DrawFrame();
    void Flush();
    // The field origin, the surface and the labels for the current zoom.
    void Place();
    // Follows the size of the screen the window is on.
    void WatchScreen(QScreen* screen);
    // Follows the platform window's moves to other screens; it is made anew when the frame changes.
    void WatchWindow();

    // Full screen or in a window: F11, the switches themselves, and the window
    // manager's own toggle, which `changeEvent` hands on.
    void ToggleWindowMode();
    void EnterWindow();
    void EnterFullScreen();
    void FollowWindowState(QEvent* event);
    // The window's inside changed size: laid out and drawn anew at the factor that fits.
    void FollowWindowSize();
    void Quit();
    // The keys go to the game without a click first, unless a window is open over it.
    void TakeFocus();
    // The whole picture drawn anew from the state, as after being covered.
    void RepaintWhole();
    // Shows the hint of the control under a help event's position, or hides it.
    void ShowHint(const QHelpEvent& help);

    const Skin& skin;
    const QString BaseDir;  // where the saved games lie
    Audio* audio;
    int NumCol = DefaultColors;
    int FieldLeft = 0;
    int FieldTop = 0;
    QRect screen_;  // the screen the game plays on, in window units
    zoom::Zoom zoom_;
    QMetaObject::Connection screenResized_;
    QMetaObject::Connection windowMoved_;
    QPointer<QWindow> watchedWindow_;
    bool windowed_ = false;  // plays in an ordinary window rather than full screen
    QRect windowRect_;       // the window's inside as last placed or kept

    Surface surface;
    HoverState hover;
    QTimer tmrSTEP;    // one movement step
    QTimer AntiMinus;  // sweeps exploding bricks away
    QTimer tmrTime;    // the clock
    QLabel* lblTime = nullptr;
    QLabel* Scor = nullptr;
    QMenu* loadsave = nullptr;
    Hint* hint_ = nullptr;
    QFont timeFont_, scoreFont_, menuFont_;  // at 1x

    Random random_;
    MainHost host_;
    Game game;
    FieldView view;

    bool skinUsable_ = false;   // the last skin loaded whole
    bool stepResting_ = false;  // tmrSTEP stopped because its steps change nothing
    QString clockFormat_;
    cursor::Lane cursor_ = cursor::Start;  // where the next arrow key shows the frame
    bool frameShown_ = false;
};

}  // namespace tesseron
