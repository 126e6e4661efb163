#include "audio/SoundFile.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace tesseron {

namespace {

quint32 Be32(const QByteArray& b, qsizetype at) { return qFromBigEndian<quint32>(b.constData() + at); }
quint16 Be16(const QByteArray& b, qsizetype at) { return qFromBigEndian<quint16>(b.constData() + at); }

template <typename Number>
void PutBe(QByteArray& b, Number v) {
    char bytes[sizeof v];
    qToBigEndian(v, bytes);
    b.append(bytes, sizeof v);
}

void PutVar(QByteArray& b, quint32 v) {
    v = std::min<quint32>(v, 0x0FFFFFFF);
    for (int shift = 21; shift > 0; shift -= 7)
        if (v >> shift) b.append(char((v >> shift & 0x7F) | 0x80));
    b.append(char(v & 0x7F));
}

// What the rewrite left out, for the one line that tells it.
struct Trim {
    int budget = MaxTuneEvents;  // events still to be written
    qint64 notes = 0;            // of over-dense chords
    qint64 textBytes = 0;        // lyrics, names and other meta events, which never sound
    qint64 sysexBytes = 0;       // system-exclusive messages past the limits
    qint64 sysexKept = 0;
    bool cut = false;  // the budget of events ran out
};

// The events of the track from `at` to `end`, each with its status byte, leaving out
// notes past the limits and what is never played; `endTick` is the tick of its end.
QByteArray CopyTrack(const QByteArray& b, qsizetype at, qsizetype end, Trim& trim, qint64& endTick, std::bitset<128>& programs) {
    auto var = [&](quint32& v) {
        v = 0;
        for (int i = 0; i < 4 && at < end; ++i) {
            const uchar c = uchar(b[at++]);
            v = v << 7 | (c & 0x7F);
            if (!(c & 0x80)) return true;
        }
        return false;
    };
    QByteArray events;
    quint32 delta = 0;
    qint64 tick = 0, tickOfCount = -1;
    int notesAtTick = 0;
    uchar running = 0;
    bool ended = false;
    while (!ended && at < end) {
        quint32 d;
        if (!var(d)) break;
        delta += d;
        tick += d;
        uchar status = uchar(b[at]);
        if (status & 0x80)
            ++at;
        else if (running)
            status = running;
        else
            break;  // data with no status: the rest of the track is unreadable
        const qsizetype start = at;
        bool keep = true;
        if (status < 0xF0) {
            running = status;
            at += (status & 0xE0) == 0xC0 ? 1 : 2;
            if (at > end) break;
            if ((status & 0xF0) == 0xC0) programs.set(uchar(b[start]) & 0x7F);
            if ((status & 0xF0) == 0x90 && uchar(b[start + 1]) != 0) {
                if (tick != tickOfCount) tickOfCount = tick, notesAtTick = 0;
                keep = ++notesAtTick <= MaxNotesPerTick;
                trim.notes += !keep;
            }
        } else if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            const uchar type = status == 0xFF && at < end ? uchar(b[at++]) : 0;
            quint32 size;
            if (!var(size) || size > quint32(end - at)) break;
            at += size;
            running = 0;
            ended = status == 0xFF && type == 0x2F;
            // FluidSynth refuses the whole file for a tempo of another length.
            if (status == 0xFF && !ended && !(type == 0x51 && size == 3)) {
                keep = false;
                trim.textBytes += size;
            } else if (status != 0xFF) {
                // Continuations (0xF7) are dropped with the message: FluidSynth cannot read them.
                keep = status == 0xF0 && size <= quint32(MaxSysexBytes) && trim.sysexKept + size <= MaxTuneSysexBytes;
                (keep ? trim.sysexKept : trim.sysexBytes) += size;
            }
        } else {
            break;  // no other status belongs in a file
        }
        if (!keep) continue;
        if (ended) break;
        if (trim.budget <= 0) {
            trim.cut = true;
            delta = 0;  // the track ends where it was cut
            tick -= d;
            break;
        }
        PutVar(events, delta);
        delta = 0;
        events.append(char(status));
        events.append(b.mid(start, at - start));
        --trim.budget;
    }
    // The end as FluidSynth reads it, whatever length the file gave it or when it was missing.
    PutVar(events, delta);
    events.append("\xFF\x2F\x00", 3);
    endTick = tick;
    return events;
}

// One track of the events of `tracks` in the order of their ticks, those of one tick
// in the order of the tracks; the events are as CopyTrack writes them.
QByteArray MergeTracks(const std::vector<QByteArray>& tracks, qint64 endTick) {
    struct Event {
        qint64 tick;
        const QByteArray* track;
        qsizetype at, size;
    };
    std::vector<Event> events;
    for (const QByteArray& t : tracks) {
        qint64 tick = 0;
        for (qsizetype at = 0; at < t.size();) {
            quint32 d = 0;
            while (uchar(t[at]) & 0x80) d = d << 7 | (uchar(t[at++]) & 0x7F);
            tick += d << 7 | uchar(t[at++]);
            const uchar status = uchar(t[at]);
            const qsizetype start = at++;
            if (status == 0xFF && uchar(t[at]) == 0x2F) break;
            if (status >= 0xF0) {
                at += status == 0xFF;  // the type
                quint32 size = 0;
                while (uchar(t[at]) & 0x80) size = size << 7 | (uchar(t[at++]) & 0x7F);
                at += (size << 7 | uchar(t[at])) + 1;
            } else {
                at += (status & 0xE0) == 0xC0 ? 1 : 2;
            }
            events.push_back({tick, &t, start, at - start});
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.tick < b.tick; });
    QByteArray out;
    qint64 tick = 0;
    for (const Event& e : events) {
        PutVar(out, quint32(e.tick - tick));
        tick = e.tick;
        out.append(e.track->constData() + e.at, e.size);
    }
    PutVar(out, quint32(std::max<qint64>(endTick - tick, 0)));
    out.append("\xFF\x2F\x00", 3);
    return out;
}

void PutTrack(QByteArray& out, const QByteArray& events) {
    out.append("MTrk");
    PutBe(out, quint32(events.size()));
    out.append(events);
}

}  // namespace

bool PrepareTune(const QByteArray& file, PreparedTune& tune, QString& error) {
    tune = {};
    QByteArray smf = file;
    // A RIFF RMID file carries a standard MIDI file in its "data" chunk.
    if (file.startsWith("RIFF") && file.mid(8, 4) == "RMID") {
        smf.clear();
        for (qsizetype at = 12; at + 8 <= file.size();) {
            const qsizetype size = qFromLittleEndian<quint32>(file.constData() + at + 4);
            if (file.mid(at, 4) == "data") {
                smf = file.mid(at + 8, size);
                break;
            }
            at += 8 + size + (size & 1);
        }
    }
    if (smf.size() < 14 || !smf.startsWith("MThd") || Be32(smf, 4) < 6 || Be16(smf, 8) > 2 || Be16(smf, 10) == 0 ||
        Be16(smf, 12) == 0) {
        error = QStringLiteral("not a standard MIDI file");
        return false;
    }
    const quint16 count = Be16(smf, 10);
    std::vector<QByteArray> tracks;
    Trim trim;
    for (qsizetype at = 8 + std::min<qsizetype>(Be32(smf, 4), smf.size()); at + 8 <= smf.size() && tracks.size() < count;) {
        const qsizetype size = std::min<qsizetype>(Be32(smf, at + 4), smf.size() - at - 8);
        if (smf.mid(at, 4) == "MTrk") {
            qint64 end = 0;
            tracks.push_back(CopyTrack(smf, at + 8, at + 8 + size, trim, end, tune.programs));
            tune.endTick = std::max(tune.endTick, end);
        }
        at += 8 + size;
    }
    if (tracks.empty()) {
        error = QStringLiteral("no track in the file");
        return false;
    }
    const bool merge = tracks.size() > size_t(MaxTuneTracks);
    tune.smf = QByteArray("MThd\0\0\0\x06", 8) + (merge ? QByteArray(2, '\0') : smf.mid(8, 2));  // the format as it was
    PutBe(tune.smf, quint16(merge ? 1 : tracks.size()));
    tune.smf += smf.mid(12, 2);  // the division as it was
    if (merge)
        PutTrack(tune.smf, MergeTracks(tracks, tune.endTick));
    else
        for (const QByteArray& t : tracks) PutTrack(tune.smf, t);
    QStringList trimmed;
    if (trim.cut) trimmed << QStringLiteral("cut after %1 events").arg(MaxTuneEvents);
    if (trim.notes) trimmed << QStringLiteral("%1 notes of over-dense chords left out").arg(trim.notes);
    // A tune's names and words are left out quietly; what could change the sound, or is a
    // file's worth of bytes, is told.
    if (trim.sysexBytes || trim.textBytes > MaxTuneSysexBytes)
        trimmed << QStringLiteral("%1 KB of lyrics, text and system-exclusive data left out")
                       .arg((trim.sysexBytes + trim.textBytes + 1023) / 1024);
    tune.trimmed = trimmed.join(QStringLiteral(", "));
    return true;
}

}  // namespace tesseron
