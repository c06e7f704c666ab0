#include "penize.h"

#include <cmath>
#include <utility>

int64_t Cena(int64_t bezne, int64_t vzacne, int64_t epicke,
             int64_t legendarni) {
  return 2 * bezne + 2 * vzacne + 2 * epicke + 2 * legendarni;
}

namespace {

__extension__ typedef unsigned __int128 u128;

// A non-negative binary number held exactly: m * 2^e.
struct Presne {
  u128 m;
  int e;
};

int PocetBitu(u128 m) {
  int bitu = 0;
  for (; m != 0; m >>= 1)
    bitu++;
  return bitu;
}

// To `bitu` significant bits, to nearest, ties to even.
Presne Zaokrouhlit(Presne x, int bitu) {
  int navic = PocetBitu(x.m) - bitu;
  if (navic <= 0)
    return x;
  u128 zbytek = x.m & ((u128{1} << navic) - 1);
  u128 polovina = u128{1} << (navic - 1);
  u128 m = x.m >> navic;
  if (zbytek > polovina || (zbytek == polovina && (m & 1)))
    m++;
  return {m, x.e + navic};
}

// The exact sum of two numbers of at most 65 bits each, or, where their
// exponents lie too far apart for 128 bits, the sum with the smaller one's
// lowest bits folded into one sticky bit far below any rounding we do.
Presne Secist(Presne a, Presne b) {
  if (a.m == 0)
    return b;
  if (b.m == 0)
    return a;
  if (a.e < b.e)
    std::swap(a, b);
  int rozdil = a.e - b.e;
  int posun = 126 - PocetBitu(a.m);
  if (rozdil <= posun)
    return {(a.m << rozdil) + b.m, b.e};
  int doprava = rozdil - posun;
  u128 mensi = doprava < 128 ? b.m >> doprava : 0;
  bool lepkavy = doprava >= 128 || (b.m & ((u128{1} << doprava) - 1)) != 0;
  return {((a.m << posun) + mensi) | (lepkavy ? 1 : 0), a.e - posun};
}

Presne Nasobek(int64_t pocet, double hodnota) {
  int exponent;
  double zlomek = std::frexp(hodnota, &exponent);
  auto mantisa = static_cast<uint64_t>(std::ldexp(zlomek, 53));
  return {u128(pocet) * mantisa, exponent - 53};
}

Presne Nasobek(int64_t pocet, int hodnota) {
  return {u128(pocet) * u128(hodnota), 0};
}

// One step of the sum: the term and the sum each to 64 bits, then the sum
// once to single precision.
Presne Pricist(Presne soucet, Presne clen) {
  Presne vysledek = Zaokrouhlit(Secist(soucet, Zaokrouhlit(clen, 64)), 64);
  return Zaokrouhlit(vysledek, 24);
}

}  // namespace

float Vydelek(int64_t bezne, int64_t vzacne, int64_t epicke,
              int64_t legendarni) {
  Presne soucet = {0, 0};
  soucet = Pricist(soucet, Nasobek(bezne, 0.05));
  soucet = Pricist(soucet, Nasobek(vzacne, 1.75));
  soucet = Pricist(soucet, Nasobek(epicke, 4));
  soucet = Pricist(soucet, Nasobek(legendarni, 50));
  return std::ldexp(static_cast<float>(soucet.m), soucet.e);
}
