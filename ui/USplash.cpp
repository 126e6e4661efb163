#include "ui/USplash.h"

#include "files/UntrustedFile.h"
#include "ui/DataFiles.h"
#include "ui/Display.h"
#include "ui/WindowPaint.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPaintEvent>
#include <QPixmap>

#include <algorithm>
#include <exception>

namespace tesseron {

namespace {

constexpr int PictureWidth = 500;
constexpr int PictureHeight = 375;

// The title picture at the splash's zoom: its 1x pixels as k x k blocks of device
// pixels; what it does not cover keeps the panel's colour.
class ZoomedPicture : public QLabel {
public:
    ZoomedPicture(QWidget* parent, const zoom::Zoom& zoom) : QLabel(parent), zoom_(zoom) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (pixmap().isNull()) {
            QLabel::paintEvent(event);
            return;
        }
        const QImage image = pixmap().toImage();  // shares the pixels, copies nothing
        const QRegion covered = event->region() & zoom_.ToWindow(QRect(QPoint(0, 0), image.size()));
        QPainter painter(this);
        CopyToScreen(painter, image, covered, zoom_);
    }

private:
    const zoom::Zoom& zoom_;
};

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
    setWindowTitle(QCoreApplication::translate("TSplash", "Splash"));
    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, PictureWidth + 2, PictureHeight + 2);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    QPalette panelPalette = Panel1->palette();
    panelPalette.setColor(QPalette::Window, panelPalette.color(QPalette::Button));
    Panel1->setPalette(panelPalette);

    Image1 = new ZoomedPicture(Panel1, zoom_);
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
    controls_.Add(Panel1);
    controls_.Add(Image1);
    Rezoom();

    Ti.setTimerType(Qt::PreciseTimer);  // a coarse timer may hand over up to 5 % early
    Ti.setInterval(4000);
    Ti.setSingleShot(true);  // the hand-over happens once
    connect(&Ti, &QTimer::timeout, this, &TSplash::TiTimer);
    Ti.start();
}

void TSplash::Rezoom() {
    zoom_ = display::Current();
    controls_.Apply(zoom_);
    Panel1->setLineWidth(std::max(1, zoom_.Length(1)));
    // Centred on the zoomed screen, as the 1x window is on a screen of that size.
    const QSize zoomed = zoom_.Zoomed();
    const QRect at = zoom_.ToWindow(QRect((zoomed.width() - PictureWidth - 2) / 2, (zoomed.height() - PictureHeight - 2) / 2,
                                          PictureWidth + 2, PictureHeight + 2));
    setFixedSize(at.size());
    move(display::GameRect().topLeft() + at.topLeft());
    update();
}

void TSplash::showEvent(QShowEvent* event) {
    // The screen or the zoom may have changed since the window was made.
    Rezoom();
    QWidget::showEvent(event);
}

QString TSplash::TitlePicturePath() { return ShippedFile(QDir::currentPath() + QLatin1Char('/'), QStringLiteral("title.bmp")); }

void TSplash::TiTimer() {
    hide();
    Image1->clear();  // never shown again
    if (ShowMainHandler) ShowMainHandler();
    // Its window and the screen-sized copy the window system keeps of it go too: at a
    // large zoom that copy is megabytes. Closing it later still ends the program.
    destroy();
    Ti.stop();
}

void TSplash::Panel1MouseDown() { TiTimer(); }

void TSplash::FormKeyDown() { TiTimer(); }

// The picture and the panel pass presses on, so a press anywhere on the window lands here.
void TSplash::mousePressEvent(QMouseEvent*) { Panel1MouseDown(); }

void TSplash::keyPressEvent(QKeyEvent*) { FormKeyDown(); }

void TSplash::FormClose() {
    if (CloseHandler) CloseHandler();
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
        ZoomedMessageBox box(
            QMessageBox::Critical, QStringLiteral("Tesseron"),
            QCoreApplication::translate("TSplash", "Tesseron could not finish closing: %1").arg(QString::fromLocal8Bit(e.what())),
            QMessageBox::Ok, nullptr, display::Current());
        box.exec();
        event->ignore();
        return;
    }
    ended_ = true;
    event->accept();
    if (EndedHandler) EndedHandler();
    Ti.stop();
    QCoreApplication::exit(0);
}

}  // namespace tesseron
