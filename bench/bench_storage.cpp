// The storage round trips: the high-score file and a saved-game slot, through
// real files in a temporary folder.
#include "storage/HighScores.h"
#include "storage/SavedGames.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

BENCHMARK_MAIN();
