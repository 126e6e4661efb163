// The help window: the title, the close icon and the background from the skin; the
// texts and links as ordinary labels on top.
#pragma once

#include "ui/ClickLabel.h"
#include "ui/PaintedControls.h"
#include "ui/ShelLink.h"
#include "ui/Translations.h"
#include "ui/SkinnedWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>
#include <vector>

namespace tesseron {

class FocusRing;
class Sounds;

class TRules : public SkinnedWindow, public PaintedControls {
    Q_DECLARE_TR_FUNCTIONS(TRules)

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

    // The rules, the readme, the support address, the two websites, the address at the
    // foot and the close icon: the keyboard's order too, the rules in focus as it opens.
    std::vector<PaintedControl> Controls() const override;

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
    // Each control with the box, in skin pixels, its frame goes round.
    struct Stop {
        PaintedControl control;
        QRect box;
    };
    std::vector<Stop> Stops() const;
    // A link's words: the bars run the whole width and pad their texts with spaces.
    QRect WordsOf(const QLabel& label) const;

    QString baseDir_;
    Sounds* sounds_;
    OpenFunction open_;
    FocusRing* focus_;  // a child of the window
};

}  // namespace tesseron
