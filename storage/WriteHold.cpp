#include "WriteHold.h"

#include <atomic>

namespace tesseron::storage {

namespace {
// One per program, like the data folder it is about.
std::atomic<bool> held{false};
}  // namespace

void HoldWrites(bool h) { held = h; }

bool WritesHeld() { return held; }

}  // namespace tesseron::storage
