// The hall of fame: the five best names and scores of the current number of
// colours in the skin's bitmap fonts, closed only through its close icon.
#pragma once

#include "ui/PaintedControls.h"
#include "ui/SkinnedWindow.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace tesseron {

class Sounds;

class TScores : public SkinnedWindow, public PaintedControls {
    Q_DECLARE_TR_FUNCTIONS(TScores)

public:
    // `sounds` may be null (silent).
    TScores(const Skin& skin, Sounds* sounds, QWidget* parent = nullptr);

    // Rank 1 first; shown as they are, names as Latin-1 bytes.
    QString FameNames[5];
    QString FameScores[5];

    // Takes the first five of each list; missing entries become empty.
    void SetEntries(const QStringList& names, const QStringList& scores);

    // Where the title starts, and where a centred text of `length` characters starts,
    // on a screen of this width.
    static int TitleLeft(int screenWidth);
    static int CentredLeft(int screenWidth, int length, int font);

    // The five lines as one list, then the close icon, which has the keyboard's focus:
    // Return and Space close the window as Escape does.
    std::vector<PaintedControl> Controls() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormCreate();
    void FormPaint();
    void FormMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    // Draws `text` centred on the screen's width at y.
    void DrawCentred(int y, const QString& text, int font);

    Sounds* sounds_;
};

}  // namespace tesseron
