#include "ui/UScores.h"

#include "audio/Sounds.h"
#include "draw/BitmapText.h"
#include "draw/Layout.h"
#include "ui/Captions.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace tesseron {

using namespace layout;

static_assert(FameRanks == 5, "FameNames and FameScores hold one entry per rank");

TScores::TScores(const Skin& skin, Sounds* sounds, QWidget* parent)
    : SkinnedWindow(skin, QCoreApplication::translate("TScores", "Scores"), parent), sounds_(sounds) {
    FormPaintHandler = [this] { FormPaint(); };
    CloseHandler = [this] {
        accept();
        if (sounds_) sounds_->ResumeEffect(Effect::Click);
    };
    FormCreate();
}

void TScores::FormCreate() {
    surface.Fill(QRect(0, 0, surface.width(), surface.height()), qRgb(0, 0, 0));
    CloseHover = false;
    CloseIconX = BackIconNormal;
}

void TScores::SetEntries(const QStringList& names, const QStringList& scores) {
    for (int k = 0; k < FameRanks; ++k) {
        FameNames[k] = names.value(k);
        FameScores[k] = scores.value(k);
    }
}

int TScores::TitleLeft(int screenWidth) { return ColumnOffset(screenWidth) + FameTitleLeft; }

int TScores::CentredLeft(int screenWidth, int length, int font) {
    const int advance = font >= 1 && font <= 3 ? FontAdvance[font] : 0;
    // 64-bit product: a name of any length must not overflow into a positive x.
    return int((qint64(screenWidth) - qint64(length) * advance) / 2);
}

void TScores::DrawCentred(int y, const QString& text, int font) {
    const QByteArray bytes = text.toLatin1();
    DrawString(CentredLeft(surface.width(), int(bytes.size()), font), y, surface, skin_, font, bytes);
}

void TScores::FormPaint() {
    PaintBackground();
    DrawCloseIcon();
    const int titleLeft = TitleLeft(surface.width());
    DrawCaption(titleLeft, TitleTop, surface, skin_, 2, TitleRoom(surface.width(), titleLeft), captions::Context,
                captions::HallOfFame);
    for (int k = 1; k <= FameRanks; ++k) {
        DrawCentred(FameNameTop(k), FameNames[k - 1], 1);
        DrawCentred(FameNameTop(k) + FameScoreDrop, FameScores[k - 1], 3);
    }
}

void TScores::FormMouseMove(Qt::KeyboardModifiers, int x, int y) { TrackCloseHover(x, y); }

void TScores::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (InCloseIcon(x, y)) CloseHandler();
}

void TScores::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = ToLayout(event->position());
    FormMouseMove(event->modifiers(), p.x(), p.y());
}

void TScores::mousePressEvent(QMouseEvent* event) {
    const QPoint p = ToLayout(event->position());
    FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

}  // namespace tesseron
