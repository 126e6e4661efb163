#include "ui/USplash.h"

#include "files/UntrustedFile.h"
#include "ui/DataFiles.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

#include <exception>

namespace tesseron {

namespace {

constexpr int PictureWidth = 500;
constexpr int PictureHeight = 375;

// Reads the title picture, refusing anything far larger than the window can show.
QImage LoadTitlePicture(const QString& path) {
    if (path.isEmpty()) return {};
    // It lies in the player's folder: read it like any file from outside, never blocking on a pipe.
    QByteArray bytes;
    if (files::ReadUntrustedFile(path, 16 << 20, bytes) != files::ReadStatus::Ok) return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > 4 * PictureWidth || size.height() > 4 * PictureHeight)) return {};
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

}  // namespace

TSplash::TSplash(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Splash"));
    setFixedSize(PictureWidth + 2, PictureHeight + 2);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }

    Panel1 = new QFrame(this);
    Panel1->setGeometry(rect());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    QPalette panelPalette = Panel1->palette();
    panelPalette.setColor(QPalette::Window, panelPalette.color(QPalette::Button));
    Panel1->setPalette(panelPalette);

    Image1 = new QLabel(Panel1);
    Image1->setGeometry(1, 1, PictureWidth, PictureHeight);
    const QImage picture = LoadTitlePicture(TitlePicturePath());
    if (!picture.isNull()) {
        Image1->setPixmap(QPixmap::fromImage(picture));
        Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        // Without its picture the splash still shows whose window it is.
        QFont font = Image1->font();
        font.setPixelSize(48);
        font.setBold(true);
        Image1->setFont(font);
        Image1->setAlignment(Qt::AlignCenter);
        Image1->setText(QStringLiteral("Tesseron"));
    }

    Ti.setTimerType(Qt::PreciseTimer);  // a coarse timer may hand over up to 5 % early
    Ti.setInterval(4000);
    Ti.setSingleShot(true);  // the hand-over happens once
    connect(&Ti, &QTimer::timeout, this, &TSplash::TiTimer);
    Ti.start();
}

QString TSplash::TitlePicturePath() {
    return ShippedFile(QDir::currentPath() + QLatin1Char('/'), QStringLiteral("title.bmp"));
}

void TSplash::TiTimer() {
    hide();
    Image1->clear();  // never shown again
    if (ShowMain) ShowMain();
    Ti.stop();
}

void TSplash::Panel1MouseDown() { TiTimer(); }

void TSplash::FormKeyDown() { TiTimer(); }

// The picture and the panel pass presses on, so a press anywhere on the window lands here.
void TSplash::mousePressEvent(QMouseEvent*) { Panel1MouseDown(); }

void TSplash::keyPressEvent(QKeyEvent*) { FormKeyDown(); }

void TSplash::FormClose() {
    if (MainClose) MainClose();
}

void TSplash::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    try {
        FormClose();
    } catch (const std::exception& e) {
        // A failed save keeps the program running with its windows as they were.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Tesseron"),
                        QStringLiteral("Tesseron could not finish closing: %1").arg(QString::fromLocal8Bit(e.what())),
                        QMessageBox::Ok);
        box.exec();
        event->ignore();
        return;
    }
    ended_ = true;
    event->accept();
    if (Ended) Ended();
    Ti.stop();
    QCoreApplication::exit(0);
}

}  // namespace tesseron
