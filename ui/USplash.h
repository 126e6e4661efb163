// The splash window: the title picture while the program starts. It is the
// application's main window: closing it saves and ends the program.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class QFrame;
class QLabel;

namespace tesseron {

class TMain;

class TSplash : public QWidget {
public:
    explicit TSplash(QWidget* parent = nullptr);

    TMain* Main = nullptr;  // the game window it hands over to

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer Ti;

    void TiTimer();
    void Panel1MouseDown();
    void FormKeyDown();
    void FormClose();

    // The title picture: title.bmp in the working directory, else in the shipped data folder.
    static QString TitlePicturePath();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool ended_ = false;
};

}  // namespace tesseron
