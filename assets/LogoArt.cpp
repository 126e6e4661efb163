#include "assets/LogoArt.h"

#include "assets/Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tesseron::assets {

QImage PaintLogo() {
    QImage logo = Canvas(LogoWidth, LogoHeight, QColor(0, 0, 0));
    QPainter p(&logo);
    SetupPainter(p);
    const QRectF plate(0.5, 0.5, LogoWidth - 1, LogoHeight - 1);
    Bevel(p, plate, 4, QColor(40, 70, 120), QColor(10, 20, 45), QColor(150, 190, 255), QColor(0, 0, 20));

    // An orbit mark at the left: a ring with a bright moon.
    p.setPen(QPen(QColor(255, 200, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 6.5, 18, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(QRectF(18, 5, 6, 6));

    // The name, fitted into the rest of the plate.
    const QFont font = BoldFont(QStringLiteral("Liberation Sans"), QFont::SansSerif);
    const QPainterPath name = FitInto(TextOutline(QStringLiteral("ORVANE"), font), QRectF(28, 9, 55, 13));
    QLinearGradient ink(0, 9, 0, 22);
    ink.setColorAt(0, QColor(255, 255, 255));
    ink.setColorAt(1, QColor(170, 200, 255));
    p.fillPath(name, ink);
    p.end();
    return logo;
}

}  // namespace tesseron::assets
