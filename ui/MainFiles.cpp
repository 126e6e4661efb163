// The game window's files: the settings, the high-score table, the saved games and
// the skin. The storage library and the skin read and write them; here the window
// tells the player.
#include "ui/UMain.h"

#include "storage/HighScores.h"
#include "storage/SavedGames.h"
#include "storage/Settings.h"

#include <QFileInfo>

namespace tesseron {

void TMain::LoadHigh() {
    if (high.LoadHigh(storage::HighPath(BaseDir)) != storage::LoadHighResult::Loaded)
        Message(QMessageBox::Warning, QString::fromLatin1(storage::MsgHighNotFound));
}

void TMain::SaveHigh() {
    if (high.SaveHigh(storage::HighPath(BaseDir)) != storage::SaveHighResult::Ok)
        Message(QMessageBox::Warning, QString::fromLatin1(storage::MsgHighNotCreated));
}

void TMain::ReadIni() {
    const QString path = storage::SettingsPath();
    storage::IniFile::LoadResult read = storage::IniFile::LoadResult::Missing;
    settings_ = storage::LoadSettingsFile(path, BaseDir, &read);
    keepSettingsFile_ = read != storage::IniFile::LoadResult::Loaded && read != storage::IniFile::LoadResult::Missing;
    const storage::Settings& s = settings_;
    if (audio) {
        audio->Music = s.Music;
        audio->SetFile(MusicPlayer, s.MisicFile);
        audio->Sound = s.Sounds;
        const QString* effects[] = {&s.SndShootFile, &s.SndExplodeFile, &s.SndClickFile, &s.SndApplauseFile, &s.SndOverFile};
        for (int player = S1; player <= S5; ++player) audio->SetFile(player, *effects[player - 1]);
    }
    tmrSTEP.setInterval(s.GameSpeed);
    AntiMinus.setInterval(s.DisappearSpeed);
    SkinNumber = s.SkinNumber;
    NumCol = s.NumberOfColors;
    SkinFile = s.SkinFile;
    if (audio) audio->StartAudio();
    if (keepSettingsFile_) Message(QMessageBox::Warning, storage::UnreadableSettingsMessage(path, read));
}

void TMain::WriteIni() {
    // A settings file that could not be read at start is the player's: never replaced.
    if (keepSettingsFile_) return;
    storage::Settings s = settings_;  // without a sound service its values go back as read
    if (audio) {
        s.Music = audio->Music;
        s.MisicFile = audio->File(MusicPlayer);
        s.Sounds = audio->Sound;
        QString* effects[] = {&s.SndShootFile, &s.SndExplodeFile, &s.SndClickFile, &s.SndApplauseFile, &s.SndOverFile};
        for (int player = S1; player <= S5; ++player) *effects[player - 1] = audio->File(player);
    }
    s.GameSpeed = tmrSTEP.interval();
    s.DisappearSpeed = AntiMinus.interval();
    s.SkinNumber = SkinNumber;
    s.NumberOfColors = NumCol;
    s.SkinFile = SkinFile;
    const QString path = storage::SettingsPath();
    // Without a home folder there is no path, and the message names the bare file.
    if (storage::SaveSettingsFile(path, s) != storage::IniFile::SaveResult::Ok)
        Message(QMessageBox::Critical,
                storage::UnableToWriteMessage(path.isEmpty() ? QString::fromLatin1(storage::SettingsFileName) : path));
}

void TMain::FormClose() {
    // A settings file that cannot be written is reported, and the scores are still saved.
    WriteIni();
    SaveHigh();
}

void TMain::UpDateScores() {
    if (FameHandler) FameHandler(high.Names(NumCol), high.Scores(NumCol));
}

void TMain::AddHighScore(int32_t score) {
    // The engine has stopped the step timer; the dialogs below wait for the player.
    if (!high.Qualifies(NumCol, score)) {
        if (GameOverHandler) GameOverHandler();
        return;
    }
    const QString name = EnterNameHandler ? EnterNameHandler() : QString();
    high.Enter(NumCol, score, name);
    UpDateScores();
    if (ScoresHandler) ScoresHandler();
}

void TMain::LoadSkin() {
    skinUsable_ = false;
    skin.LoadImages(BaseDir);
    skinUsable_ = true;
    FormPaint();
    view.DrawAllBricks();
    Flush();
}

bool TMain::ChangeSkin(const QString& path) {
    try {
        skin.skn = Skin::ReadDescription(path);
    } catch (const SkinError&) {
        Message(QMessageBox::Critical, QStringLiteral("The skin file cound not be opened!"));
        return false;
    }
    try {
        LoadSkin();
    } catch (const SkinError& e) {
        Message(QMessageBox::Critical,
                QStringLiteral("Tesseron could not load the skin: %1").arg(QString::fromLocal8Bit(e.what())));
        // Some of the chosen skin's images may already be in use: what is drawn changed either way.
        FallBackToDefaultSkin();
        return true;
    }
    // Only a skin that loaded is kept for the next start.
    SkinFile = path;
    return true;
}

bool TMain::FallBackToDefaultSkin() {
    skinUsable_ = false;
    if (FallbackSkin.isEmpty()) return false;
    try {
        skin.skn = Skin::ReadDescription(FallbackSkin);
        skin.LoadImages(QFileInfo(FallbackSkin).absolutePath() + QLatin1Char('/'));
    } catch (const SkinError& e) {
        // Nothing left to draw with: the window stays black and Escape still quits.
        skin.skn = QStringList{QStringLiteral("skn")};
        Message(QMessageBox::Critical, QStringLiteral("Tesseron could not load its own skin either: %1")
                                           .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
    skinUsable_ = true;
    FormPaint();
    view.DrawAllBricks();
    Flush();
    return true;
}

void TMain::SaveClick() {
    PlayEffect(Effect::Click);
    if (storage::SaveSlot(storage::SlotPath(BaseDir, NumCol), game.st) != storage::SaveSlotResult::Saved)
        Message(QMessageBox::Warning, QString::fromLatin1(storage::MsgGameNotSaved));
}

void TMain::Loadgame1Click() {
    PlayEffect(Effect::Click);
    switch (storage::LoadSlot(storage::SlotPath(BaseDir, NumCol), game.st, NumCol)) {
    case storage::LoadSlotResult::Loaded:
        // A game loaded after the end of another must run, so the step timer goes on.
        EngineHost().StepTimer(true);
        FollowState();
        break;
    case storage::LoadSlotResult::Spent:
        Message(QMessageBox::Information, QString::fromLatin1(storage::MsgSameGameTwice));
        break;
    case storage::LoadSlotResult::Failed:
        Message(QMessageBox::Warning, QString::fromLatin1(storage::MsgSavedGameNotOpened));
        game.NewClick();
        break;
    }
}

}  // namespace tesseron
