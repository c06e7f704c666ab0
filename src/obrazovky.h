// The screens of the game, in the order a game shows them. Each reads and
// updates the game counters of hra.h directly.
#pragma once

void Predtext();
void ZadaniBeden();
void OteviraniBeden();
void KonecnyVypis();
