#include "ui/UMain.h"

#include "ui/Clock.h"
#include "ui/ControlZoom.h"
#include "ui/Display.h"
#include "ui/Hint.h"
#include "ui/WindowPaint.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QWindow>

#include <algorithm>

namespace tesseron {

using namespace layout;

// --- Creation ----------------------------------------------------------------

TMain::TMain(const Skin& sharedSkin, const QString& baseDir, Audio* sounds, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), skin(sharedSkin), BaseDir(baseDir), audio(sounds), host_(*this),
      game(host_, random_), view(surface, skin, game.st, hover) {
    setWindowTitle(QStringLiteral("Tesseron"));
    // Every pixel comes from the surface, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    lblTime = new QLabel(QStringLiteral("00:00"), this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    Scor = new QLabel(QStringLiteral("0"), this);
    Scor->setObjectName(QStringLiteral("Scor"));
    Scor->setAccessibleName(QCoreApplication::translate("TMain", "Score: %1").arg(0));
    hint_ = new Hint(this);
    loadsave = new QMenu(this);
    loadsave->addAction(QCoreApplication::translate("TMain", "Load game"), this, &TMain::Loadgame1Click);
    loadsave->addAction(QCoreApplication::translate("TMain", "Save game"), this, &TMain::SaveClick);

    // The labels' and the menu's fonts at 1x; Place sets them at the zoom.
    timeFont_ = QFont(QStringLiteral("Times New Roman"));
    timeFont_.setPixelSize(16);
    scoreFont_ = QFont(QStringLiteral("Arial"));
    scoreFont_.setBold(true);
    scoreFont_.setPixelSize(19);
    menuFont_ = loadsave->font();

    FormCreate();

    QPalette timePalette = lblTime->palette();
    timePalette.setColor(QPalette::WindowText, QColor(0, 147, 0));
    lblTime->setPalette(timePalette);
    lblTime->setToolTip(QCoreApplication::translate("TMain", "Current time"));
    lblTime->installEventFilter(this);

    QPalette scorePalette = Scor->palette();
    scorePalette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Scor->setPalette(scorePalette);
    Scor->setMouseTracking(true);
    Scor->installEventFilter(this);

    tmrSTEP.setInterval(DefaultInterval);  // until the settings are read
    connect(&tmrSTEP, &QTimer::timeout, this, &TMain::StepTick);
    tmrSTEP.start();

    AntiMinus.setInterval(DefaultInterval);
    connect(&AntiMinus, &QTimer::timeout, this, &TMain::SweepTick);

    clockFormat_ = ClockFormat(QLocale::system());
    tmrTime.setInterval(1000);
    connect(&tmrTime, &QTimer::timeout, this, &TMain::tmrTimeTimer);
    tmrTime.start();
}

TMain::~TMain() = default;

void TMain::FormCreate() {
    hover.HoverButton = 1;
    random_.Seed(Random::ClockSeed());

    // A new game window plays full screen until its settings say otherwise.
    display::PlayFullScreen();
    Place();
    WatchScreen(display::Screen());
    game.ForgetUndo();
}

void TMain::SetSpeeds(int gameSpeed, int disappearSpeed) {
    tmrSTEP.setInterval(gameSpeed);
    AntiMinus.setInterval(disappearSpeed);
}

void TMain::SetSkinUsable(bool usable) {
    skinUsable_ = usable;
    if (!usable) return;
    FormPaint();
    view.DrawAllBricks();
    if (frameShown_) DrawFrame();
    Flush();
}

// --- Shutdown ----------------------------------------------------------------

void TMain::closeEvent(QCloseEvent* event) {
    // The window manager's close goes the way of the quit button and ends the program.
    event->ignore();
    Quit();
}

void TMain::Quit() {
    if (QuitHandler) QuitHandler();
}

// --- Drawing -----------------------------------------------------------------

void TMain::Flush() {
    const QRegion dirty = surface.TakeDirty();
    if (!dirty.isEmpty()) update(zoom_.ToWindow(dirty));
}

void TMain::FormPaint() {
    if (!skin.Present()) return;
    tmrTimeTimer();
    view.PaintAll();
    if (frameShown_) DrawFrame();
    ShowScore(game.st.Score);
    Flush();
}

void TMain::Uncover() {
    RepaintWhole();
    TakeFocus();
}

void TMain::RepaintWhole() {
    RepaintFromBlank(
        *this, surface, [this] { FormPaint(); }, zoom_);
}

void TMain::TakeFocus() {
    // A box or window still open over the game keeps the keys.
    if (!isVisible() || QApplication::activeModalWidget()) return;
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void TMain::FieldUpDate(bool full) {
    // The frame is drawn again only when the bricks under it were.
    bool under = full;
    for (int layer = 0; layer < 3 && !under; ++layer)
        under = game.st.nexts.at(cursor_.side, cursor_.lane, layer) != view.ShownNexts.at(cursor_.side, cursor_.lane, layer);
    view.FieldUpDate(full);
    if (frameShown_ && under) DrawFrame();
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
    // Through the locale, so that AM and PM come in its own words.
    const QString text = QLocale::system().toString(QTime::currentTime(), clockFormat_);
    if (text != lblTime->text()) {
        lblTime->setText(text);
        lblTime->adjustSize();
    }
}

void TMain::ShowScore(int32_t score) {
    const QString text = QString::number(score);
    if (text != Scor->text()) {
        // A bare number read out means nothing; the screen reader says what it counts.
        Scor->setAccessibleName(QCoreApplication::translate("TMain", "Score: %1").arg(score));
        Scor->setText(text);
        Scor->adjustSize();
    }
}

void TMain::paintEvent(QPaintEvent* event) { PaintSurface(*this, surface, event->region(), zoom_); }

void TMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    WatchWindow();
    // The window system's own show is a restore: drawn anew, focused as it is activated.
    if (event->spontaneous())
        RepaintWhole();
    else
        Uncover();
}

void TMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A restore asks for no activation: Qt's minimise passes through a state that is
    // not minimised, and activating the window then brings it straight back.
    if (IsRestore(event, windowState())) RepaintWhole();
    FollowWindowState(event);
    // Whoever restores or uncovers the window activates it; the keys come along.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !QApplication::activeModalWidget())
        setFocus(Qt::ActiveWindowFocusReason);
}

void TMain::ShowFullScreen() {
    if (windowed_) EnterFullScreen();
    setGeometry(screen_);
    showFullScreen();
    raise();
    TakeFocus();
}

// --- Pointer input -----------------------------------------------------------

void TMain::mousePressEvent(QMouseEvent* event) {
    hint_->hide();
    const QPoint p = zoom_.ToLayout(event->position());
    FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TMain::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = zoom_.ToLayout(event->position());
    FormMouseMove(event->modifiers(), p.x(), p.y());
    hint_->Follow(event->position().toPoint());
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    // The labels take the pointer for themselves: what happens over them never reaches the field.
    if (watched == Scor || watched == lblTime) {
        switch (event->type()) {
        case QEvent::MouseMove:
            if (watched == Scor) ScorMouseMove();
            hint_->Follow(static_cast<QWidget*>(watched)->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
            return true;
        case QEvent::ToolTip:
            if (watched == lblTime) {
                hint_->ShowFor(lblTime->toolTip(), lblTime->geometry(), static_cast<QHelpEvent*>(event)->globalPos());
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: return true;
        default: break;
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
        loadsave->exec(mapToGlobal(zoom_.ToWindow(QRect(X, Y, 1, 1)).topLeft()));
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

    // The pointer takes the frame from the keys: on a lane it shows where a click shoots.
    const int x = X - FieldLeft, y = Y - FieldTop;
    std::optional<cursor::Lane> lane;
    if (Inside(LeftStrip, Bounds::Strict, x, y)) lane = cursor::Lane{SideLeft, LaneAlong(y)};
    if (Inside(RightStrip, Bounds::Strict, x, y)) lane = cursor::Lane{SideRight, LaneAlong(y)};
    if (Inside(TopStrip, Bounds::Strict, x, y)) lane = cursor::Lane{SideTop, LaneAlong(x)};
    if (Inside(BottomStrip, Bounds::Strict, x, y)) lane = cursor::Lane{SideBottom, LaneAlong(x)};
    MoveFrame(lane);
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
    Quit();
}

void TMain::ScoresClick() {
    // The handler brings the hall of fame's lines up to date before it shows them.
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
    ZoomedMessageBox box(icon, QStringLiteral("Tesseron"), text, QMessageBox::Ok, over, display::Current());
    box.exec();
    if (visible && isVisible()) Uncover();
}

}  // namespace tesseron
