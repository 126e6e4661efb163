#include "ui/UMain.h"

#include "ui/Clock.h"
#include "ui/SkinnedWindow.h"
#include "ui/WindowPaint.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTime>

#include <exception>

namespace tesseron {

using namespace layout;

namespace {

constexpr int DefaultSpeed = 50;  // GameSpeed and DisappearSpeed without a settings file

}  // namespace

// --- Creation ----------------------------------------------------------------

TMain::TMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), host_(*this), game(host_, random_),
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
    lblTime->move(ClockLabel.x, ClockLabel.y);
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
    connect(&tmrSTEP, &QTimer::timeout, this, &TMain::StepTick);
    tmrSTEP.start();

    AntiMinus.setInterval(DefaultSpeed);
    connect(&AntiMinus, &QTimer::timeout, this, &TMain::SweepTick);

    clockFormat_ = ClockFormat(QLocale::system());
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
    random_.Seed(Random::ClockSeed());
    game.st.Score = 0;

    screen_ = SkinnedWindow::GameScreen();
    FieldLeft = FieldOffset(screen_.width());
    FieldTop = FieldOffset(screen_.height());
    view.FieldLeft = FieldLeft;
    view.FieldTop = FieldTop;
    surface.Resize(screen_.width(), screen_.height());
    resize(screen_.size());

    Scor->move(FieldLeft + ScoreLabel.x, FieldTop + ScoreLabel.y);
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
    // A skin that cannot be used gives way to the shipped one, so the player is never stuck.
    if (!Attempt("load the skin", [this] { LoadSkin(); }) && !FallBackToDefaultSkin()) return;
    if (!Attempt("bring the hall of fame up to date", [this] { UpDateScores(); })) return;
    game.st.UndoReady = false;
}

// --- Shutdown ----------------------------------------------------------------

void TMain::closeEvent(QCloseEvent* event) {
    // The window manager's close goes the way of the quit button and ends the program.
    event->ignore();
    if (QuitHandler)
        QuitHandler();
    else
        FormClose();
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
    ShowScore(game.st.Score);
    Flush();
}

void TMain::Uncover() {
    RepaintFromBlank(*this, surface, [this] { FormPaint(); });
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

void TMain::ShowScore(int32_t score) {
    const QString text = QString::number(score);
    if (text != Scor->text()) {
        Scor->setText(text);
        Scor->adjustSize();
    }
}

void TMain::paintEvent(QPaintEvent* event) { PaintSurface(*this, surface, event->region()); }

void TMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Uncover();
}

void TMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (IsRestore(event, windowState())) Uncover();
}

void TMain::ShowFullScreen() {
    setGeometry(screen_);
    showFullScreen();
    raise();
    activateWindow();
}

// --- Pointer input -----------------------------------------------------------

void TMain::keyPressEvent(QKeyEvent* event) {
    // The game takes no keys; only a window left without any skin to draw can be quit with Escape.
    if (event->key() == Qt::Key_Escape && !skinUsable_) {
        if (QuitHandler)
            QuitHandler();
        else
            FormClose();
    }
}

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
    for (const Region& r : PressRegions)
        if (Inside(r.box.shifted(FieldLeft, FieldTop), r.bounds, X, Y)) Run(r.command, X, Y);
    FollowState();
    FieldUpDate(false);
}

void TMain::Run(Command command, int X, int Y) {
    const int x = X - FieldLeft, y = Y - FieldTop;
    switch (command) {
    case Command::Undo: game.UndoClick(); break;
    case Command::Minimize: MinimizeClick(); break;
    case Command::LoadSave:
        loadsave->exec(mapToGlobal(QPoint(X, Y)));
        if (isVisible()) Uncover();
        break;
    case Command::Quit: QuitClick(); break;
    case Command::NewGame:
        game.NewClick();
        PlayEffect(Effect::Click);
        break;
    case Command::Scores: ScoresClick(); break;
    case Command::Rules: RulesClick(); break;
    case Command::Options: OptionsClick(); break;
    case Command::LaunchLeft: game.LaunchBrick(SideLeft, LaneAlong(y)); break;
    case Command::LaunchRight: game.LaunchBrick(SideRight, LaneAlong(y)); break;
    case Command::LaunchTop: game.LaunchBrick(SideTop, LaneAlong(x)); break;
    case Command::LaunchBottom: game.LaunchBrick(SideBottom, LaneAlong(x)); break;
    }
}

void TMain::FormMouseMove(Qt::KeyboardModifiers, int X, int Y) {
    const uint8_t oldButton = hover.HoverButton;
    hover.HoverButton = 0;
    for (int i = 0; i < ButtonCount; ++i)
        if (Inside(Buttons[i].hover.shifted(FieldLeft, FieldTop), ButtonHoverBounds, X, Y)) hover.HoverButton = uint8_t(i + 1);
    if (hover.HoverButton != oldButton) DrawButtons();

    const bool oldIconHover = hover.IconHover;
    for (int32_t& offset : hover.IconOffset) offset = IconNormal;
    hover.IconHover = false;
    for (int i = 0; i < IconCount; ++i)
        if (Inside(CornerIcon[i].shifted(FieldLeft, FieldTop), IconHoverBounds, X, Y)) {
            hover.IconOffset[i] = IconHighlighted;
            hover.IconHover = true;
        }
    if (hover.IconHover != oldIconHover) DrawIcons();
}

void TMain::ScorMouseMove() {
    for (int32_t& offset : hover.IconOffset) offset = IconNormal;
    if (hover.IconHover) {
        DrawIcons();
        hover.IconHover = false;
    }
}

// --- Commands ----------------------------------------------------------------

void TMain::PlayEffect(Effect effect) {
    if (audio) audio->PlayEffect(effect);
}

void TMain::MinimizeClick() {
    PlayEffect(Effect::Click);
    showMinimized();
}

void TMain::QuitClick() {
    PlayEffect(Effect::Click);
    if (QuitHandler)
        QuitHandler();
    else
        FormClose();
}

void TMain::ScoresClick() {
    UpDateScores();
    PlayEffect(Effect::Applause);
    if (ScoresHandler) ScoresHandler();
}

void TMain::RulesClick() {
    PlayEffect(Effect::Click);
    if (RulesHandler) RulesHandler();
}

void TMain::OptionsClick() {
    PlayEffect(Effect::Click);
    if (OptionsHandler) OptionsHandler();
    FollowState();
}

void TMain::Message(QMessageBox::Icon icon, const QString& text) {
    const bool visible = isVisible();
    // Over the window the player is using: a box over the game window would raise it
    // above an open options window.
    QWidget* over = QApplication::activeModalWidget();
    if (!over && visible) over = this;
    QMessageBox box(icon, QStringLiteral("Tesseron"), text, QMessageBox::Ok, over);
    box.exec();
    if (visible && isVisible()) Uncover();
}

}  // namespace tesseron
