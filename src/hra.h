// The game counters: the state every screen reads and updates directly.
// They are defined in main.cc and live for the whole run.
#pragma once

#include <cstdint>

// This turn: the crates asked for, and whether the player asked for none.
extern int32_t kolikOtevrit;
extern bool jeKonec;

// Harmonikas of each tier received in this turn.
extern int32_t pocetBezny;
extern int32_t pocetVzacny;
extern int32_t pocetEpicky;
extern int32_t pocetLegendarni;

// The whole game. Turns of up to 2^31 - 1 crates add up here without a
// bound, so these are 64-bit: no game a player can play overflows them.
extern int64_t celkemPocetBezny;
extern int64_t celkemPocetVzacny;
extern int64_t celkemPocetEpicky;
extern int64_t celkemPocetLegendarni;
extern int64_t pocetOtevrenychBeden;

// The turn reset: clears this turn's counters, leaves the game's alone.
void InicializaceHry();
