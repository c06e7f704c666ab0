#include "prepis.h"

#include <cstdio>
#include <cstdlib>

#include "penize.h"

static const char kBanner[] = "\n\n======TRUHLOVYPRASKOVAC!======\n\n";
static const char kCara[] = "\n==============================\n\n";

std::function<int()> HodyTetoPlatformy(unsigned seminko) {
  std::srand(seminko);
  return [] { return std::rand() % 10000; };
}

// Written out from the texts, not from the game's helpers, so that a fault
// in those shows here.
static std::string Tvar(int64_t pocet, const char* jedna, const char* dve,
                        const char* pet) {
  const char* tvar = pocet == 1 ? jedna : pocet <= 4 ? dve : pet;
  char radek[100];
  std::snprintf(radek, sizeof radek, tvar, static_cast<long long>(pocet));
  return radek;
}

Prepis& Prepis::Uvod() {
  text_ += kBanner;
  text_ +=
      "Princip je jednoduchy.\n"
      "Zadate pocet otevrenych beden a ty se otevrou\n"
      "Podle vaseho stesti dostane jednu ze ctyr moznosti harmonik.\n"
      "1. Beznou\n"
      "2. Vzacnou\n"
      "3. Epickou\n"
      "4. Legendarni\n"
      "Taky se vam bude ukazovat kolik uz jste otevreli beden a kolik jste "
      "celkem utratili.\n"
      "No a to je vlastne vsechno.\n";
  text_ += kCara;
  text_ += "Stisknete cokoliv pro pokracovani (ENTER)";
  return *this;
}

Prepis& Prepis::Zadani(int pruchodu) {
  for (int i = 0; i < pruchodu; i++) {
    text_ += "\f";
    text_ += kBanner;
    text_ += "Kolik beden si prejet otevrit? (0 - 2 miliardy): ";
    text_ += "Pozn. Jedna bedna stoji 2 eura.";
    text_ += kCara;
  }
  text_ += "Stisknete cokoliv pro pokracovani";
  return *this;
}

Prepis& Prepis::Otevreni(int kolik) {
  static const char* const kSlova[] = {"bezna", "vzacna", "epicka",
                                       "legendarni!"};
  int64_t pocet[4] = {};
  text_ += "\f";
  text_ += kBanner;
  text_ += "Je to tu!\n";
  for (int n = 1; n <= kolik; n++) {
    int hod = hod_();
    int uroven = hod < 8000 ? 0 : hod < 9575 ? 1 : hod < 9975 ? 2 : 3;
    pocet[uroven]++;
    celkem_[uroven]++;
    otevreno_++;
    text_ += std::to_string(n) + ". bedna -> " + kSlova[uroven] + "\n";
  }
  text_ += kCara;
  text_ += "Stisknete cokoliv pro pokracovani";

  text_ += "\f";
  text_ += kBanner;
  text_ += "To znamena, ze jste dohromady ze vsech beden obdrzeli:\n";
  if (pocet[0])
    text_ += Tvar(pocet[0], "%lld beznou harmoniku\n", "%lld bezne harmoniky\n",
                  "%lld beznych harmonik\n");
  if (pocet[1])
    text_ += Tvar(pocet[1], "%lld vzacnou harmoniku\n",
                  "%lld vzacne harmoniky\n", "%lld vzacnych harmonik\n");
  if (pocet[2])
    text_ += Tvar(pocet[2], "%lld epickou harmoniku\n",
                  "%lld epicke harmoniky\n", "%lld epickych harmonik\n");
  if (pocet[3])
    text_ +=
        Tvar(pocet[3], "%lld legendarni harmoniku\n",
             "%lld legendarni harmoniky\n", "%lld legendarnich harmonik\n");
  text_ += kCara;
  text_ += "Stisknete cokoliv pro pokracovani";
  return *this;
}

Prepis& Prepis::Konec() {
  text_ += "\f";
  text_ += kBanner;
  if (otevreno_ == 0) {
    text_ += "Uzasna prace! Neotevreli jste ani jednu bednu a uz odchazite.\n";
  } else {
    text_ += "Celkem jste otevreli " + std::to_string(otevreno_) + " beden.\n";
    text_ += "A z nich jste dostali:\n";
    const int64_t* c = celkem_;
    if (c[0])
      text_ += Tvar(c[0], "Beznou -> %lld\n", "Bezne -> %lld\n",
                    "Beznych -> %lld\n");
    if (c[1])
      text_ += Tvar(c[1], "Vzacnou -> %lld\n", "Vzacne -> %lld\n",
                    "Vzacnych -> %lld\n");
    if (c[2])
      text_ += Tvar(c[2], "Epickou -> %lld\n", "Epicke -> %lld\n",
                    "Epickych -> %lld\n");
    if (c[3])
      text_ += Tvar(c[3], "Legendarni -> %lld\n", "Legendarni -> %lld\n",
                    "Legendarnich -> %lld\n");
    text_ += "_____________________________________________\n";
    long long cena = 2 * (c[0] + c[1] + c[2] + c[3]);
    float vydelek = Vydelek(c[0], c[1], c[2], c[3]);
    char radek[200];
    std::snprintf(radek, sizeof radek,
                  "A to vse pouze za cenu %lld euro, s vydelkem %.2f euro, "
                  "neboli si odnasite domu %.2f euro.\n",
                  cena, double{vydelek}, double{vydelek} - double(cena));
    text_ += radek;
  }
  text_ += kCara;
  text_ += "Stisknete cokoliv pro ukonceni";
  return *this;
}
