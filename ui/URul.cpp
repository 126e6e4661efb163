#include "ui/URul.h"

#include "files/UntrustedFile.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStringDecoder>

namespace tesseron {

const char* const Trul::NotFound = QT_TRANSLATE_NOOP("Trul", "The file was not found!");

Trul::Trul(QWidget* parent) : QDialog(parent), Memo1(this), Panel1(QCoreApplication::translate("Trul", "Close"), this) {
    Memo1.setReadOnly(true);
    Memo1.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1.setPlainText(QCoreApplication::translate("Trul", NotFound));
    Panel1.setAlignment(Qt::AlignCenter);
    Panel1.setCursor(Qt::PointingHandCursor);
    Panel1.OnClick = [this] { Panel1Click(); };
    FormCreate();
}

void Trul::FormCreate() {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

void Trul::Panel1Click() { close(); }

void Trul::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return QDialog::keyPressEvent(event);
    event->accept();
    Panel1Click();
}

namespace {
// Where a multi-byte UTF-8 character that the end of the bytes splits begins; the
// size of the bytes when none is split.
qsizetype WholeUtf8Length(const QByteArray& bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype i = n - 1; i >= 0 && i >= n - 3; --i) {
        const auto c = uchar(bytes[i]);
        if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return i + length > n ? i : n;
    }
    return n;
}
}  // namespace

QString DecodeText(const QByteArray& bytes, bool cut) {
    // Stateless, so a sequence cut off at the end counts as an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(cut ? QByteArrayView(bytes).first(WholeUtf8Length(bytes)) : QByteArrayView(bytes));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}

bool Trul::LoadFile(const QString& path) {
    // A longer text shows its beginning.
    QByteArray bytes;
    const auto read = files::ReadUntrustedFile(path, MaxTextBytes, bytes, files::Oversized::KeepStart);
    if (read != files::ReadStatus::Ok && read != files::ReadStatus::TooLarge) {
        Memo1.setPlainText(QCoreApplication::translate("Trul", NotFound));
        return false;
    }
    QString text = DecodeText(bytes, read == files::ReadStatus::TooLarge);
    // A NUL in a binary file would cut the shown text short.
    text.replace(QChar(0), QChar::ReplacementCharacter);
    Memo1.setPlainText(text);
    return true;
}

void Trul::ShowFile(const QString& path) {
    LoadFile(path);
    Memo1.moveCursor(QTextCursor::Start);
    exec();
}

}  // namespace tesseron
