// The text viewer: the plain viewer in a green frame, centred on the screen.
#pragma once

#include "ui/URul.h"

#include <QFrame>

namespace tesseron {

class Tureadme : public Trul {
public:
    explicit Tureadme(QWidget* parent = nullptr);

    QFrame Panel2, Panel3, Panel4, Panel5;
};

}  // namespace tesseron
