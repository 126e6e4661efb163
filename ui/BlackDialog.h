// What the two end-of-game dialogs share: a frameless modal window of a fixed size,
// black, centred on the screen, with a black panel filling it and a white label on it.
#pragma once

#include "ui/ClickLabel.h"
#include "ui/ControlZoom.h"

#include <QColor>
#include <QDialog>
#include <QString>

namespace tesseron {

// Text and background colours of a control, its button roles included.
void SetColours(QWidget& w, const QColor& text, const QColor& background = Qt::black);

class BlackDialog : public QDialog {
public:
    BlackDialog(const QString& title, int width, int height, QWidget* parent);

    ClickLabel Panel1;  // black, fills the dialog; holds the other controls
    ClickLabel Label1;  // white; placed by each dialog

    // The controls zoomed with the dialog; each dialog adds its own after placing them at 1x.
    ControlZoom controls;

protected:
    void CentreOnScreen();
    // Whether a show event starts a showing by the program (zoomed and centred again),
    // rather than being the window system's own after a restore.
    bool StartsShowing(const QShowEvent* event);

private:
    QSize atOne_;
};

}  // namespace tesseron
