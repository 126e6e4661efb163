// The game's five sound effects: one name each for the engine, the sounds and the
// windows. The numbers are those of the effect players S1 to S5.
#pragma once

namespace tesseron {

enum class Effect : int { Shoot = 1, Explode = 2, Click = 3, Applause = 4, GameOver = 5 };

}  // namespace tesseron
