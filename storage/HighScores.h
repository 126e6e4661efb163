// The high-score table: 71 text lines (header, six colour groups of five
// name/score pairs, ten spare lines) and its file of 31 records of 108 bytes.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdint>

namespace tesseron::storage {

// The player reads these translated: the window that shows them looks them up in "Storage".
inline constexpr const char* MsgHighNotFound =
    QT_TRANSLATE_NOOP("Storage", "The high scores file was not found! A new file was created.");  // warning
inline constexpr const char* MsgHighNotCreated =
    QT_TRANSLATE_NOOP("Storage", "The high scores file could not be created!");  // warning

inline constexpr const char* HighFileName = "Vexil.hig";
inline constexpr const char* DefaultHighHeader = "Tesseron high scores";

// Record: length byte (0..100), 100 name bytes in Latin-1, 3 padding bytes,
// score as signed 32-bit little-endian at offset 104.
constexpr int HighRecordSize = 108;
constexpr int HighNameSize = 100;
constexpr int HighScoreOffset = 104;
constexpr int HighRecords = 31;                             // the header record and 30 entries
constexpr int HighFileSize = HighRecords * HighRecordSize;  // 3348
constexpr int HighLines = 71;

enum class LoadHighResult { Loaded, Failed };
enum class SaveHighResult { Ok, Failed };

// baseDir + "Vexil.hig".
QString HighPath(const QString& baseDir);

class HighTable {
public:
    HighTable();  // default content: "Empty" with scores 5..1 in every group

    // Line 0 header; the group for c colours has rank k's name at base + 2k - 1 and
    // its score at base + 2k, base = (c - 5) * 10; lines 61..70 are spare.
    QStringList High;

    // Colours taken within 5..10.
    static int GroupBase(int colours);

    // Replaces lines from the file, record by record. Failed (missing, unreadable,
    // empty, or ending in a partial record): the records read before the failure
    // stay in the table. A file of fewer than 31 whole records is Loaded. Records
    // after the thirtieth entry are ignored.
    LoadHighResult LoadHigh(const QString& path);
    // Writes the 3348-byte file: header with score -1, then the 30 entries,
    // names cut to 100 characters. Failed: the old file is left as it was (also
    // while writes are held, storage/WriteHold.h).
    SaveHighResult SaveHigh(const QString& path) const;

    // Best first by the exchange sort of the original table; not stable.
    void SortHigh(int colours);

    QStringList Names(int colours) const;   // ranks 1..5, as stored
    QStringList Scores(int colours) const;  // ranks 1..5, as stored
    // The score beats the group's rank-5 score (strictly).
    bool Qualifies(int colours, int32_t score) const;
    // The new entry replaces rank 5, then the group is sorted.
    void Enter(int colours, int32_t score, const QString& name);

    QByteArray FileBytes() const;  // exactly what SaveHigh writes
};

}  // namespace tesseron::storage
