// The text viewer's decoding of rules.txt and readme.txt.
#include "ui/URul.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = tesseron::DecodeText(bytes);
    // Either the UTF-8 text (without its byte-order mark) or one character per byte.
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (text.toUtf8() != body && text != QString::fromLatin1(bytes)) std::abort();
    return 0;
}
