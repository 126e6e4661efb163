// A small store of settings-file text: "[Section]" lines opening sections and
// "key=value" lines inside them. Names match without regard to letter case;
// sections, keys, comments and blank lines the program does not know are kept,
// in their order, when the file is written back.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace tesseron::storage {

class IniFile {
public:
    enum class LoadResult { Loaded, Missing, Unreadable };
    enum class SaveResult { Ok, Failed };

    static constexpr int MaxStringLength = 2047;
    static constexpr qint64 MaxFileSize = 1 << 20;

    // Replaces the content with the file's. Missing or unreadable (not a regular
    // file, larger than MaxFileSize, no permission): the store is left empty.
    LoadResult Load(const QString& path);
    // Writes the whole store through a temporary file, creating the folder.
    SaveResult Save(const QString& path) const;

    void Parse(const QByteArray& text);  // lines end in CR LF, LF or CR; a UTF-8 BOM is skipped
    QByteArray Text() const;             // UTF-8, LF line ends
    void Clear() { sections_.clear(); }

    // The value after the equals sign, cut to MaxStringLength characters.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal when longer than two characters and starting with 0x or 0X;
    // anything else, out-of-range numbers included, gives def.
    int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;  // 0 false, other numbers true

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" or "0"

private:
    struct Line {
        bool isKey = false;
        QString key;    // trimmed, as written in the file
        QString value;  // trimmed
        QString raw;    // the whole line when it is not a key line
    };
    struct Section {
        QString name;       // empty for the lines before the first section
        bool header = true; // false only for those leading lines
        std::vector<Line> lines;
    };

    const Line* Find(const QString& section, const QString& key) const;
    Section& SectionFor(const QString& section);

    std::vector<Section> sections_;
};

// Integer text by the rules of IniFile::ReadInteger; false when it is not a number.
bool ParseIniInteger(const QString& text, int32_t& value);

}  // namespace tesseron::storage
