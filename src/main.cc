// The entry point: the game counters and the main loop over the turns.
#include <cstdlib>
#include <ctime>

#include "hra.h"
#include "obrazovky.h"

int32_t kolikOtevrit;
bool jeKonec;

int32_t pocetBezny;
int32_t pocetVzacny;
int32_t pocetEpicky;
int32_t pocetLegendarni;

int64_t celkemPocetBezny;
int64_t celkemPocetVzacny;
int64_t celkemPocetEpicky;
int64_t celkemPocetLegendarni;
int64_t pocetOtevrenychBeden;

void InicializaceHry() {
  kolikOtevrit = 0;
  pocetBezny = 0;
  pocetVzacny = 0;
  pocetEpicky = 0;
  pocetLegendarni = 0;
  jeKonec = false;
}

int main() {
  // Seeded once from the clock: two games started in the same second are
  // the same game.
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  pocetOtevrenychBeden = 0;
  Predtext();
  do {
    InicializaceHry();
    ZadaniBeden();
    if (kolikOtevrit != 0)
      OteviraniBeden();
  } while (!jeKonec);
  KonecnyVypis();
  return 0;
}
