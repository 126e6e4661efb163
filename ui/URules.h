// The help window: the title, the close icon and the background from the skin; the
// texts and links as ordinary labels on top.
#pragma once

#include "ui/ShelLink.h"
#include "ui/Translations.h"
#include "ui/SkinnedWindow.h"
#include "ui/ClickLabel.h"

#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

namespace tesseron {

class Sounds;

class TRules : public SkinnedWindow {
public:
    using OpenFunction = std::function<void(const QUrl&)>;

    // `sounds` may be null (silent). `open` hands an address to the desktop (default
    // QDesktopServices::openUrl).
    TRules(const Skin& skin, const QString& baseDir, Sounds* sounds, OpenFunction open = {});

    // Shows a text file in the viewer: the rules and the readme.
    std::function<void(const QString& path)> TextHandler;
    // The language whose rules and readme are shown where the start-up folder has them.
    QString Language = InstalledLanguage();

    // In creation order; stacked ones are placed by LayOut from the window's size.
    QLabel Label1, Label2, Label7, Label13;
    TShellLink ShellLink2;
    ClickLabel ovlogo;
    QLabel Label5;
    TShellLink ShellLink3;
    ClickLabel Label8, Label9;
    QLabel Label3, Label10;
    ClickLabel ovlabel;
    QLabel Label12, Label4;
    ClickLabel Label14;
    QLabel ovlabel2;

    // Where the title starts on a screen of this width.
    static int TitleLeft(int screenWidth);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormCreate();
    void FormPaint();
    void FormMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Label8Click();
    void Label14Click();
    void Label9Click();
    void ovlogoClick();

    void LayOut();
    // The start-up folder's text `name` in Language where there is one, else the English.
    QString LongText(const QString& name) const;

    QString baseDir_;
    Sounds* sounds_;
    OpenFunction open_;
};

}  // namespace tesseron
