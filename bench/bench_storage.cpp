// The storage round trips: the high-score file and a saved-game slot, through
// real files in a temporary folder; and what reading the largest settings file costs.
#include "storage/HighScores.h"
#include "storage/IniFile.h"
#include "storage/SavedGames.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <malloc.h>

using namespace tesseron;
using namespace tesseron::storage;

static void BM_HighScoresSaveLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = HighPath(dir.path() + "/");
    HighTable table;
    for (int i = 1; i <= 60; i += 2) table.High[i] = QStringLiteral("Player %1 with a longer name").arg(i);
    HighTable back;
    for (auto _ : state) {
        if (table.SaveHigh(path) != SaveHighResult::Ok || back.LoadHigh(path) != LoadHighResult::Loaded)
            state.SkipWithError("high-score round trip failed");
        benchmark::DoNotOptimize(back.High);
    }
}
BENCHMARK(BM_HighScoresSaveLoad);

static void BM_SlotSaveLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = SlotPath(dir.path() + "/", 7);
    GameState st;
    for (int s = 1; s <= 4; ++s)
        for (int l = 1; l <= 10; ++l)
            for (int k = 0; k < 4; ++k) st.nexts.at(s, l, k) = uint8_t(1 + (s * l + k) % 7);
    for (int x = 1; x <= 10; ++x) st.board.at(x, x) = Cell{int8_t(1 + x % 7), DirRight, 0};
    GameState back;
    for (auto _ : state) {
        if (SaveSlot(path, st) != SaveSlotResult::Saved || LoadSlot(path, back, 7) != LoadSlotResult::Loaded)
            state.SkipWithError("slot round trip failed");
        benchmark::DoNotOptimize(back.board);
    }
}
BENCHMARK(BM_SlotSaveLoad);

// Bytes the heap hands out at the moment, large blocks included.
static double HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd);
}

// A settings file of the largest size read, in blank lines or in shortest keys: the time
// to parse it, and the heap the store holds afterwards (heap_bytes) against the file's size.
static void BM_SettingsParse(benchmark::State& state, const QByteArray& line) {
    QByteArray text;
    while (text.size() + line.size() <= IniFile::MaxFileSize) text += line;
    double held = 0;
    for (auto _ : state) {
        const double before = HeapInUse();
        IniFile ini;
        ini.Parse(text);
        held = std::max(held, HeapInUse() - before);
        benchmark::DoNotOptimize(ini);
    }
    state.counters["file_bytes"] = double(text.size());
    state.counters["heap_bytes"] = held;
}
BENCHMARK_CAPTURE(BM_SettingsParse, BlankLines, QByteArray("\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettingsParse, ShortKeys, QByteArray("a=\n"))->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
