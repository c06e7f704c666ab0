#include "konzole.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platforma.h"

char vystup[kVelikostVystupu + kKratkyText];
size_t vystupObsazeno;

void Odeslat() {
  ZapsatVystup(vystup, vystupObsazeno);
  vystupObsazeno = 0;
}

void NapsatDlouhe(const char* text, size_t delka) {
  Odeslat();
  if (delka > kVelikostVystupu) {
    ZapsatVystup(text, delka);
    return;
  }
  std::memcpy(vystup, text, delka);
  vystupObsazeno = delka;
}

static void NapsatCislo(int64_t cislo) {
  char znaky[24];
  char* konec = std::to_chars(znaky, znaky + sizeof znaky, cislo).ptr;
  NapsatBajty(znaky, konec - znaky);
}

static void NapsatCastku(double castka) {
  char
      znaky[400];  // %.2f of the largest double has 309 digits before the point
  int delka = std::snprintf(znaky, sizeof znaky, "%.2f", castka);
  NapsatBajty(znaky, delka);
}

void Napsat(const char* text, std::initializer_list<int64_t> cisla,
            std::initializer_list<double> castky) {
  const int64_t* cislo = cisla.begin();
  const double* castka = castky.begin();
  while (*text != '\0') {
    if (std::strncmp(text, "%d", 2) == 0 && cislo != cisla.end()) {
      NapsatCislo(*cislo++);
      text += 2;
    } else if (std::strncmp(text, "%.2f", 4) == 0 && castka != castky.end()) {
      NapsatCastku(*castka++);
      text += 4;
    } else {
      const char* pole = std::strchr(text + 1, '%');
      size_t delka = pole ? pole - text : std::strlen(text);
      NapsatBajty(text, delka);
      text += delka;
    }
  }
}

CislovanyText::CislovanyText(const char* text) {
  const char* zaCislem = text + 2;  // the text begins with %d
  zaCislem_ = std::min(std::strlen(zaCislem), kKratkyText);
  std::memcpy(znaky_ + kKonecCisla, zaCislem, zaCislem_);
  Nastavit(0);
}

void CislovanyText::Nastavit(int64_t cislo) {
  char cislice[kKonecCisla];
  char* konec = std::to_chars(cislice, cislice + sizeof cislice, cislo).ptr;
  size_t pocet = konec - cislice;
  zacatek_ = kKonecCisla - pocet;
  std::memcpy(znaky_ + zacatek_, cislice, pocet);
  delka_ = pocet + zaCislem_;
  posledni_ = konec[-1];
  // Past INT64_MAX this wraps to a negative number, which never counts up.
  dalsi_ = static_cast<int64_t>(static_cast<uint64_t>(cislo) + 1);
}

// The last digit goes from 9 to 0: the digits before it count up.
void CislovanyText::PrenestDesitku() {
  posledni_ = '0';
  size_t i = kKonecCisla - 2;
  while (i >= zacatek_ && znaky_[i] == '9')
    znaky_[i--] = '0';
  if (i < zacatek_) {
    znaky_[i] = '1';
    zacatek_ = i;
    delka_++;
  } else {
    znaky_[i]++;
  }
}

void CislovanyText::Napsat(int64_t cislo) {
  if (cislo == dalsi_ && cislo > 0) {
    if (posledni_ != '9')
      posledni_++;
    else
      PrenestDesitku();
    dalsi_++;
  } else if (cislo >= 0) {
    Nastavit(cislo);
  } else {
    char text[kKonecCisla + kKratkyText];
    char* konec = std::to_chars(text, text + kKonecCisla, cislo).ptr;
    std::memcpy(konec, znaky_ + kKonecCisla, zaCislem_);
    NapsatBajty(text, konec - text + zaCislem_);
    return;  // the digits stay as they were, for the number after them
  }

  if (delka_ > kKratkyText) {
    znaky_[kKonecCisla - 1] = posledni_;
    NapsatBajty(znaky_ + zacatek_, delka_);
    return;
  }
  // The block is copied from digits that seldom change and the last digit
  // is written over it: reading digits just changed one by one would stall
  // the processor.
  NapsatKratky(znaky_ + zacatek_, delka_);
  vystup[vystupObsazeno - zaCislem_ - 1] = posledni_;
}

void NapsatBanner() { NapsatRadek("\n\n======TRUHLOVYPRASKOVAC!======\n"); }

void NapsatCaru() { NapsatRadek("\n==============================\n"); }

// Input read from the system but not yet taken by the game: whatever a read
// leaves here is pending for the next one, across screens.
static char vstup[64 * 1024];
static size_t vstupZacatek, vstupKonec;

// The next character of input without taking it, or -1 once input has
// ended. Before the game waits for input, everything it wrote is sent, so
// the player sees the prompt.
static int Nahled() {
  if (vstupZacatek == vstupKonec) {
    Odeslat();
    vstupZacatek = 0;
    vstupKonec = CistVstup(vstup, sizeof vstup);
    if (vstupKonec == 0)
      return -1;
  }
  return static_cast<unsigned char>(vstup[vstupZacatek]);
}

static void Vzit() { vstupZacatek++; }

void Pauza(const char* vyzva) {
  Napsat(vyzva);
  if (Nahled() >= 0)
    Vzit();
}

static bool JeMezera(int znak) {
  return znak == ' ' || (znak >= '\t' && znak <= '\r');
}

static bool JeCislice(int znak) { return znak >= '0' && znak <= '9'; }

Cteni NacistCislo(int32_t& cislo) {
  while (JeMezera(Nahled()))
    Vzit();
  bool zaporne = Nahled() == '-';
  if (zaporne || Nahled() == '+')
    Vzit();
  if (!JeCislice(Nahled()))
    return Nahled() < 0 ? KonecVstupu : NeniCislo;

  // Digits past the 32-bit range are still all taken, however many there
  // are, so a long line of them is one entry; only the value stops growing.
  int64_t hodnota = 0;
  bool mimo = false;
  for (int znak; JeCislice(znak = Nahled()); Vzit()) {
    hodnota = hodnota * 10 + (znak - '0');
    if (hodnota > int64_t{INT32_MAX} + 1) {
      mimo = true;
      hodnota = int64_t{INT32_MAX} + 1;
    }
  }
  if (zaporne)
    hodnota = -hodnota;
  if (mimo || hodnota > INT32_MAX)
    return MimoRozsah;
  cislo = static_cast<int32_t>(hodnota);
  return Precteno;
}

void ZahoditRadek() {
  for (int znak; (znak = Nahled()) >= 0;) {
    Vzit();
    if (znak == '\n')
      return;
  }
}
