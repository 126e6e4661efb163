#include "audio/Tune.h"

#include "audio/SoundFile.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace tesseron {

namespace {

qsizetype Le16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

void Put16(QByteArray& to, qsizetype v) { to.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); }

// The preset list ("LIST" to its end) with the preset headers, zones, modulators and
// generators of the kept programs only; empty when it is not laid out as a
// soundfont's. FluidSynth builds only the instruments and samples a preset uses.
// FluidSynth builds some 3 KB for each zone of the presets it is given: past this many,
// further presets are left out, and `dropped` counts them.
constexpr qsizetype MaxCutZones = 4096;

QByteArray CutPresets(const QByteArray& list, const std::bitset<128>& programs, qsizetype& dropped) {
    std::vector<std::pair<QByteArray, QByteArray>> chunks;  // name, body
    std::map<QByteArray, QByteArray*> named;
    for (qsizetype at = 12; at + 8 <= list.size();) {
        const qsizetype size = qFromLittleEndian<quint32>(list.constData() + at + 4);
        if (size > list.size() - at - 8 || chunks.size() > 16) return {};
        chunks.emplace_back(list.mid(at, 4), list.mid(at + 8, size));
        at += 8 + size + (size & 1);
    }
    for (auto& [name, body] : chunks) named[name] = &body;
    if (!named.count("phdr") || !named.count("pbag") || !named.count("pmod") || !named.count("pgen")) return {};
    QByteArray &phdr = *named["phdr"], &pbag = *named["pbag"], &pmod = *named["pmod"], &pgen = *named["pgen"];
    // Records of 38, 4, 10 and 4 bytes; each list ends in a terminal record.
    const qsizetype presets = phdr.size() / 38 - 1, bags = pbag.size() / 4 - 1;
    if (presets < 1 || bags < 0 || phdr.size() % 38 || pbag.size() % 4 || pmod.size() % 10 || pgen.size() % 4) return {};
    auto firstBag = [&](qsizetype p) { return Le16(phdr, 38 * p + 24); };
    auto gen = [&](qsizetype b) { return Le16(pbag, 4 * b); };
    auto mod = [&](qsizetype b) { return Le16(pbag, 4 * b + 2); };
    // Every header and zone in order, kept or not: one that went back would let the kept
    // presets share zones, and the cut would copy them again for each.
    for (qsizetype p = 0; p < presets; ++p)
        if (firstBag(p) > firstBag(p + 1)) return {};
    for (qsizetype b = 0; b < bags; ++b)
        if (gen(b) > gen(b + 1) || mod(b) > mod(b + 1)) return {};
    if (firstBag(presets) > bags || 4 * gen(bags) > pgen.size() || 10 * mod(bags) > pmod.size()) return {};
    QByteArray headers, zones, mods, gens;
    for (qsizetype p = 0; p <= presets; ++p) {
        const qsizetype program = Le16(phdr, 38 * p + 20);
        if (p < presets && program != 0 && (program > 127 || !programs[size_t(program)])) continue;
        if (p < presets && zones.size() / 4 + firstBag(p + 1) - firstBag(p) > MaxCutZones) {
            ++dropped;
            continue;
        }
        headers += phdr.mid(38 * p, 24);
        Put16(headers, zones.size() / 4);
        headers += phdr.mid(38 * p + 26, 12);
        if (p == presets) break;
        for (qsizetype b = firstBag(p); b < firstBag(p + 1); ++b) {
            Put16(zones, gens.size() / 4);
            Put16(zones, mods.size() / 10);
            gens += pgen.mid(4 * gen(b), 4 * (gen(b + 1) - gen(b)));
            mods += pmod.mid(10 * mod(b), 10 * (mod(b + 1) - mod(b)));
        }
    }
    Put16(zones, gens.size() / 4);
    Put16(zones, mods.size() / 10);
    phdr = headers;
    pbag = zones;
    pmod = mods + QByteArray(10, 0);
    pgen = gens + QByteArray(4, 0);
    QByteArray out = list.left(12);
    for (const auto& [name, body] : chunks) {
        out += name;
        Put16(out, body.size() & 0xFFFF);
        Put16(out, body.size() >> 16);
        out += body + QByteArray(body.size() & 1, '\0');
    }
    // A part of the list is never larger than the list: anything else is no cut of it.
    if (out.size() > list.size()) return {};
    qToLittleEndian(quint32(out.size() - 8), out.data() + 4);
    return out;
}

// A cut bank reads as the file up to its preset list, then the cut list.
struct Cut {
    QString file;
    qint64 listAt = 0;
    QByteArray list;
};

// FluidSynth asks for a bank by name only, from the audio thread too.
std::mutex cutsLock;
std::map<std::string, Cut> cuts;

struct OpenBank {
    QFile file;
    Cut cut;  // a plain file reads as one whose cut list is empty and starts at its end
    qint64 at = 0;
    qint64 Size() const { return cut.listAt + cut.list.size(); }
};

void* Open(const char* name) {
    auto open = std::make_unique<OpenBank>();
    {
        std::lock_guard hold(cutsLock);
        const auto found = cuts.find(name);
        open->cut = found != cuts.end() ? found->second : Cut{QString::fromLocal8Bit(name), 0, {}};
    }
    open->file.setFileName(open->cut.file);
    if (!open->file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return nullptr;
    if (open->cut.list.isEmpty()) open->cut.listAt = open->file.size();
    return open.release();
}

int Read(void* buffer, fluid_long_long_t count, void* handle) {
    auto* open = static_cast<OpenBank*>(handle);
    const Cut& cut = open->cut;
    char* out = static_cast<char*>(buffer);
    const qint64 at = open->at;
    if (count < 0 || at + count > open->Size()) return FLUID_FAILED;
    const qint64 fromFile = std::clamp<qint64>(cut.listAt - at, 0, count);
    if (fromFile > 0 && (!open->file.seek(at) || open->file.read(out, fromFile) != fromFile)) return FLUID_FAILED;
    std::memcpy(out + fromFile, cut.list.constData() + (at + fromFile - cut.listAt), size_t(count - fromFile));
    // Bytes 4 to 7 hold the size of the whole, which the cut changed.
    for (qint64 i = std::max<qint64>(at, 4); !cut.list.isEmpty() && i < std::min<qint64>(at + count, 8); ++i)
        out[i - at] = char(quint32(open->Size() - 8) >> (8 * (i - 4)));
    open->at += count;
    return FLUID_OK;
}

int Seek(void* handle, fluid_long_long_t offset, int origin) {
    auto* open = static_cast<OpenBank*>(handle);
    const qint64 to = offset + (origin == SEEK_CUR ? open->at : origin == SEEK_END ? open->Size() : 0);
    if (to < 0 || to > open->Size()) return FLUID_FAILED;
    open->at = to;
    return FLUID_OK;
}

fluid_long_long_t Tell(void* handle) { return static_cast<OpenBank*>(handle)->at; }

int Close(void* handle) {
    delete static_cast<OpenBank*>(handle);
    return FLUID_OK;
}

}  // namespace

CutBank::CutBank(const QString& file, const std::bitset<128>& programs) : name_(file.toLocal8Bit().toStdString()) {
    QFile f(file);
    const QByteArray head = f.open(QIODevice::ReadOnly) ? f.read(12) : QByteArray();
    if (head.size() < 12 || !head.startsWith("RIFF") || !head.endsWith("sfbk")) return;
    // The preset list ends the banks we know; where it does not, the whole bank is read.
    for (qint64 at = 12; at + 8 <= f.size() && f.seek(at);) {
        const QByteArray chunk = f.read(12);
        const qint64 size = chunk.size() == 12 ? qFromLittleEndian<quint32>(chunk.constData() + 4) : f.size();
        if (chunk.startsWith("LIST") && chunk.endsWith("pdta") && at + 8 + size == f.size() && f.seek(at)) {
            qsizetype dropped = 0;
            const QByteArray list = CutPresets(f.read(8 + size), programs, dropped);
            if (list.isEmpty()) return;
            if (dropped)
                ReportTuneProblem(
                    QStringLiteral("%1: %2 presets past %3 zones left out").arg(file).arg(dropped).arg(MaxCutZones));
            static std::atomic<int> made;
            name_ += " (cut " + std::to_string(++made) + ")";
            std::lock_guard hold(cutsLock);
            cuts[name_] = Cut{file, at, list};
            return;
        }
        at += 8 + size + (size & 1);
    }
}

CutBank::~CutBank() {
    std::lock_guard hold(cutsLock);
    cuts.erase(name_);
}

void CutBank::Install(const FluidLibrary* fluid, fluid_settings_t* settings, fluid_synth_t* synth) {
    fluid_sfloader_t* loader = fluid->new_fluid_defsfloader(settings);
    if (loader && fluid->fluid_sfloader_set_callbacks(loader, Open, Read, Seek, Tell, Close) == FLUID_OK)
        fluid->fluid_synth_add_sfloader(synth, loader);
}

}  // namespace tesseron
