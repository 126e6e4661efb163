// The splash window: the title picture while the program starts. It is the
// application's main window: closing it saves and ends the program.
#pragma once

#include "draw/Zoom.h"
#include "ui/ControlZoom.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;

namespace tesseron {

class TSplash : public QWidget {
public:
    explicit TSplash(QWidget* parent = nullptr);

    // What the splash hands on, assigned once by the application.
    std::function<void()> ShowMainHandler;  // shows the game window it hands over to
    std::function<void()> CloseHandler;     // the save steps at the end
    std::function<void()> EndedHandler;     // the program ends: the other windows go

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer Ti;

    // The title picture: title.bmp in the working directory, else the shipped one.
    static QString TitlePicturePath();

    // Sizes and centres the window at the game's zoom of the moment.
    void Rezoom();
    const zoom::Zoom& Zoom() const { return zoom_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void TiTimer();
    void Panel1MouseDown();
    void FormKeyDown();
    void FormClose();

    bool ended_ = false;
    zoom::Zoom zoom_;
    ControlZoom controls_;
};

}  // namespace tesseron
