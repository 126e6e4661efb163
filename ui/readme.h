// The text viewer: the plain viewer in a green frame, centred on the screen.
#pragma once

#include "ui/ControlZoom.h"
#include "ui/URul.h"

#include <QFrame>

namespace tesseron {

class Tureadme : public Trul {
public:
    explicit Tureadme(QWidget* parent = nullptr);

    QFrame Panel2, Panel3, Panel4, Panel5;

protected:
    // Each showing takes the zoom of the moment and centres the viewer again.
    void showEvent(QShowEvent* event) override;

private:
    void CentreOnScreen();
    ControlZoom controls_;
};

}  // namespace tesseron
