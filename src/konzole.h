// The console every screen writes through: the colour of the text that
// follows, clearing the screen, the banner and the rule that frame each
// screen, pauses, and reading the crate count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

// Whether the output shows colours at all: a pipe or a file does not, and
// then a colour costs the crate loop no more than this test.
extern bool barvyNaVystupu;
void ZobrazitBarvu(int barva);

// Sets the colour of the text that follows to a console character attribute:
// bits 0 to 3 are blue, green, red and intensity, bits 4 to 7 the background
// the same way. Only the low 16 bits count.
inline void NastavitBarvu(int barva) {
  if (barvyNaVystupu)
    ZobrazitBarvu(barva);
}

// Leaves an empty screen for the next text; the colour in force stays.
void VycistitObrazovku();

// Text waits in this buffer until the game reads standard input or the
// buffer is full: one write of many crate lines costs far less than a write
// a line. It is written inline because every crate goes through it.
// Past its end there is room for one more short text, so that a short text
// can be copied as one block of fixed size: that is faster than a copy of
// its exact length.
constexpr size_t kVelikostVystupu = 256 * 1024;
constexpr size_t kKratkyText = 32;
extern char vystup[kVelikostVystupu + kKratkyText];
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

// Writes the first `delka` bytes of `text`, which has kKratkyText bytes
// that may be read.
inline void NapsatKratky(const char* text, size_t delka) {
  if (vystupObsazeno > kVelikostVystupu)
    Odeslat();
  std::memcpy(vystup + vystupObsazeno, text, kKratkyText);
  vystupObsazeno += delka;
}

// A line made when the game is compiled, short enough to be copied as one
// block: the crate loop writes a tier's word without measuring it.
struct KratkyRadek {
  char text[kKratkyText];
  size_t delka;
};

constexpr KratkyRadek Radek(const char* text) {
  KratkyRadek radek{};
  while (text[radek.delka] != '\0' && radek.delka < kKratkyText - 1) {
    radek.text[radek.delka] = text[radek.delka];
    radek.delka++;
  }
  radek.text[radek.delka++] = '\n';
  return radek;
}

inline void NapsatRadek(const KratkyRadek& radek) {
  NapsatKratky(radek.text, radek.delka);
}

inline void Napsat(const char* text) { NapsatBajty(text, std::strlen(text)); }

inline void NapsatRadek(const char* text) {
  size_t delka = std::strlen(text);
  if (delka >= kVelikostVystupu - vystupObsazeno) {
    Napsat(text);
    NapsatBajty("\n", 1);
    return;
  }
  std::memcpy(vystup + vystupObsazeno, text, delka);
  vystup[vystupObsazeno + delka] = '\n';
  vystupObsazeno += delka + 1;
}

// Writes `text`, filling its %d fields from `cisla` and its %.2f fields from
// `castky`, each in turn.
void Napsat(const char* text, std::initializer_list<int64_t> cisla,
            std::initializer_list<double> castky = {});

// A text that begins with a %d field whose number mostly grows by one from
// one writing to the next, as the crate numbers do. The digits are kept as
// text and counted up in place, which costs a fraction of formatting the
// number anew; any other number is formatted as usual.
class CislovanyText {
 public:
  explicit CislovanyText(const char* text);
  void Napsat(int64_t cislo);

 private:
  void Nastavit(int64_t cislo);
  void PrenestDesitku();

  static constexpr size_t kKonecCisla = 24;  // INT64_MIN has 20 characters
  char znaky_[kKonecCisla + 2 * kKratkyText] = {};
  size_t zacatek_ = kKonecCisla;  // where the digits begin in znaky_
  size_t delka_ = 0;              // of the whole text
  size_t zaCislem_ = 0;           // of the text after the field
  char posledni_ = 0;             // the last digit: znaky_ lags behind it
  int64_t dalsi_ = 0;             // one more than the digits' number
};

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
