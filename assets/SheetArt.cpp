#include "assets/SheetArt.h"

#include "assets/Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <stdexcept>

namespace tesseron::assets {

namespace {

// Icon pictures are designed in a 40 × 40 box.
enum class Icon { NewGame, HallOfFame, Help, Options, Back };

QPainterPath GearPath() {
    QPolygonF gear;
    const int teeth = 8;
    for (int i = 0; i < teeth; ++i) {
        const double a = 2 * Pi * i / teeth;
        const double w = Pi / teeth * 0.55;
        for (auto [da, r] : {std::pair{-Pi / teeth, 13.0}, std::pair{-w, 13.5}, std::pair{-w * 0.75, 18.5},
                             std::pair{w * 0.75, 18.5}, std::pair{w, 13.5}})
            gear << QPointF(20 + r * std::cos(a + da), 20 + r * std::sin(a + da));
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(gear);
    path.closeSubpath();
    path.addEllipse(QPointF(20, 20), 5.5, 5.5);
    return path;
}

QPainterPath TrophyPath() {
    QPainterPath cup;
    cup.moveTo(9, 5);
    cup.lineTo(31, 5);
    cup.cubicTo(31, 18, 27, 24, 20, 25);
    cup.cubicTo(13, 24, 9, 18, 9, 5);
    cup.closeSubpath();
    QPainterPath handles;
    handles.addEllipse(QRectF(3, 7, 10, 11));
    handles.addEllipse(QRectF(27, 7, 10, 11));
    QPainterPath holes;
    holes.addEllipse(QRectF(5.8, 9.6, 4.4, 5.8));
    holes.addEllipse(QRectF(29.8, 9.6, 4.4, 5.8));
    QPainterPath foot;
    foot.addRect(QRectF(17.5, 24, 5, 7));
    foot.addRoundedRect(QRectF(11, 30, 18, 6), 1.5, 1.5);
    return cup.united(handles.subtracted(holes)).united(foot);
}

QPainterPath BackArrowPath() { return Poly({{3, 20}, {18, 5}, {18, 13.5}, {36, 13.5}, {36, 26.5}, {18, 26.5}, {18, 35}}); }

void PaintIconPicture(QPainter& p, Icon icon, const SkinStyle& s, bool hot) {
    const QColor ink = hot ? s.inkHot : s.ink;
    const QColor shadow(0, 0, 0, 150);
    auto inked = [&](const QPainterPath& path, const QBrush& fill) {
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawPath(path.translated(1.0, 1.5));
        p.setPen(QPen(WithAlpha(s.textEdge, 200), 1.2));
        p.setBrush(fill);
        p.drawPath(path);
    };
    switch (icon) {
    case Icon::NewGame: {
        // Three fresh bricks and a plus where the fourth will come.
        PaintBrick(p, QRectF(3, 3, 16.5, 16.5), s, 1, 0);
        PaintBrick(p, QRectF(20.5, 3, 16.5, 16.5), s, 3, 0);
        PaintBrick(p, QRectF(3, 20.5, 16.5, 16.5), s, 2, 0);
        inked(Cross(QPointF(29, 29), 7.5, 2.8), ink);
        break;
    }
    case Icon::HallOfFame: {
        QLinearGradient gold(0, 4, 0, 36);
        gold.setColorAt(0, hot ? QColor(255, 250, 200) : QColor(255, 236, 150));
        gold.setColorAt(0.5, hot ? QColor(255, 214, 70) : QColor(238, 182, 44));
        gold.setColorAt(1, QColor(160, 96, 10));
        QTransform big;
        big.translate(20, 20);
        big.scale(1.12, 1.12);
        big.translate(-20, -20.5);
        inked(big.map(TrophyPath()), gold);
        QPainterPath star = Mark(7, QPointF(20, 13.2), 4.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 60, 0, 200));
        p.drawPath(star);
        break;
    }
    case Icon::Help: {
        const QPainterPath q = FitInto(
            TextOutline(QStringLiteral("?"), BoldFont(QStringLiteral("Liberation Serif"), QFont::Serif)), QRectF(9, 2, 22, 36));
        inked(q, ink);
        break;
    }
    case Icon::Options: inked(GearPath(), ink); break;
    case Icon::Back: inked(BackArrowPath(), ink); break;
    }
}

// The words under the icons, as the glossary has them; the back icon's word is its own.
struct IconWords {
    const char* language;
    const char* words[5];  // new game, hall of fame, help, options, back
};
const IconWords Captions[] = {
    {"", {"NEW GAME", "HALL OF FAME", "HELP", "OPTIONS", "BACK"}},
    {"de", {"NEUES SPIEL", "RUHMESHALLE", "HILFE", "OPTIONEN", "ZURÜCK"}},
    {"fr", {"NOUVELLE PARTIE", "TABLEAU D’HONNEUR", "AIDE", "OPTIONS", "RETOUR"}},
    {"es", {"NUEVA PARTIDA", "SALÓN DE LA FAMA", "AYUDA", "OPCIONES", "VOLVER"}},
    {"it", {"NUOVA PARTITA", "ALBO D’ORO", "AIUTO", "OPZIONI", "INDIETRO"}},
    {"pt_BR", {"NOVO JOGO", "HALL DA FAMA", "AJUDA", "OPÇÕES", "VOLTAR"}},
    {"pl", {"NOWA GRA", "GALERIA SŁAW", "POMOC", "OPCJE", "WSTECZ"}},
    {"nl", {"NIEUW SPEL", "EREGALERIJ", "HELP", "OPTIES", "TERUG"}},
    {"ru", {"НОВАЯ ИГРА", "ЗАЛ СЛАВЫ", "СПРАВКА", "НАСТРОЙКИ", "НАЗАД"}},
};

QString IconCaption(Icon icon, const QString& language) {
    for (const IconWords& w : Captions)
        if (language == QLatin1String(w.language)) return QString::fromUtf8(w.words[int(icon)]);
    throw std::runtime_error("no icon words for the language \"" + language.toStdString() + "\"");
}

// The caption under an icon's disc: one line of capitals 8 high, or, where one line would
// have to be squeezed to less than three quarters of its width, two lines of 6.5.
QPainterPath CaptionPath(const QString& words) {
    const QFont font = BoldFont(QStringLiteral("Liberation Sans"), QFont::SansSerif);
    const double refCap = -TextOutline(QStringLiteral("H"), font).boundingRect().top();
    auto line = [&](const QString& text, double cap, double baseline) {
        const QPainterPath path = TextOutline(text, font);
        const double k = std::min(cap / refCap, 82.0 / path.boundingRect().width());
        QTransform t;
        t.translate(45, baseline);
        t.scale(k, cap / refCap);
        t.translate(-path.boundingRect().center().x(), 0);
        return t.map(path);
    };
    const QPainterPath one = TextOutline(words, font);
    const int space = words.indexOf(QLatin1Char(' '), words.size() / 2 - 1);
    const int split = space >= 0 ? space : words.lastIndexOf(QLatin1Char(' '));
    if (split < 0 || one.boundingRect().width() * 8.0 / refCap * 0.75 <= 82.0) return line(words, 8, 86);
    QPainterPath two = line(words.left(split), 6.5, 78.5);
    two.addPath(line(words.mid(split + 1), 6.5, 87));
    return two;
}

void PaintIconTile(QPainter& p, QPointF origin, Icon icon, const SkinStyle& s, bool hot, const QString& language) {
    p.save();
    p.translate(origin);
    const QRectF tile(0, 0, layout::IconSize, layout::IconSize);
    p.setClipRect(tile);
    QLinearGradient panel(0, 0, 0, tile.height());
    panel.setColorAt(0, s.panelTop);
    panel.setColorAt(1, s.panelBottom);
    p.fillRect(tile, panel);
    p.setPen(QPen(Shade(s.panelBottom, -0.6), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 89, 89));
    p.setPen(QPen(WithAlpha(s.metalLight, 60), 1));
    p.drawRect(QRectF(1.5, 1.5, 87, 87));

    const QPointF c(45, 38);
    if (hot) {
        QRadialGradient halo(c, 44);
        halo.setColorAt(0.55, WithAlpha(s.glow, 200));
        halo.setColorAt(1, WithAlpha(s.glow, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 44, 44);
    }
    QConicalGradient ring(c, 135);
    ring.setColorAt(0, s.metalLight);
    ring.setColorAt(0.25, s.metalDark);
    ring.setColorAt(0.5, s.metalLight);
    ring.setColorAt(0.75, s.metalDark);
    ring.setColorAt(1, s.metalLight);
    p.setPen(QPen(Shade(s.metalDark, -0.6), 1));
    p.setBrush(ring);
    p.drawEllipse(c, 31, 31);
    QRadialGradient disc(c - QPointF(6, 8), 36);
    const QColor inside = hot ? s.discHot : s.discNormal;
    disc.setColorAt(0, Shade(inside, 0.35));
    disc.setColorAt(0.7, inside);
    disc.setColorAt(1, Shade(inside, -0.5));
    p.setBrush(disc);
    p.drawEllipse(c, 27, 27);
    p.setPen(Qt::NoPen);
    QLinearGradient gloss(0, 12, 0, 36);
    gloss.setColorAt(0, QColor(255, 255, 255, hot ? 120 : 80));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(25, 13, 40, 22));

    p.save();
    p.translate(c - QPointF(20, 20));
    PaintIconPicture(p, icon, s, hot);
    p.restore();

    const QPainterPath caption = CaptionPath(IconCaption(icon, language));
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(caption.translated(0.8, 0.8));
    p.setBrush(hot ? s.inkHot : Mix(s.ink, s.metalDark, 0.25));
    p.drawPath(caption);
    p.restore();
}

// A raised plate filling `r`, lit when hot; its corners take the tile's mean colour.
void PaintPlate(QPainter& p, const QRectF& r, const SkinStyle& s, const QColor& behind, bool hot) {
    p.fillRect(r, behind);
    const QColor top = hot ? Mix(s.panelTop, s.glow, 0.55) : s.panelTop;
    const QColor bottom = hot ? Mix(s.panelBottom, s.glow, 0.35) : s.panelBottom;
    p.setPen(QPen(Shade(s.panelBottom, -0.7), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    Bevel(p, r.adjusted(1, 1, -1, -1), 5, top, bottom, WithAlpha(s.metalLight, hot ? 230 : 150),
          WithAlpha(Shade(s.panelBottom, -0.7), 200));
}

void InkPath(QPainter& p, const QPainterPath& path, const SkinStyle& s, bool hot) {
    p.setPen(Qt::NoPen);
    if (hot) {
        p.setBrush(WithAlpha(s.glow, 90));
        p.drawPath(path);
        p.setPen(QPen(WithAlpha(s.glow, 110), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
    }
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(path.translated(1, 1.2));
    p.setPen(QPen(WithAlpha(s.textEdge, 180), 0.9));
    p.setBrush(hot ? s.inkHot : s.ink);
    p.drawPath(path);
}

QPainterPath Stroked(const QPainterPath& line, double width) {
    QPainterPathStroker st;
    st.setWidth(width);
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    return st.createStroke(line).simplified();
}

enum class Button { Undo, Minimise, LoadSave, Quit };

QPainterPath ButtonSymbol(Button b, const QRectF& r) {
    const QPointF c = r.center();
    QPainterPath path;
    switch (b) {
    case Button::Undo: {
        // A turn to the left: arc from the lower right over the top, head pointing down.
        QPainterPath arc;
        const QRectF circle(c.x() - 10, c.y() - 9, 20, 20);
        arc.arcMoveTo(circle, -50);
        arc.arcTo(circle, -50, 215);
        path = Stroked(arc, 4);
        QPointF end;
        {
            QPainterPath probe;
            probe.arcMoveTo(circle, 165);
            end = probe.currentPosition();
        }
        path = path.united(Poly({{end.x() - 7, end.y() - 2}, {end.x() + 6, end.y() - 2}, {end.x() - 1.5, end.y() + 8}}));
        break;
    }
    case Button::Minimise: {
        // A window with its title bar, sinking onto the bar it shrinks to.
        QPainterPath frame;
        frame.addRoundedRect(QRectF(c.x() - 13, c.y() - 15, 26, 16), 2, 2);
        QPainterPath pane;
        pane.addRect(QRectF(c.x() - 11, c.y() - 9.5, 22, 8.8));
        path = frame.subtracted(pane);
        path = path.united(Poly({{c.x() - 6, c.y() + 2.5}, {c.x() + 6, c.y() + 2.5}, {c.x(), c.y() + 8.5}}));
        QPainterPath bar;
        bar.addRoundedRect(QRectF(c.x() - 17, c.y() + 10, 34, 4.5), 1.5, 1.5);
        path = path.united(bar);
        break;
    }
    case Button::LoadSave: {
        // A floppy disk: body with a clipped corner, shutter and label cut out.
        const double l = c.x() - 12, t = c.y() - 12;
        QPainterPath body = Poly({{l, t}, {l + 20, t}, {l + 24, t + 4}, {l + 24, t + 24}, {l, t + 24}});
        QPainterPath holes;
        holes.addRect(QRectF(l + 5, t + 1.8, 12, 7));
        holes.addRoundedRect(QRectF(l + 4, t + 13, 16, 9), 1, 1);
        path = body.subtracted(holes);
        path.addRect(QRectF(l + 12.5, t + 3, 3, 4.6));
        break;
    }
    case Button::Quit: {
        QPainterPath arc;
        const QRectF circle(c.x() - 10, c.y() - 8.5, 20, 20);
        arc.arcMoveTo(circle, 125);
        arc.arcTo(circle, 125, 290);
        QPainterPath bar;
        bar.moveTo(c.x(), c.y() - 12.5);
        bar.lineTo(c.x(), c.y() - 0.5);
        path = Stroked(arc, 3.6).united(Stroked(bar, 3.8));
        break;
    }
    }
    return path;
}

void PaintButton(QPainter& p, const QRect& region, Button b, const SkinStyle& s, const QColor& behind, bool hot) {
    p.save();
    p.setClipRect(region);
    const QRectF r(region);
    PaintPlate(p, r, s, behind, hot);
    InkPath(p, ButtonSymbol(b, r), s, hot);
    p.restore();
}

void PaintColourStrip(QPainter& p, const QRect& region, const SkinStyle& s, const QColor& behind) {
    p.save();
    p.setClipRect(region);
    p.translate(region.topLeft());
    const QRectF r(0, 0, region.width(), region.height());
    PaintPlate(p, r, s, behind, false);
    // The marker's rows (17..26) are a plain groove, so a marker copied anywhere along
    // it blends in and a redraw of the strip wipes the old one.
    p.fillRect(QRectF(5, 17, 190, 10), Shade(s.panelBottom, -0.55));
    p.fillRect(QRectF(5, 21, 190, 2), WithAlpha(s.metalDark, 255));
    const QFont font = BoldFont(QStringLiteral("Liberation Sans"), QFont::SansSerif);
    const double centres[6] = {15, 45, 77, 111, 142, 180};
    for (int n = 5; n <= 10; ++n) {
        const QPainterPath digit =
            FitGlyph(TextOutline(QString::number(n), font), font, QRectF(centres[n - 5] - 15, 0, 30, 17), 12.5, 15, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 170));
        p.drawPath(digit.translated(0.9, 1.1));
        p.setPen(QPen(s.textEdge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(digit);
        p.setPen(Qt::NoPen);
        p.setBrush(s.ink);
        p.drawPath(digit);
    }
    p.restore();
}

void PaintMarker(QPainter& p, const QRect& region, const SkinStyle& s) {
    p.save();
    p.setClipRect(region);
    p.translate(region.topLeft());
    p.fillRect(QRectF(0, 0, 10, 10), Shade(s.panelBottom, -0.55));
    p.fillRect(QRectF(0, 4, 10, 2), WithAlpha(s.metalDark, 255));
    p.setPen(QPen(s.textEdge, 0.9));
    QLinearGradient g(0, 0, 0, 10);
    g.setColorAt(0, s.inkHot);
    g.setColorAt(1, s.glow);
    p.setBrush(g);
    p.drawPath(Poly({{5, 0.6}, {9.5, 9.3}, {0.5, 9.3}}));
    p.restore();
}

void PaintSwitch(QPainter& p, const QRect& region, const SkinStyle& s, const QColor& behind, bool on) {
    p.save();
    p.setClipRect(region);
    p.translate(region.topLeft());
    p.fillRect(QRectF(0, 0, 30, 22), behind);
    const QRectF pill(1, 2.5, 28, 17);
    QLinearGradient body(0, 2, 0, 20);
    const QColor base = on ? s.switchOn : QColor(70, 70, 74);
    body.setColorAt(0, Shade(base, -0.45));
    body.setColorAt(1, Shade(base, on ? 0.15 : -0.1));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.setBrush(body);
    p.drawRoundedRect(pill, 8.5, 8.5);
    // "I" while on, "O" while off, on the side the knob left free.
    p.setPen(QPen(on ? QColor(255, 255, 255, 230) : QColor(170, 170, 176), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (on)
        p.drawLine(QPointF(9, 7.5), QPointF(9, 14.5));
    else
        p.drawEllipse(QPointF(21, 11), 3.2, 3.2);
    const QPointF knob(on ? 20.5 : 9.5, 11);
    QRadialGradient kg(knob - QPointF(2, 2.5), 9);
    kg.setColorAt(0, QColor(255, 255, 255));
    kg.setColorAt(1, on ? s.metalLight : QColor(150, 150, 156));
    p.setPen(QPen(QColor(0, 0, 0, 170), 0.9));
    p.setBrush(kg);
    p.drawEllipse(knob, 7, 7);
    p.restore();
}

void PaintFolder(QPainter& p, const QRect& region, const SkinStyle& s, const QColor& behind) {
    p.save();
    p.setClipRect(region);
    PaintPlate(p, QRectF(region), s, behind, false);
    p.translate(region.topLeft());
    const QColor f = s.folderColour;
    QPainterPath back;
    back.addRoundedRect(QRectF(6, 9, 29, 23), 2, 2);
    back.addRoundedRect(QRectF(6, 7, 12, 5), 1.5, 1.5);
    p.setPen(QPen(Shade(f, -0.7), 1));
    p.setBrush(Shade(f, -0.3));
    p.drawPath(back.simplified());
    p.setBrush(QColor(250, 250, 245));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(9, 11.5, 22, 8));
    QPainterPath front = Poly({{9, 15}, {38, 15}, {34.5, 32}, {6, 32}});
    QLinearGradient g(0, 15, 0, 32);
    g.setColorAt(0, Shade(f, 0.35));
    g.setColorAt(1, f);
    p.setPen(QPen(Shade(f, -0.7), 1));
    p.setBrush(g);
    p.drawPath(front);
    p.restore();
}

}  // namespace

QImage PaintIcons(const SkinStyle& s, const QString& language) {
    QImage img = Canvas(layout::IconSheet.width, layout::IconSheet.height, s.panelBottom);
    QPainter p(&img);
    SetupPainter(p);
    const Icon commands[layout::IconCount] = {Icon::NewGame, Icon::HallOfFame, Icon::Help, Icon::Options};
    for (int i = 0; i < layout::IconCount; ++i)
        for (const int offset : {layout::IconHighlighted, layout::IconNormal}) {
            const layout::Box r = layout::IconRegion(i, offset);
            PaintIconTile(p, QPointF(r.left, r.top), commands[i], s, offset == layout::IconHighlighted, language);
        }
    for (const int x : {layout::BackIconHighlighted, layout::BackIconNormal}) {
        const layout::Box r = layout::BackIconRegion(x);
        PaintIconTile(p, QPointF(r.left, r.top), Icon::Back, s, x == layout::BackIconHighlighted, language);
    }
    return img;
}

QImage PaintPictograms(const SkinStyle& s, const QColor& behind) {
    QImage img = Canvas(PictogramWidth, PictogramHeight, behind);
    QPainter p(&img);
    SetupPainter(p);
    // Cut exactly as the game reads them: (left, top, width, height).
    const Button kinds[layout::ButtonCount] = {Button::Undo, Button::Minimise, Button::LoadSave, Button::Quit};
    for (int i = 0; i < layout::ButtonCount; ++i) {
        PaintButton(p, SheetRect(layout::Buttons[i].highlighted), kinds[i], s, behind, true);
        PaintButton(p, SheetRect(layout::Buttons[i].normal), kinds[i], s, behind, false);
    }
    PaintColourStrip(p, SheetRect(layout::ColourStripPicture), s, behind);
    PaintMarker(p, SheetRect(layout::ColourMarkerPicture), s);
    PaintSwitch(p, SheetRect(layout::SwitchOnPicture), s, behind, true);
    PaintSwitch(p, SheetRect(layout::SwitchOffPicture), s, behind, false);
    PaintFolder(p, SheetRect(layout::FolderPicture), s, behind);
    return img;
}

}  // namespace tesseron::assets
