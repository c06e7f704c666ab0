// What a whole game writes to a pipe, put together screen by screen from
// the game's texts, for the black-box tests to compare byte for byte. The
// rolls come from a function, so the same transcript serves any generator.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class Prepis {
 public:
  explicit Prepis(std::function<int()> hod) : hod_(std::move(hod)) {}

  Prepis& Uvod();
  // The count screen shown `pruchodu` times (once per entry it asked for),
  // then its pause.
  Prepis& Zadani(int pruchodu = 1);
  // The opening screen of `kolik` crates and the turn summary.
  Prepis& Otevreni(int kolik);
  Prepis& Konec();

  const std::string& Text() const { return text_; }

 private:
  std::function<int()> hod_;
  std::string text_;
  int64_t otevreno_ = 0;
  int64_t celkem_[4] = {};
};

// The rolls of a game seeded with `seminko` on this platform's generator.
std::function<int()> HodyTetoPlatformy(unsigned seminko);
