// The rules engine's hot paths: one step on a mid-game board, the group search
// on the hardest board it meets, and a whole game of random launches.
#include <benchmark/benchmark.h>

#include <cstring>

#include "game/Game.h"
#include "tests/support/SilentHost.h"

namespace tesseron {
namespace {

int Bricks(const Board& b) {
    int n = 0;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) n += b.at(x, y).Color != 0;
    return n;
}

int Moving(const Board& b) {
    int n = 0;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) n += b.at(x, y).Color > 0 && b.at(x, y).Dir != DirNone;
    return n;
}

// One player turn: try a random lane, then let the clock tick once.
void Turn(Game& game, Random& player, long step) {
    game.LaunchBrick(1 + player.Below(4), 1 + player.Below(ZoneSize));
    game.tmrSTEPTimer();
    if (step % 2 == 1) game.AntiMinusTimer();
}

// Plays a seeded game until the zone holds 40 bricks, at least six with arrows,
// and something is moving: the middle of a typical game.
GameState MidGame() {
    test::SilentHost host;
    Random random(42), player(7);
    Game game(host, random);
    game.NewClick();
    for (long step = 0; host.stepTimerOn; ++step) {
        Turn(game, player, step);
        if (Bricks(game.st.board) >= 40 && Moving(game.st.board) >= 6 && game.st.InMotion) return game.st;
    }
    return game.st;
}

void BM_Step(benchmark::State& state) {
    test::SilentHost host;
    Random random(1);
    Game game(host, random);
    const GameState start = MidGame();
    game.st = start;
    for (auto _ : state) {
        game.st.board = start.board;  // 432 bytes; see BM_RestoreBoard for its share
        game.st.nexts = start.nexts;
        game.Step();
        benchmark::DoNotOptimize(game.st.board);
    }
    state.counters["bricks"] = Bricks(start.board);
    state.counters["arrows"] = Moving(start.board);
}
BENCHMARK(BM_Step);

void BM_RestoreBoard(benchmark::State& state) {
    test::SilentHost host;
    Random random(1);
    Game game(host, random);
    const GameState start = MidGame();
    for (auto _ : state) {
        game.st.board = start.board;
        game.st.nexts = start.nexts;
        benchmark::DoNotOptimize(game.st.board);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RestoreBoard);

// One colour at rest in a snake of columns 10, 8, 6, 4, 2 joined at alternate
// ends. The seed is (10, 9); growing pass by pass in scan order would walk up each
// even column one cell per pass and need some 36 passes over the zone.
Board SnakeBoard() {
    Board b{};
    for (int x = 2; x <= 10; x += 2)
        for (int y = 1; y <= 10; ++y) b.at(x, y) = Cell{3, DirNone, 1};
    for (int x : {9, 5}) b.at(x, 1) = Cell{3, DirNone, 1};
    for (int x : {7, 3}) b.at(x, 10) = Cell{3, DirNone, 1};
    b.at(1, 1) = Cell{3, DirNone, 1};
    // The rest of the zone full of bricks at rest that form no group.
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (b.at(x, y).Color == 0) b.at(x, y) = Cell{int8_t(4 + (x / 2 + y) % 2), DirNone, 1};
    return b;
}

void BM_Check3Snake(benchmark::State& state) {
    test::SilentHost host;
    Random random(1);
    Game game(host, random);
    const Board snake = SnakeBoard();
    int size = 0;
    for (auto _ : state) {
        game.st.board = snake;
        game.st.Score = 0;
        game.Check3();
        benchmark::DoNotOptimize(game.st.board);
        size = game.st.Score / 3 + 2;
    }
    state.counters["group"] = size;
}
BENCHMARK(BM_Check3Snake);

// The largest group there is: the whole zone in one colour, at rest.
void BM_Check3FullZone(benchmark::State& state) {
    test::SilentHost host;
    Random random(1);
    Game game(host, random);
    Board full{};
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) full.at(x, y) = Cell{2, DirNone, 1};
    for (auto _ : state) {
        game.st.board = full;
        game.Check3();
        benchmark::DoNotOptimize(game.st.board);
    }
}
BENCHMARK(BM_Check3FullZone);

// Nothing to find: the search that almost every step makes.
void BM_Check3NoGroup(benchmark::State& state) {
    test::SilentHost host;
    Random random(1);
    Game game(host, random);
    // A full zone at rest where no two neighbours share a colour.
    Board quiet = SnakeBoard();
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) quiet.at(x, y).Color = int8_t(1 + (x + y) % 2 + 2 * (x % 2));
    for (auto _ : state) {
        game.st.board = quiet;
        game.Check3();
        benchmark::DoNotOptimize(game.st.board);
    }
}
BENCHMARK(BM_Check3NoGroup);

void BM_WholeGame(benchmark::State& state) {
    long steps = 0, score = 0;
    for (auto _ : state) {
        test::SilentHost host;
        Random random(2024), player(99);
        Game game(host, random);
        game.NewClick();
        steps = 0;
        while (host.stepTimerOn) Turn(game, player, steps++);
        score = game.st.Score;
        benchmark::DoNotOptimize(game.st);
    }
    state.counters["steps"] = double(steps);
    state.counters["score"] = double(score);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesseron

BENCHMARK_MAIN();
