#include "ui/UMain.h"

#include "ui/USplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QWindowStateChangeEvent>

#include <exception>
#include <vector>

namespace tesseron {

namespace {

constexpr int DefaultSpeed = 50;  // GameSpeed and DisappearSpeed without a settings file
constexpr qint64 HighRecordSize = 108;

bool IsPatternLetter(QChar c) {
    return QStringLiteral("hHmsztaApP").contains(c);
}

}  // namespace

QString HoursMinutesFormat(const QString& timeFormat) {
    struct Piece {
        QString text;
        QChar letter;  // null for literal text
    };
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < timeFormat.size();) {
        const QChar c = timeFormat[i];
        if (IsPatternLetter(c)) {
            // "AP" and "ap" form one token; other letters repeat themselves.
            const bool ampm = QStringLiteral("aApP").contains(c);
            qsizetype j = i + 1;
            while (j < timeFormat.size() &&
                   (ampm ? QStringLiteral("aApP").contains(timeFormat[j]) : timeFormat[j] == c))
                ++j;
            pieces.push_back({timeFormat.mid(i, j - i), ampm ? QChar('a') : c});
            i = j;
        } else {
            qsizetype j = i;
            while (j < timeFormat.size() && !IsPatternLetter(timeFormat[j])) {
                if (timeFormat[j] == QLatin1Char('\'')) {
                    const qsizetype close = timeFormat.indexOf(QLatin1Char('\''), j + 1);
                    j = close < 0 ? timeFormat.size() : close + 1;
                } else {
                    ++j;
                }
            }
            if (!pieces.empty() && pieces.back().letter.isNull())
                pieces.back().text += timeFormat.mid(i, j - i);
            else
                pieces.push_back({timeFormat.mid(i, j - i), QChar()});
            i = j;
        }
    }

    QString out;
    bool hasHours = false;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const Piece& p = pieces[k];
        const bool drop = p.letter == QLatin1Char('s') || p.letter == QLatin1Char('z') || p.letter == QLatin1Char('t');
        if (drop) continue;
        // A separator that only leads to a dropped token goes with it.
        if (p.letter.isNull() && k + 1 < pieces.size()) {
            const QChar next = pieces[k + 1].letter;
            if (next == QLatin1Char('s') || next == QLatin1Char('z') || next == QLatin1Char('t')) continue;
        }
        if (p.letter == QLatin1Char('h') || p.letter == QLatin1Char('H')) hasHours = true;
        out += p.text;
    }
    out = out.trimmed();
    return hasHours ? out : QStringLiteral("HH:mm");
}

// --- The engine's host -------------------------------------------------------

void TMain::Host::FieldUpDate(bool full) { w_.FieldUpDate(full); }

void TMain::Host::ScoreLabel(int32_t) { w_.ShowScore(); }

void TMain::Host::PlayEffect(int effect) { w_.PlayEffect(effect); }

void TMain::Host::Beep() { QApplication::beep(); }

void TMain::Host::ShowInformation(const std::string& text) {
    w_.Message(QMessageBox::Information, QString::fromStdString(text));
}

void TMain::Host::StepTimer(bool enabled) {
    // Enabling a running timer leaves its count alone, as switching a timer on that is on does.
    if (!enabled)
        w_.tmrSTEP.stop();
    else if (!w_.tmrSTEP.isActive())
        w_.tmrSTEP.start();
}

void TMain::Host::RestartSweepTimer() {
    w_.AntiMinus.stop();
    w_.AntiMinus.start();
}

void TMain::Host::GameOver(int32_t) { w_.AddHighScore(); }

int TMain::Host::NumberOfColors() const { return w_.NumCol; }

// --- Creation ----------------------------------------------------------------

TMain::TMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), host_(*this), game(host_, random),
      view(surface, skin, game.st, hover) {
    setWindowTitle(QStringLiteral("Tesseron"));
    // Every pixel comes from the surface, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);

    lblTime = new QLabel(QStringLiteral("00:00"), this);
    Scor = new QLabel(QStringLiteral("0"), this);
    loadsave = new QMenu(this);
    loadsave->addAction(QStringLiteral("Load game"), this, &TMain::Loadgame1Click);
    loadsave->addAction(QStringLiteral("Save game"), this, &TMain::SaveClick);

    FormCreate();

    QFont timeFont(QStringLiteral("Times New Roman"));
    timeFont.setPixelSize(16);
    lblTime->setFont(timeFont);
    QPalette timePalette = lblTime->palette();
    timePalette.setColor(QPalette::WindowText, QColor(0, 147, 0));
    lblTime->setPalette(timePalette);
    lblTime->setToolTip(QStringLiteral("Current time"));
    lblTime->move(8, 8);
    lblTime->adjustSize();
    lblTime->installEventFilter(this);

    QFont scoreFont(QStringLiteral("Arial"));
    scoreFont.setBold(true);
    scoreFont.setPixelSize(19);
    Scor->setFont(scoreFont);
    QPalette scorePalette = Scor->palette();
    scorePalette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Scor->setPalette(scorePalette);
    Scor->adjustSize();
    Scor->setMouseTracking(true);
    Scor->installEventFilter(this);

    t.setInterval(1);
    t.setSingleShot(true);
    connect(&t, &QTimer::timeout, this, &TMain::tTimer);
    t.start();

    tmrSTEP.setInterval(DefaultSpeed);
    connect(&tmrSTEP, &QTimer::timeout, this, [this] { game.tmrSTEPTimer(); });
    tmrSTEP.start();

    AntiMinus.setInterval(DefaultSpeed);
    connect(&AntiMinus, &QTimer::timeout, this, [this] { game.AntiMinusTimer(); });

    clockFormat_ = HoursMinutesFormat(QLocale::system().timeFormat(QLocale::LongFormat));
    tmrTime.setInterval(1000);
    connect(&tmrTime, &QTimer::timeout, this, &TMain::tmrTimeTimer);
    tmrTime.start();
}

TMain::~TMain() = default;

void TMain::FormCreate() {
    hover.HoverButton = 1;
    BaseDir = QDir::currentPath();
    if (!BaseDir.endsWith(QLatin1Char('/'))) BaseDir += QLatin1Char('/');
    skin.BackgroundTile = skin.bgimg;
    random.Seed(Random::ClockSeed());
    game.st.Score = 0;

    const QScreen* screen = QGuiApplication::primaryScreen();
    screen_ = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    FieldLeft = FieldOffset(screen_.width());
    FieldTop = FieldOffset(screen_.height());
    view.FieldLeft = FieldLeft;
    view.FieldTop = FieldTop;
    surface.Resize(screen_.width(), screen_.height());
    resize(screen_.size());

    Scor->move(FieldLeft + 495, FieldTop + 35);
    game.st.UndoReady = false;
}

// --- Start-up ----------------------------------------------------------------

template <typename F>
bool TMain::Attempt(const char* step, F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        Message(QMessageBox::Critical,
                QStringLiteral("Tesseron could not %1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Message(QMessageBox::Critical, QStringLiteral("Tesseron could not %1.").arg(QLatin1String(step)));
    }
    return false;
}

void TMain::tTimer() {
    t.stop();
    FormActivate();
}

void TMain::FormActivate() {
    if (!Attempt("load the high scores", [this] { LoadHigh(); })) return;
    if (!Attempt("read the settings", [this] { ReadIni(); })) return;
    if (!Attempt("start a new game", [this] { game.NewClick(); })) return;
    if (!Attempt("read the skin description", [this] {
            try {
                skin.skn = Skin::ReadDescription(SkinFile);
            } catch (const SkinError&) {
                Message(QMessageBox::Critical, QStringLiteral("The skin file cound not be opened!"));
            }
        }))
        return;
    if (!Attempt("load the skin", [this] { LoadSkin(); })) return;
    if (!Attempt("bring the hall of fame up to date", [this] { UpDateScores(); })) return;
    game.st.UndoReady = false;
}

void TMain::LoadHigh() {
    // The file must open and end on a whole record; the table keeps its built-in lines.
    QFile file(BaseDir + QStringLiteral("Vexil.hig"));
    const bool readable = file.open(QIODevice::ReadOnly) && file.size() >= HighRecordSize &&
                          file.size() % HighRecordSize == 0;
    if (!readable)
        Message(QMessageBox::Warning, QStringLiteral("The high scores file was not found! A new file was created."));
}

void TMain::ReadIni() {
    // No settings file is kept yet: every run starts from the defaults.
    tmrSTEP.setInterval(DefaultSpeed);
    AntiMinus.setInterval(DefaultSpeed);
    NumCol = 7;
    SkinFile = BaseDir + QStringLiteral("Scoarching red.skn");
}

void TMain::WriteIni() {
    // Nothing to write while the settings are not stored.
}

void TMain::SaveHigh() {
    // Nothing to write while the table is not kept.
}

void TMain::UpDateScores() {
    // No hall of fame window to fill yet.
}

void TMain::AddHighScore() {
    // The engine has stopped the step timer; no table takes the score yet.
}

void TMain::LoadSkin() {
    skin.LoadImages(BaseDir);
    FormPaint();
    view.DrawAllBricks();
    Flush();
}

// --- Shutdown ----------------------------------------------------------------

void TMain::FormClose() {
    // Settings first: a failure to write them abandons the close before the scores.
    WriteIni();
    SaveHigh();
}

void TMain::closeEvent(QCloseEvent* event) {
    // The window manager's close goes the way of the quit button and ends the program.
    const bool ended = Splash ? Splash->close() : (FormClose(), true);
    if (ended)
        event->accept();
    else
        event->ignore();
}

// --- Drawing -----------------------------------------------------------------

void TMain::Flush() {
    const QRegion dirty = surface.TakeDirty();
    if (!dirty.isEmpty()) update(dirty);
}

void TMain::FormPaint() {
    if (!skin.Present()) return;
    tmrTimeTimer();
    view.PaintAll();
    ShowScore();
    Flush();
}

void TMain::FieldUpDate(bool full) {
    view.FieldUpDate(full);
    Flush();
}

void TMain::DrawIcons() {
    view.DrawIcons();
    Flush();
}

void TMain::DrawButtons() {
    view.DrawButtons();
    Flush();
}

void TMain::tmrTimeTimer() {
    const QString text = QTime::currentTime().toString(clockFormat_);
    if (text != lblTime->text()) {
        lblTime->setText(text);
        lblTime->adjustSize();
    }
}

void TMain::ShowScore() {
    const QString text = QString::number(game.st.Score);
    if (text != Scor->text()) {
        Scor->setText(text);
        Scor->adjustSize();
    }
}

void TMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& image = surface.image();
    for (const QRect& r : event->region()) {
        const QRect inside = r.intersected(image.rect());
        if (!inside.isEmpty()) painter.drawImage(inside, image, inside);
        // A window larger than the screen it was made for shows black beyond the surface.
        for (const QRect& rest : QRegion(r).subtracted(QRegion(image.rect()))) painter.fillRect(rest, Qt::black);
    }
}

void TMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormPaint();
}

void TMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) FormPaint();
    }
}

void TMain::ShowFullScreen() {
    setGeometry(screen_);
    showFullScreen();
    raise();
    activateWindow();
}

// --- Pointer input -----------------------------------------------------------

void TMain::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TMain::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    FormMouseMove(event->modifiers(), p.x(), p.y());
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    // The labels take the pointer for themselves: what happens over them never reaches the field.
    if (watched == Scor || watched == lblTime) {
        switch (event->type()) {
        case QEvent::MouseMove:
            if (watched == Scor) ScorMouseMove();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMain::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
    const int L = FieldLeft, T = FieldTop;
    if (PointInRect(L + 500, T + 90, L + 543, T + 130, X, Y)) game.UndoClick();
    if (PointInRect(L + 495, T + 173, L + 551, T + 218, X, Y)) MinimizeClick();
    if (PointInRect(L + 504, T + 256, L + 539, T + 306, X, Y)) loadsave->exec(mapToGlobal(QPoint(X, Y)));
    if (PointInRect(L + 499, T + 341, L + 546, T + 389, X, Y)) QuitClick();

    const bool leftColumn = L < X && X < L + 90;
    const bool rightColumn = L + 390 < X && X < L + 480;
    const bool middleColumn = L + 90 < X && X < L + 390;
    const bool topRow = T < Y && Y < T + 90;
    const bool bottomRow = T + 390 < Y && Y < T + 480;
    const bool middleRow = T + 90 < Y && Y < T + 390;
    if (leftColumn && topRow) {
        game.NewClick();
        PlayEffect(EffectClick);
    }
    if (rightColumn && topRow) ScoresClick();
    if (leftColumn && bottomRow) RulesClick();
    if (rightColumn && bottomRow) OptionsClick();

    if (leftColumn && middleRow) game.LaunchBrick(SideLeft, (Y - T - 90) / 30 + 1);
    if (rightColumn && middleRow) game.LaunchBrick(SideRight, (Y - T - 90) / 30 + 1);
    if (middleColumn && topRow) game.LaunchBrick(SideTop, (X - L - 90) / 30 + 1);
    if (middleColumn && bottomRow) game.LaunchBrick(SideBottom, (X - L - 90) / 30 + 1);

    FieldUpDate(false);
}

void TMain::FormMouseMove(Qt::KeyboardModifiers, int X, int Y) {
    const int L = FieldLeft, T = FieldTop;
    const uint8_t oldButton = hover.HoverButton;
    hover.HoverButton = 0;
    if (PointInRect(L + 490, T + 90, L + 532, T + 131, X, Y)) hover.HoverButton = 1;
    if (PointInRect(L + 490, T + 173, L + 532, T + 214, X, Y)) hover.HoverButton = 2;
    if (PointInRect(L + 490, T + 256, L + 531, T + 297, X, Y)) hover.HoverButton = 3;
    if (PointInRect(L + 490, T + 341, L + 531, T + 382, X, Y)) hover.HoverButton = 4;
    if (hover.HoverButton != oldButton) DrawButtons();

    const bool oldIconHover = hover.IconHover;
    for (int32_t& offset : hover.IconOffset) offset = 180;
    hover.IconHover = false;
    const bool leftColumn = L < X && X < L + 90;
    const bool rightColumn = L + 390 < X && X < L + 480;
    const bool topRow = T < Y && Y < T + 90;
    const bool bottomRow = T + 390 < Y && Y < T + 480;
    const bool over[4] = {leftColumn && topRow, rightColumn && topRow, leftColumn && bottomRow, rightColumn && bottomRow};
    for (int i = 0; i < 4; ++i)
        if (over[i]) {
            hover.IconOffset[i] = 0;
            hover.IconHover = true;
        }
    if (hover.IconHover != oldIconHover) DrawIcons();
}

void TMain::ScorMouseMove() {
    for (int32_t& offset : hover.IconOffset) offset = 180;
    if (hover.IconHover) {
        DrawIcons();
        hover.IconHover = false;
    }
}

// --- Commands ----------------------------------------------------------------

void TMain::PlayEffect(int) {
    // Sound effects are not played yet; every effect of the game passes through here.
}

void TMain::MinimizeClick() {
    PlayEffect(EffectClick);
    showMinimized();
}

void TMain::QuitClick() {
    PlayEffect(EffectClick);
    if (Splash)
        Splash->close();
    else
        close();
}

void TMain::ScoresClick() {
    UpDateScores();
    PlayEffect(EffectApplause);
}

void TMain::RulesClick() { PlayEffect(EffectClick); }

void TMain::OptionsClick() { PlayEffect(EffectClick); }

// No saved-game slots are kept yet, so both menu items leave the game as it is.
void TMain::Loadgame1Click() {}

void TMain::SaveClick() {}

void TMain::Message(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QStringLiteral("Tesseron"), text, QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
}

}  // namespace tesseron
