#include "audio/MidiFile.h"

#include <algorithm>

namespace tesseron {

namespace {

quint32 Be(const QByteArray& b, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | uchar(b[at + i]);
    return v;
}

void PutBe(QByteArray& b, quint32 v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.append(char((v >> (8 * i)) & 0xFF));
}

void PutVar(QByteArray& b, quint32 v) {
    v = std::min<quint32>(v, 0x0FFFFFFF);
    char bytes[4];
    int n = 0;
    do {
        bytes[n++] = char(v & 0x7F);
        v >>= 7;
    } while (v);
    while (n > 1) b.append(char(bytes[--n] | 0x80));
    b.append(bytes[0]);
}

// A track's events from `at` to `end`.
struct Reader {
    const QByteArray& b;
    qsizetype at, end;
    bool Var(quint32& v) {
        v = 0;
        for (int i = 0; i < 4 && at < end; ++i) {
            const uchar c = uchar(b[at++]);
            v = v << 7 | (c & 0x7F);
            if (!(c & 0x80))
                return true;
        }
        return false;
    }
};

// Copies one track, leaving out notes past the limits; `cut` is set when the
// budget of events ran out in it.
void CopyTrack(const QByteArray& b, qsizetype at, qsizetype end, QByteArray& out, int& budget, qint64& dropped,
               bool& cut) {
    Reader r{b, at, end};
    QByteArray events;
    quint32 delta = 0, tick = 0, tickOfCount = 0;
    int notesAtTick = 0;
    uchar running = 0;
    bool ended = false;
    while (!ended && r.at < r.end) {
        quint32 d;
        if (!r.Var(d))
            break;
        delta += d;
        tick += d;
        uchar status = uchar(b[r.at]);
        if (status & 0x80)
            ++r.at;
        else if (running)
            status = running;
        else
            break;  // data with no status: the rest of the track is unreadable
        const qsizetype start = r.at;
        bool keep = true;
        if (status < 0xF0) {
            running = status;
            const int size = (status & 0xE0) == 0xC0 ? 1 : 2;
            if (r.at + size > r.end)
                break;
            r.at += size;
            if ((status & 0xF0) == 0x90 && uchar(b[start + 1]) != 0) {
                if (tick != tickOfCount)
                    tickOfCount = tick, notesAtTick = 0;
                keep = ++notesAtTick <= MaxNotesPerTick;
            }
        } else if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            if (status == 0xFF && r.at < r.end)
                ended = uchar(b[r.at++]) == 0x2F;
            quint32 size;
            if (!r.Var(size) || size > quint32(r.end - r.at))
                break;
            r.at += size;
            running = 0;
        } else {
            break;  // no other status belongs in a file
        }
        if (!keep) {
            ++dropped;
            continue;
        }
        if (budget <= 0 && !ended) {
            cut = true;
            break;
        }
        PutVar(events, delta);
        delta = 0;
        events.append(char(status));
        events.append(b.mid(start, r.at - start));
        --budget;
    }
    if (!ended)
        events.append("\x00\xFF\x2F\x00", 4);
    out.append("MTrk");
    PutBe(out, quint32(events.size()), 4);
    out.append(events);
}

}  // namespace

bool PrepareTune(const QByteArray& file, QByteArray& tune, QString& trimmed, QString& error) {
    QByteArray smf = file;
    // A RIFF RMID file carries a standard MIDI file in its "data" chunk.
    if (file.startsWith("RIFF") && file.mid(8, 4) == "RMID") {
        smf.clear();
        for (qsizetype at = 12; at + 8 <= file.size();) {
            const qsizetype size = qsizetype(file[at + 4] & 0xFF) | qsizetype(uchar(file[at + 5])) << 8 |
                                   qsizetype(uchar(file[at + 6])) << 16 | qsizetype(uchar(file[at + 7])) << 24;
            if (file.mid(at, 4) == "data") {
                smf = file.mid(at + 8, size);
                break;
            }
            at += 8 + size + (size & 1);
        }
    }
    if (smf.size() < 14 || !smf.startsWith("MThd") || Be(smf, 4, 4) < 6) {
        error = QStringLiteral("not a standard MIDI file");
        return false;
    }
    const quint32 headerSize = Be(smf, 4, 4);
    const quint32 format = Be(smf, 8, 2), tracks = Be(smf, 10, 2), division = Be(smf, 12, 2);
    if (format > 2 || tracks == 0 || division == 0) {
        error = QStringLiteral("not a standard MIDI file");
        return false;
    }
    QByteArray body;
    int budget = MaxTuneEvents;
    qint64 dropped = 0;
    bool cut = false;
    quint32 written = 0;
    for (qsizetype at = 8 + qsizetype(std::min<quint32>(headerSize, quint32(smf.size()))); at + 8 <= smf.size() && written < tracks;) {
        const qsizetype size = std::min<qsizetype>(Be(smf, at + 4, 4), smf.size() - at - 8);
        if (smf.mid(at, 4) == "MTrk") {
            CopyTrack(smf, at + 8, at + 8 + size, body, budget, dropped, cut);
            ++written;
        }
        at += 8 + size;
    }
    if (written == 0) {
        error = QStringLiteral("no track in the file");
        return false;
    }
    tune = QByteArray("MThd\0\0\0\x06", 8);
    PutBe(tune, format, 2);
    PutBe(tune, written, 2);
    PutBe(tune, division, 2);
    tune += body;
    trimmed.clear();
    if (dropped || cut)
        trimmed = cut ? QStringLiteral("cut after %1 events").arg(MaxTuneEvents)
                      : QStringLiteral("%1 notes of over-dense chords left out").arg(dropped);
    return true;
}

}  // namespace tesseron
