#include "ui/UOptions.h"

#include "audio/Audio.h"
#include "draw/BitmapText.h"
#include "ui/Captions.h"
#include "ui/Display.h"
#include "ui/FocusRing.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMouseEvent>

#include <algorithm>

namespace tesseron {

using namespace layout;

namespace {

std::optional<QString> RunOpenDialog(QWidget* parent, const QString& title, const QStringList& filters, const QString& suffix,
                                     const QString& folder) {
    QFileDialog dialog(parent, title, folder);
    dialog.setFont(display::Current().Font(dialog.font()));
    // Each filter is its shown name followed by its patterns in parentheses; only the name is shown.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first();
}

}  // namespace

TOptions::TOptions(const Skin& skin, const QString& baseDir, Audio* audio, QWidget* parent)
    : SkinnedWindow(skin, QCoreApplication::translate("TOptions", "Options"), parent), SkinOpenDir(baseDir), audio_(audio) {
    FormPaintHandler = [this] { FormPaint(); };
    CloseHandler = [this] {
        if (audio_) audio_->ResumeEffect(Effect::Click);
        accept();
    };
    ColoursHandler = [this] { return ownColours_; };
    ColoursChosenHandler = [this](int n) { ownColours_ = n; };
    ChooseSkin = [this] { return SkinOpen(); };
    ChooseMusic = [this] { return MusOpen(); };
    FormCreate();
    focus_ = new FocusRing(
        *this, *this, [this](int i) { return Stops().at(i).box; }, FocusRing::Start::Hidden);
}

void TOptions::FormCreate() {
    surface.Fill(QRect(0, 0, surface.width(), surface.height()), qRgb(0, 0, 0));
    CloseHover = false;
    CloseIconX = BackIconNormal;
    PlaceLayout();
}

void TOptions::PlaceLayout() {
    OptionsLeft = OptionsLeftOf(surface.width());
    OptionsTop = OptionsTopOf(surface.height());
}

std::optional<QString> TOptions::SkinOpen() {
    return RunOpenDialog(this, QCoreApplication::translate("TOptions", "Open a SKIN"),
                         {QCoreApplication::translate("TOptions", "Tesseron skins") + QStringLiteral(" (*.skn)"),
                          QCoreApplication::translate("TOptions", "All files") + QStringLiteral(" (*)")},
                         QStringLiteral("skn"), SkinOpenDir);
}

std::optional<QString> TOptions::MusOpen() {
    return RunOpenDialog(this, QCoreApplication::translate("TOptions", "Open music file"),
                         {QCoreApplication::translate("TOptions", "MIDI files (*.mid,*.rmi)") + QStringLiteral(" (*.mid *.rmi)"),
                          QCoreApplication::translate("TOptions", "All files") + QStringLiteral(" (*)")},
                         QStringLiteral("mid"), QString());
}

int TOptions::Colours() const { return ColoursHandler ? ColoursHandler() : ownColours_; }

void TOptions::Copy(const QImage& sheet, const Box& from, const Box& to) {
    const Box at = to.shifted(OptionsLeft, OptionsTop);
    surface.Copy(sheet, QRect(from.left, from.top, from.width(), from.height()), QRect(at.left, at.top, at.width(), at.height()));
}

void TOptions::FormPaint() {
    PlaceLayout();  // on the zoomed screen of this showing
    const int L = OptionsLeft, T = OptionsTop;
    PaintBackground();
    DrawCloseIcon();
    const int titleLeft = L + OptionsTitleLeft;
    DrawCaption(titleLeft, TitleTop, surface, skin_, 2, TitleRoom(surface.width(), titleLeft), captions::Context,
                captions::OptionsTitle);
    DrawCaption(L + ColoursCaption.x, T + ColoursCaption.y, surface, skin_, 1, OptionsCaptionRoom, captions::Context,
                captions::NumberOfColors);
    DrawColorStrip();
    DrawCaption(L + SoundsCaption.x, T + SoundsCaption.y, surface, skin_, 1, OptionsCaptionRoom, captions::Context,
                captions::Sounds);
    DrawSoundSwitch();
    DrawCaption(L + MusicCaption.x, T + MusicCaption.y, surface, skin_, 1, OptionsCaptionRoom, captions::Context,
                captions::Music);
    DrawMusicSwitch();
    DrawCaption(L + SkinCaption.x, T + SkinCaption.y, surface, skin_, 1, OptionsCaptionRoom, captions::Context, captions::Skin);
    Copy(skin_.pictograms, FolderPicture, SkinIcon);
}

void TOptions::DrawColorStrip() {
    Copy(skin_.pictograms, ColourStripPicture, ColourStrip);
    // Only a bad settings file gives a count outside 5..10: mark the nearest one.
    Copy(skin_.pictograms, ColourMarkerPicture, ColourMarker(std::clamp(Colours(), MinColours, MaxColours)));
}

void TOptions::DrawSoundSwitch() {
    const bool on = audio_ && audio_->Sound;
    Copy(skin_.pictograms, on ? SwitchOnPicture : SwitchOffPicture, SoundSwitch);
}

void TOptions::DrawMusicSwitch() {
    const bool on = audio_ && audio_->Music;
    Copy(skin_.pictograms, on ? SwitchOnPicture : SwitchOffPicture, MusicSwitch);
    Copy(skin_.pictograms, FolderPicture, MusicFileIcon);
}

void TOptions::FormMouseMove(Qt::KeyboardModifiers, Qt::MouseButtons buttons, int x, int y) {
    TrackCloseHover(x, y);
    if (buttons & Qt::LeftButton) Moving(x, y);
}

void TOptions::Moving(int x, int y) {
    TrackCloseHover(x, y);
    const int dx = x - OptionsLeft, dy = y - OptionsTop;
    if (!Inside(ColourStripHit, ColourStripBounds, dx, dy)) return;
    for (int n = MinColours; n <= MaxColours; ++n) {
        if (!InColourZone(n, dx)) continue;
        ChooseColours(n);
        return;  // the zones do not overlap
    }
}

void TOptions::ChooseColours(int n) {
    const int old = Colours();
    if (ColoursChosenHandler) ColoursChosenHandler(n);
    if (n != old && NewGameHandler) NewGameHandler();
    DrawColorStrip();
    Flush();
}

void TOptions::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    Moving(x, y);
    const int dx = x - OptionsLeft, dy = y - OptionsTop;
    for (const OptionsRegion& r : OptionsPressRegions)
        if (Inside(r.box, r.bounds, dx, dy)) Press(r.command);
    Flush();
    if (InCloseIcon(x, y)) CloseHandler();
}

void TOptions::Press(OptionsCommand command) {
    switch (command) {
    case OptionsCommand::MusicFile:
        if (audio_) audio_->MusFile1Click(ChooseMusic ? ChooseMusic : Chooser([] { return std::nullopt; }));
        break;
    case OptionsCommand::Skin: {
        if (audio_) audio_->ResumeEffect(Effect::Click);
        const std::optional<QString> path = ChooseSkin ? ChooseSkin() : std::nullopt;
        // Repainted in whatever skin is now in use, the shipped one when the chosen one failed.
        if (path && ChangeSkinHandler && ChangeSkinHandler(*path)) Repaint();
        break;
    }
    case OptionsCommand::Sounds:
        if (audio_) audio_->ToggleSounds([this] { DrawSoundSwitch(); });
        break;
    case OptionsCommand::Music:
        if (audio_) audio_->ToggleMusic([this] { DrawMusicSwitch(); });
        break;
    }
    Flush();
}

std::vector<TOptions::Stop> TOptions::Stops() const {
    std::vector<Stop> stops;
    // The list only describes the window; its presses act on it.
    TOptions* self = const_cast<TOptions*>(this);
    const int L = OptionsLeftOf(surface.width()), T = OptionsTopOf(surface.height());
    const auto add = [&](QAccessible::Role role, const QString& name, const Box& box, std::function<void()> press) -> Stop& {
        PaintedControl c;
        c.role = role;
        c.name = name;
        c.press = std::move(press);
        return stops.emplace_back(Stop{std::move(c), QRect(box.left, box.top, box.width(), box.height())});
    };
    const int chosen = std::clamp(Colours(), MinColours, MaxColours);
    for (int n = MinColours; n <= MaxColours; ++n) {
        PaintedControl& c = add(QAccessible::RadioButton, tr("%1 colors").arg(n), ColourZone(n).shifted(L, T), [self, n] {
                                self->ChooseColours(n);
                            }).control;
        c.checkable = true;
        c.checked = n == chosen;
    }
    const std::pair<bool, OptionsCommand> switches[] = {{audio_ && audio_->Sound, OptionsCommand::Sounds},
                                                        {audio_ && audio_->Music, OptionsCommand::Music}};
    for (const auto& [on, command] : switches) {
        const bool sounds = command == OptionsCommand::Sounds;
        PaintedControl& c =
            add(QAccessible::CheckBox, sounds ? tr("Sounds") : tr("Music"), (sounds ? SoundSwitch : MusicSwitch).shifted(L, T),
                [self, command = command] { self->Press(command); })
                .control;
        c.checkable = true;
        c.checked = on;
    }
    add(QAccessible::Button, tr("Music file"), MusicFileIcon.shifted(L, T), [self] { self->Press(OptionsCommand::MusicFile); });
    add(QAccessible::Button, tr("Skin"), SkinIcon.shifted(L, T), [self] { self->Press(OptionsCommand::Skin); });
    add(QAccessible::Button, tr("Close"), CloseIcon, [self] { self->CloseHandler(); });
    return stops;
}

std::vector<PaintedControl> TOptions::Controls() const {
    std::vector<PaintedControl> controls;
    for (Stop& s : Stops()) {
        s.control.rect = zoom_.ToWindow(s.box);
        s.control.focused = focus_->Framed(int(controls.size()));
        controls.push_back(std::move(s.control));
    }
    return controls;
}

void TOptions::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = ToLayout(event->position());
    FormMouseMove(event->modifiers(), event->buttons(), p.x(), p.y());
}

void TOptions::mousePressEvent(QMouseEvent* event) {
    const QPoint p = ToLayout(event->position());
    FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

}  // namespace tesseron
