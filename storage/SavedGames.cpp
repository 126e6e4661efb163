#include "SavedGames.h"

#include "WriteHold.h"

#include "files/SafeWrite.h"
#include "files/UntrustedFile.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>

namespace tesseron::storage {

namespace {
QByteArray SpentRecord() {
    QByteArray r(RecordSize, '\0');
    r[0] = char(SpentMark);
    return r;
}
}  // namespace

QString SlotPath(const QString& baseDir, int colours) {
    return baseDir + QStringLiteral("kelm.sg") + QString::number(std::clamp(colours, MinColors, MaxColors) - MinColors + 1);
}

SaveSlotResult SaveSlot(const QString& path, const GameState& st) {
    if (WritesHeld()) return SaveSlotResult::Failed;
    QByteArray r(RecordSize, '\0');
    WriteRecord(st, reinterpret_cast<uint8_t*>(r.data()));
    return files::WriteFileSafely(path, r) ? SaveSlotResult::Saved : SaveSlotResult::Failed;
}

bool IsSoundRecord(const uint8_t record[RecordSize], int colours) {
    const int n = std::clamp(colours, MinColors, MaxColors);
    for (int x = 0; x < BoardSize; ++x)
        for (int y = 0; y < BoardSize; ++y) {
            const uint8_t* cell = record + RecordBoardOffset + 36 * x + 3 * y;
            const int color = int8_t(cell[0]);
            const bool ring = x == 0 || y == 0 || x == BoardSize - 1 || y == BoardSize - 1;
            if (ring ? color != 0 : (color < -n || color > n)) return false;
            if (cell[1] > DirDown) return false;
        }
    for (std::size_t i = 0; i < sizeof(Nexts); ++i) {
        const uint8_t c = record[RecordNextsOffset + i];
        if (c < 1 || c > n) return false;
    }
    return qFromLittleEndian<qint32>(record + RecordScoreOffset) >= 0 &&
           qFromLittleEndian<qint32>(record + RecordSetCountOffset) >= 0;
}

LoadSlotResult LoadSlot(const QString& path, GameState& st, int colours) {
    if (WritesHeld()) return LoadSlotResult::Failed;
    QByteArray data;
    // A longer file is read from its first record.
    const auto read = files::ReadUntrustedFile(path, RecordSize, data, files::Oversized::KeepStart);
    if ((read != files::ReadStatus::Ok && read != files::ReadStatus::TooLarge) || data.size() < qsizetype(RecordSize))
        return LoadSlotResult::Failed;
    const auto* record = reinterpret_cast<const uint8_t*>(data.constData());
    if (record[0] == SpentMark)
        return files::WriteFileSafely(path, SpentRecord()) ? LoadSlotResult::Spent : LoadSlotResult::Failed;
    if (!IsSoundRecord(record, colours)) return LoadSlotResult::Failed;
    // Spend the slot first: a game that cannot be marked spent is not loaded, so it
    // can never be loaded twice.
    if (!files::WriteFileSafely(path, SpentRecord())) return LoadSlotResult::Failed;
    ReadRecord(st, record);
    return LoadSlotResult::Loaded;
}

}  // namespace tesseron::storage
