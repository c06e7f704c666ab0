// The console every screen writes through: the colour of the text that
// follows, clearing the screen, the banner and the rule that frame each
// screen, pauses, and reading the crate count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

// Sets the colour of the text that follows to a console character attribute:
// bits 0 to 3 are blue, green, red and intensity, bits 4 to 7 the background
// the same way. Only the low 16 bits count.
void NastavitBarvu(int barva);

// Leaves an empty screen for the next text; the colour in force stays.
void VycistitObrazovku();

// Text waits in this buffer until the game reads standard input or the
// buffer is full: one write of many crate lines costs far less than a write
// a line. It is written inline because every crate goes through it.
constexpr size_t kVelikostVystupu = 64 * 1024;
extern char vystup[kVelikostVystupu];
extern size_t vystupObsazeno;

// Sends everything waiting in the buffer to standard output.
void Odeslat();
void NapsatDlouhe(const char* text, size_t delka);

inline void NapsatBajty(const char* text, size_t delka) {
  if (delka > kVelikostVystupu - vystupObsazeno) {
    NapsatDlouhe(text, delka);
    return;
  }
  std::memcpy(vystup + vystupObsazeno, text, delka);
  vystupObsazeno += delka;
}

inline void Napsat(const char* text) { NapsatBajty(text, std::strlen(text)); }

inline void NapsatRadek(const char* text) {
  Napsat(text);
  NapsatBajty("\n", 1);
}

// Writes `text`, filling its %d fields from `cisla` and its %.2f fields from
// `castky`, each in turn.
void Napsat(const char* text, std::initializer_list<int64_t> cisla,
            std::initializer_list<double> castky = {});

void NapsatBanner();
void NapsatCaru();

// Writes the prompt and takes one character of input, whatever it is,
// waiting for a line if none is pending.
void Pauza(const char* vyzva);

enum Cteni { Precteno, NeniCislo, MimoRozsah, KonecVstupu };

// Reads a whole number as scanf's "%d" does: white space and line ends are
// skipped, then an optional sign and the digits after it are taken and the
// character after them stays pending. `cislo` is set only when the result
// is Precteno. NeniCislo leaves the input after the sign pending;
// MimoRozsah has taken all the digits of a number beyond 32 bits.
Cteni NacistCislo(int32_t& cislo);

// Takes the rest of the pending line, its line end included.
void ZahoditRadek();
