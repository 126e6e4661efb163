// A label that behaves like a hyperlink: another look while the pointer is over it,
// and a click hands its target to the desktop's "open" action.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

namespace tesseron {

class TShellLink : public QLabel {
public:
    using OpenFunction = std::function<void(const QUrl&)>;

    // `open` defaults to QDesktopServices::openUrl.
    explicit TShellLink(QWidget* parent = nullptr, OpenFunction open = {});

    // The look while pointed at: font and text colour.
    QFont FocusFont;
    QColor FocusColor;
    // The target; only its first MaxLink characters reach the shell.
    QString Link;
    static constexpr int MaxLink = 255;

    std::function<void(TShellLink* sender)> OnMouseEnter;
    std::function<void(TShellLink* sender)> OnMouseLeave;

    void SetFocusFont(const QFont& font) { FocusFont = font; }
    // The text colour of the normal look.
    void SetColor(const QColor& colour);
    QColor Color() const;

    void Click();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QFont savedFont_;
    QColor savedColor_;
    bool pointedAt_ = false;
    OpenFunction open_;
};

}  // namespace tesseron
