#include "obrazovky.h"

#include <cstdlib>

#include "harmoniky.h"
#include "hra.h"
#include "konzole.h"
#include "penize.h"
#include "tvar_poctu.h"

void Predtext() {
  NastavitBarvu(15);
  NapsatBanner();
  NapsatRadek("Princip je jednoduchy.");
  NapsatRadek("Zadate pocet otevrenych beden a ty se otevrou");
  NapsatRadek("Podle vaseho stesti dostane jednu ze ctyr moznosti harmonik.");
  NastavitBarvu(7);
  NapsatRadek("1. Beznou");
  NastavitBarvu(1);
  NapsatRadek("2. Vzacnou");
  NastavitBarvu(5);
  NapsatRadek("3. Epickou");
  NastavitBarvu(6);
  NapsatRadek("4. Legendarni");
  NastavitBarvu(15);
  NapsatRadek(
      "Taky se vam bude ukazovat kolik uz jste otevreli beden a kolik "
      "jste celkem utratili.");
  NapsatRadek("No a to je vlastne vsechno.");
  NapsatCaru();
  Pauza("Stisknete cokoliv pro pokracovani (ENTER)");
}

void ZadaniBeden() {
  Cteni zadani;
  do {
    VycistitObrazovku();
    NapsatBanner();
    Napsat("Kolik beden si prejet otevrit? (0 - 2 miliardy): ");
    zadani = NacistCislo(kolikOtevrit);
    Napsat("Pozn. Jedna bedna stoji 2 eura.");
    NapsatCaru();
    if (zadani == KonecVstupu)
      kolikOtevrit = 0;  // nothing more will come: the game ends
    else if (zadani == MimoRozsah)
      kolikOtevrit = -1;  // no count a player can have: asked again
    else if (zadani == NeniCislo && kolikOtevrit < 0)
      ZahoditRadek();  // else the same word would be read again and again
  } while (kolikOtevrit < 0);
  Pauza("Stisknete cokoliv pro pokracovani");
  if (kolikOtevrit == 0)
    jeKonec = true;
}

void OteviraniBeden() {
  VycistitObrazovku();
  NapsatBanner();
  NapsatRadek("Je to tu!");
  // Each tier's colour, word and counters, in the order of the tiers. The
  // crate's tier picks them out of these, so no crate waits on a guess of
  // its tier.
  static constexpr int kBarva[] = {7, 1, 5, 6};
  static constexpr KratkyRadek kSlovo[] = {
      Radek("bezna"), Radek("vzacna"), Radek("epicka"), Radek("legendarni!")};
  int32_t* const pocet[] = {&pocetBezny, &pocetVzacny, &pocetEpicky,
                            &pocetLegendarni};
  int64_t* const celkem[] = {&celkemPocetBezny, &celkemPocetVzacny,
                             &celkemPocetEpicky, &celkemPocetLegendarni};

  CislovanyText bedna("%d. bedna -> ");
  for (int64_t n = 1; n <= kolikOtevrit; n++) {
    pocetOtevrenychBeden++;
    NastavitBarvu(15);
    bedna.Napsat(n);
    Uroven uroven = UrovenHodu(std::rand() % 10000);
    NastavitBarvu(kBarva[uroven]);
    NapsatRadek(kSlovo[uroven]);
    ++*pocet[uroven];
    ++*celkem[uroven];
  }
  NastavitBarvu(15);
  NapsatCaru();
  Pauza("Stisknete cokoliv pro pokracovani");

  VycistitObrazovku();
  NapsatBanner();
  NapsatRadek("To znamena, ze jste dohromady ze vsech beden obdrzeli:");
  if (pocetBezny != 0) {
    NastavitBarvu(7);
    Napsat(TvarPoctu(pocetBezny, "%d beznou harmoniku\n",
                     "%d bezne harmoniky\n", "%d beznych harmonik\n"),
           {pocetBezny});
  }
  if (pocetVzacny != 0) {
    NastavitBarvu(1);
    Napsat(TvarPoctu(pocetVzacny, "%d vzacnou harmoniku\n",
                     "%d vzacne harmoniky\n", "%d vzacnych harmonik\n"),
           {pocetVzacny});
  }
  if (pocetEpicky != 0) {
    NastavitBarvu(5);
    Napsat(TvarPoctu(pocetEpicky, "%d epickou harmoniku\n",
                     "%d epicke harmoniky\n", "%d epickych harmonik\n"),
           {pocetEpicky});
  }
  if (pocetLegendarni != 0) {
    NastavitBarvu(6);
    Napsat(TvarPoctu(pocetLegendarni, "%d legendarni harmoniku\n",
                     "%d legendarni harmoniky\n", "%d legendarnich harmonik\n"),
           {pocetLegendarni});
  }
  NastavitBarvu(15);
  NapsatCaru();
  Pauza("Stisknete cokoliv pro pokracovani");
}

void KonecnyVypis() {
  VycistitObrazovku();
  NapsatBanner();
  if (pocetOtevrenychBeden == 0) {
    NapsatRadek(
        "Uzasna prace! Neotevreli jste ani jednu bednu a uz odchazite.");
  } else {
    Napsat("Celkem jste otevreli %d beden.\n", {pocetOtevrenychBeden});
    NapsatRadek("A z nich jste dostali:");
    if (celkemPocetBezny != 0) {
      NastavitBarvu(7);
      Napsat(TvarPoctu(celkemPocetBezny, "Beznou -> %d\n", "Bezne -> %d\n",
                       "Beznych -> %d\n"),
             {celkemPocetBezny});
    }
    if (celkemPocetVzacny != 0) {
      NastavitBarvu(7);
      Napsat(TvarPoctu(celkemPocetVzacny, "Vzacnou -> %d\n", "Vzacne -> %d\n",
                       "Vzacnych -> %d\n"),
             {celkemPocetVzacny});
    }
    if (celkemPocetEpicky != 0) {
      NastavitBarvu(7);
      Napsat(TvarPoctu(celkemPocetEpicky, "Epickou -> %d\n", "Epicke -> %d\n",
                       "Epickych -> %d\n"),
             {celkemPocetEpicky});
    }
    if (celkemPocetLegendarni != 0) {
      NastavitBarvu(7);
      Napsat(TvarPoctu(celkemPocetLegendarni, "Legendarni -> %d\n",
                       "Legendarni -> %d\n", "Legendarnich -> %d\n"),
             {celkemPocetLegendarni});
    }
    NastavitBarvu(15);
    NapsatRadek("_____________________________________________");
    int64_t cena = Cena(celkemPocetBezny, celkemPocetVzacny, celkemPocetEpicky,
                        celkemPocetLegendarni);
    float vydelek = Vydelek(celkemPocetBezny, celkemPocetVzacny,
                            celkemPocetEpicky, celkemPocetLegendarni);
    double netto = double{vydelek} - double(cena);
    Napsat(
        "A to vse pouze za cenu %d euro, s vydelkem %.2f euro, neboli si "
        "odnasite domu %.2f euro.\n",
        {cena}, {vydelek, netto});
  }
  NapsatCaru();
  Pauza("Stisknete cokoliv pro ukonceni");
}
