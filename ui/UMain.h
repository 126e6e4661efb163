// The game window: it owns the game, the skin and the drawing surface, runs the
// start-up sequence, drives the engine from its timers and maps the pointer onto
// the field, the corner icons and the side buttons.
#pragma once

#include "game/Game.h"
#include "game/GameHost.h"
#include "game/Random.h"
#include "ui/FieldView.h"
#include "ui/Skin.h"
#include "ui/Surface.h"

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QMenu;

namespace tesseron {

class TSplash;

// Position of the field along one screen side: (side - 480) / 2, truncated toward zero.
constexpr int FieldOffset(int screenSide) { return (screenSide - 480) / 2; }

// Inclusive on all four sides.
constexpr bool PointInRect(int left, int top, int right, int bottom, int X, int Y) {
    return left <= X && X <= right && top <= Y && Y <= bottom;
}

// The locale's time format reduced to hours and minutes: seconds, fractions and the
// time zone are dropped together with the separator in front of each.
QString HoursMinutesFormat(const QString& timeFormat);

class TMain : public QWidget {
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // The splash window is the application's main window: quitting closes it.
    TSplash* Splash = nullptr;

    QString BaseDir;   // working directory at creation, with a trailing '/'
    QString SkinFile;  // the skin description the start-up sequence reads
    int FieldLeft = 0;
    int FieldTop = 0;
    int NumCol = 7;

    Random random;
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
    // The engine's requests arrive here and go on to the window's own methods.
    class Host final : public GameHost {
    public:
        explicit Host(TMain& w) : w_(w) {}
        void FieldUpDate(bool full) override;
        void ScoreLabel(int32_t score) override;
        void PlayEffect(int effect) override;
        void Beep() override;
        void ShowInformation(const std::string& text) override;
        void StepTimer(bool enabled) override;
        void RestartSweepTimer() override;
        void GameOver(int32_t score) override;
        int NumberOfColors() const override;

    private:
        TMain& w_;
    };
    Host host_;

public:
    Game game;
    FieldView view;

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
    void AddHighScore();
    void LoadSkin();

    // Drawing.
    void FormPaint();
    void FieldUpDate(bool full);
    void DrawIcons();
    void DrawButtons();
    void tmrTimeTimer();
    void ShowScore();

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
    void PlayEffect(int effect);

    // Shows the whole window on the screen it was created for.
    void ShowFullScreen();
    // A modal message box with one OK button; timers keep running while it is open.
    void Message(QMessageBox::Icon icon, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
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
    void Flush();

    QRect screen_;  // the screen the game started on
    QString clockFormat_;
};

}  // namespace tesseron
