#include "audio/SoundFile.h"

#include <QtEndian>
#include <algorithm>

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
        if (v >> shift)
            b.append(char((v >> shift & 0x7F) | 0x80));
    b.append(char(v & 0x7F));
}

// Copies the track from `at` to `end`, leaving out notes past the limits; `cut` is
// set when the budget of events ran out in it.
void CopyTrack(const QByteArray& b, qsizetype at, qsizetype end, QByteArray& out, int& budget, qint64& dropped,
               bool& cut, std::bitset<128>& programs) {
    auto var = [&](quint32& v) {
        v = 0;
        for (int i = 0; i < 4 && at < end; ++i) {
            const uchar c = uchar(b[at++]);
            v = v << 7 | (c & 0x7F);
            if (!(c & 0x80))
                return true;
        }
        return false;
    };
    QByteArray events;
    quint32 delta = 0, tick = 0, tickOfCount = 0;
    int notesAtTick = 0;
    uchar running = 0;
    bool ended = false;
    while (!ended && at < end) {
        quint32 d;
        if (!var(d))
            break;
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
            if (at > end)
                break;
            if ((status & 0xF0) == 0xC0)
                programs.set(uchar(b[start]) & 0x7F);
            if ((status & 0xF0) == 0x90 && uchar(b[start + 1]) != 0) {
                if (tick != tickOfCount)
                    tickOfCount = tick, notesAtTick = 0;
                keep = ++notesAtTick <= MaxNotesPerTick;
            }
        } else if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            if (status == 0xFF && at < end)
                ended = uchar(b[at++]) == 0x2F;
            quint32 size;
            if (!var(size) || size > quint32(end - at))
                break;
            at += size;
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
        events.append(b.mid(start, at - start));
        --budget;
    }
    if (!ended)
        events.append("\x00\xFF\x2F\x00", 4);
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
    const quint16 tracks = Be16(smf, 10);
    QByteArray body;
    int budget = MaxTuneEvents;
    qint64 dropped = 0;
    bool cut = false;
    quint16 written = 0;
    for (qsizetype at = 8 + std::min<qsizetype>(Be32(smf, 4), smf.size()); at + 8 <= smf.size() && written < tracks;) {
        const qsizetype size = std::min<qsizetype>(Be32(smf, at + 4), smf.size() - at - 8);
        if (smf.mid(at, 4) == "MTrk") {
            CopyTrack(smf, at + 8, at + 8 + size, body, budget, dropped, cut, tune.programs);
            ++written;
        }
        at += 8 + size;
    }
    if (written == 0) {
        error = QStringLiteral("no track in the file");
        return false;
    }
    tune.smf = QByteArray("MThd\0\0\0\x06", 8) + smf.mid(8, 2);  // the format as it was
    PutBe(tune.smf, written);
    tune.smf += smf.mid(12, 2) + body;  // the division as it was
    tune.trimmed.clear();
    if (dropped || cut)
        tune.trimmed = cut ? QStringLiteral("cut after %1 events").arg(MaxTuneEvents)
                      : QStringLiteral("%1 notes of over-dense chords left out").arg(dropped);
    return true;
}

}  // namespace tesseron
