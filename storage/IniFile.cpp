#include "IniFile.h"

#include "files/SafeWrite.h"
#include "files/UntrustedFile.h"

#include <QStringDecoder>

#include <array>
#include <limits>

namespace tesseron::storage {

namespace {
bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// UTF-8 when the whole line is valid UTF-8, else Latin-1: a legacy file reads as
// itself rather than as replacement characters.
QString DecodeLine(const QByteArray& raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
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
            if (ch >= u'0' && ch <= u'9') d = ch - u'0';
            else if (ch >= u'a' && ch <= u'f') d = ch - u'a' + 10;
            else if (ch >= u'A' && ch <= u'F') d = ch - u'A' + 10;
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
    return files::WriteFileSafely(path, Text(), true) ? SaveResult::Ok : SaveResult::Failed;
}

void IniFile::Clear() {
    sections_.clear();
    bom_.clear();
    lineEnd_ = "\n";
}

void IniFile::Parse(const QByteArray& bytes) {
    Clear();
    qsizetype at = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bom_ = bytes.left(3);
        at = 3;
    }
    std::array<int, 3> ends{};  // how many lines end in LF, CR LF and CR
    sections_.push_back(Section{QString(), false, {}, {}});
    while (at < bytes.size()) {
        qsizetype stop = at;
        while (stop < bytes.size() && bytes[stop] != '\n' && bytes[stop] != '\r') ++stop;
        Line line;
        line.raw = bytes.mid(at, stop - at);
        if (stop < bytes.size()) {
            const qsizetype endSize = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n' ? 2 : 1;
            line.end = bytes.mid(stop, endSize);
            ++ends[line.end == "\n" ? 0 : line.end == "\r\n" ? 1 : 2];
            stop += endSize;
        }
        at = stop;

        const QString t = DecodeLine(line.raw).trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']') && t.size() >= 2) {
            sections_.push_back(Section{t.mid(1, t.size() - 2).trimmed(), true, line, {}});
            continue;
        }
        const qsizetype eq = t.indexOf(u'=');
        if (eq > 0 && !t.startsWith(u';') && !t.startsWith(u'#')) {
            line.isKey = true;
            line.key = t.left(eq).trimmed();
            line.value = t.mid(eq + 1).trimmed();
        }
        sections_.back().lines.push_back(line);
    }
    if (sections_.front().lines.empty()) sections_.erase(sections_.begin());
    // Ties go to LF, the platform's own.
    if (ends[1] > ends[0] && ends[1] >= ends[2]) lineEnd_ = "\r\n";
    else if (ends[2] > ends[0] && ends[2] > ends[1]) lineEnd_ = "\r";
}

QByteArray IniFile::Text() const {
    QByteArray out = bom_;
    bool open = false;  // the last line written had no line end of its own
    const auto put = [&](const Line& l) {
        if (open) out += lineEnd_;
        out += l.raw;
        out += l.end;
        open = l.end.isEmpty();
    };
    for (const Section& s : sections_) {
        if (s.header) put(s.head);
        for (const Line& l : s.lines) put(l);
    }
    return out;
}

const IniFile::Line* IniFile::Find(const QString& section, const QString& key) const {
    for (const Section& s : sections_) {
        if (!s.header || !SameName(s.name, section)) continue;
        for (const Line& l : s.lines)
            if (l.isKey && SameName(l.key, key)) return &l;
    }
    return nullptr;
}

IniFile::Section& IniFile::SectionFor(const QString& section) {
    for (Section& s : sections_)
        if (s.header && SameName(s.name, section)) return s;
    sections_.push_back(Section{section, true, NewLine('[' + section.toUtf8() + ']'), {}});
    return sections_.back();
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const Line* l = Find(section, key);
    return l ? l->value.left(MaxStringLength) : def;
}

int32_t IniFile::ReadInteger(const QString& section, const QString& key, int32_t def) const {
    const Line* l = Find(section, key);
    int32_t v = 0;
    return l && ParseIniInteger(l->value.left(MaxStringLength), v) ? v : def;
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
    for (Section& s : sections_) {
        if (!s.header || !SameName(s.name, section)) continue;
        for (Line& l : s.lines)
            if (l.isKey && SameName(l.key, key)) {
                if (v == l.value.left(MaxStringLength)) return;
                // The key keeps its spelling and the blanks around its equals sign.
                qsizetype cut = l.raw.indexOf('=') + 1;
                while (cut < l.raw.size() && (l.raw[cut] == ' ' || l.raw[cut] == '\t')) ++cut;
                l.raw = l.raw.left(cut) + v.toUtf8();
                l.value = v;
                return;
            }
    }
    Section& s = SectionFor(section);
    // New keys go after the section's last key, ahead of trailing blank lines or comments.
    auto at = s.lines.end();
    while (at != s.lines.begin() && !(at - 1)->isKey) --at;
    if (at == s.lines.begin()) at = s.lines.end();
    Line line = NewLine(key.toUtf8() + '=' + v.toUtf8());
    line.isKey = true;
    line.key = key;
    line.value = v;
    s.lines.insert(at, line);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace tesseron::storage
