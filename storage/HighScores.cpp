#include "HighScores.h"

#include "StrToIntOrZero.h"
#include "WriteHold.h"

#include "files/SafeWrite.h"
#include "files/UntrustedFile.h"
#include "game/Limits.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace tesseron::storage {

namespace {
int32_t ScoreOf(const QString& line) { return StrToIntOrZero(line.toLatin1().constData()); }

// Names stay one line of the table: control characters become spaces.
QString OneLine(QString name) {
    for (QChar& ch : name)
        if (ch.unicode() < 0x20 || (ch.unicode() >= 0x7F && ch.unicode() < 0xA0)) ch = u' ';
    return name;
}

void PutRecord(char* out, const QString& name, int32_t score) {
    // Whole characters, one byte each; anything outside Latin-1 becomes "?".
    const QList<uint> chars = name.toUcs4();
    const int n = int(std::min<qsizetype>(chars.size(), HighNameSize));
    out[0] = char(n);
    for (int i = 0; i < n; ++i) out[1 + i] = chars[i] <= 0xFF ? char(chars[i]) : '?';
    qToLittleEndian<qint32>(score, out + HighScoreOffset);
}

QString NameOf(const uint8_t* rec) {
    const int n = std::min<int>(rec[0], HighNameSize);
    return OneLine(QString::fromLatin1(reinterpret_cast<const char*>(rec + 1), n));
}

int32_t ScoreFieldOf(const uint8_t* rec) { return qFromLittleEndian<qint32>(rec + HighScoreOffset); }
}  // namespace

QString HighPath(const QString& baseDir) { return baseDir + QString::fromLatin1(HighFileName); }

HighTable::HighTable() {
    High.reserve(HighLines);
    High << QString::fromLatin1(DefaultHighHeader);
    for (int group = 0; group < 6; ++group)
        for (int rank = 1; rank <= 5; ++rank) High << QStringLiteral("Empty") << QString::number(6 - rank);
    while (High.size() < HighLines) High << QString();
}

int HighTable::GroupBase(int colours) { return (std::clamp(colours, MinColors, MaxColors) - MinColors) * 10; }

LoadHighResult HighTable::LoadHigh(const QString& path) {
    QByteArray data;
    // Records after the first 31 are not used.
    const auto read = files::ReadUntrustedFile(path, HighFileSize, data, files::Oversized::KeepStart);
    if (read != files::ReadStatus::Ok && read != files::ReadStatus::TooLarge) return LoadHighResult::Failed;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    const int whole = int(data.size() / HighRecordSize);
    for (int r = 0; r < whole; ++r) {
        const uint8_t* rec = bytes + r * HighRecordSize;
        if (r == 0) {
            High[0] = NameOf(rec);
        } else {
            High[2 * r - 1] = NameOf(rec);
            High[2 * r] = QString::number(ScoreFieldOf(rec));
        }
    }
    // Nothing at all, or a partial record within the 31 that are read.
    return whole == 0 || data.size() % HighRecordSize != 0 ? LoadHighResult::Failed : LoadHighResult::Loaded;
}

QByteArray HighTable::FileBytes() const {
    QByteArray out(HighFileSize, '\0');
    PutRecord(out.data(), High.value(0), -1);
    for (int i = 1; i < HighRecords; ++i)
        PutRecord(out.data() + i * HighRecordSize, High.value(2 * i - 1), ScoreOf(High.value(2 * i)));
    return out;
}

SaveHighResult HighTable::SaveHigh(const QString& path) const {
    if (WritesHeld()) return SaveHighResult::Failed;
    return files::WriteFileSafely(path, FileBytes()) ? SaveHighResult::Ok : SaveHighResult::Failed;
}

void HighTable::SortHigh(int colours) {
    const int base = GroupBase(colours);
    for (int i = 1; i <= 5; ++i)
        for (int j = i; j <= 5; ++j)
            if (ScoreOf(High[base + 2 * i]) < ScoreOf(High[base + 2 * j])) {
                High.swapItemsAt(base + 2 * i - 1, base + 2 * j - 1);
                High.swapItemsAt(base + 2 * i, base + 2 * j);
            }
}

QStringList HighTable::Names(int colours) const {
    const int base = GroupBase(colours);
    QStringList out;
    for (int k = 1; k <= 5; ++k) out << High[base + 2 * k - 1];
    return out;
}

QStringList HighTable::Scores(int colours) const {
    const int base = GroupBase(colours);
    QStringList out;
    for (int k = 1; k <= 5; ++k) out << High[base + 2 * k];
    return out;
}

bool HighTable::Qualifies(int colours, int32_t score) const { return score > ScoreOf(High[GroupBase(colours) + 10]); }

void HighTable::Enter(int colours, int32_t score, const QString& name) {
    const int base = GroupBase(colours);
    High[base + 10] = QString::number(score);
    High[base + 9] = OneLine(name);
    SortHigh(colours);
}

}  // namespace tesseron::storage
