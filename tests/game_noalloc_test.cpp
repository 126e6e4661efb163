// The engine's hot paths must not touch the heap: a step runs every 50 ms for
// the whole game.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "game/Game.h"
#include "tests/support/SilentHost.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t n) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
// Every form of new ends in the malloc above, so every form of delete may free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace tesseron {
namespace {

TEST(NoAllocationTest, StepCheck3AndLaunchNeverAllocateInAWholeGame) {
    test::SilentHost host;
    Random random(2024);
    Game game(host, random);
    game.NewClick();
    long steps = 0;
    counting = true;
    while (host.stepTimerOn && steps < 200000) {
        game.LaunchBrick(1 + random.Below(4), 1 + random.Below(10));
        game.tmrSTEPTimer();
        game.Check3();
        if (steps % 3 == 0) game.AntiMinusTimer();
        ++steps;
    }
    counting = false;
    EXPECT_FALSE(host.stepTimerOn) << "the game should have ended";
    EXPECT_EQ(allocations.load(), 0) << "in " << steps << " steps";
}

}  // namespace
}  // namespace tesseron
