// A small store of settings-file text: "[Section]" lines opening sections and
// "key=value" lines inside them. Names match without regard to letter case. Every
// line keeps its own bytes and line end, so sections, keys, comments and blank lines
// the program does not know, and values it writes back unchanged, stay byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace tesseron::storage {

class IniFile {
public:
    // Every result but Loaded and Missing is a file that is there and was not read.
    enum class LoadResult { Loaded, Missing, NotAFile, TooLarge, Unreadable };
    // NotReplaced: a file that could not be read is left as it is rather than lost.
    enum class SaveResult { Ok, Failed, NotReplaced };

    static constexpr int MaxStringLength = 2047;
    static constexpr qint64 MaxFileSize = 1 << 20;

    // Replaces the content with the file's. Missing or not read (not a regular file,
    // larger than MaxFileSize, no permission, a read error): the store is left empty.
    LoadResult Load(const QString& path);
    // Writes the whole store through a temporary file, creating the folder. A text
    // larger than MaxFileSize, which Load would refuse, is not written: Failed.
    SaveResult Save(const QString& path) const;

    // Lines end in CR LF, LF or CR. A line that is valid UTF-8 is read as UTF-8, any
    // other as Latin-1, which gives every byte a character of its own. The store holds
    // the text and eight bytes for each section header and key.
    void Parse(const QByteArray& text);
    // The lines as read, a UTF-8 BOM if there was one; changed values in UTF-8, and new
    // lines with the line end most of the file's lines have (LF when it has none).
    QByteArray Text() const;
    void Clear();

    // The value after the equals sign, cut to MaxStringLength characters.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal when longer than two characters and starting with 0x or 0X;
    // anything else, out-of-range numbers included, gives def.
    int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;  // 0 false, other numbers true

    // A value that reads back as it is stored leaves the stored bytes as they are.
    void WriteString(const QString& section, const QString& key, const QString& value);
    // A stored number of the same value, however written (0x32, +50), stays as it is.
    void WriteInteger(const QString& section, const QString& key, int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" or "0"

private:
    // A line the store looks things up by: a section header or a key. Every other line
    // lives only as bytes in text_, so a file costs little more than its own size.
    struct Mark {
        quint64 start : 40;  // where the line begins in text_
        quint64 tag : 24;    // a hash of the case-folded name; lowest bit set for a header
    };
    // What one line says.
    struct Look {
        enum Kind { Other, Header, Key } kind = Other;
        QString name;           // the section name or the key, trimmed
        QString value;          // trimmed
        qsizetype valueAt = 0;  // in the line's bytes: past the equals sign and the blanks after it
    };

    static Look LookAt(QByteArrayView line);
    static quint64 Tag(QStringView name, bool header);
    QByteArrayView LineAt(qsizetype start) const;  // without its line end
    qsizetype NextLine(qsizetype start) const;     // past the line end
    bool EndsOpen() const;                         // the last line has no line end
    bool IsSection(const Mark& m, const QString& section) const;
    // The index in marks_ of the key's line; -1 when it is not there.
    qsizetype FindKey(const QString& section, const QString& key) const;
    // Replaces `length` bytes at `at`; the lines of marks from `firstMoved` on move with them.
    void Splice(qsizetype at, qsizetype length, const QByteArray& bytes, std::size_t firstMoved);

    QByteArray text_;            // the file as it is now: BOM, lines and line ends
    std::vector<Mark> marks_;    // in the order of their lines
    QByteArray lineEnd_ = "\n";  // for lines the program adds
};

// Integer text by the rules of IniFile::ReadInteger; false when it is not a number.
bool ParseIniInteger(const QString& text, int32_t& value);

}  // namespace tesseron::storage
