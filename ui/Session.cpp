#include "ui/Session.h"

#include "ui/Accessible.h"
#include "ui/MainSettings.h"
#include "ui/SoundSettings.h"
#include "ui/UMain.h"

#include "storage/Language.h"
#include "storage/WriteHold.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace tesseron {

namespace {
QString StorageText(const char* text) { return QCoreApplication::translate("Storage", text); }
QString Step(const char* step) { return QCoreApplication::translate("Session", step); }
}  // namespace

Session::Session(Audio* audio) : audio_(audio), language_(language::Chosen()) {
    BaseDir_ = QDir::currentPath();
    if (!BaseDir_.endsWith(QLatin1Char('/'))) BaseDir_ += QLatin1Char('/');
    skin.BackgroundTile = skin.bgimg;
    t.setInterval(1);
    t.setSingleShot(true);
    QObject::connect(&t, &QTimer::timeout, [this] { tTimer(); });
}

void Session::Start(TMain& main) {
    main_ = &main;
    t.start();
}

void Session::Message(QMessageBox::Icon icon, const QString& text) {
    if (main_) main_->Message(icon, text);
}

// --- Start-up ----------------------------------------------------------------

template <typename F>
bool Session::Attempt(const char* step, F&& f) {
    try {
        f();
        // A close during this step's message ends the sequence: nothing more is read or shown.
        return !closing_;
    } catch (const std::exception& e) {
        Message(QMessageBox::Critical,
                //: %1 is one of the start-up's steps ("load the high scores"); %2 says why
                QCoreApplication::translate("Session", "Tesseron could not %1: %2")
                    .arg(Step(step), QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Message(QMessageBox::Critical, QCoreApplication::translate("Session", "Tesseron could not %1.").arg(Step(step)));
    }
    return false;
}

void Session::tTimer() {
    t.stop();
    FormActivate();
    started_ = true;
    if (StartedHandler) StartedHandler();
}

void Session::SetUnguarded(const QString& why) {
    unguarded_ = why;
    storage::HoldWrites(!why.isEmpty());
    if (!why.isEmpty()) std::fprintf(stderr, "tesseron: %s\n", qUtf8Printable(why));
}

void Session::FormActivate() {
    // Before anything is read: it explains why nothing will be kept.
    if (!unguarded_.isEmpty()) {
        Message(QMessageBox::Warning, unguarded_);
        if (closing_) return;
    }
    if (!Attempt(QT_TRANSLATE_NOOP("Session", "load the high scores"), [this] { LoadHigh(); })) return;
    if (!Attempt(QT_TRANSLATE_NOOP("Session", "read the settings"), [this] { ReadIni(); })) return;
    if (!Attempt(QT_TRANSLATE_NOOP("Session", "start a new game"), [this] { main_->Engine().NewClick(); })) return;
    if (!Attempt(QT_TRANSLATE_NOOP("Session", "read the skin description"), [this] {
            try {
                skin.skn = Skin::ReadDescription(SkinFile_);
            } catch (const SkinError&) {
                Message(QMessageBox::Critical, QCoreApplication::translate("Session", "The skin file cound not be opened!"));
            }
        }))
        return;
    // A skin that cannot be used gives way to the shipped one, so the player is never stuck.
    if (!Attempt(QT_TRANSLATE_NOOP("Session", "load the skin"), [this] { LoadSkin(); }) && !FallBackToDefaultSkin()) return;
    if (!Attempt(QT_TRANSLATE_NOOP("Session", "bring the hall of fame up to date"), [this] { UpDateScores(); })) return;
    main_->Engine().ForgetUndo();
}

// --- Settings ----------------------------------------------------------------

void Session::ReadIni() {
    const QString path = storage::SettingsPath();
    storage::IniFile::LoadResult read = storage::IniFile::LoadResult::Missing;
    settings_ = storage::LoadSettingsFile(path, BaseDir_, &read);
    keepSettingsFile_ = read != storage::IniFile::LoadResult::Loaded && read != storage::IniFile::LoadResult::Missing;
    settingsRead_ = true;
    // Each part takes its own keys; the session keeps the skin's.
    if (audio_) ApplySoundSettings(*audio_, settings_);
    ApplyMainSettings(*main_, settings_);
    SkinNumber = settings_.SkinNumber;
    SkinFile_ = settings_.SkinFile;
    if (audio_) audio_->StartAudio();
    if (keepSettingsFile_) Message(QMessageBox::Warning, storage::UnreadableSettingsMessage(path, read, StorageText));
}

void Session::WriteIni() {
    // A settings file that could not be read at start is the player's: never replaced.
    // Before it was read, what is in play are defaults that would undo the player's choices.
    // Without the data folder's lock another game may be keeping the settings: they are its.
    if (!settingsRead_ || keepSettingsFile_ || storage::WritesHeld()) return;
    storage::Settings s = settings_;  // without a sound service its values go back as read
    if (audio_) CollectSoundSettings(*audio_, s);
    CollectMainSettings(*main_, s);
    s.SkinNumber = SkinNumber;
    s.SkinFile = SkinFile_;
    const QString path = storage::SettingsPath();
    // Without a home folder there is no path, and the message names the bare file.
    if (storage::SaveSettingsFile(path, s) != storage::IniFile::SaveResult::Ok)
        Message(QMessageBox::Critical, storage::UnableToWriteMessage(
                                           path.isEmpty() ? QString::fromLatin1(storage::SettingsFileName) : path, StorageText));
}

void Session::FormClose() {
    closing_ = true;
    // The name dialog will not be answered any more: its score goes in with what was typed.
    if (naming_) {
        naming_ = false;
        const QString typed = NameSoFarHandler ? NameSoFarHandler() : QString();
        high.Enter(namingColours_, namingScore_, typed.isEmpty() ? QStringLiteral("Anonymus") : typed);
    }
    // A settings file that cannot be written is reported, and the scores are still saved.
    WriteIni();
    SaveHigh();
}

// --- High scores -------------------------------------------------------------

void Session::LoadHigh() {
    const storage::LoadHighResult read = high.LoadHigh(storage::HighPath(BaseDir_));
    highRead_ = true;
    if (read != storage::LoadHighResult::Loaded)
        Message(QMessageBox::Warning, QCoreApplication::translate("Storage", storage::MsgHighNotFound));
}

void Session::SaveHigh() {
    // Before the file was read, the table holds only the defaults; without the data
    // folder's lock the file may be another game's.
    if (!highRead_ || storage::WritesHeld()) return;
    if (high.SaveHigh(storage::HighPath(BaseDir_)) != storage::SaveHighResult::Ok)
        Message(QMessageBox::Warning, QCoreApplication::translate("Storage", storage::MsgHighNotCreated));
}

void Session::UpDateScores() {
    if (FameHandler) FameHandler(high.Names(main_->Colours()), high.Scores(main_->Colours()));
}

void Session::AddHighScore(int32_t score) {
    // The engine has stopped the step timer; the dialogs below wait for the player.
    const int colours = main_->Colours();
    if (!high.Qualifies(colours, score)) {
        if (GameOverHandler) GameOverHandler();
        return;
    }
    // Said before the name dialog takes the screen reader's attention.
    Announce(main_, QCoreApplication::translate("Session", "New high score: %1").arg(score));
    naming_ = true;
    namingScore_ = score;
    namingColours_ = colours;
    const QString name = EnterNameHandler ? EnterNameHandler() : QString();
    // A close while the dialog was open has entered and saved the score already.
    if (!naming_) return;
    naming_ = false;
    high.Enter(colours, score, name);
    // Kept the moment it is entered, so a crash or a kill afterwards cannot cost it.
    SaveHigh();
    UpDateScores();
    if (ScoresHandler && !closing_) ScoresHandler();
}

// --- Skin --------------------------------------------------------------------

void Session::LoadSkin() {
    main_->SetSkinUsable(false);
    skin.LoadImages(BaseDir_, language_);
    main_->SetSkinUsable(true);
}

bool Session::ChangeSkin(const QString& path) {
    try {
        skin.skn = Skin::ReadDescription(path);
    } catch (const SkinError&) {
        Message(QMessageBox::Critical, QCoreApplication::translate("Session", "The skin file cound not be opened!"));
        return false;
    }
    try {
        LoadSkin();
    } catch (const SkinError& e) {
        Message(
            QMessageBox::Critical,
            QCoreApplication::translate("Session", "Tesseron could not load the skin: %1").arg(QString::fromLocal8Bit(e.what())));
        // Some of the chosen skin's images may already be in use: what is drawn changed either way.
        FallBackToDefaultSkin();
        return true;
    }
    // Only a skin that loaded is kept for the next start.
    SkinFile_ = path;
    return true;
}

bool Session::FallBackToDefaultSkin() {
    main_->SetSkinUsable(false);
    if (FallbackSkin.isEmpty()) return false;
    try {
        skin.skn = Skin::ReadDescription(FallbackSkin);
        skin.LoadImages(QFileInfo(FallbackSkin).absolutePath() + QLatin1Char('/'), language_);
    } catch (const SkinError& e) {
        // Nothing left to draw with: the window stays black and Escape still quits.
        skin.skn = QStringList{QStringLiteral("skn")};
        Message(QMessageBox::Critical, QCoreApplication::translate("Session", "Tesseron could not load its own skin either: %1")
                                           .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
    main_->SetSkinUsable(true);
    return true;
}

}  // namespace tesseron
