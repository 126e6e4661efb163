#include "ui/UScores.h"

#include "audio/Sounds.h"
#include "draw/BitmapText.h"
#include "draw/Layout.h"
#include "ui/Captions.h"

#include <QCoreApplication>
#include <QKeyEvent>
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

std::vector<PaintedControl> TScores::Controls() const {
    PaintedControl list;
    list.role = QAccessible::List;
    list.name = tr("Hall of fame");
    const int top = FameNameTop(1), bottom = FameNameTop(FameRanks) + FameScoreDrop + FontHeight[3];
    list.rect = zoom_.ToWindow(QRect(0, top, surface.width(), bottom - top));
    for (int k = 1; k <= FameRanks; ++k) {
        PaintedControl line;
        line.role = QAccessible::ListItem;
        line.name = FameNames[k - 1] + QLatin1Char(' ') + FameScores[k - 1];
        const int lineBottom = FameNameTop(k) + FameScoreDrop + FontHeight[3];
        line.rect = zoom_.ToWindow(QRect(0, FameNameTop(k), surface.width(), lineBottom - FameNameTop(k)));
        list.items.push_back(std::move(line));
    }
    PaintedControl close;
    close.name = tr("Close");
    close.rect = zoom_.ToWindow(QRect(CloseIcon.left, CloseIcon.top, CloseIcon.width(), CloseIcon.height()));
    close.focused = true;
    // The list only describes the window; its press acts on it.
    close.press = [self = const_cast<TScores*>(this)] { self->CloseHandler(); };
    return {std::move(list), std::move(close)};
}

// Nothing else on the window takes a press, so Return and Space go to the close icon.
void TScores::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (mods == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        if (CloseHandler) CloseHandler();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
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
