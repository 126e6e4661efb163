// A small framed window that shows a plain text file, read-only, with a "Close"
// bar underneath.
#pragma once

#include "ui/ClickLabel.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QString>

namespace tesseron {

class Trul : public QDialog {
public:
    explicit Trul(QWidget* parent = nullptr);

    QPlainTextEdit Memo1;
    ClickLabel Panel1;

    static constexpr qint64 MaxTextBytes = qint64(4) << 20;
    static const char* const NotFound;  // translated where shown

    // Replaces the text with the file's; the single line NotFound when it cannot be read.
    // Returns whether the file was read.
    bool LoadFile(const QString& path);
    // LoadFile, then shows the window modally; returns when it is closed.
    void ShowFile(const QString& path);

    void FormCreate();
    void Panel1Click();

protected:
    // Escape goes the way of the Close bar.
    void keyPressEvent(QKeyEvent* event) override;
};

// 8-bit text: UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise. `cut` says the
// bytes stop at a cap rather than at the file's end, so a character split there is
// dropped instead of turning the whole text into Latin-1.
QString DecodeText(const QByteArray& bytes, bool cut = false);

}  // namespace tesseron
