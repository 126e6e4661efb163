#include "ui/URules.h"

#include "audio/Sounds.h"
#include "draw/BitmapText.h"
#include "draw/Layout.h"
#include "storage/Language.h"
#include "ui/Captions.h"
#include "ui/FocusRing.h"
#include "ui/Links.h"
#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

namespace tesseron {

namespace {

QFont PixelFont(const QString& family, int pixels, bool underline = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setUnderline(underline);
    return f;
}
QFont Serif(int pixels, bool underline = false) { return PixelFont(QStringLiteral("Liberation Serif"), pixels, underline); }
QFont Sans(int pixels) { return PixelFont(QStringLiteral("Liberation Sans"), pixels); }

// A label that is not transparent paints its background in the window's black.
void Style(QLabel& l, const QFont& font, const QColor& text, const QColor& background = QColor()) {
    l.setFont(font);
    QPalette p = l.palette();
    p.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        l.setAutoFillBackground(true);
    }
    l.setPalette(p);
}

void Clickable(ClickLabel& l, std::function<void()> action) {
    l.setCursor(Qt::PointingHandCursor);
    l.OnClick = std::move(action);
}

}  // namespace

int TRules::TitleLeft(int screenWidth) { return layout::ColumnOffset(screenWidth) + 215; }

TRules::TRules(const Skin& skin, const QString& baseDir, Sounds* sounds, OpenFunction open)
    : SkinnedWindow(skin, QCoreApplication::translate("TRules", "Help")), Label1(this), Label2(this), Label7(this), Label13(this),
      ShellLink2(this, open), ovlogo(this), Label5(this), ShellLink3(this, open), Label8(this), Label9(this), Label3(this),
      Label10(this), ovlabel(this), Label12(this), Label4(this), Label14(this), ovlabel2(this), baseDir_(baseDir),
      sounds_(sounds), open_(open ? std::move(open) : OpenFunction([](const QUrl& url) { QDesktopServices::openUrl(url); })) {
    FormPaintHandler = [this] { FormPaint(); };
    CloseHandler = [this] {
        if (sounds_) sounds_->ResumeEffect(Effect::Click);
        close();
    };
    const QString mailto = QStringLiteral("mailto:") + links::SupportAddress;

    // The title area passes the pointer on to the window; so does the credits line.
    for (QLabel* l : {&Label1, &Label7}) {
        l->setMouseTracking(true);
        l->installEventFilter(this);
    }
    // The empty spacers only hold the stacks apart; the skin shows through them.

    Style(Label7, Sans(12), QColor(227, 255, 236));
    Label7.setWordWrap(true);
    Label7.setText(
        QCoreApplication::translate("TRules",
                                    "Tesseron 1.40\n"
                                    "Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later."));

    ShellLink2.setText(QStringLiteral("     ") + links::SupportAddress);
    Style(ShellLink2, Sans(13), QColor(183, 183, 255));
    ShellLink2.FocusFont = Sans(13);
    ShellLink2.FocusColor = QColor(255, 170, 170);
    ShellLink2.setToolTip(QCoreApplication::translate("TRules", "Send e-mail to the author"));
    ShellLink2.setCursor(Qt::PointingHandCursor);
    ShellLink2.Link = mailto;

    ovlogo.setGeometry(120, 384, 88, 31);
    try {
        ovlogo.setPixmap(QPixmap::fromImage(Skin::LoadBitmap(baseDir_ + QStringLiteral("logo.bmp"))));
    } catch (const SkinError&) {
        // No logo: the gap in ovlabel's text stays empty.
    }
    ovlogo.setToolTip(links::MakerSite);
    Clickable(ovlogo, [this] { ovlogoClick(); });
    ovlogo.setVisible(false);

    ShellLink3.setGeometry(24, 160, 196, 21);
    ShellLink3.setText(links::SupportAddress);
    Style(ShellLink3, Serif(19, true), QColor(147, 147, 255));
    ShellLink3.FocusFont = Serif(19, true);
    ShellLink3.FocusColor = QColor(255, 136, 136);
    ShellLink3.setCursor(Qt::PointingHandCursor);
    ShellLink3.Link = mailto;
    // Never cut the address short: the label grows when the address is longer.
    ShellLink3.resize(std::max(196, ShellLink3.sizeHint().width()), 21);

    Label8.setText(QCoreApplication::translate("TRules", "           [ Rules of the game ]"));
    Style(Label8, Serif(27), QColor(217, 255, 138), QColor(30, 60, 0));
    Clickable(Label8, [this] { Label8Click(); });

    Label9.setGeometry(40, 352, 248, 26);
    Label9.setText(QCoreApplication::translate("TRules", "Visit Tesseron website"));
    Style(Label9, Serif(23), QColor(217, 255, 138), Qt::black);
    Clickable(Label9, [this] { Label9Click(); });

    Label10.setGeometry(24, 320, 265, 26);
    Label10.setText(QCoreApplication::translate("TRules", "Tesseron in the Internet:"));
    Style(Label10, Serif(23), QColor(236, 255, 198), Qt::black);

    ovlabel.setGeometry(40, 384, 243, 26);
    ovlabel.setText(QCoreApplication::translate("TRules", "Visit the                website"));
    Style(ovlabel, Serif(23), QColor(217, 255, 138));
    ovlabel.setToolTip(links::MakerSite);
    Clickable(ovlabel, [this] { ovlogoClick(); });
    ovlabel.setVisible(false);

    Label12.setText(QCoreApplication::translate(
        "TRules", "  If you have any questions or problems with the game feel free to e-mail support:"));
    Style(Label12, Serif(19), Qt::white);
    Label12.setWordWrap(true);

    Label4.setGeometry(304, 360, 260, 13);
    Label4.setText(QCoreApplication::translate("TRules", "Detailed help, News, Updates, Additional skins, Links..."));
    Style(Label4, Sans(11), QColor(164, 164, 164), Qt::black);

    Label14.setText(QCoreApplication::translate("TRules", "                     [ Tesseron Readme ]"));
    Style(Label14, Serif(27), QColor(217, 255, 138), QColor(27, 53, 0));
    Clickable(Label14, [this] { Label14Click(); });

    ovlabel2.setGeometry(304, 392, 306, 13);
    ovlabel2.setText(QCoreApplication::translate("TRules", "The Orvane website. News, games, projects, demos..."));
    Style(ovlabel2, Sans(11), QColor(164, 164, 164), Qt::black);
    ovlabel2.setVisible(false);

    // The labels are stacked in creation order; ovlabel's transparent gap lies over the logo.
    LayOut();
    for (QWidget* w :
         std::initializer_list<QWidget*>{&Label1, &Label2, &Label7, &Label13, &ShellLink2, &ovlogo, &Label5, &ShellLink3, &Label8,
                                         &Label9, &Label3, &Label10, &ovlabel, &Label12, &Label4, &Label14, &ovlabel2})
        controls.Add(w);
    controls.AddFont(&ShellLink2.FocusFont);
    controls.AddFont(&ShellLink3.FocusFont);
    ZoomedHandler = [this] { LayOut(); };
    Rezoom();
    FormCreate();
    // The frame shows as the window opens: Return there opens the rules at once.
    focus_ = new FocusRing(
        *this, *this, [this](int i) { return Stops().at(i).box; }, FocusRing::Start::Shown);
}

QRect TRules::WordsOf(const QLabel& label) const {
    const QString text = label.text();
    int lead = 0;
    while (lead < text.size() && text[lead] == QLatin1Char(' ')) ++lead;
    const QFontMetrics metrics(label.font());
    const int left = label.x() + metrics.horizontalAdvance(text.left(lead));
    const QRect words(left, label.y(), metrics.horizontalAdvance(text.mid(lead).trimmed()), label.height());
    // Clear of the words each side, for the letters that reach past their advance.
    const int clear = layout::FocusWordsClearance;
    return QRect(zoom_.ToLayout(words.topLeft()), zoom_.ToLayout(words.topLeft() + QPoint(words.width(), words.height())))
        .adjusted(-clear, 0, clear - 1, -1);
}

std::vector<TRules::Stop> TRules::Stops() const {
    std::vector<Stop> stops;
    // The list only describes the window; its presses act on it.
    TRules* self = const_cast<TRules*>(this);
    const auto add = [&](const QLabel& label, const QString& name, std::function<void()> press) -> PaintedControl& {
        PaintedControl c;
        c.role = QAccessible::Link;
        c.name = name;
        c.rect = label.geometry();
        c.press = std::move(press);
        c.drawnWith = {&label};
        return stops.emplace_back(Stop{std::move(c), WordsOf(label)}).control;
    };
    add(Label8, tr("Rules of the game"), [self] { self->Label8Click(); });
    add(Label14, tr("Tesseron Readme"), [self] { self->Label14Click(); });
    add(ShellLink3, links::SupportAddress, [self] { self->ShellLink3.Click(); });
    add(Label9, tr("Visit Tesseron website"), [self] { self->Label9Click(); });
    PaintedControl& maker = add(ovlabel, tr("Visit the Orvane website"), [self] { self->ovlogoClick(); });
    maker.description = links::MakerSite;
    maker.drawnWith.push_back(&ovlogo);
    add(ShellLink2, tr("Send e-mail to the author"), [self] { self->ShellLink2.Click(); }).description = links::SupportAddress;
    PaintedControl close;
    close.name = tr("Close");
    const QRect icon(layout::CloseIcon.left, layout::CloseIcon.top, layout::CloseIcon.width(), layout::CloseIcon.height());
    close.rect = zoom_.ToWindow(icon);
    close.press = [self] { self->CloseHandler(); };
    stops.push_back({std::move(close), icon});
    return stops;
}

std::vector<PaintedControl> TRules::Controls() const {
    std::vector<PaintedControl> controls;
    for (Stop& s : Stops()) {
        s.control.focused = focus_->Framed(int(controls.size()));
        controls.push_back(std::move(s.control));
    }
    return controls;
}

void TRules::LayOut() {
    const int w = width(), h = height();
    int top = 0;
    // The stacks' heights follow the zoom; the rows stay as wide as the window.
    auto stackTop = [&](QLabel& l, int height) {
        height = zoom_.Length(height);
        l.setGeometry(0, top, w, height);
        top += height;
    };
    stackTop(Label1, 105);
    stackTop(Label3, 21);
    stackTop(Label12, 21);
    stackTop(Label5, 49);
    stackTop(Label8, 31);
    stackTop(Label14, 31);
    int bottom = h;
    auto stackBottom = [&](QWidget& l, int height) {
        bottom -= zoom_.Length(height);
        height = zoom_.Length(height);
        l.setGeometry(0, bottom, w, height);
    };
    stackBottom(Label13, 8);
    stackBottom(ShellLink2, 16);
    stackBottom(Label7, 30);
    stackBottom(Label2, 11);
}

void TRules::FormCreate() {
    ovlogo.setVisible(true);
    ovlabel.setVisible(true);
    ovlabel2.setVisible(true);
    surface.Fill(QRect(0, 0, surface.width(), surface.height()), qRgb(0, 0, 0));
    CloseHover = false;
    CloseIconX = layout::BackIconNormal;
}

void TRules::FormPaint() {
    PaintBackground();
    DrawCloseIcon();
    const int titleLeft = TitleLeft(surface.width());
    DrawCaption(titleLeft, layout::TitleTop, surface, skin_, 2, layout::TitleRoom(surface.width(), titleLeft), captions::Context,
                captions::HelpTitle);
}

void TRules::FormMouseMove(Qt::KeyboardModifiers, int x, int y) { TrackCloseHover(x, y); }

void TRules::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (layout::InCloseIcon(x, y)) CloseHandler();
}

void TRules::Label8Click() {
    if (TextHandler) TextHandler(LongText(QStringLiteral("rules.txt")));
}

void TRules::Label14Click() {
    if (TextHandler) TextHandler(LongText(QStringLiteral("readme.txt")));
}

QString TRules::LongText(const QString& name) const {
    // The player's language where its translation is there; the viewer tells of a missing English file.
    const QStringList names = language::Variants(name, Language);
    for (const QString& n : names)
        if (QFileInfo(baseDir_ + n).isFile()) return baseDir_ + n;
    return baseDir_ + names.last();
}

void TRules::Label9Click() { open_(QUrl(links::GameSite)); }

void TRules::ovlogoClick() { open_(QUrl(links::MakerSite)); }

void TRules::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = ToLayout(event->position());
    FormMouseMove(event->modifiers(), p.x(), p.y());
}

void TRules::mousePressEvent(QMouseEvent* event) {
    const QPoint p = ToLayout(event->position());
    FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TRules::resizeEvent(QResizeEvent* event) {
    SkinnedWindow::resizeEvent(event);
    LayOut();
}

bool TRules::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QWidget*>(watched);
    const bool moves = event->type() == QEvent::MouseMove;
    const bool presses = event->type() == QEvent::MouseButtonPress && watched == &Label1;
    if (label && (moves || presses)) {
        auto* m = static_cast<QMouseEvent*>(event);
        const QPoint p = ToLayout(label->mapTo(this, m->position()));
        if (moves)
            FormMouseMove(m->modifiers(), p.x(), p.y());
        else
            FormMouseDown(m->button(), m->modifiers(), p.x(), p.y());
        return true;
    }
    return SkinnedWindow::eventFilter(watched, event);
}

}  // namespace tesseron
