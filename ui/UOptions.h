// The options window: number of colours, the sounds and music switches, the music
// file and the skin, each taking effect at once. Drawn from the skin; closed only
// through its close icon.
#pragma once

#include "draw/Layout.h"
#include "ui/PaintedControls.h"
#include "ui/SkinnedWindow.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tesseron {

class Audio;
class FocusRing;

class TOptions : public SkinnedWindow, public PaintedControls {
    Q_DECLARE_TR_FUNCTIONS(TOptions)

public:
    using Chooser = std::function<std::optional<QString>()>;

    // `audio` may be null: the switches then show off and do nothing.
    TOptions(const Skin& skin, const QString& baseDir, Audio* audio, QWidget* parent = nullptr);

    // --- What the window hands on, assigned once by the application ------------
    std::function<int()> ColoursHandler;            // the game's NumCol
    std::function<void(int)> ColoursChosenHandler;  // sets NumCol
    std::function<void()> NewGameHandler;           // the game's NewClick
    // Reads the skin description at `path`, loads it and repaints the game window;
    // false when the skin could not be loaded (the game window reports it).
    std::function<bool(const QString& path)> ChangeSkinHandler;
    // The file dialogs; each returns the chosen full path, or nothing when cancelled.
    Chooser ChooseSkin;   // default: SkinOpen in SkinOpenDir
    Chooser ChooseMusic;  // default: MusOpen
    QString SkinOpenDir;  // initial folder of SkinOpen; BaseDir at creation

    // --- Layout origin ------------------------------------------------------------
    int32_t OptionsLeft = 0;
    int32_t OptionsTop = 0;

    void DrawColorStrip();
    void Moving(int x, int y);
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // The colour counts, sounds, music, the tune, the skin and the close icon: the
    // keyboard's order too.
    std::vector<PaintedControl> Controls() const override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void FormPaint();
    void DrawSoundSwitch();
    void DrawMusicSwitch();
    void FormMouseMove(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons, int x, int y);
    // The dialogs the default choosers show.
    std::optional<QString> SkinOpen();
    std::optional<QString> MusOpen();

    // What a click on a count or a control does; the keys call the same.
    void ChooseColours(int n);
    void Press(layout::OptionsCommand command);
    // Each control with the box it stands in, in skin pixels on the window.
    struct Stop {
        PaintedControl control;
        QRect box;
    };
    std::vector<Stop> Stops() const;

    int Colours() const;
    // L and T on the zoomed screen the surface now stands for.
    void PlaceLayout();
    void Copy(const QImage& sheet, const layout::Box& from, const layout::Box& to);

    Audio* audio_;
    int ownColours_ = 7;  // stands in for NumCol until the hooks are set
    FocusRing* focus_;    // a child of the window
};

}  // namespace tesseron
