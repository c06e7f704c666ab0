// The money of the final statement: what the harmonikas cost and what they
// are worth.
#pragma once

#include <cstdint>

// 2 euro for every harmonika received.
int64_t Cena(int64_t bezne, int64_t vzacne, int64_t epicke, int64_t legendarni);

// The worth of the harmonikas in single precision, summed as the game has
// always summed it: common at 0.05 and rare at 1.75 (double constants), epic
// at 4 and legendary at 50, added in that order, each product and each sum
// carried with a 64-bit significand and then rounded once to single
// precision. Computed with integers, so it is the same on every compiler and
// processor.
float Vydelek(int64_t bezne, int64_t vzacne, int64_t epicke,
              int64_t legendarni);
