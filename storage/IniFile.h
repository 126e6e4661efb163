// A small store of settings-file text: "[Section]" lines opening sections and
// "key=value" lines inside them. Names match without regard to letter case. Every
// line keeps its own bytes and line end, so sections, keys, comments and blank lines
// the program does not know, and values it writes back unchanged, stay byte for byte.
#pragma once

#include <QString>

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
    // Writes the whole store through a temporary file, creating the folder.
    SaveResult Save(const QString& path) const;

    // Lines end in CR LF, LF or CR. A line that is valid UTF-8 is read as UTF-8, any
    // other as Latin-1, which gives every byte a character of its own.
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
    void WriteInteger(const QString& section, const QString& key, int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" or "0"

private:
    struct Line {
        QByteArray raw;  // the line's bytes without its line end
        QByteArray end;  // CR LF, LF, CR, or nothing on a last line without one
        bool isKey = false;
        QString key;     // decoded and trimmed, as written in the file
        QString value;   // decoded and trimmed
    };
    struct Section {
        QString name;        // empty for the lines before the first section
        bool header = true;  // false only for those leading lines
        Line head;           // the "[name]" line
        std::vector<Line> lines;
    };

    const Line* Find(const QString& section, const QString& key) const;
    Section& SectionFor(const QString& section);

    Line NewLine(const QByteArray& raw) const { return Line{raw, lineEnd_, false, {}, {}}; }

    std::vector<Section> sections_;
    QByteArray bom_;                // the UTF-8 BOM the file began with, if any
    QByteArray lineEnd_ = "\n";     // for lines the program adds
};

// Integer text by the rules of IniFile::ReadInteger; false when it is not a number.
bool ParseIniInteger(const QString& text, int32_t& value);

}  // namespace tesseron::storage
