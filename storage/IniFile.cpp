#include "IniFile.h"

#include "files/SafeWrite.h"
#include "files/UntrustedFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <limits>

namespace tesseron::storage {

namespace {
bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

const QByteArray Bom = "\xEF\xBB\xBF";

// UTF-8 when the whole line is valid UTF-8, else Latin-1: a legacy file reads as
// itself rather than as replacement characters.
QString DecodeLine(QByteArrayView raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw.data(), raw.size()) : text;
}
}  // namespace

bool ParseIniInteger(const QString& text, int32_t& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    if (t.size() > 2 && t[0] == u'0' && (t[1] == u'x' || t[1] == u'X')) {
        uint64_t v = 0;
        for (qsizetype i = 2; i < t.size(); ++i) {
            const char16_t ch = t[i].unicode();
            int d = -1;
            if (ch >= u'0' && ch <= u'9')
                d = ch - u'0';
            else if (ch >= u'a' && ch <= u'f')
                d = ch - u'a' + 10;
            else if (ch >= u'A' && ch <= u'F')
                d = ch - u'A' + 10;
            if (d < 0) return false;
            v = v * 16 + uint64_t(d);
            if (v > uint64_t(std::numeric_limits<int32_t>::max())) return false;
        }
        value = int32_t(v);
        return true;
    }
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'+' || t[0] == u'-') {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i == t.size()) return false;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        const char16_t ch = t[i].unicode();
        if (ch < u'0' || ch > u'9') return false;
        v = v * 10 + (ch - u'0');
        if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return false;
    value = int32_t(v);
    return true;
}

IniFile::LoadResult IniFile::Load(const QString& path) {
    Clear();
    QByteArray data;
    switch (files::ReadUntrustedFile(path, MaxFileSize, data)) {
    case files::ReadStatus::Ok: break;
    case files::ReadStatus::Missing: return LoadResult::Missing;
    case files::ReadStatus::NotAFile: return LoadResult::NotAFile;
    case files::ReadStatus::TooLarge: return LoadResult::TooLarge;
    case files::ReadStatus::Unreadable: return LoadResult::Unreadable;
    }
    Parse(data);
    return LoadResult::Loaded;
}

IniFile::SaveResult IniFile::Save(const QString& path) const {
    // A file the next start would refuse to read is no file to leave behind.
    if (text_.size() > MaxFileSize) return SaveResult::Failed;
    return files::WriteFileSafely(path, text_, true) ? SaveResult::Ok : SaveResult::Failed;
}

void IniFile::Clear() {
    text_.clear();
    marks_.clear();
    marks_.shrink_to_fit();
    lineEnd_ = "\n";
}

IniFile::Look IniFile::LookAt(QByteArrayView raw) {
    Look look;
    const QString text = DecodeLine(raw);
    const QStringView t = QStringView(text).trimmed();
    if (t.startsWith(u'[') && t.endsWith(u']') && t.size() >= 2) {
        look.kind = Look::Header;
        look.name = t.mid(1, t.size() - 2).trimmed().toString();
        return look;
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq > 0 && !t.startsWith(u';') && !t.startsWith(u'#')) {
        look.kind = Look::Key;
        look.name = t.left(eq).trimmed().toString();
        look.value = t.mid(eq + 1).trimmed().toString();
        qsizetype cut = raw.indexOf('=') + 1;
        while (cut < raw.size() && (raw[cut] == ' ' || raw[cut] == '\t')) ++cut;
        look.valueAt = cut;
    }
    return look;
}

quint64 IniFile::Tag(QStringView name, bool header) {
    // FNV-1a over the case-folded code points, as names are compared; a bad surrogate
    // counts as U+FFFD, as it does there.
    quint32 h = 2166136261u;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isSurrogate(c)) {
            const bool pair = QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate();
            c = pair ? QChar::surrogateToUcs4(char16_t(c), name[++i].unicode()) : char32_t(QChar::ReplacementCharacter);
        }
        h = (h ^ QChar::toCaseFolded(c)) * 16777619u;
    }
    return quint64(h & 0x7FFFFF) << 1 | (header ? 1 : 0);
}

QByteArrayView IniFile::LineAt(qsizetype start) const {
    qsizetype stop = start;
    while (stop < text_.size() && text_[stop] != '\n' && text_[stop] != '\r') ++stop;
    return QByteArrayView(text_).sliced(start, stop - start);
}

qsizetype IniFile::NextLine(qsizetype start) const {
    qsizetype at = start + LineAt(start).size();
    if (at < text_.size()) at += text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n' ? 2 : 1;
    return at;
}

bool IniFile::EndsOpen() const {
    const qsizetype bom = text_.startsWith(Bom) ? Bom.size() : 0;
    return text_.size() > bom && text_.back() != '\n' && text_.back() != '\r';
}

void IniFile::Parse(const QByteArray& bytes) {
    Clear();
    text_ = bytes;  // shared with the caller's bytes: nothing here may write to it
    const qsizetype first = bytes.startsWith(Bom) ? Bom.size() : 0;
    // Calls f(start, line) for every line, counting the line ends as it goes.
    std::array<qsizetype, 3> ends{};  // how many lines end in LF, CR LF and CR
    const auto lines = [&](auto&& f) {
        ends = {};
        for (qsizetype at = first; at < text_.size();) {
            const QByteArrayView line = LineAt(at);
            f(at, line);
            const qsizetype next = NextLine(at);
            const qsizetype end = at + line.size();
            if (next > end) ++ends[text_.at(end) == '\n' ? 0 : next - end == 2 ? 1 : 2];
            at = next;
        }
    };
    // Only a line with both brackets, or an equals sign after its first byte, can be
    // a header or a key: those alone are decoded, and counted first to size marks_ once.
    const auto mayMatter = [](QByteArrayView line) {
        return line.indexOf('=') > 0 || (line.contains('[') && line.contains(']'));
    };
    std::size_t candidates = 0;
    lines([&](qsizetype, QByteArrayView line) { candidates += mayMatter(line) ? 1 : 0; });
    marks_.reserve(candidates);
    lines([&](qsizetype at, QByteArrayView line) {
        if (!mayMatter(line)) return;
        const Look look = LookAt(line);
        if (look.kind != Look::Other) marks_.push_back(Mark{quint64(at), Tag(look.name, look.kind == Look::Header)});
    });
    // Ties go to LF, the platform's own.
    if (ends[1] > ends[0] && ends[1] >= ends[2])
        lineEnd_ = "\r\n";
    else if (ends[2] > ends[0] && ends[2] > ends[1])
        lineEnd_ = "\r";
}

QByteArray IniFile::Text() const { return text_; }

bool IniFile::IsSection(const Mark& m, const QString& section) const {
    return (m.tag & 1) && m.tag == Tag(section, true) && SameName(LookAt(LineAt(qsizetype(m.start))).name, section);
}

qsizetype IniFile::FindKey(const QString& section, const QString& key) const {
    const quint64 sectionTag = Tag(section, true);
    const quint64 keyTag = Tag(key, false);
    bool inside = false;  // the lines before the first header belong to no section
    QByteArrayView lastHeader;
    bool lastInside = false;
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const Mark& m = marks_[i];
        const QByteArrayView line = LineAt(qsizetype(m.start));
        if (m.tag & 1) {
            // A header written again and again is decoded once.
            if (!lastHeader.data() || line != lastHeader)
                lastInside = m.tag == sectionTag && SameName(LookAt(line).name, section);
            lastHeader = line;
            inside = lastInside;
        } else if (inside && m.tag == keyTag && SameName(LookAt(line).name, key)) {
            return qsizetype(i);
        }
    }
    return -1;
}

void IniFile::Splice(qsizetype at, qsizetype length, const QByteArray& bytes, std::size_t firstMoved) {
    text_.replace(at, length, bytes);
    const qsizetype moved = bytes.size() - length;
    for (std::size_t i = firstMoved; i < marks_.size(); ++i) marks_[i].start = quint64(qsizetype(marks_[i].start) + moved);
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const qsizetype i = FindKey(section, key);
    return i >= 0 ? LookAt(LineAt(qsizetype(marks_[i].start))).value.left(MaxStringLength) : def;
}

int32_t IniFile::ReadInteger(const QString& section, const QString& key, int32_t def) const {
    const qsizetype i = FindKey(section, key);
    int32_t v = 0;
    return i >= 0 && ParseIniInteger(LookAt(LineAt(qsizetype(marks_[i].start))).value.left(MaxStringLength), v) ? v : def;
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    // A value keeps to one line, and surrounding blanks would be lost on reading.
    QString v = value;
    for (QChar& ch : v)
        if (ch == u'\n' || ch == u'\r') ch = u' ';
    v = v.trimmed();
    if (const qsizetype i = FindKey(section, key); i >= 0) {
        const qsizetype start = qsizetype(marks_[std::size_t(i)].start);
        const QByteArrayView line = LineAt(start);
        const Look look = LookAt(line);
        if (v == look.value.left(MaxStringLength)) return;
        // The key keeps its spelling and the blanks around its equals sign.
        Splice(start + look.valueAt, line.size() - look.valueAt, v.toUtf8(), std::size_t(i) + 1);
        return;
    }
    const QByteArray keyLine = key.toUtf8() + '=' + v.toUtf8() + lineEnd_;
    const auto header = std::find_if(marks_.begin(), marks_.end(), [&](const Mark& m) { return IsSection(m, section); });
    if (header == marks_.end()) {
        QByteArray added = EndsOpen() ? lineEnd_ : QByteArray();
        const qsizetype headStart = text_.size() + added.size();
        added += '[' + section.toUtf8() + ']' + lineEnd_;
        const qsizetype keyStart = text_.size() + added.size();
        text_ += added + keyLine;
        marks_.push_back(Mark{quint64(headStart), Tag(section, true)});
        marks_.push_back(Mark{quint64(keyStart), Tag(key, false)});
        return;
    }
    // New keys go after the section's last key, ahead of trailing blank lines or comments;
    // in a section without keys, at its end.
    std::size_t next = std::size_t(header - marks_.begin()) + 1;
    while (next < marks_.size() && !(marks_[next].tag & 1)) ++next;
    const std::size_t last = next - 1;
    qsizetype at = text_.size();
    if (!(marks_[last].tag & 1))
        at = NextLine(qsizetype(marks_[last].start));
    else if (next < marks_.size())
        at = qsizetype(marks_[next].start);
    const QByteArray opener = at == text_.size() && EndsOpen() ? lineEnd_ : QByteArray();
    Splice(at, 0, opener + keyLine, next);
    marks_.insert(marks_.begin() + qsizetype(next), Mark{quint64(at + opener.size()), Tag(key, false)});
}

void IniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
    const qsizetype i = FindKey(section, key);
    int32_t now = 0;
    if (i >= 0 && ParseIniInteger(LookAt(LineAt(qsizetype(marks_[std::size_t(i)].start))).value.left(MaxStringLength), now) &&
        now == value)
        return;
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace tesseron::storage
